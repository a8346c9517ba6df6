#include "JsonElementTexts.h"

#include <QLatin1String>

namespace {
// A cursor over JSON text that has already been validated.
class Scanner {
public:
  explicit Scanner(const QByteArray &text) : m_text(text) {}

  bool atEnd() const { return m_at >= m_text.size(); }
  char peek() const { return atEnd() ? '\0' : m_text.at(m_at); }
  qsizetype position() const { return m_at; }
  void skip() { ++m_at; }

  void skipSpace() {
    while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
      ++m_at;
  }

  // Past one value of any kind.
  void skipValue() {
    skipSpace();
    const char c = peek();
    if (c == '"') {
      skipString();
    } else if (c == '{' || c == '[') {
      int depth = 0;
      do {
        const char d = peek();
        if (d == '"') {
          skipString();
          continue;
        }
        if (d == '{' || d == '[')
          ++depth;
        else if (d == '}' || d == ']')
          --depth;
        skip();
      } while (depth > 0 && !atEnd());
    } else {
      while (!atEnd() && peek() != ',' && peek() != '}' && peek() != ']' && peek() != ' ' &&
             peek() != '\n' && peek() != '\r' && peek() != '\t')
        skip();
    }
  }

  // The raw bytes between the quotes of a string, escapes kept.
  QByteArray skipString() {
    const qsizetype start = ++m_at;
    while (!atEnd() && peek() != '"')
      m_at += peek() == '\\' ? 2 : 1;
    const QByteArray raw = m_text.mid(start, m_at - start);
    skip();
    return raw;
  }

private:
  const QByteArray &m_text;
  qsizetype m_at = 0;
};
} // namespace

QList<QByteArray> jsonArrayElementTexts(const QByteArray &json, QLatin1String key) {
  Scanner scanner(json);
  scanner.skipSpace();
  if (scanner.peek() != '{')
    return {};
  scanner.skip();
  QList<QByteArray> elements;
  while (!scanner.atEnd()) {
    scanner.skipSpace();
    if (scanner.peek() != '"')
      break;
    const QByteArray name = scanner.skipString();
    scanner.skipSpace();
    scanner.skip(); // ':'
    scanner.skipSpace();
    if (name == QByteArrayView(key.data(), key.size()) && scanner.peek() == '[') {
      elements.clear();
      scanner.skip();
      scanner.skipSpace();
      while (!scanner.atEnd() && scanner.peek() != ']') {
        const qsizetype start = scanner.position();
        scanner.skipValue();
        elements.append(json.mid(start, scanner.position() - start));
        scanner.skipSpace();
        if (scanner.peek() == ',')
          scanner.skip();
        scanner.skipSpace();
      }
      scanner.skip(); // ']'
    } else {
      scanner.skipValue();
    }
    scanner.skipSpace();
    if (scanner.peek() == ',')
      scanner.skip();
  }
  return elements;
}
