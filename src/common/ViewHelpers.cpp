#include "ViewHelpers.h"

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

namespace {
constexpr qreal kSnapshotScale = 2;

// Paints item and its children as the scene would, painter being in the
// item's coordinates: children stacked behind first, then the item, then the
// rest, each with its opacity, transform and its parent's clip.
void paintTree(QPainter *painter, QGraphicsItem *item) {
  if (!item->isVisible() || item->opacity() <= 0)
    return;
  painter->save();
  painter->setOpacity(painter->opacity() * item->opacity());
  if (item->flags() & QGraphicsItem::ItemClipsChildrenToShape)
    painter->setClipPath(item->shape(), Qt::IntersectClip);
  const QList<QGraphicsItem *> children = item->childItems(); // in stacking order
  auto paintChild = [&](QGraphicsItem *child) {
    painter->save();
    painter->setTransform(child->itemTransform(item), true);
    paintTree(painter, child);
    painter->restore();
  };
  auto stacksBehind = [](const QGraphicsItem *child) {
    return (child->flags() & QGraphicsItem::ItemStacksBehindParent) || child->zValue() < 0;
  };
  for (QGraphicsItem *child : children) {
    if (stacksBehind(child))
      paintChild(child);
  }
  QStyleOptionGraphicsItem option;
  option.exposedRect = item->boundingRect();
  option.rect = option.exposedRect.toAlignedRect();
  if (!(item->flags() & QGraphicsItem::ItemHasNoContents))
    item->paint(painter, &option, nullptr);
  for (QGraphicsItem *child : children) {
    if (!stacksBehind(child))
      paintChild(child);
  }
  painter->restore();
}
} // namespace

QImage imageFromView(const QGraphicsItem *item) {
  if (!item)
    return {};
  const QRectF bounds = item->boundingRect();
  const QSize pixels = (bounds.size() * kSnapshotScale).toSize();
  if (pixels.isEmpty())
    return {};
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
    painter.scale(kSnapshotScale, kSnapshotScale);
    painter.translate(-bounds.topLeft());
    // Painting does not change the item; paint() is simply not const.
    paintTree(&painter, const_cast<QGraphicsItem *>(item));
  }
  image.setDevicePixelRatio(kSnapshotScale);
  return image;
}

QPointF centerOfView(const QGraphicsItem *item) {
  return item ? item->boundingRect().center() : QPointF();
}

bool containsPoint(const QGraphicsItem *item, const QPointF &point) {
  return item && item->contains(point);
}

bool containsPoint(const QGraphicsItem *item, const QPointF &point, const QGraphicsItem *other) {
  if (!item)
    return false;
  return containsPoint(item, other ? item->mapFromItem(other, point) : item->mapFromScene(point));
}

void removeAllSubviews(QGraphicsItem *item) {
  if (!item)
    return;
  while (!item->childItems().isEmpty())
    delete item->childItems().last();
}

void moveByOffset(QGraphicsItem *item, const QPointF &offset) {
  if (item)
    item->setPos(item->pos() + offset);
}

void moveToScene(QGraphicsItem *item, QGraphicsScene *scene) {
  if (item->scene() == scene)
    return;
  if (item->scene())
    item->scene()->removeItem(item);
  scene->addItem(item);
}
