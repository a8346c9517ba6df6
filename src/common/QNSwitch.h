#pragma once

#include <QGraphicsObject>
#include <QPixmap>
#include <QPointer>

#include <functional>

class QGraphicsPixmapItem;

// A two-state slide switch: a background picture filling its frame, a left
// picture at the left edge (shown while off), a right picture at the right
// edge (shown while on) and a knob ("switch_btn_bg") at the edge of the state.
// A tap flips the state; the knob can be dragged, cross-fading the pictures,
// and the state follows which half it is in; on release it snaps to the
// state's edge. The target's action hears every change of state (never an
// unchanged one) while the target lives.
class QNSwitch : public QGraphicsObject {
  Q_OBJECT
public:
  using Action = std::function<void(QNSwitch *)>;

  QNSwitch(const QRectF &frame, const QPixmap &background, const QPixmap &leftImage,
           const QPixmap &rightImage, QGraphicsItem *parent = nullptr);

  void setTarget(QObject *target, Action action);
  void removeTarget();
  int state() const { return m_state; }
  void setState(int state);

  // The knob's left edge, in the switch's coordinates.
  qreal knobLeft() const;
  qreal leftImageOpacity() const;
  qreal rightImageOpacity() const;

  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
  void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
  void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
  void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
  bool sceneEvent(QEvent *event) override;

private:
  qreal travel() const;
  void placeKnob(qreal left);
  void layoutForState();
  void endTouch();

  QSizeF m_size;
  QPixmap m_background;
  QGraphicsPixmapItem *m_left;
  QGraphicsPixmapItem *m_right;
  QGraphicsPixmapItem *m_knob;
  int m_state = 0;
  QPointer<QObject> m_target;
  Action m_action;
  bool m_touching = false;
  bool m_dragging = false;
  bool m_moved = false;
  QPointF m_pressPoint;
  qreal m_grabOffset = 0;
};
