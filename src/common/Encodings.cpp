#include "Encodings.h"

#include <QByteArray>

QString base64Encoding(const QByteArray &data) { return QString::fromLatin1(data.toBase64()); }

QString urlEncoded(const QString &text) {
  // QByteArray::toPercentEncoding keeps exactly the unreserved set of RFC 3986
  // and writes upper-case digits.
  return QString::fromLatin1(text.toUtf8().toPercentEncoding());
}
