#include "ArtworkImage.h"

#include "common/AtomicFile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QString>

namespace {
bool writeEncoded(const QImage &image, const QString &path, const char *format, int quality) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  writer.setQuality(quality);
  if (qstrcmp(format, "jpeg") == 0)
    writer.setOptimizedWrite(true);
  if (!writer.write(image)) {
    qWarning("artwork: cannot encode %s: %s", qPrintable(path), qPrintable(writer.errorString()));
    return false;
  }
  return writeFileAtomically(path, data);
}
} // namespace

namespace ArtworkImage {

QImage blank(const QSizeF &points, qreal scale, bool opaque) {
  const QSize pixels = (points * scale).toSize();
  QImage image(pixels, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
  image.fill(opaque ? Qt::white : Qt::transparent);
  image.setDevicePixelRatio(scale);
  return image;
}

bool writeJpeg(const QImage &image, const QString &path, int quality) {
  QImage plain = image.convertToFormat(QImage::Format_RGB888);
  plain.setDevicePixelRatio(1);
  return writeEncoded(plain, path, "jpeg", quality);
}

bool writePng(const QImage &image, const QString &path) {
  QImage straight = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                   : QImage::Format_RGB32);
  straight.setDevicePixelRatio(1);
  // Compression level 9: the pictures are made once and loaded many times.
  return writeEncoded(straight, path, "png", 0);
}

QImage scaledTo(const QImage &image, const QSize &size) {
  QImage scaled = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  scaled.setDevicePixelRatio(1);
  return scaled;
}

} // namespace ArtworkImage
