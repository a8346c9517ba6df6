#include "DrawClear.h"

#include <QPainter>

DrawClear::DrawClear(const QRectF &frame) : m_frame(frame) {}

void DrawClear::draw(QPainter &painter) const {
  painter.save();
  painter.setCompositionMode(QPainter::CompositionMode_Clear);
  painter.fillRect(m_frame, Qt::transparent);
  painter.restore();
}

void DrawClear::drawRect(QPainter &painter, const QRectF &dirty) const {
  if (dirty.intersects(m_frame))
    draw(painter);
}
