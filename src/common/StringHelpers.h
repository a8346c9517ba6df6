#pragma once

#include <QString>
#include <QVariantList>

#include <limits>

// Path, blank-text and array-of-text helpers.

// The first component of a slash-separated path; a leading root "/", a
// trailing "/" and doubled slashes do not count as components. A null text
// when the path has no component.
QString firstPathComponent(const QString &path);

// The path's components without its first one, joined with "/": "/a/b/c"
// gives "b/c", a single name gives the empty text.
QString stringByDeletingFirstPathComponent(const QString &path);

// True for the empty text and for a text of horizontal white space only
// (spaces of any width, tabs); line breaks count as content.
bool isEmptyOrWhitespace(const QString &text);

// What indexOfString answers when no element matches.
inline constexpr qsizetype QuillNotFound = std::numeric_limits<qint32>::max();

// The index of the first element that is a text equal to text, else QuillNotFound.
qsizetype indexOfString(const QVariantList &array, const QString &text);

// Removes the first element that indexOfString finds, if any.
void removeString(QVariantList &array, const QString &text);

// removeString for each text in turn.
void removeStringsInArray(QVariantList &array, const QStringList &texts);
