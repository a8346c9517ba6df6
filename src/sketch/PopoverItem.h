#pragma once

#include <QGraphicsObject>
#include <QPointer>

// The application's shared popover: a rounded bubble that holds one content
// item (a settings panel) under an anchor rect, its arrow pointing up at it
// (above the anchor, pointing down, when the bubble only fits there).
// While shown it covers the scene; a press outside the bubble dismisses it.
// It owns its content and deletes it when the content is replaced or the
// popover is dismissed. The shared instance is made on first use and made
// again if its scene deleted it. Main thread.
class PopoverItem : public QGraphicsObject {
  Q_OBJECT
public:
  static PopoverItem *sharedPopover();

  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

  // Takes ownership of content (deleting the previous one), shown at contentSize.
  void setContentItem(QGraphicsObject *content, const QSizeF &contentSize);
  QGraphicsObject *contentItem() const { return m_content; }
  // Shows the bubble below anchor (scene coordinates) in scene.
  void presentFromRect(const QRectF &anchor, QGraphicsScene *scene, bool animated);
  void dismiss(bool animated);
  bool isPopoverVisible() const { return m_shown; }
  QRectF bubbleRect() const { return m_bubble; }

Q_SIGNALS:
  void dismissed();

protected:
  void mousePressEvent(QGraphicsSceneMouseEvent *event) override;

private:
  PopoverItem();
  void finishDismiss();

  QPointer<QGraphicsObject> m_content;
  QSizeF m_contentSize;
  QRectF m_bubble;
  QPointF m_arrowTip;
  bool m_shown = false;
};
