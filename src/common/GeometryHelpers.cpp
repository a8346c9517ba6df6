#include "GeometryHelpers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

qreal distanceBetweenPoints(const QPointF &p, const QPointF &q) {
  return std::hypot(p.x() - q.x(), p.y() - q.y());
}

qreal angleBetweenPoints(const QPointF &p, const QPointF &q) {
  const qreal dx = p.x() - q.x();
  const qreal dy = p.y() - q.y();
  const qreal d = std::hypot(dx, dy);
  if (d == 0)
    return 0;
  if (dy == 0)
    return dx > 0 ? 0 : std::numbers::pi;
  // Clamped: rounding can put dx / d a hair outside [-1, 1].
  const qreal turn = std::acos(std::clamp(dx / d, qreal(-1), qreal(1)));
  return dy < 0 ? turn : 2 * std::numbers::pi - turn;
}

QRectF rectWithCenterAndSize(const QPointF &center, const QSizeF &size) {
  return QRectF(center.x() - size.width() / 2, center.y() - size.height() / 2, size.width(),
                size.height());
}
