#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

// A one-request-at-a-time HTTP server on 127.0.0.1 for client tests: it
// records each request and answers every one with the same status and body.
class FakeHttpServer : public QObject {
  Q_OBJECT
public:
  struct Request {
    QByteArray method;
    QByteArray target;                    // path and query as sent
    QMap<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;
  };

  explicit FakeHttpServer(QByteArray answerBody, int status = 200);
  QUrl address() const; // http://127.0.0.1:<port>
  const QList<Request> &requests() const { return received; }
  // Waits (running the event loop) until n requests have arrived.
  bool waitForRequests(int n, int timeoutMs = 5000);
  // Waits until n answers have been written out in full and their connections closed, so that
  // the server can go without cutting a client off.
  bool waitForAnswers(int n, int timeoutMs = 5000);

private:
  void serve(QTcpSocket *socket);

  QTcpServer server;
  QByteArray answer;
  int status;
  QList<Request> received;
  int answered = 0;
};
