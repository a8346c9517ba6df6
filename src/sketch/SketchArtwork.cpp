#include "SketchArtwork.h"

#include "common/ImageHelpers.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

namespace {

QPixmap hand(qreal length, qreal width, const QColor &color) {
  QPixmap pixmap = transparentPixmap(QSizeF(width + 4, 2 * length + 4));
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal cx = (width + 4) / 2, cy = length + 2;
  QPainterPath shape;
  shape.moveTo(cx - width / 2, cy + 8);
  shape.lineTo(cx - width / 4, cy - length);
  shape.lineTo(cx + width / 4, cy - length);
  shape.lineTo(cx + width / 2, cy + 8);
  shape.closeSubpath();
  painter.fillPath(shape, color);
  painter.setBrush(color);
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(QPointF(cx, cy), width * 0.7, width * 0.7);
  return pixmap;
}

QPixmap sizeButton(bool selected) {
  QPixmap pixmap = transparentPixmap(QSizeF(40, 40));
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(selected ? QColor(240, 140, 40) : QColor(200, 200, 200), selected ? 2 : 1));
  painter.setBrush(selected ? QColor(255, 244, 228) : QColor(250, 250, 250));
  painter.drawRoundedRect(QRectF(1.5, 1.5, 37, 37), 6, 6);
  return pixmap;
}

QPixmap cleanButton(bool pressed) {
  QPixmap pixmap = transparentPixmap(QSizeF(380, 40));
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(190, 190, 190), 1));
  painter.setBrush(pressed ? QColor(220, 220, 220) : QColor(246, 246, 246));
  painter.drawRoundedRect(QRectF(0.5, 0.5, 379, 39), 8, 8);
  return pixmap;
}

QPixmap drawn(const QString &name) {
  if (name == QLatin1String("hour_hand"))
    return hand(70, 8, QColor(255, 255, 255, 235));
  if (name == QLatin1String("minute_hand"))
    return hand(96, 5, QColor(255, 190, 90, 240));
  if (name == QLatin1String("size_btn") || name == QLatin1String("size_btns"))
    return sizeButton(name.endsWith('s'));
  if (name == QLatin1String("clean_btn") || name == QLatin1String("clean_btns"))
    return cleanButton(name.endsWith('s'));
  if (name == QLatin1String("popover_line")) {
    QPixmap pixmap = transparentPixmap(QSizeF(380, 2));
    QPainter painter(&pixmap);
    painter.fillRect(QRectF(0, 0, 380, 1), QColor(200, 200, 200));
    painter.fillRect(QRectF(0, 1, 380, 1), QColor(255, 255, 255));
    return pixmap;
  }
  if (name == QLatin1String("settings_preview_bg")) {
    QPixmap pixmap = transparentPixmap(QSizeF(10, 10));
    QPainter painter(&pixmap);
    painter.fillRect(QRectF(0, 0, 10, 10), QColor(255, 255, 255));
    painter.fillRect(QRectF(0, 0, 5, 5), QColor(236, 236, 236));
    painter.fillRect(QRectF(5, 5, 5, 5), QColor(236, 236, 236));
    return pixmap;
  }
  return {};
}
} // namespace

QPixmap SketchArtwork::picture(const QString &name) {
  static QHash<QString, QPixmap> cache;
  auto found = cache.constFind(name);
  if (found != cache.constEnd())
    return *found;
  const QImage shipped = artworkImageIfPresent(name);
  const QPixmap pixmap = shipped.isNull() ? drawn(name) : QPixmap::fromImage(shipped);
  cache.insert(name, pixmap);
  return pixmap;
}
