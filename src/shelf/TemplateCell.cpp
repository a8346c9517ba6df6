#include "TemplateCell.h"

#include <QPainter>

TemplateCell::TemplateCell(QGraphicsItem *parent) : QNBookCoverView(QRectF(), parent) {
  setHoldable(false);
}

void TemplateCell::setBgImage(const QImage &image) {
  m_bgImage = QPixmap::fromImage(image);
  update();
}

void TemplateCell::setHighLightedBgImage(const QImage &image) {
  m_highLightedBgImage = QPixmap::fromImage(image);
  update();
}

void TemplateCell::setHighlighted(bool highlighted) {
  if (highlighted == m_highlighted)
    return;
  m_highlighted = highlighted;
  update();
}

void TemplateCell::paintCover(QPainter *painter) {
  const QPixmap &picture = m_highlighted && !m_highLightedBgImage.isNull() ? m_highLightedBgImage : m_bgImage;
  if (picture.isNull())
    return;
  painter->setRenderHint(QPainter::SmoothPixmapTransform);
  painter->drawPixmap(boundingRect(), picture, picture.rect());
}
