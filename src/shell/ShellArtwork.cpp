#include "ShellArtwork.h"

#include "common/FolderPaths.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <cmath>
#include <memory>

namespace {
// One renderer per name, kept for the run (a missing file keeps an invalid one,
// so it is looked for once).
QSvgRenderer &rendererFor(const QString &name) {
  static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
  auto &renderer = renderers[name];
  if (!renderer) {
    renderer = std::make_shared<QSvgRenderer>();
    const QString path = resourcePathWithName(QStringLiteral("artwork/%1.svg").arg(name));
    if (isPlainFileName(name) && QFileInfo::exists(path))
      renderer->load(path);
    renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
  }
  return *renderer;
}
} // namespace

QSizeF ShellArtwork::naturalSize(const QString &name) {
  QSvgRenderer &renderer = rendererFor(name);
  return renderer.isValid() ? QSizeF(renderer.defaultSize()) : QSizeF();
}

QPixmap ShellArtwork::picture(const QString &name, const QSizeF &size, qreal devicePixelRatio) {
  QSvgRenderer &renderer = rendererFor(name);
  const QSize pixels = (size * devicePixelRatio).toSize();
  if (!renderer.isValid() || pixels.isEmpty())
    return {};
  const QString key =
      QStringLiteral("shell-artwork:%1:%2x%3").arg(name).arg(pixels.width()).arg(pixels.height());
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap))
    return pixmap;
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(QPointF(), QSizeF(pixels)));
  painter.end();
  pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  QPixmapCache::insert(key, pixmap);
  return pixmap;
}

QColor ShellArtwork::barInk() {
  return QColor(0x3a, 0x3f, 0x47);
}

namespace {
constexpr qreal kPlateRatio = 2;

QImage blankImage(const QSizeF &size) {
  QImage image((size * kPlateRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(kPlateRatio);
  image.fill(Qt::transparent);
  return image;
}

void paintPlate(QPainter &painter, const QString &name, const QSizeF &size) {
  const QPixmap picture = ShellArtwork::picture(name, size, kPlateRatio);
  if (!picture.isNull()) {
    painter.drawPixmap(QPointF(), picture);
    return;
  }
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0xc9, 0xcc, 0xd1), 1));
  painter.setBrush(QColor(0xfb, 0xfa, 0xf7));
  painter.drawRoundedRect(QRectF(QPointF(), size).adjusted(1, 1, -1, -1), 8, 8);
}
} // namespace

QPixmap ShellArtwork::pictureOrPlate(const QString &name, const QSizeF &fallbackSize) {
  const QSizeF natural = naturalSize(name);
  if (!natural.isEmpty())
    return picture(name, natural);
  QImage image = blankImage(fallbackSize);
  QPainter painter(&image);
  paintPlate(painter, name, fallbackSize);
  painter.end();
  return QPixmap::fromImage(image);
}

QPixmap ShellArtwork::titledPlate(const QString &name, const QString &title,
                                  const QSizeF &fallbackSize, qreal leftInset) {
  QFont font;
  font.setPixelSize(13);
  font.setBold(true);
  const qreal textWidth = QFontMetricsF(font).horizontalAdvance(title);
  QSizeF size = naturalSize(name).isEmpty() ? fallbackSize : naturalSize(name);
  size.setWidth(qMax(size.width(), std::ceil(textWidth + leftInset + 10)));
  QImage image = blankImage(size);
  QPainter painter(&image);
  paintPlate(painter, name, size);
  painter.setFont(font);
  painter.setPen(barInk());
  painter.drawText(QRectF(leftInset, 0, size.width() - leftInset - 4, size.height() - 1),
                   Qt::AlignCenter | Qt::TextSingleLine, title);
  painter.end();
  return QPixmap::fromImage(image);
}
