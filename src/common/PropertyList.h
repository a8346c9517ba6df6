#pragma once

#include <QVariant>

class QByteArray;
class QString;

// Property lists as Qt values: dictionaries are QVariantMap, arrays QVariantList,
// strings QString, integers qint64, reals double, booleans bool, dates QDateTime
// (UTC) and data QByteArray. Reading accepts the XML and the binary form;
// writing produces the XML form, with keys and strings cut down to the
// characters XML 1.0 allows (the others are left out, with a log line).
namespace PropertyList {

// The value of the file at path, or an invalid QVariant (with a log line) when
// the file is missing, empty, truncated or not a property list.
QVariant read(const QString &path);
QVariant fromData(const QByteArray &data);

// XML text of value; empty when value holds something a property list cannot.
QByteArray toXml(const QVariant &value);

// Writes value atomically as XML. False when it could not be written.
bool write(const QString &path, const QVariant &value);

} // namespace PropertyList
