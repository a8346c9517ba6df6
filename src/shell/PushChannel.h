#pragma once

#include <QObject>
#include <QVariantMap>

class QLocalServer;
class QLocalSocket;

// The local stand-in for the system's push service: the running instance
// listens on a local socket named after its home folder, and `quill --push`
// hands it one payload, a JSON object on one line. Only the user who runs the
// instance can connect. Main thread.
class PushChannel : public QObject {
  Q_OBJECT
public:
  // The socket name for a home folder; two homes never share one.
  static QString serverNameForHome(const QString &homeFolder);

  // Sends payload (a JSON object) to the instance listening on serverName.
  // False with a reason in error when no instance listens or sending failed.
  static bool send(const QString &serverName, const QByteArray &payload, QString *error);

  explicit PushChannel(QObject *parent = nullptr);
  ~PushChannel() override;

  // Starts listening; a stale socket left by an ended instance is replaced,
  // one of a running instance is not. False with a reason in error on failure.
  bool listen(const QString &serverName, QString *error);

Q_SIGNALS:
  void messageReceived(const QVariantMap &payload);

private:
  void accept();
  void read(QLocalSocket *socket);

  QLocalServer *server;
};
