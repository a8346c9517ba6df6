#pragma once

class QGraphicsItem;
class QGraphicsScene;
class QImage;
class QPointF;

// Shortcuts on scene items, the views of this app.

// A picture of the item and its visible children as they draw themselves, at
// the size of the item's bounding rectangle and scale 2, on a transparent
// canvas; the item's own transform and what lies under it are left out.
// A null picture for a null or empty item.
QImage imageFromView(const QGraphicsItem *item);

// The centre of the item's bounding rectangle, in its own coordinates.
QPointF centerOfView(const QGraphicsItem *item);

// Whether the item's shape holds point (in the item's coordinates).
bool containsPoint(const QGraphicsItem *item, const QPointF &point);

// containsPoint after mapping point from other's coordinates (from the scene's
// when other is null).
bool containsPoint(const QGraphicsItem *item, const QPointF &point, const QGraphicsItem *other);

// Deletes the item's children, the topmost first.
void removeAllSubviews(QGraphicsItem *item);

// Makes scene the item's scene, taking it out of the one it was in (a shared
// overlay shown in whichever window asks for it).
void moveToScene(QGraphicsItem *item, QGraphicsScene *scene);

// Moves the item by offset in its parent's coordinates.
void moveByOffset(QGraphicsItem *item, const QPointF &offset);
