#include "DeviceToken.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStringList>
#include <QSysInfo>

QByteArray deviceTokenForHome(const QString &homeFolder) {
  QCryptographicHash hash(QCryptographicHash::Sha256);
  hash.addData(QSysInfo::machineUniqueId());
  hash.addData(QDir(homeFolder).absolutePath().toUtf8());
  return hash.result();
}

QString deviceTokenDescription(const QByteArray &token) {
  const QString digits = QString::fromLatin1(token.toHex());
  QStringList groups;
  for (qsizetype i = 0; i < digits.size(); i += 8)
    groups.append(digits.mid(i, 8));
  return QLatin1Char('<') + groups.join(QLatin1Char(' ')) + QLatin1Char('>');
}
