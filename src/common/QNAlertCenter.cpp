#include "QNAlertCenter.h"

#include "DiagnosticLog.h"
#include "QNAlertView.h"

#include <QGraphicsObject>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QSequentialAnimationGroup>
#include <QThreadPool>

namespace {
constexpr qreal kMaskOpacity = 0.3;
constexpr qreal kMaskZ = 1e6; // above every screen of the window

// The dimmed backdrop; nothing under an alert reacts while one is shown. It
// takes the mouse and the keys; as a panel it ends the scene's search for an
// item to take a touch, so a touch on it (or on an alert) comes back as the
// mouse events the alerts' buttons take.
class AlertMask : public QGraphicsObject {
public:
  explicit AlertMask(const QRectF &rect) : m_rect(rect) {
    setFlags(ItemIsPanel | ItemIsFocusable);
  }
  QRectF boundingRect() const override { return m_rect; }
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override {
    painter->fillRect(m_rect, Qt::black);
  }

protected:
  bool sceneEvent(QEvent *event) override {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      event->accept();
      return true;
    default:
      return QGraphicsObject::sceneEvent(event);
    }
  }
  void mousePressEvent(QGraphicsSceneMouseEvent *event) override { event->accept(); }

private:
  QRectF m_rect;
};

// An animation of target's property, owned by target.
QPropertyAnimation *animation(QObject *target, const char *property, const QVariant &to, int ms) {
  auto *step = new QPropertyAnimation(target, property, target);
  step->setEndValue(to);
  step->setDuration(ms);
  return step;
}
} // namespace

QNAlertCenter &QNAlertCenter::sharedQNAlertCenter() {
  // Never deleted: alerts may be dismissed while the application shuts down.
  static QNAlertCenter *center = new QNAlertCenter;
  return *center;
}

void QNAlertCenter::setScene(QGraphicsScene *scene) {
  if (scene == m_scene)
    return;
  const QList<QNAlertView *> shown = m_alerts;
  for (QNAlertView *alert : shown)
    dismissAlert(alert, false);
  removeMask();
  m_scene = scene;
}

QGraphicsScene *QNAlertCenter::scene() const { return m_scene; }

QGraphicsObject *QNAlertCenter::maskView() const { return m_mask; }

void QNAlertCenter::showAlert(QNAlertView *alert) {
  if (!alert)
    return;
  if (!m_scene) {
    QUILL_LOG_ERROR("alert: show", "scene", 0, "no scene to show in: " + alert->title());
    if (!alert->parentItem() && !alert->scene() && !m_alerts.contains(alert))
      alert->deleteLater();
    return;
  }
  if (!m_alerts.contains(alert)) {
    m_alerts.append(alert);
    connect(alert, &QObject::destroyed, this,
            [this, alert] { m_alerts.removeAll(alert); });
  }
  // Shown again while popping in or fading out: that animation ends here
  // (stopping emits no finished, so a fade does not take it away).
  const QList<QAbstractAnimation *> running =
      alert->findChildren<QAbstractAnimation *>(QString(), Qt::FindDirectChildrenOnly);
  for (QAbstractAnimation *step : running)
    step->stop();
  putMask();
  if (alert->scene() != m_scene)
    m_scene->addItem(alert);
  alert->setZValue(kMaskZ + (++m_nextZ));
  const QRectF screen = m_scene->sceneRect();
  const QRectF bounds = alert->boundingRect();
  alert->setPos(screen.center() - bounds.center());
  alert->setOpacity(1);
  alert->setEnabled(true);

  auto *pop = new QSequentialAnimationGroup(alert);
  alert->setScale(0.001);
  pop->addAnimation(animation(alert, "scale", 1.1, 200));
  pop->addAnimation(animation(alert, "scale", 0.9, 150));
  pop->addAnimation(animation(alert, "scale", 1.0, 150));
  pop->start(QAbstractAnimation::DeleteWhenStopped);
}

void QNAlertCenter::putMask() {
  if (m_maskFade)
    m_maskFade->stop(); // an alert arrived while the last one was fading out
  if (!m_mask || m_mask->scene() != m_scene) {
    delete m_mask;
    m_mask = new AlertMask(m_scene->sceneRect());
    m_mask->setZValue(kMaskZ);
    m_scene->addItem(m_mask);
    m_mask->grabKeyboard();
  }
  m_mask->setOpacity(kMaskOpacity);
}

void QNAlertCenter::removeMask() {
  delete m_mask;
}

void QNAlertCenter::removeFromScreen(QNAlertView *alert) {
  if (alert->scene())
    alert->scene()->removeItem(alert);
  alert->deleteLater();
}

void QNAlertCenter::dismissAlert(QNAlertView *alert, bool animated) {
  if (!alert || !m_alerts.removeOne(alert))
    return;
  alert->setEnabled(false);
  const bool last = m_alerts.isEmpty();
  if (!animated) {
    removeFromScreen(alert);
    if (last)
      removeMask();
    return;
  }
  auto *fade = animation(alert, "opacity", 0.0, 300);
  connect(fade, &QAbstractAnimation::finished, this, [this, alert = QPointer<QNAlertView>(alert)] {
    if (alert)
      removeFromScreen(alert);
    if (m_alerts.isEmpty())
      removeMask();
  });
  fade->start(QAbstractAnimation::DeleteWhenStopped);
  if (last && m_mask) {
    auto *maskFade = animation(m_mask, "opacity", 0.0, 300);
    m_maskFade = maskFade;
    maskFade->start(QAbstractAnimation::DeleteWhenStopped);
  }
}

QNAlertView *QNAlertCenter::alertWithIdentifier(const QString &identifier) const {
  for (QNAlertView *alert : m_alerts) {
    if (alert->identifier() == identifier)
      return alert;
  }
  return nullptr;
}

void QNAlertCenter::taskWithAlert(const QString &title, std::function<void()> task,
                                  std::function<void()> finish) {
  QPointer<QNAlertView> alert = QNAlertView::alertWithTitle(title, QString(), QNAlertTypeWaiting);
  QThreadPool::globalInstance()->start([alert, task = std::move(task), finish = std::move(finish)] {
    if (task)
      task();
    QMetaObject::invokeMethod(
        &sharedQNAlertCenter(),
        [alert, finish] {
          sharedQNAlertCenter().dismissAlert(alert, true);
          if (finish)
            finish();
        },
        Qt::QueuedConnection);
  });
}
