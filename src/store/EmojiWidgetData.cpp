#include "EmojiWidgetData.h"

#include <climits>
#include <cmath>

const AttributeRecord::AttributeMap &EmojiWidgetData::attributeMapDictionary() const {
  static const AttributeMap map{{QStringLiteral("emojiIndex"), QStringLiteral("emojiIndex")}};
  return map;
}

bool EmojiWidgetData::isNumberAttribute(const QString &name) const {
  return name == QLatin1String("emojiIndex");
}

std::optional<int> EmojiWidgetData::emojiIndex() const {
  const QJsonValue value = attribute(QStringLiteral("emojiIndex"));
  const double number = value.toDouble(NAN);
  if (!value.isDouble() || !std::isfinite(number) || number < 0 || number > INT_MAX)
    return std::nullopt;
  return int(number);
}

void EmojiWidgetData::setEmojiIndex(std::optional<int> index) {
  setAttribute(QStringLiteral("emojiIndex"), index ? QJsonValue(*index) : QJsonValue());
}
