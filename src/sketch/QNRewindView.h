#pragma once

#include <QColor>
#include <QGraphicsObject>

class QGraphicsPixmapItem;

// The clock-face dial shown while the rewind gesture runs: up to 20 dots for
// the page's steps, an hour hand that makes one turn over all steps, a minute
// hand that makes one turn per step, and the sectors still to rewind.
// progress always lies within 0 … rewindStep. Takes no input.
class QNRewindView : public QGraphicsObject {
  Q_OBJECT
public:
  explicit QNRewindView(const QRectF &frame = QRectF(0, 0, 260, 260),
                        QGraphicsItem *parent = nullptr);

  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

  uint rewindStep() const { return m_rewindStep; }
  void setRewindStep(uint steps);
  float progress() const { return m_progress; }
  void setProgress(float progress);
  QColor emptyColor() const { return m_emptyColor; }
  void setEmptyColor(const QColor &color);
  QColor fillColor() const { return m_fillColor; }
  void setFillColor(const QColor &color);

private:
  void turnHands();

  QSizeF m_size;
  uint m_rewindStep = 0;
  float m_progress = 0;
  QColor m_emptyColor{0, 0, 0, 128};
  QColor m_fillColor{0, 0, 0, 128};
  QGraphicsPixmapItem *m_hourHand;
  QGraphicsPixmapItem *m_minuteHand;
};
