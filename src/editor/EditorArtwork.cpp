#include "EditorArtwork.h"

#include "common/FolderPaths.h"
#include "common/ImageHelpers.h"

#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {
// The shipped picture drawn at points, or null when there is none.
QPixmap shipped(const QString &name, const QSizeF &points) {
  const QImage image = artworkImageIfPresent(name);
  if (image.isNull())
    return {};
  QPixmap pixmap = transparentPixmap(points);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRectF(QPointF(), points), image);
  return pixmap;
}

// A corner arrow pointing to the top-left (flipped for the bottom-right one).
QPixmap cornerArrow(bool bottomRight) {
  QPixmap pixmap = transparentPixmap(QSizeF(20, 20));
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  if (bottomRight)
    painter.translate(20, 20), painter.rotate(180);
  QPainterPath arrow;
  arrow.moveTo(3, 3);
  arrow.lineTo(13, 3);
  arrow.lineTo(3, 13);
  arrow.closeSubpath();
  painter.fillPath(arrow, QColor(240, 140, 40));
  painter.setPen(QPen(QColor(240, 140, 40), 2, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(6, 6), QPointF(15, 15));
  return pixmap;
}

QPixmap boxFrame() {
  QPixmap pixmap = transparentPixmap(QSizeF(20, 20));
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(240, 140, 40, 200), 1));
  painter.setBrush(QColor(255, 255, 255, 90));
  painter.drawRoundedRect(QRectF(0.5, 0.5, 19, 19), 4, 4);
  return pixmap;
}

QPixmap deleteBadge(bool pressed) {
  QPixmap pixmap = transparentPixmap(QSizeF(30, 30));
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::white, 2));
  painter.setBrush(pressed ? QColor(160, 30, 30) : QColor(210, 50, 50));
  painter.drawEllipse(QRectF(4, 4, 22, 22));
  painter.drawLine(QPointF(11, 11), QPointF(19, 19));
  painter.drawLine(QPointF(19, 11), QPointF(11, 19));
  return pixmap;
}

QPixmap rotationHint() {
  QPixmap pixmap = transparentPixmap(QSizeF(40, 40));
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(255, 208, 189), 2, Qt::SolidLine, Qt::RoundCap));
  painter.drawArc(QRectF(8, 8, 24, 24), 30 * 16, 300 * 16);
  return pixmap;
}

QPixmap make(const QString &name) {
  if (name == QLatin1String("text_delete_btn") || name == QLatin1String("text_delete_btns")) {
    const QPixmap svg = shipped(name, QSizeF(30, 30));
    return svg.isNull() ? deleteBadge(name.endsWith(QLatin1Char('s'))) : svg;
  }
  if (name == QLatin1String("scaling_left_arrow"))
    return cornerArrow(false);
  if (name == QLatin1String("scaling_right_arrow"))
    return cornerArrow(true);
  if (name == QLatin1String("widget_box_bg"))
    return boxFrame();
  if (name == QLatin1String("around"))
    return rotationHint();
  return shipped(name, QSizeF(32, 32));
}
} // namespace

QPixmap EditorArtwork::picture(const QString &name) {
  static QHash<QString, QPixmap> cache;
  const auto found = cache.constFind(name);
  if (found != cache.constEnd())
    return *found;
  return cache.insert(name, make(name)).value();
}

QImage EditorArtwork::defaultBackground() {
  for (const char *name : {"template_1.jpg", "template/bg_plain.jpg"}) {
    const QString path = resourcePathWithName(QLatin1String(name));
    if (QFileInfo(path).isFile())
      return QImage(path);
  }
  return {};
}
