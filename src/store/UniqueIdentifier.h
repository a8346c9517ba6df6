#pragma once

#include <QString>
#include <functional>

// The 32 hex digits of the MD5 of a seconds text (as md5StringOfString of
// timeIntervalString): the current second's, or when that second was already
// used by this process or its digest is taken, the next unused second's.
// Thread-safe.
QString uniqueSecondsDigest(const std::function<bool(const QString &digest)> &isTaken);
