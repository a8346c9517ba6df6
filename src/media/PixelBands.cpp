#include "PixelBands.h"

#include <QtConcurrent/QtConcurrentMap>
#include <vector>

QImage workingImage(const QImage &image) {
  if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32_Premultiplied)
    return image;
  return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                       : QImage::Format_RGB32);
}

QImage blankLike(const QImage &like) { return QImage(like.size(), like.format()); }

// The default bands are small enough to balance two to eight cores and large
// enough that their scheduling costs nothing next to their pixels.
void forEachRowBand(int height, const std::function<void(int, int)> &work, int rowsPerBand) {
  if (height <= rowsPerBand) {
    if (height > 0)
      work(0, height);
    return;
  }
  std::vector<int> starts;
  for (int y = 0; y < height; y += rowsPerBand)
    starts.push_back(y);
  QtConcurrent::blockingMap(starts, [&](int first) { work(first, std::min(first + rowsPerBand, height)); });
}
