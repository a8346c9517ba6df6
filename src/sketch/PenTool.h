#pragma once

#include "StrokeTool.h"

// The pen: opaque ink whose width follows the finger's speed (thinner when
// faster, between 0.2 and 0.8 of strokeWidth); a stroke's pieces are committed
// as one group when the finger lifts. One shared instance for the whole run.
class PenTool : public StrokeTool {
public:
  static PenTool *sharedPenTool();

  void touchesBegan(const QList<ToolTouch> &touches) override;
  void touchesMoved(const QList<ToolTouch> &touches) override;
  void touchesEnded(const QList<ToolTouch> &touches) override;
  // A cancelled stroke is kept as far as it was drawn, as when the finger lifts.
  void touchesCancelled(const QList<ToolTouch> &touches) override { touchesEnded(touches); }

  float strokeWidth() const { return m_strokeWidth; }
  void setStrokeWidth(float width) { m_strokeWidth = width; }
  float lineScale() const { return m_strokeWidth / 10; }

  PenTool(const PenTool &) = delete;
  PenTool &operator=(const PenTool &) = delete;

private:
  PenTool();
  float m_strokeWidth = 6;
};
