#include "XMLDataParser.h"

#include "DiagnosticLog.h"

#include <QFile>
#include <QVariantList>
#include <QXmlStreamReader>

#include <vector>

namespace {
// Stores value under key in parent: as it is the first time, as a list of
// both the second time, appended to that list after that.
void addEntry(QVariantMap &parent, const QString &key, const QVariant &value) {
  auto it = parent.find(key);
  if (it == parent.end()) {
    parent.insert(key, value);
  } else if (it->typeId() == QMetaType::QVariantList) {
    QVariantList list = it->toList();
    list.append(value);
    *it = list;
  } else {
    *it = QVariantList{*it, value};
  }
}

void addContent(QVariantMap &element, QStringView text, bool isCData) {
  QVariant &value = element[XMLDataParser::valueKey];
  const bool holdsData = value.typeId() == QMetaType::QByteArray;
  if (isCData)
    value = (holdsData ? value.toByteArray() : QByteArray()) + text.toUtf8();
  else if (!holdsData)
    value = value.toString().append(text);
}
} // namespace

XMLDataParser::XMLDataParser(const QString &text) : m_data(text.toUtf8()) {}

XMLDataParser::XMLDataParser(const QByteArray &data) : m_data(data) {}

XMLDataParser XMLDataParser::withContentOfFile(const QString &path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    QUILL_LOG_ERROR("markup file: open", "file", file.error(), path);
    return XMLDataParser(QByteArray());
  }
  return XMLDataParser(file.readAll());
}

QVariantMap XMLDataParser::parse() const {
  QXmlStreamReader reader(m_data);
  std::vector<QVariantMap> open;
  QVariantMap root;
  bool haveRoot = false;
  while (!reader.atEnd()) {
    switch (reader.readNext()) {
    case QXmlStreamReader::StartElement: {
      QVariantMap element;
      for (const QXmlStreamAttribute &attribute : reader.attributes())
        element.insert(attribute.qualifiedName().toString(), attribute.value().toString());
      element.insert(nameKey, reader.qualifiedName().toString());
      element.insert(valueKey, QString());
      open.push_back(std::move(element));
      break;
    }
    case QXmlStreamReader::Characters:
      if (!open.empty())
        addContent(open.back(), reader.text(), reader.isCDATA());
      break;
    case QXmlStreamReader::EndElement: {
      QVariantMap element = std::move(open.back());
      open.pop_back();
      if (open.empty()) {
        root = std::move(element);
        haveRoot = true;
      } else {
        addEntry(open.back(), element.value(nameKey).toString(), element);
      }
      break;
    }
    default:
      break;
    }
  }
  if (reader.hasError() || !haveRoot)
    return {};
  return root;
}

QVariantMap dictionaryWithXMLString(const QString &text) { return XMLDataParser(text).parse(); }
