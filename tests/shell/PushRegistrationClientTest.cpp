#include "QuillTest.h"

#include "FakeHttpServer.h"

#include "shell/PushRegistrationClient.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QUrlQuery>

// The push-token registration request as the service receives it.
class PushRegistrationClientTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void strippedToken_data() {
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("token");
    QTest::newRow("device form") << "<0a1b2c3d 4e5f6a7b>"
                                 << "0a1b2c3d 4e5f6a7b";
    QTest::newRow("no brackets") << "0a1b2c3d"
                                 << "0a1b2c3d";
    QTest::newRow("repeated brackets") << "<<0a1b>>"
                                       << "0a1b";
    QTest::newRow("inner brackets stay") << "<0a<1b>"
                                         << "0a<1b";
    QTest::newRow("only brackets") << "<>"
                                   << "";
  }
  void strippedToken() {
    QFETCH(QString, description);
    QFETCH(QString, token);
    QCOMPARE(PushRegistrationClient::strippedToken(description), token);
  }

  void postsTheFormToTheService() {
    FakeHttpServer server(R"({"status":"ok"})");
    PushRegistrationClient client;
    client.setServiceAddress(server.address());
    QSignalSpy finished(&client, &PushRegistrationClient::finished);
    QVERIFY(client.registerPushToken("<0a1b2c3d 4e5f6a7b c0ffee00>"));
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QCOMPARE(finished.at(0).at(1).toByteArray(), QByteArray(R"({"status":"ok"})"));

    QCOMPARE(server.requests().size(), 1);
    const FakeHttpServer::Request request = server.requests().first();
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.target, QByteArray("/apns/register.json"));
    QCOMPARE(request.headers.value("content-type"),
             QByteArray("application/x-www-form-urlencoded"));
    QMap<QString, QString> fields;
    for (const QByteArray &pair : request.body.split('&')) {
      const QList<QByteArray> parts = pair.split('=');
      QCOMPARE(parts.size(), 2);
      const auto decode = [](QByteArray text) {
        return QUrl::fromPercentEncoding(text.replace('+', ' '));
      };
      fields.insert(decode(parts[0]), decode(parts[1]));
    }
    const QMap<QString, QString> expected{{"push_token[token]", "0a1b2c3d 4e5f6a7b c0ffee00"},
                                          {"push_token[product]", "zedired"},
                                          {"push_token[token_type]", "1"}};
    QCOMPARE(fields, expected);
  }

  void serviceErrorIsReportedAsFailure() {
    FakeHttpServer server("nope", 503);
    PushRegistrationClient client;
    client.setServiceAddress(server.address());
    QSignalSpy finished(&client, &PushRegistrationClient::finished);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^Error: Error transferring .*/apns/register.json - "
                                            "server replied: Answer$"));
    QVERIFY(client.registerPushToken("<0a1b>"));
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.at(0).at(0).toBool(), false);
  }

  void noServiceSendsNothing() {
    PushRegistrationClient client;
    QSignalSpy finished(&client, &PushRegistrationClient::finished);
    QVERIFY(!client.registerPushToken("<0a1b>"));
    QCoreApplication::processEvents(); // a queued finished would arrive here
    QCOMPARE(finished.size(), 0);
  }
};

QUILL_TEST(PushRegistrationClientTest)
#include "PushRegistrationClientTest.moc"
