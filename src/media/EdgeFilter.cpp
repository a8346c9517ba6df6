#include "EdgeFilter.h"

#include "PixelBands.h"

#include <algorithm>
#include <cmath>
#include <vector>

QImage EdgeFilter::apply(const QImage &source) const {
  const int width = source.width();
  const int height = source.height();
  std::vector<quint8> luminance(size_t(width) * height);
  const PixelRows in(source);
  forEachRowBand(height, [&](int first, int last) {
    for (int y = first; y < last; ++y) {
      const QRgb *from = in.row(y);
      quint8 *to = &luminance[size_t(y) * width];
      for (int x = 0; x < width; ++x)
        to[x] = quint8(luminanceOf(from[x]));
    }
  });
  QImage target = blankLike(source);
  const PixelRows out(target);
  const bool sketch = drawing == Drawing::Sketch;
  forEachRowBand(height, [&](int first, int last) {
    for (int y = first; y < last; ++y) {
      const quint8 *above = &luminance[size_t(std::max(y - 1, 0)) * width];
      const quint8 *here = &luminance[size_t(y) * width];
      const quint8 *below = &luminance[size_t(std::min(y + 1, height - 1)) * width];
      QRgb *to = out.row(y);
      for (int x = 0; x < width; ++x) {
        const int left = std::max(x - 1, 0);
        const int right = std::min(x + 1, width - 1);
        const int across = (above[right] + 2 * here[right] + below[right]) -
                           (above[left] + 2 * here[left] + below[left]);
        const int down = (below[left] + 2 * below[x] + below[right]) -
                         (above[left] + 2 * above[x] + above[right]);
        const int strength = std::min(255, int(std::sqrt(float(across * across + down * down)) + 0.5f));
        const quint32 grey = quint32(sketch ? 255 - strength : strength);
        to[x] = 0xff000000u | (grey << 16) | (grey << 8) | grey;
      }
    }
  });
  return target;
}
