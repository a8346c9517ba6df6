#pragma once

class QNRewindGestureRecognizer;

// Receives the rewind gesture's events (answered by the page view). An
// operation left unanswered does nothing; a delegate that does not answer
// rewindGestureShouldBegin never lets the gesture begin.
class QNRewindGestureRecognizerDelegate {
public:
  virtual ~QNRewindGestureRecognizerDelegate() = default;
  virtual bool rewindGestureShouldBegin(QNRewindGestureRecognizer *) { return false; }
  virtual void rewindGestureDidBegin(QNRewindGestureRecognizer *) {}
  virtual void rewindGestureDidEnd(QNRewindGestureRecognizer *) {}
  // angle in radians since the last report; positive when turning anticlockwise.
  virtual void rewindGestureRotated(QNRewindGestureRecognizer *, float angle) { (void)angle; }
};
