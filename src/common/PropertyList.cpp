#include "PropertyList.h"

#include "AtomicFile.h"
#include "DiagnosticLog.h"

#include <QDateTime>
#include <QFile>
#include <QTimeZone>
#include <cstdlib>
#include <plist/plist.h>

namespace {

// Property-list dates count seconds from 2001-01-01 00:00:00 UTC.
constexpr qint64 kPlistEpochSeconds = 978307200;

QVariant toVariant(plist_t node) {
  switch (plist_get_node_type(node)) {
  case PLIST_BOOLEAN: {
    uint8_t value = 0;
    plist_get_bool_val(node, &value);
    return bool(value);
  }
  case PLIST_UINT: {
    uint64_t value = 0;
    plist_get_uint_val(node, &value);
    return qint64(value);
  }
  case PLIST_REAL: {
    double value = 0;
    plist_get_real_val(node, &value);
    return value;
  }
  case PLIST_STRING: {
    char *value = nullptr;
    plist_get_string_val(node, &value);
    QString text = QString::fromUtf8(value);
    free(value);
    return text;
  }
  case PLIST_DATA: {
    char *value = nullptr;
    uint64_t length = 0;
    plist_get_data_val(node, &value, &length);
    QByteArray data(value, qsizetype(length));
    free(value);
    return data;
  }
  case PLIST_DATE: {
    int32_t seconds = 0, microseconds = 0;
    plist_get_date_val(node, &seconds, &microseconds);
    const qint64 ms = (kPlistEpochSeconds + seconds) * 1000 + microseconds / 1000;
    return QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc());
  }
  case PLIST_ARRAY: {
    QVariantList list;
    const uint32_t size = plist_array_get_size(node);
    list.reserve(size);
    for (uint32_t i = 0; i < size; ++i)
      list.append(toVariant(plist_array_get_item(node, i)));
    return list;
  }
  case PLIST_DICT: {
    QVariantMap map;
    plist_dict_iter it = nullptr;
    plist_dict_new_iter(node, &it);
    char *key = nullptr;
    plist_t item = nullptr;
    for (plist_dict_next_item(node, it, &key, &item); item;
         plist_dict_next_item(node, it, &key, &item)) {
      map.insert(QString::fromUtf8(key), toVariant(item));
      free(key);
      key = nullptr;
    }
    free(it);
    return map;
  }
  default:
    return {};
  }
}

plist_t toNode(const QVariant &value) {
  switch (value.typeId()) {
  case QMetaType::Bool:
    return plist_new_bool(value.toBool());
  case QMetaType::Int:
  case QMetaType::UInt:
  case QMetaType::LongLong:
  case QMetaType::ULongLong:
  case QMetaType::Long:
  case QMetaType::ULong:
  case QMetaType::Short:
  case QMetaType::UShort:
    return plist_new_uint(uint64_t(value.toLongLong()));
  case QMetaType::Double:
  case QMetaType::Float:
    return plist_new_real(value.toDouble());
  case QMetaType::QString:
    return plist_new_string(value.toString().toUtf8().constData());
  case QMetaType::QByteArray: {
    const QByteArray data = value.toByteArray();
    return plist_new_data(data.constData(), uint64_t(data.size()));
  }
  case QMetaType::QDateTime: {
    const qint64 ms = value.toDateTime().toMSecsSinceEpoch() - kPlistEpochSeconds * 1000;
    const qint64 seconds = ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
    return plist_new_date(int32_t(seconds), int32_t((ms - seconds * 1000) * 1000));
  }
  case QMetaType::QVariantList:
  case QMetaType::QStringList: {
    plist_t array = plist_new_array();
    for (const QVariant &item : value.toList()) {
      plist_t child = toNode(item);
      if (!child) {
        plist_free(array);
        return nullptr;
      }
      plist_array_append_item(array, child);
    }
    return array;
  }
  case QMetaType::QVariantMap: {
    plist_t dict = plist_new_dict();
    const QVariantMap map = value.toMap();
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
      plist_t child = toNode(it.value());
      if (!child) {
        plist_free(dict);
        return nullptr;
      }
      plist_dict_set_item(dict, it.key().toUtf8().constData(), child);
    }
    return dict;
  }
  default:
    return nullptr;
  }
}

} // namespace

namespace PropertyList {

QVariant fromData(const QByteArray &data) {
  if (data.isEmpty())
    return {};
  plist_t root = nullptr;
  plist_from_memory(data.constData(), uint32_t(data.size()), &root);
  if (!root)
    return {};
  QVariant value = toVariant(root);
  plist_free(root);
  return value;
}

QVariant read(const QString &path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (file.exists())
      QUILL_LOG_ERROR("property list: open", "file", file.error(), path + ": " + file.errorString());
    return {};
  }
  const QVariant value = fromData(file.readAll());
  if (!value.isValid())
    QUILL_LOG_ERROR("property list: parse", "plist", 0, path + " is empty or not a property list");
  return value;
}

QByteArray toXml(const QVariant &value) {
  plist_t root = toNode(value);
  if (!root)
    return {};
  char *xml = nullptr;
  uint32_t length = 0;
  plist_to_xml(root, &xml, &length);
  QByteArray text(xml, qsizetype(length));
  plist_to_xml_free(xml);
  plist_free(root);
  return text;
}

bool write(const QString &path, const QVariant &value) {
  const QByteArray xml = toXml(value);
  if (xml.isEmpty()) {
    QUILL_LOG_ERROR("property list: encode", "plist", 0, path + ": value holds no property-list type");
    return false;
  }
  return writeFileAtomically(path, xml);
}

} // namespace PropertyList
