#include "MarkPenTool.h"

#include "SketchView.h"
#include "StrokeGeometry.h"

MarkPenTool::MarkPenTool() : StrokeTool(QColor::fromRgbF(0.4f, 0.5f, 0.6f, 0.5f), 12) {}

MarkPenTool *MarkPenTool::sharedMarkPenTool() {
  static MarkPenTool tool;
  return &tool;
}

void MarkPenTool::cancel() {
  StrokeTool::cancel();
  m_bezierPath = QPainterPath();
}

void MarkPenTool::touchesBegan(const QList<ToolTouch> &touches) {
  const ToolTouch *touch = beginTracking(touches);
  if (!touch)
    return;
  m_bezierPath = QPainterPath(touch->position);
  m_bezierPath.lineTo(touch->position);
}

void MarkPenTool::touchesMoved(const QList<ToolTouch> &touches) {
  const ToolTouch *touch = trackedTouch(touches);
  if (!touch)
    return;
  shiftPoints(m_currentPoint, touch->position);
  StrokeGeometry::appendSmoothingSegment(m_bezierPath, m_prePreviousPoint, m_previousPoint,
                                         m_currentPoint);
  // The whole stroke is stroked as one path, so crossings keep one coat of ink.
  m_sketchView->clearTemps();
  m_sketchView->appendTemp(
      DrawPath::pathWithPath(m_bezierPath, m_currentColor, m_lineWidth, false));
}

void MarkPenTool::touchesEnded(const QList<ToolTouch> &touches) {
  if (!trackedTouch(touches))
    return;
  m_sketchView->clearTemps();
  m_sketchView->addDrawable(
      DrawPath::pathWithPath(m_bezierPath, m_currentColor, m_lineWidth, false));
  m_bezierPath = QPainterPath();
  stopTracking();
}

void MarkPenTool::touchesCancelled(const QList<ToolTouch> &touches) {
  if (!trackedTouch(touches))
    return;
  stopTracking();
  m_bezierPath = QPainterPath();
  m_sketchView->clearTemps();
}
