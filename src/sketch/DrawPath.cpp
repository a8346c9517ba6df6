#include "DrawPath.h"

#include <QPainter>

namespace {
// The path's geometric bounds; a lone point (a path that is only a move, as a
// tap leaves it) is the zero-size rect at that point.
QRectF geometryBounds(const QPainterPath &path) {
  if (path.elementCount() == 1)
    return QRectF(QPointF(path.elementAt(0)), QSizeF(0, 0));
  return path.boundingRect();
}
} // namespace

DrawPath::DrawPath(const QPainterPath &path, const QColor &color, float lineWidth, bool rubber)
    : m_path(path), m_strokeColor(color), m_lineWidth(lineWidth), m_rubberPath(rubber) {}

DrawPathPtr DrawPath::pathWithPath(const QPainterPath &path, const QColor &color, float lineWidth,
                                   bool rubber) {
  return std::make_shared<const DrawPath>(path, color, lineWidth, rubber);
}

void DrawPath::draw(QPainter &painter) const {
  painter.save();
  painter.setCompositionMode(m_rubberPath ? QPainter::CompositionMode_Clear
                                          : QPainter::CompositionMode_SourceOver);
  const QRectF bounds = geometryBounds(m_path);
  if (bounds.width() == 0 && bounds.height() == 0) {
    // A tap: QPainterPath drops a line to its own start point, so the round
    // cap the stroke would have is painted as the disc it is.
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_strokeColor);
    const qreal r = m_lineWidth / 2.0;
    painter.drawEllipse(bounds.topLeft(), r, r);
  } else {
    QPen pen(m_strokeColor, m_lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.strokePath(m_path, pen);
  }
  painter.restore();
}

QRectF DrawPath::frame() const {
  if (m_frame.isEmpty()) {
    const QRectF box = geometryBounds(m_path);
    m_frame = QRectF(box.x() - m_lineWidth, box.y() - m_lineWidth, box.width() + 2 * m_lineWidth,
                     box.height() + 2 * m_lineWidth);
  }
  return m_frame;
}

void DrawPath::drawRect(QPainter &painter, const QRectF &dirty) const {
  if (dirty.intersects(frame()))
    draw(painter);
}
