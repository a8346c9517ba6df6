#pragma once

#include <QGraphicsObject>
#include <QList>
#include <QPointer>
#include <QString>
#include <functional>

// The widgets' edit menu: a dark bar of item titles above a scene point (below
// it when there is no room above), its arrow at the point. One shared
// instance, so at most one menu shows; EditMenu knows its frame while it
// shows, so the page view leaves those touches to it. A tap (mouse or touch)
// on an item hides the menu and then runs the item's action. The shared
// instance is made again if its scene deleted it. Main thread.
class EditMenuBar : public QGraphicsObject {
  Q_OBJECT
public:
  struct Item {
    QString title;
    std::function<void()> action;
  };

  static EditMenuBar *sharedMenu();

  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

  // owner is the object the items act on (not owned).
  void showMenu(const QList<Item> &items, const QPointF &scenePoint, QGraphicsScene *scene,
                const QObject *owner);
  void hideMenu();
  // Hides the menu if it shows owner's items; makes no menu when there is none.
  static void hideMenuOf(const QObject *owner);
  const QObject *owner() const { return m_owner; }
  bool isMenuVisible() const { return isVisible() && !m_items.isEmpty(); }
  QStringList titles() const;
  // Where the item at index shows, in scene coordinates; empty when there is none.
  QRectF itemSceneRect(int index) const;

protected:
  bool sceneEvent(QEvent *event) override;

private:
  EditMenuBar();
  int itemAt(const QPointF &point) const;
  void press(const QPointF &point);
  void release(const QPointF &point);

  QList<Item> m_items;
  QPointer<const QObject> m_owner;
  QList<QRectF> m_itemRects; // in own coordinates
  QRectF m_bar;
  QPointF m_arrowTip;
  bool m_pointsUp = false;
  int m_pressed = -1;
};
