#include "TextForms.h"

#include <QColor>
#include <QFont>
#include <QLocale>
#include <QPointF>
#include <QSizeF>
#include <QStringList>
#include <cmath>

namespace {
QString shortest(double value) {
  return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

std::optional<std::pair<double, double>> twoNumbersInBraces(const QString &text) {
  const QString inner = text.trimmed();
  if (!inner.startsWith(QLatin1Char('{')) || !inner.endsWith(QLatin1Char('}')))
    return std::nullopt;
  const QStringList parts = inner.mid(1, inner.size() - 2).split(QLatin1Char(','));
  if (parts.size() != 2)
    return std::nullopt;
  bool firstOk = false, secondOk = false;
  const double first = parts[0].trimmed().toDouble(&firstOk);
  const double second = parts[1].trimmed().toDouble(&secondOk);
  if (!firstOk || !secondOk || !std::isfinite(first) || !std::isfinite(second))
    return std::nullopt;
  return std::pair{first, second};
}

double unitComponent(const QString &text) {
  const double value = text.trimmed().toDouble();
  return std::isfinite(value) ? std::clamp(value, 0.0, 1.0) : 0.0;
}
} // namespace

QString pointText(const QPointF &point) {
  return QLatin1Char('{') + shortest(point.x()) + QLatin1String(", ") + shortest(point.y()) +
         QLatin1Char('}');
}

QString sizeText(const QSizeF &size) {
  return QLatin1Char('{') + shortest(size.width()) + QLatin1String(", ") + shortest(size.height()) +
         QLatin1Char('}');
}

std::optional<QPointF> pointFromText(const QString &text) {
  const auto numbers = twoNumbersInBraces(text);
  if (!numbers)
    return std::nullopt;
  return QPointF(numbers->first, numbers->second);
}

std::optional<QSizeF> sizeFromText(const QString &text) {
  const auto numbers = twoNumbersInBraces(text);
  if (!numbers)
    return std::nullopt;
  return QSizeF(numbers->first, numbers->second);
}

QString colorStringData(const QColor &color) {
  // QColor keeps 16 bits a channel; four decimals undo that rounding (0.5 stays 0.500000).
  const auto component = [](float value) { return std::round(double(value) * 10000) / 10000; };
  const QColor rgb = color.toRgb();
  return QString::asprintf("%f,%f,%f,%f", component(rgb.redF()), component(rgb.greenF()),
                           component(rgb.blueF()), component(rgb.alphaF()));
}

QColor colorWithString(const QString &text) {
  const QStringList parts = text.split(QLatin1Char(','));
  if (parts.size() < 4)
    return QColor(0, 0, 0, 0);
  QColor color;
  color.setRgbF(float(unitComponent(parts[0])), float(unitComponent(parts[1])),
                float(unitComponent(parts[2])), float(unitComponent(parts[3])));
  return color;
}

QString fontStringDescription(const QFont &font) {
  return font.family() + QString::asprintf(",%f", font.pointSizeF());
}

QFont fontWithString(const QString &text) {
  // The size follows the last comma, so a family name may hold commas.
  const qsizetype comma = text.lastIndexOf(QLatin1Char(','));
  bool ok = false;
  const double size = comma < 0 ? 0 : text.mid(comma + 1).trimmed().toDouble(&ok);
  if (comma < 0 || !ok || !std::isfinite(size) || size <= 0)
    return QFont();
  QFont font(text.left(comma));
  font.setPointSizeF(size);
  return font;
}
