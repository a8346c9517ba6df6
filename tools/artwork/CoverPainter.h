#pragma once

#include <QColor>
#include <QSizeF>
#include <QString>

class QPainter;
class QPainterPath;
class QPointF;

// The look of one cover: cloth colour, thread colour and the embossed emblem.
struct CoverStyle {
  enum class Emblem { Quill, Lines, Grid, Dots, Stamp, Polka, Calendar, Cornell, Notes };
  QColor cloth;
  QColor thread = QColor(0xf3, 0xe6, 0xc8);
  Emblem emblem = Emblem::Quill;
  QString caption; // small capitals under the emblem, may be empty
};

// Paints a hard notebook cover with a spine on the left, stitched edges and an
// embossed emblem in its upper half; the lower half stays calm because the
// shelf lays its name plate there. Drawn in points on coverSize().
class CoverPainter {
public:
  static QSizeF coverSize() { return {314, 390}; }

  static void paint(QPainter &painter, const CoverStyle &style);

private:
  static QPainterPath emblemPath(CoverStyle::Emblem emblem, const QPointF &centre);
  static QPainterPath quillPath(const QPointF &centre);
  static void paintPolka(QPainter &painter, const QPainterPath &cover, const QColor &cloth);
};
