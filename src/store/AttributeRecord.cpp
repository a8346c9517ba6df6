#include "AttributeRecord.h"

#include "common/FolderPaths.h"

namespace {
const QString kClassName = QStringLiteral("className");

const AttributeRecord::AttributeMap &emptyMap() {
  static const AttributeRecord::AttributeMap map;
  return map;
}

// Values are texts or numbers (see accepts).
QString valueText(const QJsonValue &value) {
  return value.isString() ? value.toString() : QString::number(value.toDouble());
}
} // namespace

AttributeRecord::~AttributeRecord() = default;

const AttributeRecord::AttributeMap &AttributeRecord::staticAttribes() const {
  return emptyMap();
}
const AttributeRecord::AttributeMap &AttributeRecord::attributeMapDictionary() const {
  return emptyMap();
}
bool AttributeRecord::isNumberAttribute(const QString &) const {
  return false;
}
bool AttributeRecord::isFileNameAttribute(const QString &) const {
  return false;
}
QString AttributeRecord::customDescription() const {
  return {};
}

bool AttributeRecord::hasAttributeMaps() const {
  return !staticAttribes().isEmpty() || !attributeMapDictionary().isEmpty();
}

bool AttributeRecord::accepts(const QString &name, const QJsonValue &value) const {
  if (isNumberAttribute(name))
    return value.isDouble();
  if (!value.isString())
    return false;
  // A stored file name is used to build paths in the notebook's folder.
  return !isFileNameAttribute(name) || isPlainFileName(value.toString());
}

bool AttributeRecord::isMapped(const QString &name) const {
  return staticAttribes().contains(name) || attributeMapDictionary().contains(name);
}

bool AttributeRecord::storesUnderOwnNames() const {
  for (const AttributeMap *map : {&staticAttribes(), &attributeMapDictionary()}) {
    for (auto it = map->cbegin(); it != map->cend(); ++it) {
      if (it.key() != it.value())
        return false;
    }
  }
  return true;
}

void AttributeRecord::setAttributes(const QJsonObject &stored) {
  if (storesUnderOwnNames()) {
    // Keep the stored object itself (shared, not copied) when it holds nothing
    // but valid attributes and this record's class name, as pages mostly do.
    // Types are checked on the stored references, without copying values out.
    bool clean = true;
    for (auto it = stored.constBegin(); clean && it != stored.constEnd(); ++it) {
      const QString key = it.key();
      const QJsonValueConstRef value = it.value();
      if (key == kClassName)
        clean = value.toString() == className();
      else if (!isMapped(key))
        clean = false;
      else if (isNumberAttribute(key))
        clean = value.type() == QJsonValue::Double;
      else
        clean = value.type() == QJsonValue::String &&
                (!isFileNameAttribute(key) || isPlainFileName(value.toString()));
    }
    if (clean) {
      values = stored;
      return;
    }
  }
  values = QJsonObject();
  // The kind's map is applied last so that its entries win over static ones.
  for (const AttributeMap *map : {&staticAttribes(), &attributeMapDictionary()}) {
    for (auto it = map->cbegin(); it != map->cend(); ++it)
      setAttribute(it.key(), stored.value(it.value()));
  }
}

QJsonObject AttributeRecord::attributesObject() const {
  if (storesUnderOwnNames()) {
    QJsonObject object = values;
    object.remove(kClassName);
    return object;
  }
  QJsonObject object;
  for (const AttributeMap *map : {&staticAttribes(), &attributeMapDictionary()}) {
    for (auto it = map->cbegin(); it != map->cend(); ++it) {
      const QJsonValue value = values.value(it.key());
      if (!value.isUndefined())
        object.insert(it.value(), value);
    }
  }
  return object;
}

void AttributeRecord::setAttribute(const QString &name, const QJsonValue &value) {
  if (!isMapped(name))
    return;
  if (value.isUndefined() || value.isNull() || !accepts(name, value))
    values.remove(name);
  else
    values.insert(name, value);
}

QString AttributeRecord::stringAttribute(const QString &name) const {
  const QJsonValue value = values.value(name);
  return value.isString() ? value.toString() : QString();
}

void AttributeRecord::setStringAttribute(const QString &name, const QString &value) {
  setAttribute(name, value.isNull() ? QJsonValue() : QJsonValue(value));
}

QString AttributeRecord::description() const {
  QString attributes;
  AttributeMap all = staticAttribes();
  all.insert(attributeMapDictionary());
  for (auto it = all.cbegin(); it != all.cend(); ++it) {
    const QJsonValue value = values.value(it.key());
    attributes += value.isUndefined() ? QStringLiteral(" [%1=nil] ").arg(it.key())
                                      : QStringLiteral(" [%1=%2] ").arg(it.key(), valueText(value));
  }
  const QString custom = customDescription();
  if (custom.isEmpty())
    return QStringLiteral("%1:{%2}").arg(className(), attributes);
  return QStringLiteral("%1:{%2,%3}").arg(className(), attributes, custom);
}
