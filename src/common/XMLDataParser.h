#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantMap>

// Reads a markup (XML) text into nested maps. Every element becomes a map of
// its attributes (name to text) with its name under XMLDataParser::nameKey and
// its content under XMLDataParser::valueKey: the character data as text, or,
// once a CDATA block has been seen, the bytes of the CDATA blocks instead.
// A child element is stored under its name: the first as a map, from the
// second on as a list of maps; a child named like an attribute joins that
// attribute's entry the same way. Holds only the text it was made with.
class XMLDataParser {
public:
  static inline const QString nameKey = QStringLiteral("___Entity_Name___");
  static inline const QString valueKey = QStringLiteral("___Entity_Value___");

  explicit XMLDataParser(const QString &text);
  explicit XMLDataParser(const QByteArray &data);
  // The parser of a file's bytes; an unreadable file parses to nothing.
  static XMLDataParser withContentOfFile(const QString &path);

  // The root element's map; an empty map when the text is not well-formed.
  QVariantMap parse() const;

private:
  QByteArray m_data;
};

// XMLDataParser(text).parse().
QVariantMap dictionaryWithXMLString(const QString &text);
