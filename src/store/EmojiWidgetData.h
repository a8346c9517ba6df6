#pragma once

#include "WidgetData.h"

#include <optional>

// An emoji sticker: its number "emojiIndex" in the emoji set, stored as a JSON number.
class EmojiWidgetData : public WidgetData {
public:
  QString className() const override { return QStringLiteral("EmojiWidgetData"); }
  QString widgetClassname() const override { return QStringLiteral("EmojiWidget"); }
  const AttributeMap &attributeMapDictionary() const override;
  bool isNumberAttribute(const QString &name) const override;

  std::optional<int> emojiIndex() const;
  void setEmojiIndex(std::optional<int> index);
};
