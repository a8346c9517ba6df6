#pragma once

#include <QString>
#include <optional>

class QColor;
class QFont;
class QPointF;
class QSizeF;

// The stored text forms of points, sizes, colours and fonts.

// "{x, y}" with each number in the shortest decimal form, e.g. {512, 384}.
QString pointText(const QPointF &point);
QString sizeText(const QSizeF &size);
// Any two finite numbers in braces separated by a comma; nothing otherwise.
std::optional<QPointF> pointFromText(const QString &text);
std::optional<QSizeF> sizeFromText(const QString &text);

// "%f,%f,%f,%f": red, green, blue, alpha from 0 to 1 (stringData).
QString colorStringData(const QColor &color);
// Transparent with fewer than four parts (colorWithString).
QColor colorWithString(const QString &text);

// "%@,%f": font name and point size (stringDescription).
QString fontStringDescription(const QFont &font);
// The application font with fewer than two parts or no usable size (fontwithString).
QFont fontWithString(const QString &text);
