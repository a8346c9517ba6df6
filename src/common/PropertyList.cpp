#include "PropertyList.h"

#include "AtomicFile.h"
#include "DiagnosticLog.h"

#include <QDateTime>
#include <QFile>
#include <QTimeZone>
#include <cmath>
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

// XML 1.0 holds tab, line feed, carriage return and every character from
// U+0020 on except the surrogates, U+FFFE and U+FFFF.
bool isXmlCharacter(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// The text without what an XML reader refuses (the whole file, not only the
// text): other control characters, U+FFFE, U+FFFF and unpaired surrogates.
QString xmlCharacters(const QString &text) {
  QString kept;
  qsizetype dropped = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
    if (pair || (!c.isSurrogate() && isXmlCharacter(c.unicode()))) {
      if (dropped > 0)
        kept += QStringView(text).mid(i, pair ? 2 : 1);
      i += pair ? 1 : 0;
    } else if (dropped++ == 0) {
      kept = text.left(i); // the first one: copy what came before it
    }
  }
  if (dropped == 0)
    return text;
  QUILL_LOG_ERROR("property list: encode", "plist", int(dropped),
                  "characters XML cannot hold left out of \"" + kept.left(40) + "\"");
  return kept;
}

void appendEscaped(QByteArray &out, const QString &text) {
  const QByteArray utf8 = xmlCharacters(text).toUtf8();
  for (const char c : utf8) {
    switch (c) {
    case '&': out += "&amp;"; break;
    case '<': out += "&lt;"; break;
    case '>': out += "&gt;"; break;
    // A reader turns a written carriage return into a line feed.
    case '\r': out += "&#13;"; break;
    default: out += c;
    }
  }
}

void indent(QByteArray &out, int depth) { out.append(depth, '\t'); }

// Writes the XML form directly from the Qt values: going through a libplist
// tree first costs more in allocations than the text itself. False for a value
// a property list cannot hold.
bool appendXml(QByteArray &out, const QVariant &value, int depth) {
  indent(out, depth);
  switch (value.typeId()) {
  case QMetaType::Bool:
    out += value.toBool() ? "<true/>\n" : "<false/>\n";
    return true;
  case QMetaType::Int:
  case QMetaType::UInt:
  case QMetaType::LongLong:
  case QMetaType::ULongLong:
  case QMetaType::Long:
  case QMetaType::ULong:
  case QMetaType::Short:
  case QMetaType::UShort:
    out += "<integer>" + QByteArray::number(value.toLongLong()) + "</integer>\n";
    return true;
  case QMetaType::Double:
  case QMetaType::Float: {
    const double real = value.toDouble();
    if (!std::isfinite(real))
      return false;
    out += "<real>" + QByteArray::number(real, 'g', 17) + "</real>\n";
    return true;
  }
  case QMetaType::QString:
    out += "<string>";
    appendEscaped(out, value.toString());
    out += "</string>\n";
    return true;
  case QMetaType::QByteArray:
    out += "<data>" + value.toByteArray().toBase64() + "</data>\n";
    return true;
  case QMetaType::QDateTime: {
    const QDateTime date = value.toDateTime();
    if (!date.isValid())
      return false;
    out += "<date>" + date.toUTC().toString(Qt::ISODate).toLatin1() + "</date>\n";
    return true;
  }
  case QMetaType::QVariantList:
  case QMetaType::QStringList: {
    const QVariantList list = value.toList();
    if (list.isEmpty()) {
      out += "<array/>\n";
      return true;
    }
    out += "<array>\n";
    for (const QVariant &item : list) {
      if (!appendXml(out, item, depth + 1))
        return false;
    }
    indent(out, depth);
    out += "</array>\n";
    return true;
  }
  case QMetaType::QVariantMap: {
    const QVariantMap map = value.toMap();
    if (map.isEmpty()) {
      out += "<dict/>\n";
      return true;
    }
    out += "<dict>\n";
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
      indent(out, depth + 1);
      out += "<key>";
      appendEscaped(out, it.key());
      out += "</key>\n";
      if (!appendXml(out, it.value(), depth + 1))
        return false;
    }
    indent(out, depth);
    out += "</dict>\n";
    return true;
  }
  default:
    return false;
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
  QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                   "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                   "<plist version=\"1.0\">\n";
  xml.reserve(4096);
  if (!appendXml(xml, value, 0))
    return {};
  xml += "</plist>\n";
  return xml;
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
