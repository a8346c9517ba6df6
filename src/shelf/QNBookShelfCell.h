#pragma once

#include <QGraphicsObject>
#include <QPixmap>

// The background picture of one shelf row, stretched over the row's frame
// (pos() plus size()). Made by a shelf's data source, owned by the shelf.
class QNBookShelfCell : public QGraphicsObject {
  Q_OBJECT
public:
  explicit QNBookShelfCell(QGraphicsItem *parent = nullptr);

  QPixmap backgroundImage() const { return m_background; }
  void setBackgroundImage(const QPixmap &image);
  QString identifier() const { return m_identifier; }
  void setIdentifier(const QString &identifier) { m_identifier = identifier; }
  int index() const { return m_index; }
  void setIndex(int index) { m_index = index; }
  QRectF frame() const { return QRectF(pos(), m_size); }
  void setFrame(const QRectF &frame);

  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
  QPixmap m_background;
  QString m_identifier;
  int m_index = -1;
  QSizeF m_size;
};
