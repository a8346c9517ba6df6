#include "PhotoWidgetData.h"

#include <cmath>

const AttributeRecord::AttributeMap &PhotoWidgetData::attributeMapDictionary() const {
  static const AttributeMap map{{QStringLiteral("photoName"), QStringLiteral("photoName")},
                                {QStringLiteral("rotate"), QStringLiteral("rotate")}};
  return map;
}

bool PhotoWidgetData::isFileNameAttribute(const QString &name) const {
  return name == QLatin1String("photoName");
}

QStringList PhotoWidgetData::resourceFileNames() const {
  const QString name = photoName();
  return name.isEmpty() ? QStringList() : QStringList{name};
}

double PhotoWidgetData::rotate() const {
  const double radians = stringAttribute(QStringLiteral("rotate")).toDouble();
  return std::isfinite(radians) ? radians : 0;
}

void PhotoWidgetData::setRotate(double radians) {
  setStringAttribute(QStringLiteral("rotate"), QString::asprintf("%f", radians));
}
