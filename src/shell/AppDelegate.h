#pragma once

#include "common/NotificationCenter.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>
#include <memory>

class LaunchOptions;
class MyNotesViewController;
class PushChannel;
class PushRegistrationClient;
class QNAlertView;
class QNNavigationController;
class QNWindow;
class Reachability;
class UserDefaults;

// The entry point of the application: runs the launch sequence (first-run
// notes, tutorial upgrade, analytics, the window with its root screen,
// reachability, the daily update check, push registration) and afterwards
// shows pushed messages, keeps the application's badge number and announces
// when the user leaves the app and when it quits. Owns the
// window, the defaults and the monitors for the whole run. Main thread only;
// network answers arrive on it.
class AppDelegate : public QObject {
  Q_OBJECT
public:
  explicit AppDelegate(QObject *parent = nullptr);
  ~AppDelegate() override;

  // The launch sequence, once per run, after the home and resource folders
  // are set. Returns true.
  bool didFinishLaunchingWithOptions(const LaunchOptions &options);

  void launchReachabilityDetect();
  // The update service's answer {"update", "path", "version"}; offers to open
  // "path" only when it is an http or https address.
  void updateInfo(const QVariantMap &info);
  void didRegisterForRemoteNotificationsWithDeviceToken(const QByteArray &token);
  void registerPushToken(const QString &text);
  void didFailToRegisterForRemoteNotificationsWithError(const QString &error);
  void didReceiveRemoteNotification(const QVariantMap &payload);
  // Another start of Quill on this home handed over to this one: the window
  // comes to the front.
  void didReceiveStart(const QStringList &arguments);
  void applicationDidBecomeActive();

  // The badge number the application keeps; never below zero.
  int applicationIconBadgeNumber() const { return badge; }
  void setApplicationIconBadgeNumber(int number);

  QNWindow *window() const { return mainWindow.get(); }
  QNNavigationController *viewController() const { return navigation; }
  MyNotesViewController *rootScreen() const { return root; }
  Reachability *reachability() const { return reachabilityMonitor.get(); }
  // The alert that shows the last pushed message while it is on screen.
  QNAlertView *alertView() const;
  PushRegistrationClient *pushRegistration() const { return registration; }

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

Q_SIGNALS:
  // The first screen is laid out and its start-up animation has ended (with
  // a notebook asked for at start, the editor showing it).
  void firstScreenShown();

private:
  void registerForRemoteNotifications();
  // Tells the user, once a run, that an unreadable notes file was kept aside.
  void noticeUnreadableFile(const QString &keptPath);
  // Opens the notebook at that index of the shelf; the editor is then the first screen.
  void openNotebookAtStart(int index);
  // Announces leaving the app (hidden, suspended or minimised) and quitting.
  void watchApplicationState();

  std::unique_ptr<UserDefaults> defaults;
  std::unique_ptr<QNWindow> mainWindow;
  QNNavigationController *navigation = nullptr;
  MyNotesViewController *root = nullptr;
  std::unique_ptr<Reachability> reachabilityMonitor;
  PushChannel *pushChannel;
  PushRegistrationClient *registration;
  QPointer<QNAlertView> messageAlert;
  int badge = 0;
  NotificationObservation unreadableFiles;
  bool unreadableFileNoticed = false;
};
