#include "PushMessage.h"

PushMessage PushMessage::fromPayload(const QVariantMap &payload) {
  const QVariantMap aps = payload.value(QStringLiteral("aps")).toMap();
  PushMessage message;
  const QVariant alert = aps.value(QStringLiteral("alert"));
  // An alert may also come as a dictionary whose "body" is the text.
  message.text = alert.typeId() == QMetaType::QVariantMap
                     ? alert.toMap().value(QStringLiteral("body")).toString()
                     : alert.toString();
  const QVariant badge = aps.value(QStringLiteral("badge"));
  const bool isNumber = badge.typeId() == QMetaType::Double || badge.typeId() == QMetaType::Int ||
                        badge.typeId() == QMetaType::LongLong;
  if (isNumber)
    message.badge = badge.toInt();
  return message;
}
