#include "CoverPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr qreal kSpine = 30;
constexpr qreal kEmblemY = 118;

QPainterPath coverOutline() {
  const QSizeF size = CoverPainter::coverSize();
  QPainterPath path;
  path.addRoundedRect(QRectF(QPointF(), size), 10, 10);
  return path;
}

QPainterPath roundedSquare(const QPointF &centre, qreal side) {
  QPainterPath path;
  path.addRoundedRect(QRectF(centre - QPointF(side / 2, side / 2), QSizeF(side, side)), 8, 8);
  return path;
}

QPainterPath strokeOf(const QPainterPath &path, qreal width) {
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  return stroker.createStroke(path);
}
} // namespace

void CoverPainter::paint(QPainter &painter, const CoverStyle &style) {
  const QSizeF size = coverSize();
  const QPainterPath cover = coverOutline();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setClipPath(cover);

  QLinearGradient cloth(QPointF(0, 0), QPointF(size.width(), size.height()));
  cloth.setColorAt(0, style.cloth.lighter(112));
  cloth.setColorAt(1, style.cloth.darker(112));
  painter.fillPath(cover, cloth);
  if (style.emblem == CoverStyle::Emblem::Polka)
    paintPolka(painter, cover, style.cloth);

  // Spine: a darker band, the hinge groove and a soft shadow onto the board.
  const QRectF spine(0, 0, kSpine, size.height());
  QLinearGradient spineShade(spine.topLeft(), spine.topRight());
  spineShade.setColorAt(0, style.cloth.darker(150));
  spineShade.setColorAt(0.55, style.cloth.darker(118));
  spineShade.setColorAt(1, style.cloth.darker(135));
  painter.fillRect(spine, spineShade);
  QLinearGradient hinge(QPointF(kSpine, 0), QPointF(kSpine + 10, 0));
  hinge.setColorAt(0, QColor(0, 0, 0, 70));
  hinge.setColorAt(1, QColor(0, 0, 0, 0));
  painter.fillRect(QRectF(kSpine, 0, 10, size.height()), hinge);
  painter.setPen(QPen(style.cloth.lighter(125), 1));
  painter.drawLine(QPointF(kSpine - 1, 0), QPointF(kSpine - 1, size.height()));

  // Stitches along the three free edges of the board.
  QPen stitch(style.thread, 1.4, Qt::CustomDashLine, Qt::RoundCap);
  stitch.setDashPattern({3, 3});
  painter.setPen(stitch);
  painter.setBrush(Qt::NoBrush);
  const QRectF seam(kSpine + 8, 9, size.width() - kSpine - 17, size.height() - 18);
  painter.drawRoundedRect(seam, 5, 5);

  // The emblem, debossed: a dark lower edge and a light upper edge.
  const QPointF centre((kSpine + size.width()) / 2, kEmblemY);
  const QPainterPath emblem = emblemPath(style.emblem, centre);
  if (!emblem.isEmpty()) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawPath(emblem.translated(0, 1.2));
    painter.setBrush(QColor(255, 255, 255, 45));
    painter.drawPath(emblem.translated(0, -0.8));
    QColor face = style.thread;
    face.setAlpha(200);
    painter.setBrush(face);
    painter.drawPath(emblem);
  }
  if (!style.caption.isEmpty()) {
    QFont font("DejaVu Sans", 1);
    font.setPointSizeF(13);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 60));
    const QRectF band(kSpine, kEmblemY + 58, size.width() - kSpine, 24);
    painter.drawText(band.translated(0, 1), Qt::AlignCenter, style.caption);
    painter.setPen(style.thread);
    painter.drawText(band, Qt::AlignCenter, style.caption);
  }
  painter.restore();
}

void CoverPainter::paintPolka(QPainter &painter, const QPainterPath &cover, const QColor &cloth) {
  painter.save();
  painter.setClipPath(cover);
  painter.setPen(Qt::NoPen);
  QColor dot = cloth.lighter(112);
  painter.setBrush(dot);
  const QSizeF size = coverSize();
  for (int row = 0; row * 26 < size.height() + 26; ++row) {
    for (int col = 0; col * 26 < size.width() + 26; ++col) {
      const qreal x = col * 26 + (row % 2 ? 13 : 0);
      painter.drawEllipse(QPointF(x, row * 26), 4.5, 4.5);
    }
  }
  painter.restore();
}

QPainterPath CoverPainter::emblemPath(CoverStyle::Emblem emblem, const QPointF &centre) {
  QPainterPath lines;
  switch (emblem) {
  case CoverStyle::Emblem::Quill:
  case CoverStyle::Emblem::Polka:
    return quillPath(centre);
  case CoverStyle::Emblem::Lines: {
    for (int i = 0; i < 5; ++i) {
      const qreal y = centre.y() - 30 + i * 15;
      lines.moveTo(centre.x() - 38, y);
      lines.lineTo(centre.x() + (i == 4 ? 10 : 38), y);
    }
    return strokeOf(lines, 4) + strokeOf(roundedSquare(centre, 100), 3);
  }
  case CoverStyle::Emblem::Grid: {
    for (int i = 0; i <= 4; ++i) {
      const qreal d = -40 + i * 20;
      lines.moveTo(centre.x() + d, centre.y() - 40);
      lines.lineTo(centre.x() + d, centre.y() + 40);
      lines.moveTo(centre.x() - 40, centre.y() + d);
      lines.lineTo(centre.x() + 40, centre.y() + d);
    }
    return strokeOf(lines, 2.6);
  }
  case CoverStyle::Emblem::Dots: {
    QPainterPath dots;
    for (int r = 0; r < 5; ++r) {
      for (int c = 0; c < 5; ++c)
        dots.addEllipse(centre + QPointF(-40 + c * 20, -40 + r * 20), 4, 4);
    }
    return dots;
  }
  case CoverStyle::Emblem::Stamp: {
    QPainterPath ring;
    ring.addEllipse(centre, 52, 52);
    QPainterPath inner;
    inner.addEllipse(centre, 44, 44);
    return strokeOf(ring, 3) + strokeOf(inner, 1.5) +
           quillPath(centre + QPointF(0, 4)).translated(0, 0);
  }
  case CoverStyle::Emblem::Calendar: {
    const QRectF body(centre - QPointF(40, 32), QSizeF(80, 74));
    QPainterPath outline;
    outline.addRoundedRect(body, 8, 8);
    lines.moveTo(body.left(), body.top() + 20);
    lines.lineTo(body.right(), body.top() + 20);
    lines.moveTo(body.left() + 22, body.top() - 10);
    lines.lineTo(body.left() + 22, body.top() + 6);
    lines.moveTo(body.right() - 22, body.top() - 10);
    lines.lineTo(body.right() - 22, body.top() + 6);
    QPainterPath days;
    for (int r = 0; r < 3; ++r) {
      for (int c = 0; c < 4; ++c)
        days.addRoundedRect(QRectF(body.left() + 10 + c * 16.5, body.top() + 28 + r * 14.5, 9, 8), 2, 2);
    }
    return strokeOf(outline, 3.4) + strokeOf(lines, 3.4) + days;
  }
  case CoverStyle::Emblem::Cornell: {
    const QRectF page(centre - QPointF(36, 46), QSizeF(72, 92));
    QPainterPath outline;
    outline.addRoundedRect(page, 6, 6);
    lines.moveTo(page.left(), page.top() + 16);
    lines.lineTo(page.right(), page.top() + 16);
    lines.moveTo(page.left() + 22, page.top() + 16);
    lines.lineTo(page.left() + 22, page.bottom() - 22);
    lines.moveTo(page.left(), page.bottom() - 22);
    lines.lineTo(page.right(), page.bottom() - 22);
    for (int i = 0; i < 4; ++i) {
      lines.moveTo(page.left() + 30, page.top() + 28 + i * 11);
      lines.lineTo(page.right() - 8, page.top() + 28 + i * 11);
    }
    return strokeOf(outline, 3) + strokeOf(lines, 2.2);
  }
  case CoverStyle::Emblem::Notes: {
    QPainterPath notes;
    notes.addEllipse(QRectF(centre + QPointF(-40, 22), QSizeF(24, 17)));
    notes.addEllipse(QRectF(centre + QPointF(10, 12), QSizeF(24, 17)));
    lines.moveTo(centre + QPointF(-18, 30));
    lines.lineTo(centre + QPointF(-18, -38));
    lines.lineTo(centre + QPointF(32, -48));
    lines.lineTo(centre + QPointF(32, 20));
    QPainterPath beam;
    beam.moveTo(centre + QPointF(-18, -38));
    beam.lineTo(centre + QPointF(32, -48));
    beam.lineTo(centre + QPointF(32, -36));
    beam.lineTo(centre + QPointF(-18, -26));
    beam.closeSubpath();
    return notes + strokeOf(lines, 4) + beam;
  }
  }
  return {};
}

QPainterPath CoverPainter::quillPath(const QPointF &c) {
  // A feather leaning to the right: vane as two curves around the shaft.
  QPainterPath vane;
  vane.moveTo(c + QPointF(-30, 48));
  vane.cubicTo(c + QPointF(-34, 0), c + QPointF(-6, -44), c + QPointF(34, -56));
  vane.cubicTo(c + QPointF(24, -20), c + QPointF(6, 22), c + QPointF(-30, 48));
  vane.closeSubpath();
  QPainterPath shaft;
  shaft.moveTo(c + QPointF(-40, 62));
  shaft.cubicTo(c + QPointF(-22, 20), c + QPointF(2, -22), c + QPointF(30, -52));
  QPainterPath barbs;
  for (int i = 0; i < 4; ++i) {
    const QPointF on = c + QPointF(-18 + i * 11, 24 - i * 16);
    barbs.moveTo(on);
    barbs.lineTo(on + QPointF(10, 4));
  }
  return vane.subtracted(strokeOf(shaft, 3)).subtracted(strokeOf(barbs, 2.2)) +
         strokeOf(shaft, 2.4).subtracted(vane);
}
