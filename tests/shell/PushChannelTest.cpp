#include "QuillTest.h"

#include "shell/PushChannel.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The local channel that stands in for the system's push service.
class PushChannelTest : public QObject {
  Q_OBJECT
  QTemporaryDir home;
  QString name() const {
    return PushChannel::serverNameForHome(home.path() + "/" + QTest::currentTestFunction());
  }

private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void namesDifferPerHome() {
    QCOMPARE(PushChannel::serverNameForHome("/a/home"), PushChannel::serverNameForHome("/a/home/"));
    QVERIFY(PushChannel::serverNameForHome("/a/home") != PushChannel::serverNameForHome("/b/home"));
  }

  void payloadsArriveInOrder() {
    PushChannel channel;
    QString error;
    QVERIFY2(channel.listen(name(), &error), qPrintable(error));
    QSignalSpy received(&channel, &PushChannel::messageReceived);
    QVERIFY2(PushChannel::send(name(), R"({"aps": {"alert": "first", "badge": 2}})", &error),
             qPrintable(error));
    QVERIFY2(PushChannel::send(name(), "{\n \"aps\": {\"alert\": \"second\"}\n}", &error),
             qPrintable(error));
    QVERIFY(QTest::qWaitFor([&] { return received.size() == 2; }, 5000));
    const QVariantMap first = received.at(0).at(0).toMap().value("aps").toMap();
    QCOMPARE(first.value("alert").toString(), QString("first"));
    QCOMPARE(first.value("badge").toInt(), 2);
    QCOMPARE(received.at(1).at(0).toMap().value("aps").toMap().value("alert").toString(),
             QString("second"));
  }

  void sendRefusesWhatCannotBeDelivered_data() {
    QTest::addColumn<bool>("listening");
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("not JSON") << true << QByteArray("hello");
    QTest::newRow("JSON array") << true << QByteArray("[1]");
    QTest::newRow("nobody listens") << false << QByteArray("{}");
  }
  void sendRefusesWhatCannotBeDelivered() {
    QFETCH(bool, listening);
    QFETCH(QByteArray, payload);
    PushChannel channel;
    QString error;
    if (listening)
      QVERIFY(channel.listen(name(), &error));
    QSignalSpy received(&channel, &PushChannel::messageReceived);
    QVERIFY(!PushChannel::send(name(), payload, &error));
    QVERIFY(!error.isEmpty());
    if (!listening)
      return;
    // Payloads arrive in order: the first to arrive after the refused one is the next one sent.
    QVERIFY(PushChannel::send(name(), R"({"next": true})", &error));
    QVERIFY(received.wait(5000));
    QCOMPARE(received.size(), 1);
    QCOMPARE(received.at(0).at(0).toMap(), QVariantMap({{"next", true}}));
  }

  void secondInstanceDoesNotTakeTheChannel() {
    PushChannel first, second;
    QString error;
    QVERIFY(first.listen(name(), &error));
    QVERIFY(!second.listen(name(), &error));
    QSignalSpy received(&first, &PushChannel::messageReceived);
    QVERIFY(PushChannel::send(name(), R"({"aps": {"alert": "still here"}})", &error));
    QVERIFY(received.wait(5000));
  }
};

QUILL_TEST(PushChannelTest)
#include "PushChannelTest.moc"
