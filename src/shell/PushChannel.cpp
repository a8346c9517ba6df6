#include "PushChannel.h"

#include "common/DiagnosticLog.h"
#include "common/Identifiers.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace {
constexpr int timeoutMs = 2000;
constexpr qint64 largestPayload = 64 * 1024;
const QString startKey = QStringLiteral("start");
} // namespace

QString PushChannel::serverNameForHome(const QString &homeFolder) {
  return QStringLiteral("quill-push-") + md5StringOfString(QDir(homeFolder).absolutePath());
}

bool PushChannel::send(const QString &serverName, const QByteArray &payload, QString *error) {
  const QJsonDocument document = QJsonDocument::fromJson(payload);
  if (!document.isObject()) {
    *error = QStringLiteral("the payload is not a JSON object");
    return false;
  }
  QLocalSocket socket;
  socket.connectToServer(serverName);
  if (!socket.waitForConnected(timeoutMs)) {
    *error = QStringLiteral("no running Quill for this home folder (%1)").arg(socket.errorString());
    return false;
  }
  socket.write(document.toJson(QJsonDocument::Compact) + '\n');
  if (!socket.waitForBytesWritten(timeoutMs)) {
    *error = socket.errorString();
    return false;
  }
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState)
    socket.waitForDisconnected(timeoutMs);
  return true;
}

bool PushChannel::sendStart(const QString &serverName, const QStringList &arguments, int timeoutMs,
                            QString *error) {
  const QByteArray payload =
      QJsonDocument(QJsonObject{{startKey, QJsonArray::fromStringList(arguments)}})
          .toJson(QJsonDocument::Compact);
  const QDeadlineTimer deadline(timeoutMs);
  // The running instance listens only once its own start is done.
  while (!send(serverName, payload, error)) {
    if (deadline.hasExpired())
      return false;
    QThread::msleep(100);
  }
  return true;
}

PushChannel::PushChannel(QObject *parent) : QObject(parent), server(new QLocalServer(this)) {
  server->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server, &QLocalServer::newConnection, this, &PushChannel::accept);
}

PushChannel::~PushChannel() = default;

bool PushChannel::listen(const QString &serverName, QString *error) {
  QLocalSocket probe;
  probe.connectToServer(serverName);
  if (probe.waitForConnected(200)) {
    *error = QStringLiteral("another instance listens on ") + serverName;
    return false;
  }
  QLocalServer::removeServer(serverName);
  if (server->listen(serverName))
    return true;
  *error = server->errorString();
  return false;
}

void PushChannel::accept() {
  while (QLocalSocket *socket = server->nextPendingConnection()) {
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
    connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
      read(socket);
      socket->deleteLater();
    });
  }
}

// One payload per line; a sender that goes past the size limit is cut off.
void PushChannel::read(QLocalSocket *socket) {
  while (socket->canReadLine()) {
    const QByteArray line = socket->readLine().trimmed();
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &parseError);
    if (document.isObject() && document.object().value(startKey).isArray())
      Q_EMIT startReceived(document.object().value(startKey).toVariant().toStringList());
    else if (document.isObject())
      Q_EMIT messageReceived(document.object().toVariantMap());
    else
      QUILL_LOG_ERROR("push channel: payload", "json", parseError.error, parseError.errorString());
  }
  if (socket->bytesAvailable() > largestPayload) {
    QUILL_LOG_ERROR("push channel: payload", "size", socket->bytesAvailable(),
                    "too large; dropped");
    socket->abort();
  }
}
