#pragma once

#include <QObject>
#include <QUrl>

class QNetworkAccessManager;

// Registers the device's push token with the push-registration service: one
// URL-encoded form POST to "/apns/register.json" at the configured service
// address (scheme, host and port). The answer is only logged; nothing is
// stored or retried. Without an address nothing is sent. Main thread; the
// reply arrives on it.
class PushRegistrationClient : public QObject {
  Q_OBJECT
public:
  explicit PushRegistrationClient(QObject *parent = nullptr);

  void setServiceAddress(const QUrl &address);
  QUrl serviceAddress() const { return address; }

  // The token's descriptive text ("<0a1b2c3d 4e5f...>") without the angle
  // brackets at either end; blanks between the digit groups stay.
  static QString strippedToken(const QString &description);
  // The form body for a stripped token.
  static QByteArray formBody(const QString &token);

  // Starts the request; false (with a log line) when no service is configured.
  bool registerPushToken(const QString &description);

Q_SIGNALS:
  // The request ended: succeeded with the service's body, or failed.
  void finished(bool succeeded, const QByteArray &body);

private:
  QNetworkAccessManager *network;
  QUrl address;
};
