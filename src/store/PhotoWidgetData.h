#pragma once

#include "WidgetData.h"

// A photo: its PNG file "photoName" in the resource folder and its rotation
// "rotate" in radians about its centre ("%f"); "size" is the unrotated size.
class PhotoWidgetData : public WidgetData {
public:
  QString className() const override { return QStringLiteral("PhotoWidgetData"); }
  QString widgetClassname() const override { return QStringLiteral("PhotoWidget"); }
  const AttributeMap &attributeMapDictionary() const override;
  bool isFileNameAttribute(const QString &name) const override;
  QStringList resourceFileNames() const override;

  QString photoName() const { return stringAttribute(QStringLiteral("photoName")); }
  void setPhotoName(const QString &name) { setStringAttribute(QStringLiteral("photoName"), name); }
  // 0 when absent or unreadable.
  double rotate() const;
  void setRotate(double radians);
};
