#pragma once

#include <QGraphicsObject>
#include <QImage>

// The page's bottom layer: its picture repeated unscaled across and down from
// the top-left corner (the last row and column may be cut off). Without a
// picture it draws nothing.
class NoteBackgroundView : public QGraphicsObject {
  Q_OBJECT
public:
  explicit NoteBackgroundView(const QSizeF &size, QGraphicsItem *parent = nullptr);

  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
  void setSize(const QSizeF &size);

  QImage image() const { return m_image; }
  // Redraws only when it is another picture.
  void setImage(const QImage &image);

private:
  QSizeF m_size;
  QImage m_image;
  QPixmap m_tile;
};
