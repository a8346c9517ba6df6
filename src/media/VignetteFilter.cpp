#include "VignetteFilter.h"

#include "PixelBands.h"

#include <algorithm>
#include <cmath>
#include <vector>

QImage VignetteFilter::apply(const QImage &source) const {
  QImage target = blankLike(source);
  mapInto(source, target);
  return target;
}

bool VignetteFilter::filterInPlace(QImage &image) const {
  mapInto(image, image);
  return true;
}

void VignetteFilter::mapInto(const QImage &source, QImage &target) const {
  const int width = source.width();
  const int height = source.height();
  std::vector<float> across(width);
  for (int x = 0; x < width; ++x) {
    const float dx = (x + 0.5f) / width - 0.5f;
    across[x] = dx * dx;
  }
  const PixelRows in(source);
  const PixelRows out(target);
  const float span = std::max(end - start, 1e-6f);
  forEachRowBand(height, [&](int first, int last) {
    for (int y = first; y < last; ++y) {
      const float dy = (y + 0.5f) / height - 0.5f;
      const QRgb *from = in.row(y);
      QRgb *to = out.row(y);
      for (int x = 0; x < width; ++x) {
        const float t = std::clamp((std::sqrt(across[x] + dy * dy) - start) / span, 0.0f, 1.0f);
        // Scaling every channel, alpha aside, is the same on premultiplied pixels.
        const quint32 keep = quint32((1.0f - t * t * (3.0f - 2.0f * t)) * 256.0f + 0.5f);
        const QRgb p = from[x];
        to[x] = (p & 0xff000000u) | ((((p & 0xff00ffu) * keep) >> 8) & 0xff00ffu) |
                ((((p & 0x00ff00u) * keep) >> 8) & 0x00ff00u);
      }
    }
  });
}
