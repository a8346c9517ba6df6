#pragma once

#include <QColor>
#include <QGraphicsObject>

// A progress ring: a full circle in the outer colour (outer width), over it a
// circle in the empty colour (inner width), and over that an arc in the inner
// colour with round caps, clockwise from nine o'clock, progress × 360 degrees
// long. progress stays within 0...1. The item is a square of side
// 2 × radius + outer width; changing the radius or the outer width resizes it
// about its centre.
class QNCircleProgressView : public QGraphicsObject {
  Q_OBJECT
public:
  // Outer width 15, inner width 5.
  explicit QNCircleProgressView(qreal radius, QGraphicsItem *parent = nullptr);
  // A ring filling frame (in the parent's coordinates); white on black over grey.
  explicit QNCircleProgressView(const QRectF &frame, QGraphicsItem *parent = nullptr);

  qreal progress() const { return m_progress; }
  void setProgress(qreal progress);
  qreal radius() const { return m_radius; }
  void setRadius(qreal radius);
  qreal innerWidth() const { return m_innerWidth; }
  void setInnerWidth(qreal width);
  qreal outerWidth() const { return m_outerWidth; }
  void setOuterWidth(qreal width);
  void setInnerColor(const QColor &color);
  void setOuterColor(const QColor &color);
  void setEmptyColor(const QColor &color);
  QColor innerColor() const { return m_innerColor; }
  QColor outerColor() const { return m_outerColor; }
  QColor emptyColor() const { return m_emptyColor; }

  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
  qreal side() const { return 2 * m_radius + m_outerWidth; }
  void resizeKeepingCentre(qreal radius, qreal outerWidth);

  qreal m_progress = 0;
  qreal m_radius = 0;
  qreal m_innerWidth = 5;
  qreal m_outerWidth = 15;
  QColor m_innerColor = Qt::white;
  QColor m_outerColor = Qt::black;
  QColor m_emptyColor = Qt::gray;
};
