#pragma once

#include <QByteArray>
#include <QList>

class QLatin1String;

// The elements of the array stored under key in the top-level object of a
// JSON text, each as the exact bytes it has in the text, so that records can
// be written back unchanged. Empty when the text is no object or the key holds
// no array. The text must already have parsed as JSON; with a key given more
// than once the last one counts, as for QJsonDocument.
QList<QByteArray> jsonArrayElementTexts(const QByteArray &json, QLatin1String key);
