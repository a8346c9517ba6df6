#include "ImageHelpers.h"

#include "DiagnosticLog.h"
#include "FolderPaths.h"

#include <QFileInfo>
#include <QImage>
#include <QMutex>
#include <QPainter>
#include <QSet>

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

QImage artworkImage(const QString &name) {
  if (name.isEmpty())
    return {};
  const QString retina = resourcePathWithName(name + QStringLiteral("@2x.png"));
  if (QFileInfo::exists(retina)) {
    QImage image(retina);
    image.setDevicePixelRatio(2);
    return image;
  }
  for (const QString &path : {resourcePathWithName(name + QStringLiteral(".png")), resourcePathWithName(name)}) {
    if (QFileInfo(path).isFile())
      return QImage(path);
  }
  static QMutex mutex;
  static QSet<QString> reported;
  QMutexLocker lock(&mutex);
  if (!reported.contains(name)) {
    reported.insert(name);
    QUILL_LOG_ERROR("artwork: missing", "file", 0, name);
  }
  return {};
}
