#include "ViewFrame.h"

#include <QGraphicsWidget>

namespace {
QRectF frameOf(const QGraphicsItem *item) {
  return item ? item->mapRectToParent(item->boundingRect()) : QRectF();
}

void moveBy(QGraphicsItem *item, qreal dx, qreal dy) {
  if (item)
    item->setPos(item->pos() + QPointF(dx, dy));
}

QGraphicsWidget *resizable(QGraphicsItem *item) {
  return item && item->isWidget() ? static_cast<QGraphicsWidget *>(item) : nullptr;
}
} // namespace

qreal left(const QGraphicsItem *item) { return frameOf(item).left(); }
qreal top(const QGraphicsItem *item) { return frameOf(item).top(); }
qreal right(const QGraphicsItem *item) { return frameOf(item).right(); }
qreal bottom(const QGraphicsItem *item) { return frameOf(item).bottom(); }
qreal centerX(const QGraphicsItem *item) { return frameOf(item).center().x(); }
qreal centerY(const QGraphicsItem *item) { return frameOf(item).center().y(); }
qreal width(const QGraphicsItem *item) { return frameOf(item).width(); }
qreal height(const QGraphicsItem *item) { return frameOf(item).height(); }
QPointF origin(const QGraphicsItem *item) { return frameOf(item).topLeft(); }
QSizeF size(const QGraphicsItem *item) { return frameOf(item).size(); }

void setLeft(QGraphicsItem *item, qreal value) { moveBy(item, value - left(item), 0); }
void setTop(QGraphicsItem *item, qreal value) { moveBy(item, 0, value - top(item)); }
void setRight(QGraphicsItem *item, qreal value) { moveBy(item, value - right(item), 0); }
void setBottom(QGraphicsItem *item, qreal value) { moveBy(item, 0, value - bottom(item)); }
void setCenterX(QGraphicsItem *item, qreal value) { moveBy(item, value - centerX(item), 0); }
void setCenterY(QGraphicsItem *item, qreal value) { moveBy(item, 0, value - centerY(item)); }
void setOrigin(QGraphicsItem *item, const QPointF &value) {
  const QPointF now = origin(item);
  moveBy(item, value.x() - now.x(), value.y() - now.y());
}
void setWidth(QGraphicsItem *item, qreal value) {
  if (QGraphicsWidget *widget = resizable(item))
    widget->resize(value, widget->size().height());
}
void setHeight(QGraphicsItem *item, qreal value) {
  if (QGraphicsWidget *widget = resizable(item))
    widget->resize(widget->size().width(), value);
}
void setSize(QGraphicsItem *item, const QSizeF &value) {
  if (QGraphicsWidget *widget = resizable(item))
    widget->resize(value);
}
