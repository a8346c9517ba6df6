#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QAbstractAnimation;
class QGraphicsObject;
class QGraphicsScene;
class QNAlertView;

// Shows the app's alerts over the window's scene: one black mask at opacity
// 0.3 covers the scene rectangle while at least one alert is shown, and the
// alerts stand centred over it, the newest on top (they are not queued).
// Alerts pop in (scale 0.001 to 1.1, 0.9, 1.0 over 0.5 s) and fade out in 0.3 s;
// a dismissal without animation takes the alert away at once.
//
// One shared instance, used on the main thread only. The window gives it its
// scene; with no scene set nothing is shown, and an alert handed to showAlert
// then is deleted later without being shown. The center owns each alert from
// showAlert until it has left the scene.
class QNAlertCenter : public QObject {
  Q_OBJECT
public:
  static QNAlertCenter &sharedQNAlertCenter();

  // The scene to show alerts in; alerts shown in a previous scene leave it at once.
  void setScene(QGraphicsScene *scene);
  QGraphicsScene *scene() const;

  // The alerts on screen in the order shown (not those fading out).
  QList<QNAlertView *> alerts() const { return m_alerts; }
  // The mask while it is on screen, else null.
  QGraphicsObject *maskView() const;

  void showAlert(QNAlertView *alert);
  // Takes the alert off the screen; an alert that is not shown is left alone.
  void dismissAlert(QNAlertView *alert, bool animated);
  // The first alert on screen with that identifier, or null.
  QNAlertView *alertWithIdentifier(const QString &identifier) const;

  // Shows a waiting alert titled title, runs task on a thread of the global
  // pool, then on the main thread dismisses the alert (animated) and runs
  // finish, if given.
  static void taskWithAlert(const QString &title, std::function<void()> task,
                            std::function<void()> finish = {});

private:
  QNAlertCenter() = default;
  void putMask();
  void removeMask();
  void removeFromScreen(QNAlertView *alert);

  QPointer<QGraphicsScene> m_scene;
  QList<QNAlertView *> m_alerts;
  QPointer<QGraphicsObject> m_mask;
  QPointer<QAbstractAnimation> m_maskFade;
  qreal m_nextZ = 0;
};
