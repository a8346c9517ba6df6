#include "ImageHelpers.h"

#include "DiagnosticLog.h"
#include "FolderPaths.h"

#include <QFileInfo>
#include <QImage>
#include <QMutex>
#include <QPainter>
#include <QPixmap>
#include <QSet>
#include <QSvgRenderer>

#include <algorithm>

QImage scaleImageToSize(const QImage &image, qreal longestSide) {
  if (longestSide <= 0)
    return {};
  if (image.isNull())
    return image;
  const qreal scale = image.devicePixelRatio();
  const qreal width = image.width() / scale;
  const qreal height = image.height() / scale;
  const qreal f = std::min(longestSide / width, longestSide / height);
  if (f >= 1)
    return image;
  const QSize pixels(std::max(1, qRound(width * f * scale)), std::max(1, qRound(height * f * scale)));
  QImage scaled(pixels, QImage::Format_ARGB32_Premultiplied);
  scaled.fill(Qt::transparent);
  {
    QPainter painter(&scaled);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(pixels)), image);
  }
  scaled.setDevicePixelRatio(scale);
  return scaled;
}

namespace {
// A picture of the artwork folder, or of the resource folder's top level where
// older pictures lie: "<name>.svg" drawn at scale 2, else "<name>@2x.png"
// (scale 2), else "<name>.png", else the file itself when name has a suffix.
QImage loadArtwork(const QString &folder, const QString &name) {
  const QString svg = resourcePathWithName(folder + name + QStringLiteral(".svg"));
  if (QFileInfo::exists(svg)) {
    QSvgRenderer renderer(svg);
    if (renderer.isValid()) {
      QImage image(renderer.defaultSize() * 2, QImage::Format_ARGB32_Premultiplied);
      image.fill(Qt::transparent);
      QPainter painter(&image);
      renderer.render(&painter);
      painter.end();
      image.setDevicePixelRatio(2);
      return image;
    }
  }
  const QString retina = resourcePathWithName(folder + name + QStringLiteral("@2x.png"));
  if (QFileInfo::exists(retina)) {
    QImage image(retina);
    image.setDevicePixelRatio(2);
    return image;
  }
  for (const QString &path : {resourcePathWithName(folder + name + QStringLiteral(".png")),
                              resourcePathWithName(folder + name)}) {
    if (QFileInfo(path).isFile())
      return QImage(path);
  }
  return {};
}
} // namespace

QImage artworkImageIfPresent(const QString &name) {
  if (name.isEmpty())
    return {};
  for (const QString &folder : {QStringLiteral("artwork/"), QString()}) {
    QImage image = loadArtwork(folder, name);
    if (!image.isNull())
      return image;
  }
  return {};
}

QImage artworkImage(const QString &name) {
  QImage image = artworkImageIfPresent(name);
  if (!image.isNull() || name.isEmpty())
    return image;
  static QMutex mutex;
  static QSet<QString> reported;
  QMutexLocker lock(&mutex);
  if (!reported.contains(name)) {
    reported.insert(name);
    QUILL_LOG_ERROR("artwork: missing", "file", 0, name);
  }
  return {};
}

QPixmap transparentPixmap(const QSizeF &points) {
  QPixmap pixmap((points * 2).toSize());
  pixmap.setDevicePixelRatio(2);
  pixmap.fill(Qt::transparent);
  return pixmap;
}
