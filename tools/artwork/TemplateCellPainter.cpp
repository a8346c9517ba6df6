#include "TemplateCellPainter.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

void TemplateCellPainter::paint(QPainter &painter, const QImage &paper, const QString &name,
                                bool selected) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRectF card(4, 4, 214, 56);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 28));
  painter.drawRoundedRect(card.translated(0, 1.5), 7, 7);
  painter.setBrush(selected ? QColor(0xfb, 0xef, 0xd6) : QColor(0xff, 0xff, 0xfd));
  painter.setPen(QPen(selected ? QColor(0xd9, 0xa4, 0x41) : QColor(0xdd, 0xd8, 0xcf),
                      selected ? 1.6 : 1));
  painter.drawRoundedRect(card, 7, 7);

  // The paper swatch, with a hair of shadow.
  const QRectF swatch(14, 10, 35, 44);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 40));
  painter.drawRect(swatch.translated(1, 1));
  // A corner of the page, large enough that its ruling shows at this size.
  // Scaled down by area averaging: drawing it scaled would drop thin rules.
  const qreal scale = painter.device()->devicePixelRatioF();
  QImage corner = paper.copy(0, 0, paper.width() * 42 / 100, paper.height() * 42 / 100)
                      .scaled((swatch.size() * scale).toSize(), Qt::IgnoreAspectRatio,
                              Qt::SmoothTransformation);
  corner.setDevicePixelRatio(scale);
  painter.drawImage(swatch.topLeft(), corner);
  painter.setPen(QPen(QColor(0, 0, 0, 50), 0.6));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(swatch);

  QFont font("DejaVu Sans", 1);
  font.setPointSizeF(13.5);
  painter.setFont(font);
  painter.setPen(selected ? QColor(0x5a, 0x3b, 0x12) : QColor(0x44, 0x47, 0x4d));
  painter.drawText(QRectF(62, 4, 130, 56), Qt::AlignLeft | Qt::AlignVCenter, name);

  if (selected) {
    QPainterPath tick;
    tick.moveTo(193, 32);
    tick.lineTo(198.5, 37.5);
    tick.lineTo(208, 26);
    painter.setPen(QPen(QColor(0xc7, 0x8a, 0x22), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
  }
  painter.restore();
}
