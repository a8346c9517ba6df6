#pragma once

#include <QGraphicsObject>
#include <QPixmap>

// A push button of the scene: a normal picture, a highlighted one shown while
// it is pressed, and an optional title drawn over them. clicked is emitted on
// a release over the button after a press on it; the press grabs the mouse,
// so no other item gets that touch. The focus flag (dynamic property
// "com.quill.uibutton.focused", false until set) marks a chosen tool: setting
// a different value swaps the two pictures. The size is the normal picture's
// size in points unless set.
class QNButton : public QGraphicsObject {
  Q_OBJECT
public:
  explicit QNButton(const QPixmap &normal = QPixmap(), const QPixmap &highlighted = QPixmap(),
                    QGraphicsItem *parent = nullptr);

  void setPictures(const QPixmap &normal, const QPixmap &highlighted);
  QPixmap normalPicture() const { return m_normal; }
  QPixmap highlightedPicture() const { return m_highlighted; }
  void setTitle(const QString &title);
  QString title() const { return m_title; }
  void setSize(const QSizeF &size);
  QSizeF size() const;
  // Places the button so that its centre lies at point in its parent.
  void setCenter(const QPointF &point);

  bool isHighlighted() const { return m_pressed && m_inside; }
  bool focused() const;
  void setFocused(bool focused);

  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

Q_SIGNALS:
  void clicked();

protected:
  void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
  void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
  void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
  bool sceneEvent(QEvent *event) override;

private:
  QPixmap m_normal;
  QPixmap m_highlighted;
  QString m_title;
  QSizeF m_size;
  bool m_pressed = false;
  bool m_inside = false;
};
