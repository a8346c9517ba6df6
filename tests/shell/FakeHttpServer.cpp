#include "FakeHttpServer.h"

#include <QTcpSocket>
#include <QTest>

FakeHttpServer::FakeHttpServer(QByteArray answerBody, int status)
    : answer(std::move(answerBody)), status(status) {
  server.listen(QHostAddress::LocalHost);
  connect(&server, &QTcpServer::newConnection, this, [this] {
    while (QTcpSocket *socket = server.nextPendingConnection()) {
      connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
      connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        answered += socket->property("answered").toBool();
        socket->deleteLater();
      });
    }
  });
}

QUrl FakeHttpServer::address() const {
  return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort()));
}

bool FakeHttpServer::waitForRequests(int n, int timeoutMs) {
  return QTest::qWaitFor([&] { return received.size() >= n; }, timeoutMs);
}

bool FakeHttpServer::waitForAnswers(int n, int timeoutMs) {
  return QTest::qWaitFor([&] { return answered >= n; }, timeoutMs);
}

// Waits for the whole request (headers, then Content-Length bytes) before
// recording it and answering.
void FakeHttpServer::serve(QTcpSocket *socket) {
  QByteArray data = socket->property("pending").toByteArray() + socket->readAll();
  const qsizetype headerEnd = data.indexOf("\r\n\r\n");
  if (headerEnd < 0) {
    socket->setProperty("pending", data);
    return;
  }
  Request request;
  const QList<QByteArray> lines = data.left(headerEnd).split('\n');
  const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
  request.method = requestLine.value(0);
  request.target = requestLine.value(1);
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const qsizetype colon = lines[i].indexOf(':');
    if (colon > 0)
      request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                             lines[i].mid(colon + 1).trimmed());
  }
  request.body = data.mid(headerEnd + 4);
  if (request.body.size() < request.headers.value("content-length").toLongLong()) {
    socket->setProperty("pending", data);
    return;
  }
  socket->setProperty("pending", QByteArray());
  received.append(request);
  socket->write("HTTP/1.1 " + QByteArray::number(status) +
                " Answer\r\nContent-Type: application/json\r\n" + "Content-Length: " +
                QByteArray::number(answer.size()) + "\r\nConnection: close\r\n\r\n" + answer);
  socket->setProperty("answered", true);
  socket->disconnectFromHost();
}
