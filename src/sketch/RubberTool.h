#pragma once

#include "StrokeTool.h"

// The rubber: paints in clear mode, leaving transparent pixels over strokes and
// the base image alike; pieces grouped as for the pen. One shared instance.
class RubberTool : public StrokeTool {
public:
  static RubberTool *sharedRubberTool();

  void touchesBegan(const QList<ToolTouch> &touches) override;
  void touchesMoved(const QList<ToolTouch> &touches) override;
  void touchesEnded(const QList<ToolTouch> &touches) override;
  // A cancelled stroke is kept as far as it was drawn, as when the finger lifts.
  void touchesCancelled(const QList<ToolTouch> &touches) override { touchesEnded(touches); }

  RubberTool(const RubberTool &) = delete;
  RubberTool &operator=(const RubberTool &) = delete;

private:
  RubberTool();
};
