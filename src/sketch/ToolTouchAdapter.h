#pragma once

#include "ToolTouch.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <functional>
#include <optional>

class QEvent;

// Turns the platform's input events into ToolTouch samples, so tools never see
// Qt events: QTouchEvent (one sample per changed point; stationary points are
// left out), QMouseEvent and QGraphicsSceneMouseEvent of the left button, and
// QTabletEvent. The mouse and the tablet pen are one finger (kPointerId). Once
// touch events arrive, mouse events the system synthesized from touches are
// ignored, as the touches themselves are there; until then they count as the
// pointer. Tap counts: a down within the double-click interval and a few
// points of the previous down counts one more tap. One adapter per input
// surface; main thread.
//
// Hosting: an item gets touch events when it accepts them and the view's
// viewport has Qt::WA_AcceptTouchEvents (set it yourself if the item joins the
// scene after the view got it); tablet events reach only the viewport, so the
// host filters them there and maps positions into its own coordinates.
class ToolTouchAdapter {
public:
  // Maps a position as the event carries it into the routing item's coordinates.
  using Mapper = std::function<QPointF(const QPointF &)>;

  // The samples the event carries, empty for any other event.
  QList<ToolTouch> translate(const QEvent *event, const Mapper &map = {});

private:
  std::optional<ToolTouch> pointerSample(ToolTouch::Phase phase, const QPointF &position,
                                         qreal pressure);
  int tapCountFor(const QPointF &position);

  QHash<int, QPointF> m_touchLast;
  bool m_touchesArrive = false;
  bool m_pointerDown = false;
  QPointF m_pointerLast;
  QPointF m_lastDownPosition;
  QElapsedTimer m_lastDown;
  int m_tapCount = 0;
};
