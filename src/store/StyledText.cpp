#include "StyledText.h"

#include "common/DiagnosticLog.h"
#include "common/PropertyList.h"

#include <QVariantList>
#include <QVariantMap>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {
const QString kRuns = QStringLiteral("runs");
const QString kString = QStringLiteral("string");
const QString kText = QStringLiteral("text");
const QString kFontName = QStringLiteral("fontName");
const QString kPointSize = QStringLiteral("pointSize");
const QString kColor = QStringLiteral("color");

bool isNumber(const QVariant &value) {
  return (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::LongLong) &&
         std::isfinite(value.toDouble());
}

// Four reals (red, green, blue, alpha, 0 to 1), exact for every QColor.
QVariantList colorComponents(const QColor &color) {
  const QColor rgb = color.toRgb();
  return {double(rgb.redF()), double(rgb.greenF()), double(rgb.blueF()), double(rgb.alphaF())};
}

std::optional<QColor> colorFromComponents(const QVariant &value) {
  const QVariantList parts = value.toList();
  if (value.typeId() != QMetaType::QVariantList || parts.size() != 4 ||
      !std::all_of(parts.begin(), parts.end(), isNumber))
    return std::nullopt;
  const auto unit = [&](int i) { return float(std::clamp(parts[i].toDouble(), 0.0, 1.0)); };
  QColor color;
  color.setRgbF(unit(0), unit(1), unit(2), unit(3));
  return color;
}
} // namespace

QString StyledText::plainText() const {
  QString text;
  for (const Run &run : runs)
    text += run.text;
  return text;
}

void StyledText::append(const Run &run) {
  if (run.text.isEmpty())
    return;
  if (!runs.isEmpty()) {
    Run &last = runs.last();
    if (last.fontName == run.fontName && last.pointSize == run.pointSize &&
        last.color == run.color) {
      last.text += run.text;
      return;
    }
  }
  runs.append(run);
}

QVariant StyledText::toPropertyList() const {
  QVariantList list;
  for (const Run &run : runs) {
    list.append(QVariantMap{{kText, run.text},
                            {kFontName, run.fontName},
                            {kPointSize, run.pointSize},
                            {kColor, colorComponents(run.color)}});
  }
  return QVariantMap{{kString, plainText()}, {kRuns, list}};
}

StyledText StyledText::fromPropertyList(const QVariant &value) {
  StyledText styled;
  const QVariantMap map = value.toMap();
  for (const QVariant &item : map.value(kRuns).toList()) {
    const QVariantMap run = item.toMap();
    const QVariant text = run.value(kText), font = run.value(kFontName),
                   size = run.value(kPointSize);
    const std::optional<QColor> color = colorFromComponents(run.value(kColor));
    if (text.typeId() != QMetaType::QString || font.typeId() != QMetaType::QString ||
        !isNumber(size) || !color) {
      QUILL_LOG_ERROR("styled text: run", "plist", 0,
                      "a run with missing or wrong values is dropped");
      continue;
    }
    styled.append({text.toString(), font.toString(), size.toDouble(), *color});
  }
  return styled;
}

StyledText StyledText::read(const QString &path) {
  return fromPropertyList(PropertyList::read(path));
}

bool StyledText::write(const QString &path) const {
  return PropertyList::write(path, toPropertyList());
}
