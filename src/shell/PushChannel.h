#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantMap>

class QLocalServer;
class QLocalSocket;

// The local stand-in for the system's push service: the running instance
// listens on a local socket named after its home folder, and `quill --push`
// hands it one payload, a JSON object on one line. A second start of Quill on
// the same home hands over its start in the same way, as {"start": [its
// arguments]}. Only the user who runs the instance can connect. Main thread.
class PushChannel : public QObject {
  Q_OBJECT
public:
  // The socket name for a home folder; two homes never share one.
  static QString serverNameForHome(const QString &homeFolder);

  // Sends payload (a JSON object) to the instance listening on serverName.
  // False with a reason in error when no instance listens or sending failed.
  static bool send(const QString &serverName, const QByteArray &payload, QString *error);
  // Hands a start with these arguments (without the program) to the instance
  // listening on serverName, waiting up to timeoutMs for one that is still
  // starting to listen. False with a reason in error when none answered.
  static bool sendStart(const QString &serverName, const QStringList &arguments, int timeoutMs,
                        QString *error);

  explicit PushChannel(QObject *parent = nullptr);
  ~PushChannel() override;

  // Starts listening; a stale socket left by an ended instance is replaced,
  // one of a running instance is not. False with a reason in error on failure.
  bool listen(const QString &serverName, QString *error);

Q_SIGNALS:
  void messageReceived(const QVariantMap &payload);
  // Another start of Quill on this home handed over, with its arguments.
  void startReceived(const QStringList &arguments);

private:
  void accept();
  void read(QLocalSocket *socket);

  QLocalServer *server;
};
