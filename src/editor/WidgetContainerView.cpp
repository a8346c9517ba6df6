#include "WidgetContainerView.h"

WidgetContainerView::WidgetContainerView(const QSizeF &size, QGraphicsItem *parent)
    : QGraphicsObject(parent), m_size(size) {
  setFlag(ItemClipsChildrenToShape);
  setFlag(ItemHasNoContents);
  setAcceptedMouseButtons(Qt::NoButton);
}

QRectF WidgetContainerView::boundingRect() const { return QRectF(QPointF(0, 0), m_size); }

void WidgetContainerView::setSize(const QSizeF &size) {
  prepareGeometryChange();
  m_size = size;
}
