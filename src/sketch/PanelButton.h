#pragma once

#include <QColor>
#include <QGraphicsObject>
#include <QPixmap>

// A tappable rect of a settings panel: a background colour or a pair of
// pictures (normal, highlighted while pressed), an optional title, and child
// items on top. clicked is emitted on release inside, after a press inside.
class PanelButton : public QGraphicsObject {
  Q_OBJECT
public:
  explicit PanelButton(const QRectF &frame, QGraphicsItem *parent = nullptr);

  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
  void setSize(const QSizeF &size);

  void setBackgroundColor(const QColor &color);
  QColor backgroundColor() const { return m_color; }
  void setBackgroundPictures(const QPixmap &normal, const QPixmap &highlighted);
  void setTitle(const QString &title);
  bool isChosen() const { return m_chosen; }
  void setChosen(bool chosen) { m_chosen = chosen; }
  int tag() const { return m_tag; }
  void setTag(int tag) { m_tag = tag; }

Q_SIGNALS:
  void clicked(PanelButton *sender);

protected:
  void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
  void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
  QSizeF m_size;
  QColor m_color;
  QPixmap m_normal;
  QPixmap m_highlighted;
  QString m_title;
  bool m_pressed = false;
  bool m_chosen = false;
  int m_tag = 0;
};
