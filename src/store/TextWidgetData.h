#pragma once

#include "WidgetData.h"

#include <QColor>
#include <QFont>

// A text box: plain "text", the base name "textName" of its styled-text file
// "<textName>.plist" in the resource folder, "textColor" ("%f,%f,%f,%f") and
// "font" ("%@,%f").
class TextWidgetData : public WidgetData {
public:
  QString className() const override { return QStringLiteral("TextWidgetData"); }
  QString widgetClassname() const override { return QStringLiteral("TextWidget"); }
  const AttributeMap &attributeMapDictionary() const override;
  bool isFileNameAttribute(const QString &name) const override;
  QStringList resourceFileNames() const override;

  QString text() const { return stringAttribute(QStringLiteral("text")); }
  void setText(const QString &text) { setStringAttribute(QStringLiteral("text"), text); }
  QString textName() const { return stringAttribute(QStringLiteral("textName")); }
  void setTextName(const QString &name) { setStringAttribute(QStringLiteral("textName"), name); }
  // "<textName>.plist", or empty without a text name.
  QString styledTextFileName() const;
  // Transparent when absent or unreadable.
  QColor textColor() const;
  void setTextColor(const QColor &color);
  // The application font when absent or unreadable.
  QFont font() const;
  void setFont(const QFont &font);
};
