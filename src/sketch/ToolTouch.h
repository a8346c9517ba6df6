#pragma once

#include <QPointF>

// One finger's sample as the tools see it, whatever device it came from (made
// by ToolTouchAdapter from touch, mouse and tablet events; the mouse and the
// tablet pen count as one finger with id kPointerId). Positions are in the
// coordinates of the item that routes the input to the tool (the page view,
// whose sketch layer lies at its origin).
struct ToolTouch {
  enum Phase { Down, Move, Up, Cancel };
  static constexpr int kPointerId = -1;

  Phase phase = Down;
  QPointF position;
  QPointF previousPosition;
  int tapCount = 1;
  qreal pressure = 1.0;
  int touchId = kPointerId;
};
