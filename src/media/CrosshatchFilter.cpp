#include "CrosshatchFilter.h"

#include "PixelBands.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kLineWidth = 0.003f;

// The remainder in 0..period, also for negative values.
inline float wrapped(float value, float period) { return value - period * std::floor(value / period); }

QUILL_VECTOR_KERNEL void hatchRow(const QRgb *from, QRgb *to, int width, float py, float period, float line) {
  const float half = period / 2.0f;
  for (int x = 0; x < width; ++x) {
    const int luminance = luminanceOf(qUnpremultiply(from[x]));
    const float px = x + 0.5f;
    const bool ink = (luminance < 255 && wrapped(px + py, period) <= line) ||
                     (luminance < 191 && wrapped(px - py, period) <= line) ||
                     (luminance < 128 && wrapped(px + py - half, period) <= line) ||
                     (luminance < 77 && wrapped(px - py - half, period) <= line);
    to[x] = ink ? 0xff000000u : 0xffffffffu;
  }
}
} // namespace

QImage CrosshatchFilter::apply(const QImage &source) const {
  QImage target = blankLike(source);
  const int width = source.width();
  const float period = std::max(2.0f, spacing * width);
  const float line = std::max(1.0f, kLineWidth * width);
  const PixelRows in(source);
  const PixelRows out(target);
  forEachRowBand(source.height(), [&](int first, int last) {
    for (int y = first; y < last; ++y)
      hatchRow(in.row(y), out.row(y), width, y + 0.5f, period, line);
  });
  return target;
}
