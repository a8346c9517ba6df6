#include "ToolTouchAdapter.h"

#include <QGraphicsSceneMouseEvent>
#include <QGuiApplication>
#include <QLineF>
#include <QMouseEvent>
#include <QStyleHints>
#include <QTabletEvent>
#include <QTouchEvent>

namespace {
// How far apart two downs may be and still count as one more tap.
constexpr qreal kTapSlop = 20;

void appendSample(QList<ToolTouch> &samples, const std::optional<ToolTouch> &sample) {
  if (sample)
    samples.append(*sample);
}

QPointF mapped(const ToolTouchAdapter::Mapper &map, const QPointF &position) {
  return map ? map(position) : position;
}

std::optional<ToolTouch::Phase> touchPhase(QEventPoint::State state) {
  switch (state) {
  case QEventPoint::Pressed:
    return ToolTouch::Down;
  case QEventPoint::Updated:
    return ToolTouch::Move;
  case QEventPoint::Released:
    return ToolTouch::Up;
  default:
    return std::nullopt;
  }
}
} // namespace

QList<ToolTouch> ToolTouchAdapter::translate(const QEvent *event, const Mapper &map) {
  QList<ToolTouch> samples;
  switch (event->type()) {
  case QEvent::TouchBegin:
  case QEvent::TouchUpdate:
  case QEvent::TouchEnd:
  case QEvent::TouchCancel: {
    const auto *touch = static_cast<const QTouchEvent *>(event);
    const bool cancelled = event->type() == QEvent::TouchCancel;
    m_touchesArrive = true;
    for (const QEventPoint &point : touch->points()) {
      const auto phase = cancelled ? std::optional(ToolTouch::Cancel) : touchPhase(point.state());
      if (!phase)
        continue;
      ToolTouch sample;
      sample.phase = *phase;
      sample.position = mapped(map, point.position());
      // The previous position is the one this adapter last reported for the
      // finger: items of a scene get the event's own last position unmapped.
      sample.previousPosition = m_touchLast.value(point.id(), sample.position);
      if (*phase == ToolTouch::Down || *phase == ToolTouch::Move)
        m_touchLast.insert(point.id(), sample.position);
      else
        m_touchLast.remove(point.id());
      sample.pressure = point.pressure() > 0 ? point.pressure() : 1.0;
      sample.touchId = point.id();
      if (*phase == ToolTouch::Down)
        sample.tapCount = tapCountFor(sample.position);
      samples.append(sample);
    }
    break;
  }
  case QEvent::MouseButtonPress:
  case QEvent::MouseButtonDblClick:
  case QEvent::MouseMove:
  case QEvent::MouseButtonRelease: {
    const auto *mouse = static_cast<const QMouseEvent *>(event);
    if (mouse->source() != Qt::MouseEventNotSynthesized && m_touchesArrive)
      break;
    if (event->type() != QEvent::MouseMove && mouse->button() != Qt::LeftButton)
      break;
    const ToolTouch::Phase phase = event->type() == QEvent::MouseMove            ? ToolTouch::Move
                                   : event->type() == QEvent::MouseButtonRelease ? ToolTouch::Up
                                                                                 : ToolTouch::Down;
    appendSample(samples, pointerSample(phase, mapped(map, mouse->position()), 1.0));
    break;
  }
  case QEvent::GraphicsSceneMousePress:
  case QEvent::GraphicsSceneMouseDoubleClick:
  case QEvent::GraphicsSceneMouseMove:
  case QEvent::GraphicsSceneMouseRelease: {
    const auto *mouse = static_cast<const QGraphicsSceneMouseEvent *>(event);
    if (mouse->source() != Qt::MouseEventNotSynthesized && m_touchesArrive)
      break;
    if (event->type() != QEvent::GraphicsSceneMouseMove && mouse->button() != Qt::LeftButton)
      break;
    const ToolTouch::Phase phase = event->type() == QEvent::GraphicsSceneMouseMove ? ToolTouch::Move
                                   : event->type() == QEvent::GraphicsSceneMouseRelease
                                       ? ToolTouch::Up
                                       : ToolTouch::Down;
    appendSample(samples, pointerSample(phase, mapped(map, mouse->pos()), 1.0));
    break;
  }
  case QEvent::TabletPress:
  case QEvent::TabletMove:
  case QEvent::TabletRelease: {
    const auto *tablet = static_cast<const QTabletEvent *>(event);
    const ToolTouch::Phase phase = event->type() == QEvent::TabletMove      ? ToolTouch::Move
                                   : event->type() == QEvent::TabletRelease ? ToolTouch::Up
                                                                            : ToolTouch::Down;
    appendSample(samples,
                 pointerSample(phase, mapped(map, tablet->position()), tablet->pressure()));
    break;
  }
  default:
    break;
  }
  return samples;
}

// The pointer's samples: a move without the button down (hover) is no sample,
// nor is a second down while the button is down.
std::optional<ToolTouch> ToolTouchAdapter::pointerSample(ToolTouch::Phase phase,
                                                         const QPointF &position, qreal pressure) {
  if ((phase == ToolTouch::Down) == m_pointerDown)
    return std::nullopt;
  ToolTouch sample;
  sample.phase = phase;
  sample.position = position;
  sample.previousPosition = phase == ToolTouch::Down ? position : m_pointerLast;
  sample.pressure = pressure > 0 ? pressure : 1.0;
  sample.touchId = ToolTouch::kPointerId;
  if (phase == ToolTouch::Down)
    sample.tapCount = tapCountFor(position);
  m_pointerDown = phase != ToolTouch::Up;
  m_pointerLast = position;
  return sample;
}

int ToolTouchAdapter::tapCountFor(const QPointF &position) {
  const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
  const bool again = m_lastDown.isValid() && m_lastDown.elapsed() <= interval &&
                     QLineF(position, m_lastDownPosition).length() <= kTapSlop;
  m_tapCount = again ? m_tapCount + 1 : 1;
  m_lastDown.start();
  m_lastDownPosition = position;
  return m_tapCount;
}
