#include "HalftoneFilter.h"

#include "PixelBands.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kDotScaling = 0.9f;
}

QImage HalftoneFilter::apply(const QImage &source) const {
  QImage target = blankLike(source);
  const int width = source.width();
  const int height = source.height();
  // Below three pixels a cell would have no room for the black between dots.
  const float cell = std::max(3.0f, cellFraction * width);
  const float radius = 0.5f * kDotScaling * cell;
  const PixelRows in(source);
  const PixelRows out(target);
  forEachRowBand(height, [&](int first, int last) {
    for (int y = first; y < last; ++y) {
      const float py = y + 0.5f;
      const float centreY = (std::floor(py / cell) + 0.5f) * cell;
      const QRgb *sampleRow = in.row(std::clamp(int(centreY), 0, height - 1));
      const float dy = py - centreY;
      QRgb *to = out.row(y);
      for (int x = 0; x < width; ++x) {
        const float px = x + 0.5f;
        const float centreX = (std::floor(px / cell) + 0.5f) * cell;
        const float dx = px - centreX;
        const bool inDot = dx * dx + dy * dy <= radius * radius;
        to[x] = inDot ? (sampleRow[std::clamp(int(centreX), 0, width - 1)] | 0xff000000u) : 0xff000000u;
      }
    }
  });
  return target;
}
