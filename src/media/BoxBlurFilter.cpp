#include "BoxBlurFilter.h"

#include "PixelBands.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr int kLargestRadius = 128;

// The channel sums of a window, two 16-bit lanes to a word (blue and red,
// green and alpha): 255 · (2 · 128 + 1) still fits a lane.
struct Sum {
  quint32 even = 0;
  quint32 odd = 0;
  void add(QRgb p) {
    even += p & 0xff00ffu;
    odd += (p >> 8) & 0xff00ffu;
  }
  void remove(QRgb p) {
    even -= p & 0xff00ffu;
    odd -= (p >> 8) & 0xff00ffu;
  }
  QRgb average(quint32 scale) const { // scale = 65536 / count
    auto part = [scale](quint32 lane) { return ((lane & 0xffffu) * scale + 32768) >> 16; };
    return part(even) | (part(odd) << 8) | (part(even >> 16) << 16) | (part(odd >> 16) << 24);
  }
};

void horizontalPass(const QImage &source, QImage &target, int radius) {
  const PixelRows in(source);
  const PixelRows out(target);
  const int width = source.width();
  const quint32 scale = 65536 / (2 * radius + 1);
  forEachRowBand(source.height(), [&](int first, int last) {
    for (int y = first; y < last; ++y) {
      const QRgb *from = in.row(y);
      QRgb *to = out.row(y);
      auto at = [&](int x) { return from[std::clamp(x, 0, width - 1)]; };
      Sum sum;
      for (int x = -radius; x <= radius; ++x)
        sum.add(at(x));
      for (int x = 0; x < width; ++x) {
        to[x] = sum.average(scale);
        sum.add(at(x + radius + 1));
        sum.remove(at(x - radius));
      }
    }
  });
}

void verticalPass(const QImage &source, QImage &target, int radius) {
  const PixelRows in(source);
  const PixelRows out(target);
  const int width = source.width();
  const int height = source.height();
  const quint32 scale = 65536 / (2 * radius + 1);
  auto row = [&](int y) { return in.row(std::clamp(y, 0, height - 1)); };
  // Tall bands, so that priming each band's sums stays small next to its rows.
  forEachRowBand(height, [&](int first, int last) {
    std::vector<Sum> sums(width);
    for (int y = first - radius; y <= first + radius; ++y) {
      const QRgb *from = row(y);
      for (int x = 0; x < width; ++x)
        sums[x].add(from[x]);
    }
    for (int y = first; y < last; ++y) {
      QRgb *to = out.row(y);
      const QRgb *entering = row(y + radius + 1);
      const QRgb *leaving = row(y - radius);
      for (int x = 0; x < width; ++x) {
        to[x] = sums[x].average(scale);
        sums[x].add(entering[x]);
        sums[x].remove(leaving[x]);
      }
    }
  }, std::max(32, 8 * radius));
}
} // namespace

BoxBlurFilter::BoxBlurFilter(int radius, int passes)
    : radius(std::clamp(radius, 1, kLargestRadius)), passes(passes) {}

std::shared_ptr<const BoxBlurFilter> BoxBlurFilter::ofSize(float size) {
  return std::make_shared<BoxBlurFilter>(std::max(1, int(std::lround(4.0f * size))), 1);
}

std::shared_ptr<const BoxBlurFilter> BoxBlurFilter::gaussian(float sigma) {
  // Three boxes of width w have the variance of a Gaussian when w² = 4σ² + 1.
  const int radius = std::max(1, int(std::lround((std::sqrt(4.0f * sigma * sigma + 1.0f) - 1.0f) / 2.0f)));
  return std::make_shared<BoxBlurFilter>(radius, 3);
}

QImage BoxBlurFilter::apply(const QImage &source) const {
  QImage blurred = source.copy();
  filterInPlace(blurred);
  return blurred;
}

bool BoxBlurFilter::filterInPlace(QImage &image) const {
  // One scratch picture for all passes: each pass blurs across into it, then
  // down back into the picture.
  QImage across = blankLike(image);
  for (int pass = 0; pass < passes; ++pass) {
    horizontalPass(image, across, radius);
    verticalPass(across, image, radius);
  }
  return true;
}
