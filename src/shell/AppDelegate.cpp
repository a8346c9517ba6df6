#include "AppDelegate.h"

#include "AppVersion.h"
#include "DeviceToken.h"
#include "LaunchOptions.h"
#include "NotesInstaller.h"
#include "PushChannel.h"
#include "PushMessage.h"
#include "PushRegistrationClient.h"
#include "QNNavigationController.h"
#include "QNWindow.h"
#include "Reachability.h"
#include "UpdateSchedule.h"
#include "UserDefaults.h"

#include "shelf/MyNotesViewController.h"
#include "store/NoteBookManager.h"
#include "store/StoredDictionary.h"

#include "common/ApplicationNotifications.h"
#include "common/DiagnosticLog.h"
#include "common/FolderPaths.h"
#include "common/Localization.h"
#include "common/NotificationCenter.h"
#include "common/QNAlertCenter.h"
#include "common/QNAlertView.h"
#include "common/URLHelpers.h"
#include "common/UsageAnalytics.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QUrl>

namespace {
// The analytics key issued for this application.
const QString analyticsAppKey = QStringLiteral("5d1c3f0a9b2e4c7d8e6f1a2b");

QUrl configuredAddress(const QUrl &fromCommandLine, const UserDefaults &defaults, const char *key) {
  if (!fromCommandLine.isEmpty())
    return fromCommandLine;
  return LaunchOptions::serviceAddress(defaults.stringForKey(QLatin1String(key)));
}
} // namespace

AppDelegate::AppDelegate(QObject *parent)
    : QObject(parent), pushChannel(new PushChannel(this)),
      registration(new PushRegistrationClient(this)) {
  connect(pushChannel, &PushChannel::messageReceived, this,
          &AppDelegate::didReceiveRemoteNotification);
  connect(pushChannel, &PushChannel::startReceived, this, &AppDelegate::didReceiveStart);
  // Posted on the reading thread, possibly before the window is up: shown
  // from the event loop.
  unreadableFiles = NotificationObservation(
      QuillUnreadableFileKeptNotification, nullptr, [this](const Notification &notification) {
        const QString kept = notification.userInfo.value(kKeptPath).toString();
        QMetaObject::invokeMethod(
            this, [this, kept] { noticeUnreadableFile(kept); }, Qt::QueuedConnection);
      });
  connect(qApp, &QGuiApplication::applicationStateChanged, this,
          [this](Qt::ApplicationState state) {
            if (state == Qt::ApplicationActive)
              applicationDidBecomeActive();
          });
}

AppDelegate::~AppDelegate() = default;

bool AppDelegate::didFinishLaunchingWithOptions(const LaunchOptions &options) {
  defaults = std::make_unique<UserDefaults>();
  NotesInstaller(*defaults).installForVersion(bundleVersionNumber(bundleVersionText()));

  UsageAnalytics &analytics = UsageAnalytics::shared();
  analytics.setLogFile(libraryPathWithName(QStringLiteral("Caches/analytics.jsonl")));
  analytics.startWithAppKey(analyticsAppKey, 0, QString());
  analytics.setUpdateCheckAddress(
      configuredAddress(options.updateCheckAddress, *defaults, "updateCheckAddress"));
  registration->setServiceAddress(
      configuredAddress(options.pushServiceAddress, *defaults, "pushServiceAddress"));

  mainWindow = std::make_unique<QNWindow>();
  root = new MyNotesViewController;
  navigation = new QNNavigationController(root);
  mainWindow->setRootViewController(navigation);
  if (options.openNotebook > 0) {
    connect(root, &MyNotesViewController::splashFinished, this,
            [this, index = options.openNotebook - 1] { openNotebookAtStart(index); });
  } else {
    connect(root, &MyNotesViewController::splashFinished, this, &AppDelegate::firstScreenShown);
  }
  navigation->viewWillAppear(false);
  mainWindow->makeKeyAndVisible();
  navigation->viewDidAppear(false);
  watchApplicationState();
  // A start that only writes a picture of the first screen shows it settled.
  if (options.screenshotPath.isEmpty())
    root->beginSplash();
  else
    root->skipSplash();

  launchReachabilityDetect();

  const double now = double(QDateTime::currentSecsSinceEpoch());
  if (isUpdateCheckDue(defaults->floatForKey(QStringLiteral("lastUpdateDate")), now)) {
    analytics.checkUpdate(bundleVersionText(),
                          [self = QPointer<AppDelegate>(this)](const QVariantMap &info) {
                            if (self)
                              self->updateInfo(info);
                          });
  }

  setApplicationIconBadgeNumber(0);
  registerForRemoteNotifications();
  return true;
}

QNAlertView *AppDelegate::alertView() const {
  return messageAlert;
}

void AppDelegate::launchReachabilityDetect() {
  // The system's network backend takes a while to load (D-Bus); not before the first screen.
  connect(
      this, &AppDelegate::firstScreenShown, this,
      [this] { reachabilityMonitor = std::make_unique<Reachability>(); },
      Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
}

void AppDelegate::updateInfo(const QVariantMap &info) {
  if (!info.value(QStringLiteral("update")).toBool())
    return;
  const QUrl page(info.value(QStringLiteral("path")).toString());
  if (!isWebAddress(page)) {
    QUILL_LOG_ERROR("update check: download page refused", "url", 0,
                    "not an http or https address: " + page.toString());
    return;
  }
  defaults->setFloat(QStringLiteral("lastUpdateDate"), float(QDateTime::currentSecsSinceEpoch()));
  defaults->synchronize();
  const QString message =
      localizedString(QStringLiteral("New Version Comfirm"))
          .replace(QStringLiteral("%@"), info.value(QStringLiteral("version")).toString());
  // The answer may come from anywhere; the alert is always made on this thread.
  QMetaObject::invokeMethod(
      this, [title = localizedString(QStringLiteral("New Version Detected")), message, page] {
        QNAlertView::alertWithTitle(title, message, QNAlertTypeConfirm,
                                    [page] { QDesktopServices::openUrl(page); });
      });
}

// The system's push service is replaced by the local channel: registering
// means listening on it, and the token is this installation's own.
void AppDelegate::registerForRemoteNotifications() {
  QString error;
  if (pushChannel->listen(PushChannel::serverNameForHome(homeFolder()), &error))
    didRegisterForRemoteNotificationsWithDeviceToken(deviceTokenForHome(homeFolder()));
  else
    didFailToRegisterForRemoteNotificationsWithError(error);
}

void AppDelegate::didRegisterForRemoteNotificationsWithDeviceToken(const QByteArray &token) {
  registerPushToken(deviceTokenDescription(token));
}

void AppDelegate::registerPushToken(const QString &text) {
  registration->registerPushToken(text);
}

void AppDelegate::didFailToRegisterForRemoteNotificationsWithError(const QString &error) {
  QUILL_LOG_ERROR("push registration", "push channel", 0, error);
}

void AppDelegate::didReceiveRemoteNotification(const QVariantMap &payload) {
  const PushMessage message = PushMessage::fromPayload(payload);
  UsageAnalytics::shared().event(QStringLiteral("pushOpen"),
                                 {{QStringLiteral("message"), message.text}});
  setApplicationIconBadgeNumber(badge - message.badge);
  if (messageAlert)
    QNAlertCenter::sharedQNAlertCenter().dismissAlert(messageAlert, false);
  messageAlert = new QNAlertView(QString(), message.text, QNAlertTypeMessage);
  messageAlert->show();
}

void AppDelegate::didReceiveStart(const QStringList &arguments) {
  qInfo("start: handed over by another start on this home (%s); raising the window",
        qPrintable(arguments.join(QLatin1Char(' '))));
  if (!mainWindow)
    return;
  if (mainWindow->isMinimized())
    mainWindow->showNormal();
  mainWindow->raise();
  mainWindow->activateWindow();
}

void AppDelegate::noticeUnreadableFile(const QString &keptPath) {
  // Without a copy nothing was rebuilt over the file; the log line tells why.
  if (unreadableFileNoticed || keptPath.isEmpty())
    return;
  unreadableFileNoticed = true;
  QNAlertView::alertWithTitle(QString(),
                              localizedString(QStringLiteral("UNREADABLE FILE KEPT"))
                                  .replace(QStringLiteral("%@"), keptPath),
                              QNAlertTypeMessage);
}

void AppDelegate::applicationDidBecomeActive() {
  setApplicationIconBadgeNumber(0);
}

void AppDelegate::setApplicationIconBadgeNumber(int number) {
  badge = std::max(0, number);
  if (mainWindow)
    mainWindow->setWindowTitle(badge > 0 ? QStringLiteral("Quill (%1)").arg(badge)
                                         : QStringLiteral("Quill"));
}

void AppDelegate::watchApplicationState() {
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [](Qt::ApplicationState state) {
    if (state == Qt::ApplicationHidden || state == Qt::ApplicationSuspended)
      NotificationCenter::defaultCenter().postNotification(kApplicationDidEnterBackgroundNotification);
  });
  connect(qApp, &QCoreApplication::aboutToQuit, this, [] {
    NotificationCenter::defaultCenter().postNotification(kApplicationWillTerminateNotification);
  });
  mainWindow->installEventFilter(this);
}

bool AppDelegate::eventFilter(QObject *watched, QEvent *event) {
  // A minimised window is the desktop's way of leaving the app.
  if (event->type() == QEvent::WindowStateChange && watched == mainWindow.get() &&
      mainWindow->isMinimized())
    NotificationCenter::defaultCenter().postNotification(kApplicationDidEnterBackgroundNotification);
  return QObject::eventFilter(watched, event);
}

void AppDelegate::openNotebookAtStart(int index) {
  if (index >= NoteBookManager::sharedNoteBookManager().count()) {
    QUILL_LOG_ERROR("start: no such notebook on the shelf", "notebook", index + 1, QString());
    Q_EMIT firstScreenShown();
    return;
  }
  connect(navigation, &QNNavigationController::screenChanged, this, &AppDelegate::firstScreenShown,
          Qt::SingleShotConnection);
  root->shelfViewDidSelectBook(root->bookShelf(), index);
  // Opened at start, the notebook is simply there: no push from the shelf to watch.
  navigation->finishTransition();
}
