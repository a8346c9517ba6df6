#include "StoredPicture.h"

#include "common/AtomicFile.h"
#include "common/DiagnosticLog.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

namespace {
constexpr qreal kStoreScale = 2;

// The picture at scale 2 of its own point size, in whole points (a layer of
// 757 points at scale 1.5 has 1136 pixels, which is 757 points, not 757.33).
QImage atStoreScale(const QImage &image) {
  const QSizeF points = image.deviceIndependentSize();
  const QSize pixels = QSize(qRound(points.width()), qRound(points.height())) * kStoreScale;
  QImage scaled = image.size() == pixels || pixels.isEmpty()
                      ? image
                      : image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  scaled.setDevicePixelRatio(kStoreScale);
  return scaled;
}

QByteArray encode(const QImage &image, const char *format, int quality) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (quality >= 0)
    writer.setQuality(quality);
  if (!writer.write(image)) {
    QUILL_LOG_ERROR("picture: encode", format, writer.error(), writer.errorString());
    return {};
  }
  return data;
}
} // namespace

namespace StoredPicture {

QImage read(const QString &path) {
  if (path.isEmpty() || !QFileInfo::exists(path))
    return {};
  QImageReader reader(path);
  QImage image = reader.read();
  if (image.isNull()) {
    QUILL_LOG_ERROR("picture: read", "image", reader.error(), path + ": " + reader.errorString());
    return {};
  }
  image.setDevicePixelRatio(kStoreScale);
  return image;
}

QImage read(const QString &path, const QSizeF &pointSize) {
  QImage image = read(path);
  if (!image.isNull() && pointSize.width() > 0)
    image.setDevicePixelRatio(image.width() / pointSize.width());
  return image;
}

QByteArray pngData(const QImage &image) {
  if (image.isNull())
    return {};
  // Qt's PNG writer converts premultiplied pixels row by row; convert once.
  const QImage straight = atStoreScale(image).convertToFormat(
      image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  return encode(straight, "png", kPngQuality);
}

QByteArray jpegData(const QImage &image) {
  if (image.isNull())
    return {};
  QImage scaled = atStoreScale(image);
  if (scaled.hasAlphaChannel()) {
    // JPEG keeps no alpha: clear parts show white, as on a page.
    QImage opaque(scaled.size(), QImage::Format_RGB32);
    opaque.setDevicePixelRatio(scaled.devicePixelRatio());
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(QPointF(0, 0), scaled);
    painter.end();
    scaled = opaque;
  }
  return encode(scaled, "jpeg", kJpegQuality);
}

bool writePng(const QString &path, const QImage &image) {
  const QByteArray data = pngData(image);
  return !path.isEmpty() && !data.isEmpty() && writeFileAtomically(path, data);
}

bool writeJpeg(const QString &path, const QImage &image) {
  const QByteArray data = jpegData(image);
  return !path.isEmpty() && !data.isEmpty() && writeFileAtomically(path, data);
}

} // namespace StoredPicture
