#include "VideoWidgetData.h"

const AttributeRecord::AttributeMap &VideoWidgetData::attributeMapDictionary() const {
  static const AttributeMap map{{QStringLiteral("videoPath"), QStringLiteral("videoPath")},
                                {QStringLiteral("videoTitle"), QStringLiteral("videoTitle")},
                                {QStringLiteral("videoName"), QStringLiteral("videoName")}};
  return map;
}

bool VideoWidgetData::isFileNameAttribute(const QString &name) const {
  return name == QLatin1String("videoName");
}

QStringList VideoWidgetData::resourceFileNames() const {
  const QString name = videoName();
  return name.isEmpty() ? QStringList() : QStringList{name};
}
