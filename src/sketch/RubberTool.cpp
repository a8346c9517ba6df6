#include "RubberTool.h"

#include "SketchView.h"
#include "StrokeGeometry.h"

RubberTool::RubberTool() : StrokeTool(QColor::fromRgbF(0.4f, 0.5f, 0.6f, 0.5f), 10) {}

RubberTool *RubberTool::sharedRubberTool() {
  static RubberTool tool;
  return &tool;
}

void RubberTool::touchesBegan(const QList<ToolTouch> &touches) {
  beginTracking(touches);
}

void RubberTool::touchesMoved(const QList<ToolTouch> &touches) {
  const ToolTouch *touch = trackedTouch(touches);
  if (!touch)
    return;
  // The rubber follows the step the touch itself reports.
  shiftPoints(touch->previousPosition, touch->position);
  const QPainterPath segment =
      StrokeGeometry::smoothingSegment(m_prePreviousPoint, m_previousPoint, m_currentPoint);
  m_sketchView->appendTemp(DrawPath::pathWithPath(segment, m_currentColor, m_lineWidth, true));
}

void RubberTool::touchesEnded(const QList<ToolTouch> &touches) {
  if (const ToolTouch *touch = trackedTouch(touches))
    finishGroupedStroke(*touch, true);
}
