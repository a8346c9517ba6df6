#pragma once

#include <QGraphicsObject>

// The page's widget layer: a transparent rect that clips its widgets to
// itself and takes no input of its own.
class WidgetContainerView : public QGraphicsObject {
  Q_OBJECT
public:
  explicit WidgetContainerView(const QSizeF &size, QGraphicsItem *parent = nullptr);

  QRectF boundingRect() const override;
  void paint(QPainter *, const QStyleOptionGraphicsItem *, QWidget *) override {}
  void setSize(const QSizeF &size);

private:
  QSizeF m_size;
};
