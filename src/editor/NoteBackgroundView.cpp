#include "NoteBackgroundView.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <cmath>

NoteBackgroundView::NoteBackgroundView(const QSizeF &size, QGraphicsItem *parent)
    : QGraphicsObject(parent), m_size(size) {
  setAcceptedMouseButtons(Qt::NoButton);
}

QRectF NoteBackgroundView::boundingRect() const { return QRectF(QPointF(0, 0), m_size); }

void NoteBackgroundView::setSize(const QSizeF &size) {
  prepareGeometryChange();
  m_size = size;
}

void NoteBackgroundView::setImage(const QImage &image) {
  if (image.cacheKey() == m_image.cacheKey())
    return;
  m_image = image;
  m_tile = QPixmap::fromImage(image);
  update();
}

void NoteBackgroundView::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *) {
  if (m_tile.isNull())
    return;
  const QSizeF tile = m_tile.deviceIndependentSize();
  if (tile.isEmpty())
    return;
  const QRectF exposed = option ? option->exposedRect : boundingRect();
  painter->save();
  painter->setClipRect(boundingRect(), Qt::IntersectClip);
  const int columns = int(std::floor(m_size.width() / tile.width()));
  const int rows = int(std::floor(m_size.height() / tile.height()));
  for (int j = 0; j <= rows; ++j) {
    for (int i = 0; i <= columns; ++i) {
      const QRectF cell(QPointF(i * tile.width(), j * tile.height()), tile);
      if (cell.intersects(exposed))
        painter->drawPixmap(cell.topLeft(), m_tile);
    }
  }
  painter->restore();
}
