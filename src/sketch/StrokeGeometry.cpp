#include "StrokeGeometry.h"

#include <QLineF>
#include <cmath>

QPointF StrokeGeometry::midpoint(const QPointF &a, const QPointF &b) {
  return QPointF((a.x() + b.x()) * 0.5, (a.y() + b.y()) * 0.5);
}

QPainterPath StrokeGeometry::smoothingSegment(const QPointF &p0, const QPointF &p1,
                                              const QPointF &p2) {
  QPainterPath path;
  appendSmoothingSegment(path, p0, p1, p2);
  return path;
}

void StrokeGeometry::appendSmoothingSegment(QPainterPath &path, const QPointF &p0,
                                            const QPointF &p1, const QPointF &p2) {
  // Segments meet exactly, so a segment that starts where the path ends
  // continues its subpath: with round caps and joins that paints the same
  // pixels as a new subpath, and one long subpath strokes far faster.
  const QPointF start = midpoint(p1, p0);
  if (path.elementCount() == 0 || path.currentPosition() != start)
    path.moveTo(start);
  path.quadTo(p1, midpoint(p2, p1));
}

QPainterPath StrokeGeometry::closingSegment(const QPointF &previous, const QPointF &current,
                                            const QPointF &last) {
  QPainterPath path(midpoint(previous, current));
  path.lineTo(midpoint(previous, last));
  return path;
}

float StrokeGeometry::penWidthAfterStep(float lineWidth, float lineScale, qreal d1, qreal d2) {
  const double x = qBound(-20.0, (d1 - d2) / 10.0, 20.0);
  const float delta = float(std::cbrt(x) / -1.2);
  float width = lineWidth + delta * lineScale;
  if (width > 8 * lineScale)
    width = 8 * lineScale;
  if (width < 2 * lineScale)
    width = 2 * lineScale;
  return width;
}
