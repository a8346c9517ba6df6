#pragma once

#include <QPointF>
#include <QSizeF>

class QGraphicsItem;

// The frame of a scene item: its bounding rectangle in its parent's
// coordinates (a QGraphicsWidget's geometry). right = left + width and
// bottom = top + height. Setting an edge, the centre or the origin moves the
// item and keeps its size; setting the width, height or size resizes a
// QGraphicsWidget (keeping its origin) and leaves other items as they are.
// A null item reads as zero and ignores writes.

qreal left(const QGraphicsItem *item);
qreal top(const QGraphicsItem *item);
qreal right(const QGraphicsItem *item);
qreal bottom(const QGraphicsItem *item);
qreal centerX(const QGraphicsItem *item);
qreal centerY(const QGraphicsItem *item);
qreal width(const QGraphicsItem *item);
qreal height(const QGraphicsItem *item);
QPointF origin(const QGraphicsItem *item);
QSizeF size(const QGraphicsItem *item);

void setLeft(QGraphicsItem *item, qreal left);
void setTop(QGraphicsItem *item, qreal top);
void setRight(QGraphicsItem *item, qreal right);
void setBottom(QGraphicsItem *item, qreal bottom);
void setCenterX(QGraphicsItem *item, qreal centerX);
void setCenterY(QGraphicsItem *item, qreal centerY);
void setWidth(QGraphicsItem *item, qreal width);
void setHeight(QGraphicsItem *item, qreal height);
void setOrigin(QGraphicsItem *item, const QPointF &origin);
void setSize(QGraphicsItem *item, const QSizeF &size);
