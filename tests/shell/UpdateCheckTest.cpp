#include "QuillTest.h"

#include "FakeHttpServer.h"

#include "common/UsageAnalytics.h"
#include "shell/UpdateSchedule.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QUrlQuery>

namespace {
// Keeps the warnings logged while it lives, and passes them on.
class LogCapture {
public:
  LogCapture() { previous = qInstallMessageHandler(&LogCapture::keep); }
  ~LogCapture() {
    qInstallMessageHandler(previous);
    lines().clear();
  }
  bool contains(const QString &text) const { return lines().join('\n').contains(text); }

private:
  static QStringList &lines() {
    static QStringList kept;
    return kept;
  }
  static void keep(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (type == QtWarningMsg)
      lines().append(message);
    previous(type, context, message);
  }
  static inline QtMessageHandler previous = nullptr;
};
} // namespace

// The once-a-day rule on single-precision stored dates, and the HTTP check
// that answers the update dictionary.
class UpdateCheckTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void dayRule_data() {
    QTest::addColumn<double>("secondsAgo"); // -1: never stored
    QTest::addColumn<bool>("due");
    QTest::newRow("missing date reads as 0") << -1.0 << true;
    QTest::newRow("just checked") << 0.0 << false;
    QTest::newRow("less than a day ago") << 86400.0 - 600 << false;
    QTest::newRow("more than a day ago") << 86400.0 + 600 << true;
    QTest::newRow("a year ago") << 365 * 86400.0 << true;
  }
  void dayRule() {
    QFETCH(double, secondsAgo);
    QFETCH(bool, due);
    const double now = double(QDateTime::currentSecsSinceEpoch());
    // As stored: rounded to single precision, about two minutes apart today.
    const float stored = secondsAgo < 0 ? 0.0f : float(now - secondsAgo);
    QCOMPARE(isUpdateCheckDue(stored, now), due);
  }

  void checkAsksTheServiceAndAnswersItsDictionary() {
    // (No raw string here: moc reads the "//" of an address in one as a comment.)
    FakeHttpServer server(
        "{\"update\": true, \"path\": \"http://example.test/get\", \"version\": \"2.0\"}");
    UsageAnalytics::shared().setUpdateCheckAddress(QUrl(server.address().toString() + "/check"));
    QVariantMap answer;
    QVERIFY(UsageAnalytics::shared().checkUpdate("1.3",
                                                 [&](const QVariantMap &info) { answer = info; }));
    QVERIFY(QTest::qWaitFor([&] { return !answer.isEmpty(); }, 5000));
    QCOMPARE(answer.value("update").toBool(), true);
    QCOMPARE(answer.value("path").toString(), QString("http://example.test/get"));
    QCOMPARE(answer.value("version").toString(), QString("2.0"));
    const FakeHttpServer::Request request = server.requests().value(0);
    QCOMPARE(request.method, QByteArray("GET"));
    const QUrl target(QString::fromUtf8(request.target));
    QCOMPARE(target.path(), QString("/check"));
    QCOMPARE(QUrlQuery(target).queryItemValue("version"), QString("1.3"));
  }

  void failedOrGarbledAnswerIsNotAnswered_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("label"); // of the log line that tells why
    QTest::newRow("server error") << QByteArray(R"({"update": true})") << 500
                                  << QByteArray("update check");
    QTest::newRow("not JSON") << QByteArray("<html>") << 200 << QByteArray("update check: answer");
    QTest::newRow("JSON array") << QByteArray("[true]") << 200
                                << QByteArray("update check: answer");
  }
  void failedOrGarbledAnswerIsNotAnswered() {
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(QByteArray, label);
    FakeHttpServer server(body, status);
    UsageAnalytics::shared().setUpdateCheckAddress(server.address());
    QuillTest::expectLogLine(label.constData());
    LogCapture log;
    bool answered = false;
    QVERIFY(
        UsageAnalytics::shared().checkUpdate("1.3", [&](const QVariantMap &) { answered = true; }));
    QTRY_VERIFY(log.contains(QString::fromLatin1(label + ": ")));
    QVERIFY(!answered);
  }

  // The answer's download page is opened for the user: only a web address may be.
  void downloadPageMustBeAWebAddress_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("answered");
    QTest::newRow("https") << "https://example.test/get" << true;
    QTest::newRow("http, upper case") << "HTTP://example.test/get" << true;
    QTest::newRow("file") << "file:///etc/passwd" << false;
    QTest::newRow("javascript") << "javascript:alert(1)" << false;
    QTest::newRow("another scheme") << "smb://example.test/share" << false;
    QTest::newRow("no host") << "http:///etc/passwd" << false;
    QTest::newRow("relative") << "get/quill" << false;
    QTest::newRow("not a text") << "" << false;
  }
  void downloadPageMustBeAWebAddress() {
    QFETCH(QString, path);
    QFETCH(bool, answered);
    const QJsonValue page = path.isEmpty() ? QJsonValue(7) : QJsonValue(path);
    FakeHttpServer server(QJsonDocument(QJsonObject{{"update", true}, {"path", page}}).toJson());
    UsageAnalytics::shared().setUpdateCheckAddress(server.address());
    if (!answered)
      QuillTest::expectLogLine("update check: download page refused", qPrintable(path));
    LogCapture log;
    bool heard = false;
    QVERIFY(
        UsageAnalytics::shared().checkUpdate("1.3", [&](const QVariantMap &) { heard = true; }));
    if (answered) {
      QTRY_VERIFY(heard);
      return;
    }
    QTRY_VERIFY(log.contains("download page refused"));
    QVERIFY(!heard);
  }

  void noAddressSendsNothing() {
    UsageAnalytics::shared().setUpdateCheckAddress(QUrl());
    QVERIFY(!UsageAnalytics::shared().checkUpdate("1.3",
                                                  [](const QVariantMap &) { QFAIL("answered"); }));
  }
};

QUILL_TEST(UpdateCheckTest)
#include "UpdateCheckTest.moc"
