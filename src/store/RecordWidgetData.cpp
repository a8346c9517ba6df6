#include "RecordWidgetData.h"

const AttributeRecord::AttributeMap &RecordWidgetData::attributeMapDictionary() const {
  static const AttributeMap map{{QStringLiteral("recordPath"), QStringLiteral("recordPath")},
                                {QStringLiteral("seconds"), QStringLiteral("seconds")},
                                {QStringLiteral("title"), QStringLiteral("title")}};
  return map;
}

bool RecordWidgetData::isFileNameAttribute(const QString &name) const {
  return name == QLatin1String("recordPath");
}

QStringList RecordWidgetData::resourceFileNames() const {
  const QString name = recordPath();
  return name.isEmpty() ? QStringList() : QStringList{name};
}
