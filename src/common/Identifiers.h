#pragma once

#include <QString>

// The MD5 digest of the text's UTF-8 bytes as 32 lower-case hexadecimal digits;
// empty for a null text.
QString md5StringOfString(const QString &text);

// The seconds since 1970, truncated, as decimal text ("%i").
QString timeIntervalString();
