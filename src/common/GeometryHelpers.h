#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

// Plane geometry in scene points (y axis pointing down, as on screen).

// The Euclidean distance between p and q.
qreal distanceBetweenPoints(const QPointF &p, const QPointF &q);

// The direction of p - q in radians, in [0, 2π), counted anticlockwise as seen
// on screen from the positive x axis: a p straight above q gives π/2. Equal
// points give 0.
qreal angleBetweenPoints(const QPointF &p, const QPointF &q);

// The rectangle of size whose centre is center.
QRectF rectWithCenterAndSize(const QPointF &center, const QSizeF &size);
