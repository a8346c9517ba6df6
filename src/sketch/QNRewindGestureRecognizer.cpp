#include "QNRewindGestureRecognizer.h"

#include "QNRewindGestureRecognizerDelegate.h"

#include <QGraphicsItem>
#include <QGuiApplication>
#include <QLineF>
#include <QStyleHints>
#include <cmath>

namespace {
// Within this distance of the centre the direction of a finger means nothing.
constexpr qreal kDeadRadius = 10;
} // namespace

QNRewindGestureRecognizer::QNRewindGestureRecognizer(QGraphicsItem *view, QObject *parent)
    : QObject(parent), m_view(view) {
  m_holdTimer.setSingleShot(true);
  m_holdTimer.setInterval(QGuiApplication::styleHints()->mousePressAndHoldInterval());
  connect(&m_holdTimer, &QTimer::timeout, this, &QNRewindGestureRecognizer::holdElapsed);
}

void QNRewindGestureRecognizer::handleTouches(const QList<ToolTouch> &touches) {
  const ToolTouch *moved = nullptr;
  for (const ToolTouch &touch : touches) {
    if (touch.touchId == ToolTouch::kPointerId)
      continue; // the mouse or a pen is one finger and can never make the two
    switch (touch.phase) {
    case ToolTouch::Down:
      m_downPositions.insert(touch.touchId, touch.position);
      if (m_state == Possible && !m_finished) {
        if (m_downPositions.size() == numberOfTouchesRequired())
          m_holdTimer.start();
        else if (m_downPositions.size() > numberOfTouchesRequired())
          setState(Failed);
      }
      break;
    case ToolTouch::Move:
      if (!m_downPositions.contains(touch.touchId))
        break;
      if (m_state == Possible && m_holdTimer.isActive() &&
          QLineF(m_downPositions.value(touch.touchId), touch.position).length() >
              allowableMovement())
        setState(Failed);
      else if (m_state == Began || m_state == Changed)
        moved = &touch;
      break;
    case ToolTouch::Up:
    case ToolTouch::Cancel:
      if (!m_downPositions.remove(touch.touchId))
        break;
      if (m_state == Began || m_state == Changed)
        setState(touch.phase == ToolTouch::Up ? Ended : Cancelled);
      else if (m_state == Possible && !m_finished)
        setState(Failed);
      break;
    }
  }
  if (moved) {
    setState(Changed);
    if (m_rewindBegin && m_rewindDelegate) {
      const QPointF centre = m_view ? m_view->boundingRect().center() : QPointF();
      const qreal angle = rotation(centre, moved->previousPosition, moved->position);
      if (QLineF(centre, moved->position).length() > kDeadRadius)
        m_rewindDelegate->rewindGestureRotated(this, float(angle));
    }
  }
  if (m_downPositions.isEmpty()) {
    // All fingers are up: the next two-finger hold is a new gesture.
    m_holdTimer.stop();
    m_state = Possible;
    m_finished = false;
  }
}

void QNRewindGestureRecognizer::cancelGesture() {
  if (m_state == Began || m_state == Changed)
    setState(Cancelled);
  m_holdTimer.stop();
}

qreal QNRewindGestureRecognizer::direction(const QPointF &v) {
  if (v.isNull())
    return 0;
  // Screen y grows downwards; anticlockwise on screen is towards negative y.
  qreal angle = std::atan2(-v.y(), v.x());
  if (angle < 0)
    angle += 2 * M_PI;
  return angle;
}

qreal QNRewindGestureRecognizer::rotation(const QPointF &centre, const QPointF &previous,
                                          const QPointF &current) {
  if (QLineF(centre, current).length() <= kDeadRadius)
    return 0;
  qreal x = direction(current - centre) - direction(previous - centre);
  if (x > M_PI / 2)
    x -= 2 * M_PI;
  if (x < -M_PI / 2)
    x += 2 * M_PI;
  return x;
}

void QNRewindGestureRecognizer::setState(State state) {
  m_state = state;
  switch (state) {
  case Began:
    Q_EMIT stateChanged(state);
    startRewind();
    return;
  case Ended:
  case Cancelled:
  case Failed:
    m_holdTimer.stop();
    m_finished = true;
    Q_EMIT stateChanged(state);
    stopRewind();
    return;
  default:
    Q_EMIT stateChanged(state);
  }
}

void QNRewindGestureRecognizer::holdElapsed() {
  if (m_state == Possible && m_downPositions.size() == numberOfTouchesRequired())
    setState(Began);
}

void QNRewindGestureRecognizer::startRewind() {
  if (m_rewindDelegate && m_rewindDelegate->rewindGestureShouldBegin(this)) {
    m_rewindBegin = true;
    m_rewindDelegate->rewindGestureDidBegin(this);
  }
}

void QNRewindGestureRecognizer::stopRewind() {
  if (!m_rewindBegin)
    return;
  m_rewindBegin = false;
  if (m_rewindDelegate)
    m_rewindDelegate->rewindGestureDidEnd(this);
}
