#include "RowFilter.h"

#include "PixelBands.h"

QImage RowFilter::apply(const QImage &source) const {
  QImage target = blankLike(source);
  mapRows({this}, source, target);
  return target;
}

bool RowFilter::filterInPlace(QImage &image) const {
  mapRows({this}, image, image);
  return true;
}

void RowFilter::mapRows(const std::vector<const RowFilter *> &filters, const QImage &source, QImage &target) {
  const PixelRows in(source);
  const PixelRows out(target);
  const int width = source.width();
  const int height = source.height();
  forEachRowBand(height, [&](int first, int end) {
    for (int y = first; y < end; ++y) {
      const QRgb *from = in.row(y);
      QRgb *to = out.row(y);
      for (const RowFilter *filter : filters) {
        filter->mapRow(from, to, width, y, height);
        from = to;
      }
    }
  });
}
