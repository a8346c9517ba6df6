#include "QNBookShelfCell.h"

#include <QPainter>

QNBookShelfCell::QNBookShelfCell(QGraphicsItem *parent) : QGraphicsObject(parent) {
  setAcceptedMouseButtons(Qt::NoButton);
}

void QNBookShelfCell::setBackgroundImage(const QPixmap &image) {
  m_background = image;
  update();
}

void QNBookShelfCell::setFrame(const QRectF &frame) {
  setPos(frame.topLeft());
  if (frame.size() == m_size)
    return;
  prepareGeometryChange();
  m_size = frame.size();
}

QRectF QNBookShelfCell::boundingRect() const { return QRectF(QPointF(), m_size); }

void QNBookShelfCell::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  if (!m_background.isNull())
    painter->drawPixmap(boundingRect(), m_background, m_background.rect());
}
