#pragma once

#include <QBrush>
#include <QGraphicsWidget>

// A plain view of the bars and containers: fills its rect with a brush (a
// gradient brush in object-bounding mode spans the view), then draws a named
// picture of ShellArtwork stretched over it. With neither it draws nothing.
class QNPictureView : public QGraphicsWidget {
  Q_OBJECT
public:
  explicit QNPictureView(QGraphicsItem *parent = nullptr);

  QBrush brush() const { return m_brush; }
  void setBrush(const QBrush &brush);
  QString pictureName() const { return m_picture; }
  void setPictureName(const QString &name);
  // Whether the named picture exists (false with no name).
  bool hasPicture() const;

  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
  QBrush m_brush;
  QString m_picture;
};
