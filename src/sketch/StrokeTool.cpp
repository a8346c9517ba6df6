#include "StrokeTool.h"

#include "DrawPathGroup.h"
#include "NoteBookToolDelegate.h"
#include "SketchView.h"
#include "StrokeGeometry.h"

StrokeTool::StrokeTool(const QColor &color, float lineWidth)
    : m_lineWidth(lineWidth), m_currentColor(color) {}

void StrokeTool::deactivate() {
  m_trackingTouch.reset();
  m_sketchView.clear();
}

void StrokeTool::cancel() {
  if (m_sketchView)
    m_sketchView->clearTemps();
  m_trackingTouch.reset();
}

const ToolTouch *StrokeTool::trackedTouch(const QList<ToolTouch> &touches) const {
  if (!m_trackingTouch || !m_sketchView)
    return nullptr;
  for (const ToolTouch &touch : touches)
    if (touch.touchId == *m_trackingTouch)
      return &touch;
  return nullptr;
}

const ToolTouch *StrokeTool::beginTracking(const QList<ToolTouch> &touches) {
  if (m_trackingTouch || touches.isEmpty() || !toolDelegate())
    return nullptr;
  m_sketchView = qobject_cast<SketchView *>(toolDelegate()->viewForEdit(this));
  if (!m_sketchView)
    return nullptr;
  const ToolTouch &touch = touches.first();
  m_trackingTouch = touch.touchId;
  m_prePreviousPoint = m_previousPoint = m_currentPoint = touch.position;
  return &touch;
}

void StrokeTool::shiftPoints(const QPointF &previous, const QPointF &current) {
  m_prePreviousPoint = m_previousPoint;
  m_previousPoint = previous;
  m_currentPoint = current;
}

void StrokeTool::finishGroupedStroke(const ToolTouch &touch, bool rubber) {
  const QPainterPath closing =
      StrokeGeometry::closingSegment(m_previousPoint, m_currentPoint, touch.position);
  m_currentPoint = touch.position;
  m_sketchView->appendTemp(DrawPath::pathWithPath(closing, m_currentColor, m_lineWidth, rubber));
  auto group = std::make_shared<const DrawPathGroup>(m_sketchView->takeTemps());
  m_sketchView->addDrawable(group);
  stopTracking();
}

void StrokeTool::stopTracking() {
  m_trackingTouch.reset();
}
