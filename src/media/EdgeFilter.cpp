#include "EdgeFilter.h"

#include "PixelBands.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// The drawn edge at x, its neighbours x + left and x + right (0 at the
// picture's edges, which repeat their border pixels).
inline QRgb edgeAt(const quint8 *above, const quint8 *here, const quint8 *below, int x, int left, int right,
                   bool sketch) {
  const int across = (above[x + right] + 2 * here[x + right] + below[x + right]) -
                     (above[x + left] + 2 * here[x + left] + below[x + left]);
  const int down = (below[x + left] + 2 * below[x] + below[x + right]) -
                   (above[x + left] + 2 * above[x] + above[x + right]);
  const int strength = std::min(255, int(std::sqrt(float(across * across + down * down)) + 0.5f));
  const quint32 grey = quint32(sketch ? 255 - strength : strength);
  return 0xff000000u | (grey << 16) | (grey << 8) | grey;
}

QUILL_VECTOR_KERNEL void luminanceRow(const QRgb *from, quint8 *to, int width) {
  for (int x = 0; x < width; ++x)
    to[x] = quint8(luminanceOf(from[x]));
}

QUILL_VECTOR_KERNEL void edgeRow(const quint8 *above, const quint8 *here, const quint8 *below, QRgb *to, int width,
                                 bool sketch) {
  if (width == 1) {
    to[0] = edgeAt(above, here, below, 0, 0, 0, sketch);
    return;
  }
  to[0] = edgeAt(above, here, below, 0, 0, 1, sketch);
  for (int x = 1; x < width - 1; ++x)
    to[x] = edgeAt(above, here, below, x, -1, 1, sketch);
  to[width - 1] = edgeAt(above, here, below, width - 1, -1, 0, sketch);
}
} // namespace

QImage EdgeFilter::apply(const QImage &source) const {
  const int width = source.width();
  const int height = source.height();
  std::vector<quint8> luminance(size_t(width) * height);
  const PixelRows in(source);
  forEachRowBand(height, [&](int first, int last) {
    for (int y = first; y < last; ++y)
      luminanceRow(in.row(y), &luminance[size_t(y) * width], width);
  });
  QImage target = blankLike(source);
  const PixelRows out(target);
  const bool sketch = drawing == Drawing::Sketch;
  forEachRowBand(height, [&](int first, int last) {
    for (int y = first; y < last; ++y)
      edgeRow(&luminance[size_t(std::max(y - 1, 0)) * width], &luminance[size_t(y) * width],
              &luminance[size_t(std::min(y + 1, height - 1)) * width], out.row(y), width, sketch);
  });
  return target;
}
