#include "QNCircleProgressView.h"

#include <QPainter>

#include <algorithm>

QNCircleProgressView::QNCircleProgressView(qreal radius, QGraphicsItem *parent)
    : QGraphicsObject(parent), m_radius(radius) {}

QNCircleProgressView::QNCircleProgressView(const QRectF &frame, QGraphicsItem *parent)
    : QGraphicsObject(parent) {
  setPos(frame.topLeft());
  m_radius = std::max<qreal>(0, (std::min(frame.width(), frame.height()) - m_outerWidth) / 2);
}

void QNCircleProgressView::setProgress(qreal progress) {
  m_progress = std::clamp<qreal>(progress, 0, 1);
  update();
}

void QNCircleProgressView::resizeKeepingCentre(qreal radius, qreal outerWidth) {
  const QPointF centre = mapToParent(boundingRect().center());
  prepareGeometryChange();
  m_radius = radius;
  m_outerWidth = outerWidth;
  setPos(pos() + centre - mapToParent(boundingRect().center()));
}

void QNCircleProgressView::setRadius(qreal radius) { resizeKeepingCentre(radius, m_outerWidth); }

void QNCircleProgressView::setOuterWidth(qreal width) { resizeKeepingCentre(m_radius, width); }

void QNCircleProgressView::setInnerWidth(qreal width) {
  m_innerWidth = width;
  update();
}

void QNCircleProgressView::setInnerColor(const QColor &color) {
  m_innerColor = color;
  update();
}

void QNCircleProgressView::setOuterColor(const QColor &color) {
  m_outerColor = color;
  update();
}

void QNCircleProgressView::setEmptyColor(const QColor &color) {
  m_emptyColor = color;
  update();
}

QRectF QNCircleProgressView::boundingRect() const { return QRectF(0, 0, side(), side()); }

void QNCircleProgressView::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setBrush(Qt::NoBrush);
  const QPointF centre = boundingRect().center();
  const QRectF circle(centre.x() - m_radius, centre.y() - m_radius, 2 * m_radius, 2 * m_radius);
  painter->setPen(QPen(m_outerColor, m_outerWidth));
  painter->drawEllipse(circle);
  painter->setPen(QPen(m_emptyColor, m_innerWidth));
  painter->drawEllipse(circle);
  if (m_progress <= 0)
    return;
  // Qt counts angles anticlockwise in sixteenths of a degree: start at nine
  // o'clock and run clockwise on screen.
  painter->setPen(QPen(m_innerColor, m_innerWidth, Qt::SolidLine, Qt::RoundCap));
  painter->drawArc(circle, 180 * 16, -qRound(m_progress * 360 * 16));
}
