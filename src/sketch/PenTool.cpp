#include "PenTool.h"

#include "SketchView.h"
#include "StrokeGeometry.h"

#include <QLineF>

PenTool::PenTool() : StrokeTool(QColor(0, 0, 0), 6) {}

PenTool *PenTool::sharedPenTool() {
  static PenTool tool;
  return &tool;
}

void PenTool::touchesBegan(const QList<ToolTouch> &touches) {
  if (beginTracking(touches))
    m_lineWidth = lineScale() * 10;
}

void PenTool::touchesMoved(const QList<ToolTouch> &touches) {
  const ToolTouch *touch = trackedTouch(touches);
  if (!touch)
    return;
  shiftPoints(m_currentPoint, touch->position);
  const QPainterPath segment =
      StrokeGeometry::smoothingSegment(m_prePreviousPoint, m_previousPoint, m_currentPoint);
  const qreal d1 = QLineF(m_previousPoint, m_currentPoint).length();
  const qreal d2 = QLineF(m_previousPoint, m_prePreviousPoint).length();
  m_lineWidth = StrokeGeometry::penWidthAfterStep(m_lineWidth, lineScale(), d1, d2);
  m_sketchView->appendTemp(DrawPath::pathWithPath(segment, m_currentColor, m_lineWidth, false));
}

void PenTool::touchesEnded(const QList<ToolTouch> &touches) {
  if (const ToolTouch *touch = trackedTouch(touches))
    finishGroupedStroke(*touch, false);
}
