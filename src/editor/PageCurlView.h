#pragma once

#include <QGraphicsObject>
#include <QImage>

// The page-turn picture laid over the page for the length of a turn: the
// leaving page lifts from its bottom-right corner and folds away upwards,
// showing its paler back and a shadow on the page beneath (curl up, for the
// next page), or the arriving page comes down over the old one the same way
// backwards (curl down, for the previous page). It paints two snapshots of
// the page, so the real page underneath can already show the arriving one;
// it takes every touch while it runs and deletes itself when done.
class PageCurlView : public QGraphicsObject {
  Q_OBJECT
public:
  // under: the page that stays flat; curling: the page that curls. Both
  // snapshots of the same size (in points) as the page.
  PageCurlView(const QImage &under, const QImage &curling, bool upwards, QGraphicsItem *parent);

  void start(int durationMs);
  // 0: the curling page lies flat over the other; 1: it is gone.
  qreal progress() const { return m_progress; }
  void setProgress(qreal progress);

  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

Q_SIGNALS:
  void finished();

protected:
  void mousePressEvent(QGraphicsSceneMouseEvent *event) override;

private:
  QImage m_under;
  QImage m_curling;
  QSizeF m_size;
  bool m_upwards;
  qreal m_progress = 0;
};
