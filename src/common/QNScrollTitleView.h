#pragma once

#include <QColor>
#include <QFont>
#include <QGraphicsObject>

class QVariantAnimation;

// A one-line title in a box that clips it. The label is as wide as the text
// (at least as wide as the box) and centred in the box. While animating, a
// label wider than the box scrolls linearly to its right end and back,
// without end, taking 0.1 s per point of overhang (at least 0.2 s) for the
// round trip; a label that fits does not move.
class QNScrollTitleView : public QGraphicsObject {
  Q_OBJECT
public:
  explicit QNScrollTitleView(const QRectF &frame, QGraphicsItem *parent = nullptr);

  void setTitle(const QString &title);
  QString title() const { return m_title; }
  void setFont(const QFont &font);
  void setTextColor(const QColor &color);
  void startAnimating();
  void stopAnimating();
  bool isAnimating() const { return m_animating; }
  // Whether the label is moving now.
  bool isScrolling() const;
  // The label's rectangle in the view's coordinates.
  QRectF labelRect() const;
  // The length of one scroll there and back, in milliseconds (0 when not scrolling).
  int scrollDuration() const;

  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
  void measure();
  void setLabelCentreX(qreal x);

  QSizeF m_size;
  QString m_title;
  QFont m_font;
  QColor m_textColor = Qt::black;
  qreal m_labelWidth = 0;
  qreal m_labelCentreX = 0;
  bool m_animating = false;
  QVariantAnimation *m_scroll;
};
