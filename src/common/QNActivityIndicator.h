#pragma once

#include <QColor>
#include <QGraphicsObject>

class QVariantAnimation;

// The spinning wheel of twelve spokes shown while work runs (37 points wide,
// white, as the large platform spinner). It turns only while animating.
class QNActivityIndicator : public QGraphicsObject {
  Q_OBJECT
public:
  explicit QNActivityIndicator(QGraphicsItem *parent = nullptr);

  void startAnimating();
  void stopAnimating();
  bool isAnimating() const;
  void setColor(const QColor &color);
  // Places the spinner so that its centre lies at point in its parent.
  void setCenter(const QPointF &point);

  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
  QVariantAnimation *m_turn;
  QColor m_color = Qt::white;
  int m_step = 0;
};
