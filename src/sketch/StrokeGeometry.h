#pragma once

#include <QPainterPath>
#include <QPointF>

// The stroke-building rules shared by the pen, the marker and the rubber.
namespace StrokeGeometry {
QPointF midpoint(const QPointF &a, const QPointF &b);
// Quadratic curve from mid(p1, p0) to mid(p2, p1) with p1 as control point;
// consecutive segments meet exactly.
QPainterPath smoothingSegment(const QPointF &p0, const QPointF &p1, const QPointF &p2);
// Appends the same curve to path, continuing its subpath when it starts where
// the path ends.
void appendSmoothingSegment(QPainterPath &path, const QPointF &p0, const QPointF &p1,
                            const QPointF &p2);
// Straight line from mid(previous, current) to mid(previous, last).
QPainterPath closingSegment(const QPointF &previous, const QPointF &current, const QPointF &last);
// The pen's next working width after a step of d1 following a step of d2:
// faster gets thinner, slower thicker, kept within 2 to 8 times lineScale.
float penWidthAfterStep(float lineWidth, float lineScale, qreal d1, qreal d2);
} // namespace StrokeGeometry
