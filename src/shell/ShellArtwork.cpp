#include "ShellArtwork.h"

#include "common/FolderPaths.h"

#include <QHash>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <memory>

namespace {
// One renderer per name, kept for the run (a missing file keeps an invalid one,
// so it is looked for once).
QSvgRenderer &rendererFor(const QString &name) {
  static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
  auto &renderer = renderers[name];
  if (!renderer) {
    renderer = std::make_shared<QSvgRenderer>();
    if (isPlainFileName(name))
      renderer->load(resourcePathWithName(QStringLiteral("artwork/%1.svg").arg(name)));
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

QPixmap ShellArtwork::pictureOrPlate(const QString &name, const QSizeF &fallbackSize) {
  const QSizeF natural = naturalSize(name);
  if (!natural.isEmpty())
    return picture(name, natural);
  constexpr qreal ratio = 2;
  QImage image((fallbackSize * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(ratio, ratio);
  painter.setPen(QPen(QColor(255, 255, 255, 160), 1));
  painter.setBrush(QColor(70, 80, 92, 200));
  painter.drawRoundedRect(QRectF(QPointF(), fallbackSize).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
  painter.end();
  QPixmap plate = QPixmap::fromImage(image);
  plate.setDevicePixelRatio(ratio);
  return plate;
}
