#pragma once

#include <QGraphicsWidget>
#include <QImage>
#include <QVariantMap>

class QNScrollItemListViewDelegate;
class QVariantAnimation;

// A horizontal strip of captioned picture buttons that scrolls sideways, with
// a selection frame on the chosen one (a scene item; main thread only).
//
// Items are maps with "image" (picture name), "selectedImage" (the picture
// while pressed; empty keeps "image") and "title" (caption); names are looked
// up in imageFolder() of the resource folder. Item i is a 50 by 50 point
// button at (8 + 66·i, 10) with its caption below; the content is 66·n points
// wide. A tap tells the delegate, then scrolls the item to the middle and
// slides the frame to it in 0.25 s. A drag scrolls.
class QNScrollItemListView : public QGraphicsWidget {
  Q_OBJECT
public:
  explicit QNScrollItemListView(const QString &imageFolder, QGraphicsItem *parent = nullptr);
  ~QNScrollItemListView() override;

  QVariantList items() const { return itemList; }
  // Rebuilds the strip; the selection keeps its index.
  void setItems(const QVariantList &items);
  int selectedIndex() const { return selected; }
  void setSelectedIndex(int index);
  // The item at selectedIndex(), or an empty map when out of range.
  QVariantMap selectedItem() const;
  void setDelegate(QNScrollItemListViewDelegate *delegate) { listDelegate = delegate; }

  // The button of item i, in the strip's coordinates at the current scroll.
  QRectF buttonRect(int index) const;
  qreal contentOffset() const { return offset; }
  qreal contentWidth() const;
  QPointF selectionCentre() const { return frameCentre; }

  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
  void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
  void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
  void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
  void resizeEvent(QGraphicsSceneResizeEvent *event) override;

private:
  void choose(int index);
  int indexAt(const QPointF &position) const;
  qreal clampedOffset(qreal wanted) const;
  QImage picture(const QString &name) const;

  QString folder;
  QVariantList itemList;
  QList<QImage> images;
  QList<QImage> pressedImages;
  QImage frameImage;
  int selected = 0;
  int pressed = -1;
  qreal offset = 0;
  QPointF frameCentre;
  QPointF pressPosition;
  qreal pressOffset = 0;
  bool dragging = false;
  QNScrollItemListViewDelegate *listDelegate = nullptr;
  QVariantAnimation *scrollAnimation;
  QVariantAnimation *frameAnimation;
};
