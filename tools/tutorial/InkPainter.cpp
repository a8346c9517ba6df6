#include "InkPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

QPainterPath InkPainter::smoothPath(const QList<QPointF> &points) {
  QPainterPath path;
  if (points.isEmpty())
    return path;
  path.moveTo(points.first());
  for (int i = 0; i + 1 < points.size(); ++i) {
    const QPointF p0 = points.at(qMax(i - 1, 0));
    const QPointF p1 = points.at(i);
    const QPointF p2 = points.at(i + 1);
    const QPointF p3 = points.at(qMin(i + 2, int(points.size()) - 1));
    path.cubicTo(p1 + (p2 - p0) / 6, p2 - (p3 - p1) / 6, p2);
  }
  return path;
}

void InkPainter::pen(const QList<QPointF> &points, const QColor &color, double width) {
  const QPainterPath path = smoothPath(points);
  const double length = path.length();
  if (length <= 0)
    return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  // Short overlapping pieces, each with its own width; the round caps make
  // the joins invisible, as in the pen tool's own pieces.
  const int pieces = qMax(2, int(length / 2));
  QPointF previous = path.pointAtPercent(0);
  for (int k = 1; k <= pieces; ++k) {
    const double t = double(k) / pieces;
    const QPointF point = path.pointAtPercent(path.percentAtLength(t * length));
    const double swell = qSin(M_PI * qBound(0.0, t, 1.0));
    p.setPen(QPen(color, width * (0.45 + 0.55 * qSqrt(swell)), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.drawLine(previous, point);
    previous = point;
  }
  p.restore();
}

void InkPainter::marker(const QList<QPointF> &points, const QColor &color, double width) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(smoothPath(points)); // one outline: no double alpha where it overlaps
  p.restore();
}

void InkPainter::arrow(const QList<QPointF> &points, const QColor &color, double width) {
  if (points.size() < 2)
    return;
  pen(points, color, width);
  const QPointF tip = points.last();
  const QPointF from = smoothPath(points).pointAtPercent(0.93);
  const double angle = qAtan2(tip.y() - from.y(), tip.x() - from.x());
  const double head = 7 + width * 3;
  for (const double side : {0.5, -0.5}) {
    const QPointF end = tip - QPointF(qCos(angle + side), qSin(angle + side)) * head;
    pen({tip, (tip + end) / 2 + QPointF(0.6, 0.6), end}, color, width);
  }
}

void InkPainter::ring(const QPointF &centre, double rx, double ry, const QColor &color,
                      double width) {
  QList<QPointF> points;
  // A little more than one turn, the radius drifting as a hand's does.
  for (int k = 0; k <= 26; ++k) {
    const double a = -2.3 + k * (2 * M_PI * 1.08) / 26;
    const double drift = 1 + 0.05 * qSin(k * 0.9);
    points << centre + QPointF(qCos(a) * rx * drift, qSin(a) * ry * drift);
  }
  pen(points, color, width);
}
