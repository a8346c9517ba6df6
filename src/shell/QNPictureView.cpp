#include "QNPictureView.h"

#include "ShellArtwork.h"

#include <QPainter>

QNPictureView::QNPictureView(QGraphicsItem *parent) : QGraphicsWidget(parent) {}

void QNPictureView::setBrush(const QBrush &brush) {
  m_brush = brush;
  update();
}

void QNPictureView::setPictureName(const QString &name) {
  m_picture = name;
  update();
}

bool QNPictureView::hasPicture() const {
  return !m_picture.isEmpty() && !ShellArtwork::naturalSize(m_picture).isEmpty();
}

void QNPictureView::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  const QRectF bounds = rect();
  if (m_brush.style() != Qt::NoBrush)
    painter->fillRect(bounds, m_brush);
  if (m_picture.isEmpty())
    return;
  const QPixmap picture = ShellArtwork::picture(m_picture, bounds.size());
  if (!picture.isNull())
    painter->drawPixmap(bounds.topLeft(), picture);
}
