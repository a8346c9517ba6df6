#pragma once

#include <QString>

class QByteArray;

// Standard Base64 of the bytes (A-Z, a-z, 0-9, "+", "/", padded with "=");
// empty data gives the empty text.
QString base64Encoding(const QByteArray &data);

// The text's UTF-8 bytes percent-encoded as request parameters need them:
// every byte other than an ASCII letter, a digit, "-", ".", "_" or "~" becomes
// "%" and two upper-case hexadecimal digits.
QString urlEncoded(const QString &text);
