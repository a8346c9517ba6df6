#pragma once

#include <QString>
#include <QVariantMap>

// One pushed message as the application shows it, read from the payload's
// "aps" dictionary: the alert text ("alert", or its "body" when it is a
// dictionary) and the badge amount to take off the
// application's badge (0 when "badge" is absent, null, "<null>" or not a number).
struct PushMessage {
  QString text;
  int badge = 0;

  static PushMessage fromPayload(const QVariantMap &payload);
};
