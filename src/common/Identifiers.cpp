#include "Identifiers.h"

#include <QCryptographicHash>
#include <QDateTime>

QString md5StringOfString(const QString &text) {
  if (text.isNull())
    return {};
  return QString::fromLatin1(
      QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex());
}

QString timeIntervalString() { return QString::number(QDateTime::currentSecsSinceEpoch()); }
