#pragma once

#include "ToolTouch.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QTimer>

class QGraphicsItem;
class QNRewindGestureRecognizerDelegate;

// A two-finger hold that then reports how far the fingers turn around the
// centre of its view. It begins when exactly two fingers have stayed down for
// the hold time without either moving more than the allowable movement; it
// ends when a finger lifts. It only watches: the same samples still reach the
// page's tool. Samples are given in the view's coordinates. The view and the
// delegate are not owned. Main thread.
class QNRewindGestureRecognizer : public QObject {
  Q_OBJECT
public:
  enum State { Possible, Began, Changed, Ended, Cancelled, Failed };
  Q_ENUM(State)

  explicit QNRewindGestureRecognizer(QGraphicsItem *view, QObject *parent = nullptr);

  void handleTouches(const QList<ToolTouch> &touches);
  // Stops a running gesture as cancelled (the page is left, for instance).
  void cancelGesture();

  QNRewindGestureRecognizerDelegate *rewindDelegate() const { return m_rewindDelegate; }
  void setRewindDelegate(QNRewindGestureRecognizerDelegate *delegate) {
    m_rewindDelegate = delegate;
  }
  bool rewindBegin() const { return m_rewindBegin; }
  State state() const { return m_state; }

  int numberOfTouchesRequired() const { return 2; }
  qreal allowableMovement() const { return 2.0; }
  // The hold time, by default the platform's press-and-hold interval.
  int minimumPressDuration() const { return m_holdTimer.interval(); }
  void setMinimumPressDuration(int milliseconds) { m_holdTimer.setInterval(milliseconds); }
  // True while two fingers are held still and the hold time runs.
  bool isHolding() const { return m_holdTimer.isActive(); }

  // Direction of v anticlockwise on screen from the positive x axis, 0 to 2π.
  static qreal direction(const QPointF &v);
  // The turn from previous to current around centre, read as the small turn
  // it is where the direction wraps past 2π; 0 within 10 points of the centre.
  static qreal rotation(const QPointF &centre, const QPointF &previous, const QPointF &current);

Q_SIGNALS:
  void stateChanged(QNRewindGestureRecognizer::State state);

private:
  void setState(State state);
  void holdElapsed();
  void startRewind();
  void stopRewind();

  QGraphicsItem *m_view;
  QNRewindGestureRecognizerDelegate *m_rewindDelegate = nullptr;
  QHash<int, QPointF> m_downPositions;
  QTimer m_holdTimer;
  State m_state = Possible;
  bool m_rewindBegin = false;
  bool m_finished = false;
};
