#include "QNPageTransition.h"

#include <QEasingCurve>
#include <QEvent>
#include <QGraphicsObject>
#include <QGraphicsScene>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>

namespace {
QPointF offsetFor(QNTransitionSubtype direction, const QSizeF &size) {
  switch (direction) {
  case QNTransitionSubtype::FromRight:
    return {size.width(), 0};
  case QNTransitionSubtype::FromLeft:
    return {-size.width(), 0};
  case QNTransitionSubtype::FromTop:
    return {0, -size.height()};
  case QNTransitionSubtype::FromBottom:
    return {0, size.height()};
  }
  return {};
}

// The ease-in-ease-out timing of layer animations: a cubic from (0.42, 0) to (0.58, 1).
QEasingCurve easeInEaseOut() {
  QEasingCurve curve(QEasingCurve::BezierSpline);
  curve.addCubicBezierSegment(QPointF(0.42, 0), QPointF(0.58, 1), QPointF(1, 1));
  return curve;
}

bool isInput(QEvent::Type type) {
  switch (type) {
  case QEvent::GraphicsSceneMousePress:
  case QEvent::GraphicsSceneMouseMove:
  case QEvent::GraphicsSceneMouseRelease:
  case QEvent::GraphicsSceneMouseDoubleClick:
  case QEvent::GraphicsSceneWheel:
  case QEvent::TouchBegin:
  case QEvent::TouchUpdate:
  case QEvent::TouchEnd:
    return true;
  default:
    return false;
  }
}
} // namespace

QNPageTransition::QNPageTransition(QNTransitionSubtype direction, const QSizeF &layerSize,
                                   QObject *parent)
    : QObject(parent), m_offset(offsetFor(direction, layerSize)),
      m_group(new QParallelAnimationGroup(this)) {
  connect(m_group, &QParallelAnimationGroup::finished, this, &QNPageTransition::end);
}

QNPageTransition::~QNPageTransition() {
  if (m_scene)
    m_scene->removeEventFilter(this);
}

void QNPageTransition::addArriving(QGraphicsObject *item) {
  const QPointF home = item->pos();
  add(item, home + m_offset, home);
}

void QNPageTransition::addLeaving(QGraphicsObject *item) {
  const QPointF home = item->pos();
  add(item, home, home - m_offset);
}

void QNPageTransition::add(QGraphicsObject *item, const QPointF &from, const QPointF &to) {
  auto *animation = new QPropertyAnimation(item, "pos", m_group);
  animation->setDuration(kDurationMs);
  animation->setEasingCurve(easeInEaseOut());
  animation->setStartValue(from);
  animation->setEndValue(to);
  item->setPos(from);
}

void QNPageTransition::start(QGraphicsScene *scene) {
  m_running = true;
  m_scene = scene;
  if (scene) {
    if (QGraphicsItem *grabber = scene->mouseGrabberItem())
      grabber->ungrabMouse();
    scene->installEventFilter(this);
  }
  m_group->start();
}

void QNPageTransition::finish() {
  if (!m_running)
    return;
  // Jumping to the end sends finished, which ends the transition.
  m_group->setCurrentTime(m_group->duration());
  if (m_running)
    end();
}

void QNPageTransition::end() {
  if (!m_running)
    return;
  m_running = false;
  m_group->stop();
  if (m_scene)
    m_scene->removeEventFilter(this);
  Q_EMIT finished();
}

bool QNPageTransition::eventFilter(QObject *watched, QEvent *event) {
  if (m_running && watched == m_scene && isInput(event->type())) {
    event->accept();
    return true;
  }
  return QObject::eventFilter(watched, event);
}
