#pragma once

#include <QGraphicsObject>

// The overlay of the active photo: a thin frame, the two corner arrows from
// which one finger scales the photo and, when there is room, the rotation hint
// in the middle. Covers its photo, takes no input, hidden until the photo is
// active; item data 0 holds its tag, 100.
class PhotoTipView : public QGraphicsObject {
  Q_OBJECT
public:
  static constexpr int kTag = 100;

  explicit PhotoTipView(const QSizeF &size, QGraphicsItem *parent = nullptr);

  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
  void setSize(const QSizeF &size);

private:
  QSizeF m_size;
};
