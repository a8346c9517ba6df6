#pragma once

#include <QColor>
#include <QList>
#include <QPointF>

class QPainter;
class QPainterPath;

// Hand-drawn ink for the tutorial's sketches: smooth curves through a few
// points, drawn as the app's tools draw them (round caps and joins; the pen
// thinner where the hand moves fast, the marker wide and translucent).
class InkPainter {
public:
  explicit InkPainter(QPainter &painter) : p(painter) {}

  // A smooth curve through every point (Catmull-Rom as cubic pieces).
  static QPainterPath smoothPath(const QList<QPointF> &points);

  // A pen stroke whose width swells from thin at both ends to width.
  void pen(const QList<QPointF> &points, const QColor &color, double width);
  // A marker stroke: one even translucent band, never darker where it crosses itself.
  void marker(const QList<QPointF> &points, const QColor &color, double width);
  // A pen stroke ending in an open arrow head at its last point.
  void arrow(const QList<QPointF> &points, const QColor &color, double width);
  // A loose ring drawn by hand around rect's centre, overshooting its start.
  void ring(const QPointF &centre, double rx, double ry, const QColor &color, double width);

private:
  QPainter &p;
};
