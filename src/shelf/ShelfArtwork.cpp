#include "ShelfArtwork.h"

#include "common/ImageHelpers.h"
#include "shell/ShellArtwork.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace {
constexpr qreal kScale = 2;

QImage canvas(const QSizeF &size) {
  QImage image((size * kScale).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QPixmap finished(const QImage &image) {
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(kScale);
  return pixmap;
}

void paintPlank(QPainter &painter, qreal width, qreal top) {
  // The shadow the plank throws on the wall below it.
  QLinearGradient shadow(0, top + 26, 0, top + 46);
  shadow.setColorAt(0, QColor(40, 24, 10, 110));
  shadow.setColorAt(1, QColor(40, 24, 10, 0));
  painter.fillRect(QRectF(0, top + 26, width, 20), shadow);
  // The top surface, seen slightly from above, and the front edge.
  QLinearGradient surface(0, top, 0, top + 10);
  surface.setColorAt(0, QColor(196, 150, 102));
  surface.setColorAt(1, QColor(171, 122, 76));
  painter.fillRect(QRectF(0, top, width, 10), surface);
  QLinearGradient front(0, top + 10, 0, top + 26);
  front.setColorAt(0, QColor(146, 96, 55));
  front.setColorAt(0.55, QColor(124, 79, 43));
  front.setColorAt(1, QColor(96, 59, 30));
  painter.fillRect(QRectF(0, top + 10, width, 16), front);
  painter.fillRect(QRectF(0, top + 10, width, 1), QColor(230, 196, 150, 150));
  // A few long grain lines along the front edge, the same on every row.
  QRandomGenerator grain(7);
  painter.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < 14; ++i) {
    const qreal y = top + 12 + grain.bounded(12.0);
    const qreal x = grain.bounded(width);
    const qreal length = 80 + grain.bounded(220.0);
    painter.setPen(QPen(QColor(70, 40, 18, 40 + grain.bounded(40)), 0.8));
    QPainterPath line;
    line.moveTo(x, y);
    line.cubicTo(x + length / 3, y - 1.2, x + 2 * length / 3, y + 1.2, x + length, y);
    painter.drawPath(line);
  }
}
} // namespace

QPixmap ShelfArtwork::shelfRow(qreal width, qreal height, qreal plankTop) {
  static QHash<QString, QPixmap> rows;
  const QString key = QStringLiteral("%1x%2@%3").arg(width).arg(height).arg(plankTop);
  auto it = rows.find(key);
  if (it != rows.end())
    return *it;
  QImage image = canvas(QSizeF(width, height));
  QPainter painter(&image);
  painter.scale(kScale, kScale);
  paintPlank(painter, width, plankTop);
  painter.end();
  return *rows.insert(key, finished(image));
}

QBrush ShelfArtwork::backdrop() {
  static const QBrush brush = [] {
    QImage tile = artworkImage(QStringLiteral("artwork/bookshelf_bg.jpg"));
    if (tile.isNull())
      return QBrush(QColor(226, 218, 204));
    return QBrush(tile);
  }();
  return brush;
}

QPixmap ShelfArtwork::icon(const QString &name) {
  return ShellArtwork::picture(name, ShellArtwork::naturalSize(name));
}

QPixmap ShelfArtwork::plate(const QSizeF &size, const QColor &fill, const QColor &border, qreal radius) {
  QImage image = canvas(size);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(kScale, kScale);
  painter.setPen(QPen(border, 1));
  painter.setBrush(fill);
  painter.drawRoundedRect(QRectF(QPointF(), size).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  painter.end();
  return finished(image);
}

QPixmap ShelfArtwork::plainCover(const QSizeF &size) {
  static QHash<QString, QPixmap> covers;
  const QString key = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
  auto it = covers.find(key);
  if (it != covers.end())
    return *it;
  QImage image = canvas(size);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(kScale, kScale);
  QLinearGradient leather(0, 0, size.width(), size.height());
  leather.setColorAt(0, QColor(150, 52, 44));
  leather.setColorAt(1, QColor(112, 34, 30));
  painter.setPen(Qt::NoPen);
  painter.setBrush(leather);
  painter.drawRoundedRect(QRectF(QPointF(), size), 6, 6);
  painter.fillRect(QRectF(0, 0, 16, size.height()), QColor(0, 0, 0, 50));
  painter.end();
  return *covers.insert(key, finished(image));
}
