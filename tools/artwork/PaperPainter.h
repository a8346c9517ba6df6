#pragma once

#include <QColor>
#include <QSizeF>

class QPainter;
class QRectF;

// The look of one paper: its ground colour, its ruling and their colours.
struct PaperStyle {
  enum class Ruling { Plain, Lined, Grid, Dotted, Cornell, Music };
  Ruling ruling = Ruling::Plain;
  QColor paper = QColor(0xfd, 0xfc, 0xf8);
  QColor ink = QColor(0xbf, 0xcf, 0xe2);    // rules, dots, grid lines
  QColor accent = QColor(0xe9, 0xa3, 0xa3); // margin line and headings
  bool margin = false;                      // a vertical margin rule on the left
  bool fibres = false;                      // kraft: mottled ground with fibres
};

// Paints whole pages of paper. Drawing is in points on a page of pageSize
// (757 by 950); the caller's painter sets the pixel scale. The drawing is
// deterministic: the same style always gives the same pixels.
class PaperPainter {
public:
  static QSizeF pageSize() { return {757, 950}; }

  static void paint(QPainter &painter, const PaperStyle &style);

  // The pieces, for pages that compose their own layout (the planner).
  static void paintGround(QPainter &painter, const PaperStyle &style);
  static void paintLines(QPainter &painter, const QColor &color, qreal left, qreal right,
                         qreal top, qreal bottom, qreal spacing);
  static void paintGrid(QPainter &painter, const QColor &color, const QRectF &area, qreal cell);
  static void paintDots(QPainter &painter, const QColor &color, const QRectF &area, qreal cell);

private:
  static void paintFibres(QPainter &painter, const QColor &paper);
  static void paintCornell(QPainter &painter, const PaperStyle &style);
  static void paintMusic(QPainter &painter, const PaperStyle &style);
};
