#pragma once

#include <QElapsedTimer>
#include <QGraphicsObject>
#include <QPointer>
#include <QTimer>

class CoverViewDelegate;
class QGraphicsPixmapItem;
class QPropertyAnimation;

// One cover on a shelf: the base of the notebook cover and the page
// thumbnail. It handles its own touches: a press held still for half a second
// (outside edit mode) lifts it, and a lifted cover follows the finger once it
// has moved 10 points; a quick tap opens (or, in edit mode, selects); a finger
// that moves without holding scrolls the shelf. Everything is reported to the
// delegate (the shelf, not owned). Its frame is pos() plus size(); home is the
// resting frame in the grid. index is -1 while the cover waits for reuse.
// Main thread only.
class QNBookCoverView : public QGraphicsObject {
  Q_OBJECT
public:
  static constexpr int kHoldMs = 500;
  static constexpr qreal kAllowableMovement = 5;
  static constexpr qreal kDragStart = 10;

  explicit QNBookCoverView(const QRectF &frame = {}, QGraphicsItem *parent = nullptr);
  ~QNBookCoverView() override;

  CoverViewDelegate *delegate() const { return m_delegate; }
  void setDelegate(CoverViewDelegate *delegate) { m_delegate = delegate; }
  int index() const { return m_index; }
  void setIndex(int index) { m_index = index; }
  QString identifier() const { return m_identifier; }
  void setIdentifier(const QString &identifier) { m_identifier = identifier; }
  QRectF home() const { return m_home; }
  void setHome(const QRectF &home) { m_home = home; }
  QRectF frame() const { return QRectF(pos(), m_size); }
  void setFrame(const QRectF &frame);
  QSizeF size() const { return m_size; }
  QPointF touchLocation() const { return m_touchLocation; }
  QGraphicsPixmapItem *maskView() const { return m_maskView; }
  bool isHold() const { return m_hold; }
  bool isSelected() const { return m_selected; }
  bool isDragging() const { return m_dragging; }
  // Whether a long press lifts the cover (lists that never reorder say false).
  void setHoldable(bool holdable) { m_holdable = holdable; }

  void select(bool selected);
  virtual void setIsEditing(bool editing);
  bool isEditing() const;
  void setIsHold(bool hold);
  void longPressed();
  // Animates back to home, 0.0015 s per point of distance.
  void goHome();
  void moveByOffset(const QPointF &offset);

  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
  void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
  void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
  void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
  void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;
  bool sceneEvent(QEvent *event) override;
  // The cover's own content; the base draws nothing.
  virtual void paintCover(QPainter *painter);
  virtual void sizeChanged() {}

private:
  void touchCancelled();
  void endDragging();

  CoverViewDelegate *m_delegate = nullptr;
  int m_index = -1;
  QString m_identifier;
  QRectF m_home;
  QSizeF m_size;
  bool m_editing = false;
  bool m_selected = false;
  bool m_hold = false;
  bool m_holdable = true;
  bool m_dragging = false;
  bool m_tracking = false;
  bool m_panning = false;
  int m_tapCount = 0;
  QPointF m_touchLocation;
  QPointF m_pressScenePos;
  QTimer m_holdTimer;
  QGraphicsPixmapItem *m_maskView = nullptr;
  QPointer<QPropertyAnimation> m_homeAnimation;
  QPointer<QPropertyAnimation> m_holdAnimation;
};
