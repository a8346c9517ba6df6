#pragma once

#include "NoteBookTool.h"

#include <QColor>
#include <QPointF>
#include <QPointer>
#include <optional>

class SketchView;

// What the pen, the marker and the rubber share: the one touch they follow
// (any other touch is ignored while it lasts), the last three sample points,
// the working width and colour, and the sketch view the delegate gave them.
// The sketch view is not owned; it is forgotten on deactivate.
class StrokeTool : public NoteBookTool {
public:
  void deactivate() override;
  void cancel() override;

  QColor currentColor() const { return m_currentColor; }
  virtual void setCurrentColor(const QColor &color) { m_currentColor = color; }
  float lineWidth() const { return m_lineWidth; }
  void setLineWidth(float width) { m_lineWidth = width; }
  bool isTracking() const { return m_trackingTouch.has_value(); }

protected:
  StrokeTool(const QColor &color, float lineWidth);

  // The sample of the tracked touch among touches, or null.
  const ToolTouch *trackedTouch(const QList<ToolTouch> &touches) const;
  // Starts following the first touch when none is followed and the delegate
  // gives a sketch view; sets all three points to its position.
  const ToolTouch *beginTracking(const QList<ToolTouch> &touches);
  void shiftPoints(const QPointF &previous, const QPointF &current);
  // Pen and rubber end: the closing segment, then the pieces as one group.
  void finishGroupedStroke(const ToolTouch &touch, bool rubber);
  void stopTracking();

  QPointer<SketchView> m_sketchView;
  std::optional<int> m_trackingTouch;
  QPointF m_prePreviousPoint;
  QPointF m_previousPoint;
  QPointF m_currentPoint;
  float m_lineWidth;
  QColor m_currentColor;
};
