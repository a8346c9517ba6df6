#include "PushRegistrationClient.h"

#include <QDebug>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

PushRegistrationClient::PushRegistrationClient(QObject *parent)
    : QObject(parent), network(new QNetworkAccessManager(this)) {}

void PushRegistrationClient::setServiceAddress(const QUrl &serviceAddress) {
  address = serviceAddress;
}

QString PushRegistrationClient::strippedToken(const QString &description) {
  const auto isBracket = [](QChar c) { return c == QLatin1Char('<') || c == QLatin1Char('>'); };
  qsizetype begin = 0, end = description.size();
  while (begin < end && isBracket(description.at(begin)))
    ++begin;
  while (end > begin && isBracket(description.at(end - 1)))
    --end;
  return description.mid(begin, end - begin);
}

QByteArray PushRegistrationClient::formBody(const QString &token) {
  const QList<std::pair<QString, QString>> fields{
      {QStringLiteral("push_token[token]"), token},
      {QStringLiteral("push_token[product]"), QStringLiteral("zedired")},
      {QStringLiteral("push_token[token_type]"), QStringLiteral("1")},
  };
  QByteArrayList encoded;
  for (const auto &[name, value] : fields)
    encoded.append(QUrl::toPercentEncoding(name) + '=' + QUrl::toPercentEncoding(value));
  return encoded.join('&');
}

bool PushRegistrationClient::registerPushToken(const QString &description) {
  if (!address.isValid() || address.host().isEmpty()) {
    qInfo("Register token: skipped, no push-registration service is configured");
    return false;
  }
  QUrl url = address;
  url.setPath(QStringLiteral("/apns/register.json"));
  QNetworkRequest request(url);
  request.setHeader(QNetworkRequest::ContentTypeHeader,
                    QStringLiteral("application/x-www-form-urlencoded"));
  QNetworkReply *reply = network->post(request, formBody(strippedToken(description)));
  connect(reply, &QNetworkReply::finished, this, [this, reply] {
    reply->deleteLater();
    const QByteArray body = reply->readAll();
    const bool succeeded = reply->error() == QNetworkReply::NoError;
    if (succeeded)
      qInfo("Register token: %s", body.constData());
    else
      qWarning("Error: %s", qPrintable(reply->errorString()));
    Q_EMIT finished(succeeded, body);
  });
  return true;
}
