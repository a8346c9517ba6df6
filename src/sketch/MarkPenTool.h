#pragma once

#include "StrokeTool.h"

#include <QPainterPath>

// The highlighter: translucent ink of constant width. The whole stroke is one
// growing path, stroked at once on every sample, so it never darkens where it
// crosses itself; only the final path enters the history. One shared instance.
class MarkPenTool : public StrokeTool {
public:
  static MarkPenTool *sharedMarkPenTool();

  void cancel() override;
  void touchesBegan(const QList<ToolTouch> &touches) override;
  void touchesMoved(const QList<ToolTouch> &touches) override;
  void touchesEnded(const QList<ToolTouch> &touches) override;
  void touchesCancelled(const QList<ToolTouch> &touches) override;

  MarkPenTool(const MarkPenTool &) = delete;
  MarkPenTool &operator=(const MarkPenTool &) = delete;

private:
  MarkPenTool();
  QPainterPath m_bezierPath;
};
