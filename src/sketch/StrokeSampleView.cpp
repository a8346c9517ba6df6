#include "StrokeSampleView.h"

#include <QPainter>

StrokeSampleView::StrokeSampleView(const QRectF &frame, QGraphicsItem *parent)
    : QGraphicsObject(parent), m_size(frame.size()) {
  setPos(frame.topLeft());
  setAcceptedMouseButtons(Qt::NoButton);
}

QRectF StrokeSampleView::boundingRect() const {
  return QRectF(QPointF(0, 0), m_size);
}

void StrokeSampleView::setLineWidth(float width) {
  if (width != m_lineWidth) {
    m_lineWidth = width;
    update();
  }
}

void StrokeSampleView::setStrokeColor(const QColor &color) {
  if (color != m_strokeColor) {
    m_strokeColor = color;
    update();
  }
}

void StrokeSampleView::setBackgroundPattern(const QPixmap &pattern) {
  m_pattern = pattern;
  update();
}

QPainterPath StrokeSampleView::strokePath() const {
  const qreal w = m_size.width(), h = m_size.height(), lw = m_lineWidth;
  QPainterPath path;
  switch (m_type) {
  case Dot:
    path.moveTo(w / 2, h / 2);
    break;
  case Line:
    path.moveTo(lw / 2 + 4, h / 2);
    path.lineTo(w - lw / 2 - 4, h / 2);
    break;
  case Curve:
    path.moveTo(lw / 2 + 4, h / 2);
    path.quadTo(w / 2, h / 4, w - (lw / 2 + 4), h / 2);
    break;
  default:
    break;
  }
  return path;
}

void StrokeSampleView::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  if (!m_pattern.isNull())
    painter->drawTiledPixmap(boundingRect(), m_pattern);
  painter->setRenderHint(QPainter::Antialiasing);
  const QPainterPath path = strokePath();
  if (m_type == Dot) {
    // The dot is the round cap of a zero-length line: a disc of the line width.
    painter->setPen(Qt::NoPen);
    painter->setBrush(m_strokeColor);
    painter->drawEllipse(path.currentPosition(), m_lineWidth / 2.0, m_lineWidth / 2.0);
    return;
  }
  painter->strokePath(path,
                      QPen(m_strokeColor, m_lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}
