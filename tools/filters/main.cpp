// quill_filter_generator: makes the resources of the photo looks in
// <resources>/filter: every tone-curve (ACV) file and lookup picture from
// Quill's own colour grades (ColourGrades.cpp), then the 36 thumbnails by
// running each look over the drawn sample photo, and the strip's selection
// frame "cam_lomo_selected.png".
//
// Build and run (the target is optional, not part of the default build):
//   cmake --build build/<dir> --target quill_filter_generator
//   build/<dir>/tools/filters/quill_filter_generator [resource folder]
// The resource folder defaults to resources/ of the source tree; commit what
// it writes.

#include "ColourGrades.h"
#include "SampleLandscape.h"
#include "common/AtomicFile.h"
#include "common/FolderPaths.h"
#include "media/FilterLooks.h"
#include "media/FilterResources.h"
#include "media/QNFilterLine.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QtEndian>
#include <cstdio>

namespace {
constexpr int kThumbnailPixels = 100;  // 50 points at scale 2
constexpr int kThumbnailSource = 400;  // looks run larger, then scale down smoothly
constexpr int kLookupSide = 512;

bool writeImage(const QString &path, const QImage &image, const char *format, int quality = -1) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  return image.save(&buffer, format, quality) && writeFileAtomically(path, data);
}

QByteArray acvData(const CurveGrade &grade) {
  QByteArray data;
  auto put = [&data](int value) {
    char bytes[2];
    qToBigEndian<quint16>(quint16(value), bytes);
    data.append(bytes, 2);
  };
  put(1);
  put(int(grade.curves.size()));
  for (const auto &points : grade.curves) {
    const std::vector<std::pair<int, int>> straight{{0, 0}, {255, 255}};
    const auto &used = points.empty() ? straight : points;
    put(int(used.size()));
    for (const auto &[input, output] : used) {
      put(output);
      put(input);
    }
  }
  return data;
}

QImage lookupImage(const LookupGrade &grade) {
  QImage image(kLookupSide, kLookupSide, QImage::Format_RGB32);
  for (int y = 0; y < kLookupSide; ++y) {
    auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
    for (int x = 0; x < kLookupSide; ++x) {
      const int blue = (y / 64) * 8 + x / 64;
      const Rgb out = grade.grade({(x % 64) / 63.0f, (y % 64) / 63.0f, blue / 63.0f});
      auto channel = [](float v) { return qBound(0, int(v * 255.0f + 0.5f), 255); };
      row[x] = qRgb(channel(out.r), channel(out.g), channel(out.b));
    }
  }
  return image;
}

QImage selectionFrame() {
  QImage image(116, 116, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(255, 176, 48), 6.0));
  painter.drawRoundedRect(QRectF(3, 3, 110, 110), 10, 10);
  return image;
}

bool check(bool ok, const QString &path) {
  if (!ok)
    std::fprintf(stderr, "could not write %s\n", qPrintable(path));
  return ok;
}
} // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString resources = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(QUILL_RESOURCE_DIR);
  const QDir folder(resources + "/filter");
  QDir().mkpath(folder.path());
  bool ok = true;
  for (const CurveGrade &grade : curveGrades())
    ok &= check(writeFileAtomically(folder.filePath(grade.fileName), acvData(grade)), grade.fileName);
  for (const LookupGrade &grade : lookupGrades()) {
    const bool jpeg = grade.fileName.endsWith(".jpg");
    ok &= check(writeImage(folder.filePath(grade.fileName), lookupImage(grade), jpeg ? "JPG" : "PNG", jpeg ? 100 : -1),
                grade.fileName);
  }
  ok &= check(writeImage(folder.filePath("cam_lomo_selected.png"), selectionFrame(), "PNG"), "cam_lomo_selected.png");

  setResourceFolder(resources);
  FilterResources::shared().clear();
  const QImage sample = renderSampleLandscape(QSize(kThumbnailSource, kThumbnailSource));
  for (int look = 0; look < FilterLooks::count(); ++look) {
    const QImage filtered = QNFilterLine(look).imageByFilteringImage(sample);
    const QImage thumbnail = filtered.scaled(kThumbnailPixels, kThumbnailPixels, Qt::IgnoreAspectRatio,
                                             Qt::SmoothTransformation);
    const QString name = FilterLooks::thumbnail(look);
    const bool jpeg = name.endsWith(".jpg");
    ok &= check(writeImage(folder.filePath(name), thumbnail, jpeg ? "JPG" : "PNG", jpeg ? 90 : -1), name);
  }
  std::printf("filter resources written to %s\n", qPrintable(folder.path()));
  return ok ? 0 : 1;
}
