#include "QNBaseDataObject.h"

#include <QJsonObject>

namespace {
const QString kClassKey = QStringLiteral("$class");
}

void QNBaseDataObject::initWithDataDic(const QVariantMap &stored) {
  setAttributes(QJsonObject::fromVariantMap(stored));
}

QVariantMap QNBaseDataObject::dataDictionary() const {
  return attributesObject().toVariantMap();
}

void QNBaseDataObject::encodeWithCoder(QVariantMap &coder) const {
  // The archive keys attributes by their names, whatever members they are stored under.
  for (const AttributeMap *map : {&staticAttribes(), &attributeMapDictionary()}) {
    for (const QString &name : map->keys()) {
      const QJsonValue value = attribute(name);
      if (!value.isUndefined())
        coder.insert(name, value.toVariant());
    }
  }
  coder.insert(kClassKey, className());
}

bool QNBaseDataObject::initWithCoder(const QVariantMap &coder) {
  if (coder.value(kClassKey).toString() != className())
    return false;
  for (const AttributeMap *map : {&staticAttribes(), &attributeMapDictionary()}) {
    for (const QString &name : map->keys())
      setAttribute(name, QJsonValue::fromVariant(coder.value(name)));
  }
  return true;
}
