#pragma once

#include <QString>
#include <QVariantMap>

class QUrl;

// Query-string building for requests, signed and plain, and the one kind of
// address Quill hands to a browser.

// True for an absolute http or https address with a host: the only kind
// that may be opened for the user or asked for a service.
bool isWebAddress(const QUrl &url);

// The text before the first "?" (the whole text when there is none).
QString URLStringWithoutQuery(const QString &url);

// "key=value" pairs of every entry whose value is a text, key and value both
// urlEncoded, joined with "&" in the map's (key) order; other values are left out.
QString URLParamstringWithDictionary(const QVariantMap &parameters);

// Appends the "key=value" pairs (joined with "&") to url as its query: after
// "?" when url has none yet, else after "&". Keys are taken as they are; in
// values "?" becomes "%3F" and "=" becomes "%3D". An empty map leaves url as it is.
QString stringByAddingQueryDictionary(const QString &url, const QVariantMap &query);
