#pragma once

#include "WidgetData.h"

// An audio recording: its file name "recordPath" in the resource folder and
// its "title". "seconds" is declared for the kind but never written.
class RecordWidgetData : public WidgetData {
public:
  QString className() const override { return QStringLiteral("RecordWidgetData"); }
  QString widgetClassname() const override { return QStringLiteral("RecordWidget"); }
  const AttributeMap &attributeMapDictionary() const override;
  bool isFileNameAttribute(const QString &name) const override;
  QStringList resourceFileNames() const override;

  QString recordPath() const { return stringAttribute(QStringLiteral("recordPath")); }
  void setRecordPath(const QString &name) {
    setStringAttribute(QStringLiteral("recordPath"), name);
  }
  QString title() const { return stringAttribute(QStringLiteral("title")); }
  void setTitle(const QString &title) { setStringAttribute(QStringLiteral("title"), title); }
  QString seconds() const { return stringAttribute(QStringLiteral("seconds")); }
  void setSeconds(const QString &seconds) {
    setStringAttribute(QStringLiteral("seconds"), seconds);
  }
};
