#include "QuillTest.h"

#include "FakeHttpServer.h"

#include "common/FolderPaths.h"
#include "common/QNAlertCenter.h"
#include "common/QNAlertView.h"
#include "shell/AppDelegate.h"
#include "shell/DeviceToken.h"
#include "shell/LaunchOptions.h"
#include "shelf/MyNotesViewController.h"
#include "shelf/QNBookShelfView.h"
#include "shell/PushChannel.h"
#include "shell/PushRegistrationClient.h"
#include "shell/QNNavigationController.h"
#include "shell/QNWindow.h"
#include "shell/ShellFolders.h"
#include "shell/UserDefaults.h"
#include "store/NoteBookManager.h"

#include <QDateTime>
#include <QFile>
#include <QGraphicsScene>
#include <QJsonDocument>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

namespace {
QStringList alertTips() {
  QStringList tips;
  for (const QNAlertView *alert : QNAlertCenter::sharedQNAlertCenter().alerts())
    tips.append(alert->tip());
  return tips;
}
QVariantMap lastAnalyticsRecord() {
  QFile log(libraryPathWithName("Caches/analytics.jsonl"));
  if (!log.open(QIODevice::ReadOnly))
    return {};
  const QList<QByteArray> lines = log.readAll().trimmed().split('\n');
  return QJsonDocument::fromJson(lines.last()).toVariant().toMap();
}
} // namespace

// The application delegate as the running app uses it: launched on a fresh
// home with the small shipped notes folder of the test data.
class AppDelegateTest : public QObject {
  Q_OBJECT
  QTemporaryDir homes;
  std::unique_ptr<AppDelegate> delegate;

  void launch(LaunchOptions options = {}) {
    delegate = std::make_unique<AppDelegate>();
    QVERIFY(delegate->didFinishLaunchingWithOptions(options));
    // Earlier tests of this process loaded the catalogue of another home.
    NoteBookManager::sharedNoteBookManager().initData();
    delegate->rootScreen()->reloadData();
  }
  void setStoredUpdateDate(double secondsAgo) {
    UserDefaults defaults;
    defaults.setFloat("lastUpdateDate", float(QDateTime::currentSecsSinceEpoch() - secondsAgo));
  }

private Q_SLOTS:
  void init() {
    QuillTest::failOnUnexpectedWarnings();
    QVERIFY(prepareHomeFolder(homes.path() + "/" + QTest::currentTestFunction() + "-" +
                              QTest::currentDataTag()));
    setResourceFolder(QUILL_TEST_DATA_DIR "/resources");
  }
  void cleanup() { delegate.reset(); }

  void launchShowsTheInstalledCatalogue() {
    launch();
    QCOMPARE(UserDefaults().boolForKey("appInited"), true);
    QCOMPARE(delegate->viewController()->currentController(), delegate->rootScreen());
    QCOMPARE(delegate->rootScreen()->title(), QString("My Notebooks"));
    QCOMPARE(delegate->rootScreen()->bookShelf()->coverCount(), 1);
    QVERIFY(delegate->window()->isVisible());
    QSignalSpy shown(delegate.get(), &AppDelegate::firstScreenShown);
    // The splash takes three seconds before the covers fade in.
    QVERIFY(shown.wait(8000));
    QCOMPARE(delegate->rootScreen()->opacity(), 1.0);
    // The network monitor starts once the first screen is shown, not before.
    QTRY_VERIFY(delegate->reachability());
  }

  void windowScalesThePointAreaToFit_data() {
    QTest::addColumn<QSize>("windowSize");
    QTest::addColumn<QRect>("pointArea"); // where the 768 x 1024 points land
    QTest::newRow("exact") << QSize(768, 1024) << QRect(0, 0, 768, 1024);
    QTest::newRow("half") << QSize(384, 512) << QRect(0, 0, 384, 512);
    QTest::newRow("wide") << QSize(1000, 512) << QRect(308, 0, 384, 512);
  }
  void windowScalesThePointAreaToFit() {
    QFETCH(QSize, windowSize);
    QFETCH(QRect, pointArea);
    launch();
    QNWindow *window = delegate->window();
    window->resize(windowSize);
    QCOMPARE(window->mapFromScene(window->sceneRect()).boundingRect().adjusted(0, 0, -1, -1),
             pointArea);
    const QImage shot = window->snapshot();
    QCOMPARE(shot.size(), windowSize);
    if (pointArea.x() > 0) // letterbox outside the point area
      QCOMPARE(shot.pixelColor(2, windowSize.height() / 2), window->backgroundBrush().color());
  }

  void pushAdjustsTheBadge_data() {
    QTest::addColumn<int>("badgeBefore");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("badgeAfter");
    QTest::newRow("no badge") << 5 << QByteArray(R"({"aps": {"alert": "Hello"}})") << 5;
    QTest::newRow("null badge") << 5 << QByteArray(R"({"aps": {"alert": "Hello", "badge": null}})")
                                << 5;
    QTest::newRow("<null> text") << 5
                                 << QByteArray(R"({"aps": {"alert": "Hello", "badge": "<null>"}})")
                                 << 5;
    QTest::newRow("badge 2") << 5 << QByteArray(R"({"aps": {"alert": "Hello", "badge": 2}})") << 3;
    QTest::newRow("more than shown")
        << 1 << QByteArray(R"({"aps": {"alert": "Hello", "badge": 4}})") << 0;
  }
  void pushAdjustsTheBadge() {
    QFETCH(int, badgeBefore);
    QFETCH(QByteArray, payload);
    QFETCH(int, badgeAfter);
    launch();
    delegate->setApplicationIconBadgeNumber(badgeBefore);
    delegate->didReceiveRemoteNotification(QJsonDocument::fromJson(payload).toVariant().toMap());
    QCOMPARE(delegate->applicationIconBadgeNumber(), badgeAfter);
    QCOMPARE(alertTips(), QStringList{"Hello"});
    QCOMPARE(delegate->alertView()->type(), int(QNAlertTypeMessage));
    QVERIFY(delegate->alertView()->title().isEmpty());
    const QVariantMap record = lastAnalyticsRecord();
    QCOMPARE(record.value("name").toString(), QString("pushOpen"));
    QCOMPARE(record.value("attributes").toMap().value("message").toString(), QString("Hello"));
    delegate->applicationDidBecomeActive();
    QCOMPARE(delegate->applicationIconBadgeNumber(), 0);
  }

  void twoPushesShowOnlyTheSecond() {
    launch();
    const QString channel = PushChannel::serverNameForHome(homeFolder());
    QString error;
    QVERIFY2(PushChannel::send(channel, R"({"aps": {"alert": "First"}})", &error),
             qPrintable(error));
    QVERIFY(QTest::qWaitFor([] { return alertTips() == QStringList{"First"}; }, 5000));
    QVERIFY(PushChannel::send(channel, R"({"aps": {"alert": "Second"}})", &error));
    QVERIFY(QTest::qWaitFor([] { return alertTips() == QStringList{"Second"}; }, 5000));
    QCOMPARE(delegate->alertView()->tip(), QString("Second"));
    QTest::qWait(100); // nothing to await: a message shown twice would come late
    QCOMPARE(QNAlertCenter::sharedQNAlertCenter().alerts().size(), 1);
  }

  void updateAnswer_data() {
    QTest::addColumn<bool>("update");
    QTest::newRow("newer version") << true;
    QTest::newRow("none") << false;
  }
  void updateAnswer() {
    QFETCH(bool, update);
    setStoredUpdateDate(0); // not due, so only this answer counts
    launch();
    delegate->updateInfo(
        {{"update", update}, {"path", "http://example.test/quill"}, {"version", "2.4"}});
    QCoreApplication::processEvents();
    const float stored = UserDefaults().floatForKey("lastUpdateDate");
    const QList<QNAlertView *> alerts = QNAlertCenter::sharedQNAlertCenter().alerts();
    if (!update) {
      QVERIFY(alerts.isEmpty());
      return;
    }
    QVERIFY(qAbs(double(stored) - double(QDateTime::currentSecsSinceEpoch())) < 200);
    QCOMPARE(alerts.size(), 1);
    QCOMPARE(alerts.first()->type(), int(QNAlertTypeConfirm));
    QCOMPARE(alerts.first()->title(), QString("New Version Detected"));
    QCOMPARE(alerts.first()->tip(), QString("Version 2.4 is available. Open its download page?"));
  }

  void launchChecksForUpdatesOncePerDay_data() {
    QTest::addColumn<double>("checkedSecondsAgo");
    QTest::addColumn<int>("requests");
    QTest::newRow("checked an hour ago") << 3600.0 << 0;
    QTest::newRow("checked two days ago") << 2 * 86400.0 << 1;
  }
  void launchChecksForUpdatesOncePerDay() {
    QFETCH(double, checkedSecondsAgo);
    QFETCH(int, requests);
    FakeHttpServer server(R"({"update": false})");
    setStoredUpdateDate(checkedSecondsAgo);
    LaunchOptions options;
    options.updateCheckAddress = server.address();
    launch(options);
    if (requests)
      QVERIFY(server.waitForAnswers(requests)); // the client has its answer before the server goes
    else
      QTest::qWait(200); // nothing to await: a check sent against the schedule would come late
    QCOMPARE(server.requests().size(), requests);
  }

  void launchRegistersThisInstallationsToken() {
    FakeHttpServer server(R"({"status": "ok"})");
    {
      QSettings ini(UserDefaults::standardPath(), QSettings::IniFormat);
      ini.setValue("pushServiceAddress", server.address().toString());
    }
    launch();
    QVERIFY(server.waitForRequests(1));
    QCOMPARE(server.requests().first().target, QByteArray("/apns/register.json"));
    const QString token = PushRegistrationClient::strippedToken(
        deviceTokenDescription(deviceTokenForHome(homeFolder())));
    QVERIFY(server.requests().first().body.startsWith(
        "push_token%5Btoken%5D=" + QUrl::toPercentEncoding(token) + '&'));
  }
};

QUILL_TEST(AppDelegateTest)
#include "AppDelegateTest.moc"
