#include "QNRewindView.h"

#include "SketchArtwork.h"

#include <QGraphicsPixmapItem>
#include <QPainter>
#include <QtMath>

namespace {
QGraphicsPixmapItem *makeHand(const QString &name, QGraphicsItem *parent, const QSizeF &dial) {
  auto *hand = new QGraphicsPixmapItem(SketchArtwork::picture(name), parent);
  const QSizeF size = hand->pixmap().deviceIndependentSize();
  hand->setTransformationMode(Qt::SmoothTransformation);
  hand->setPos((dial.width() - size.width()) / 2, (dial.height() - size.height()) / 2);
  hand->setTransformOriginPoint(size.width() / 2, size.height() / 2);
  return hand;
}

// A sector of the given radius from twelve o'clock, clockwise through turn (0 to 1).
QPainterPath clockwiseSector(const QPointF &centre, qreal radius, qreal turn) {
  QPainterPath sector(centre);
  sector.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 90,
               -360 * turn);
  sector.closeSubpath();
  return sector;
}
} // namespace

QNRewindView::QNRewindView(const QRectF &frame, QGraphicsItem *parent)
    : QGraphicsObject(parent), m_size(frame.size()) {
  setPos(frame.topLeft());
  setAcceptedMouseButtons(Qt::NoButton);
  m_hourHand = makeHand(QStringLiteral("hour_hand"), this, m_size);
  m_minuteHand = makeHand(QStringLiteral("minute_hand"), this, m_size);
}

QRectF QNRewindView::boundingRect() const {
  return QRectF(QPointF(0, 0), m_size);
}

void QNRewindView::setRewindStep(uint steps) {
  m_rewindStep = steps;
  m_progress = qBound(0.0f, m_progress, float(m_rewindStep));
  turnHands();
  update();
}

void QNRewindView::setProgress(float progress) {
  m_progress = qBound(0.0f, progress, float(m_rewindStep));
  turnHands();
  update();
}

void QNRewindView::setEmptyColor(const QColor &color) {
  if (color != m_emptyColor) {
    m_emptyColor = color;
    update();
  }
}

void QNRewindView::setFillColor(const QColor &color) {
  if (color != m_fillColor) {
    m_fillColor = color;
    update();
  }
}

void QNRewindView::turnHands() {
  // With no steps the hands stay as they were last set.
  if (m_rewindStep == 0)
    return;
  const float f = m_progress - std::floor(m_progress);
  m_minuteHand->setRotation(-360.0 * f);
  m_hourHand->setRotation(-360.0 * m_progress / m_rewindStep);
}

void QNRewindView::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(Qt::NoPen);
  painter->setBrush(m_emptyColor);
  painter->drawEllipse(boundingRect().adjusted(4, 4, -4, -4));
  if (m_rewindStep == 0)
    return;
  const qreal w = m_size.width();
  const QPointF centre = boundingRect().center();
  const qreal dotRadius = w / 2 - 14;
  const uint dots = qMin(m_rewindStep, 20u);
  painter->setBrush(Qt::white);
  for (uint k = 0; k < dots; ++k) {
    const qreal a = 2 * M_PI * k / dots;
    painter->drawEllipse(
        QPointF(centre.x() + dotRadius * std::sin(a), centre.y() - dotRadius * std::cos(a)), 3, 3);
  }
  const qreal sectorRadius = w / 2 - 28;
  painter->setBrush(m_fillColor);
  painter->drawPath(clockwiseSector(centre, sectorRadius, 1 - m_progress / m_rewindStep));
  const float f = m_progress - std::floor(m_progress);
  if (f > 0) {
    painter->setBrush(QColor(0, 0, 0, 128));
    painter->drawPath(clockwiseSector(centre, sectorRadius, 1 - f));
  }
}
