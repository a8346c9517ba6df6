#include "BoxBlurFilter.h"

#include "PixelBands.h"
#include "RowFilter.h"

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

// A narrow window summed afresh at every pixel: the loop vectorises, where a
// running sum could not.
template <int radius> void sumAcross(const QRgb *row, QRgb *to, int width, quint32 scale) {
  for (int x = 0; x < width; ++x) {
    Sum sum;
    for (int k = 0; k <= 2 * radius; ++k)
      sum.add(row[x + k]);
    to[x] = sum.average(scale);
  }
}

// One row blurred across. padded holds the row after radius free places, and
// radius + 1 after it; they take copies of its first and last pixel, so no
// read needs a bounds check. Radii past 3 keep a running sum, whose cost does
// not grow with the radius.
QUILL_VECTOR_KERNEL void blurAcross(std::vector<QRgb> &padded, QRgb *to, int width, int radius, quint32 scale) {
  std::fill(padded.begin(), padded.begin() + radius, padded[radius]);
  std::fill(padded.begin() + radius + width, padded.end(), padded[radius + width - 1]);
  const QRgb *row = padded.data();
  switch (radius) {
  case 1:
    return sumAcross<1>(row, to, width, scale);
  case 2:
    return sumAcross<2>(row, to, width, scale);
  case 3:
    return sumAcross<3>(row, to, width, scale);
  }
  Sum sum;
  for (int x = 0; x <= 2 * radius; ++x)
    sum.add(row[x]);
  for (int x = 0; x < width; ++x) {
    to[x] = sum.average(scale);
    sum.add(row[x + 2 * radius + 1]);
    sum.remove(row[x]);
  }
}

// Window sums of a band's columns plus one row.
QUILL_VECTOR_KERNEL void addRow(Sum *sums, const QRgb *row, int width) {
  for (int x = 0; x < width; ++x)
    sums[x].add(row[x]);
}

// A row of averages of the window sums; then the windows move a row down,
// unless entering is null (the band's last row).
QUILL_VECTOR_KERNEL void averageDown(Sum *sums, QRgb *to, const QRgb *entering, const QRgb *leaving, int width,
                                     quint32 scale) {
  for (int x = 0; x < width; ++x)
    to[x] = sums[x].average(scale);
  if (!entering)
    return;
  for (int x = 0; x < width; ++x) {
    sums[x].add(entering[x]);
    sums[x].remove(leaving[x]);
  }
}

// target = source, each row run through before, blurred once across then down.
// Each band blurs its rows and radius rows above and below it across into a
// scratch of its own, small enough to stay in cache for the pass down; so
// target must not be source.
void blurPass(const QImage &source, const std::vector<const RowFilter *> &before, QImage &target, int radius) {
  const PixelRows in(source);
  const PixelRows out(target);
  const int width = source.width();
  const int height = source.height();
  const quint32 scale = 65536 / (2 * radius + 1);
  const int window = 2 * radius + 1;
  // Bands tall enough that their extra rows stay a small part of their work.
  forEachRowBand(height, [&](int first, int last) {
    const int rows = last - first + 2 * radius;
    std::vector<QRgb> across(size_t(rows) * width);
    std::vector<QRgb> padded(size_t(width) + window);
    QRgb *row = padded.data() + radius;
    for (int i = 0; i < rows; ++i) {
      const int y = std::clamp(first - radius + i, 0, height - 1);
      const QRgb *from = in.row(y);
      if (before.empty())
        std::copy(from, from + width, row);
      for (const RowFilter *filter : before) {
        filter->mapRow(from, row, width, y, height);
        from = row;
      }
      blurAcross(padded, &across[size_t(i) * width], width, radius, scale);
    }
    std::vector<Sum> sums(width);
    for (int i = 0; i < window; ++i)
      addRow(sums.data(), &across[size_t(i) * width], width);
    for (int y = first; y < last; ++y) {
      const int top = y - first; // the window is rows top .. top + 2·radius of across
      const QRgb *entering = y + 1 < last ? &across[size_t(top + window) * width] : nullptr;
      averageDown(sums.data(), out.row(y), entering, &across[size_t(top) * width], width, scale);
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

QImage BoxBlurFilter::apply(const QImage &source) const { return applyAfter({}, source); }

QImage BoxBlurFilter::applyAfter(const std::vector<const RowFilter *> &before, const QImage &source) const {
  QImage blurred = blankLike(source);
  blurPass(source, before, blurred, radius);
  if (passes > 1) {
    QImage spare = blankLike(source);
    for (int pass = 1; pass < passes; ++pass) {
      blurPass(blurred, {}, spare, radius);
      std::swap(blurred, spare);
    }
  }
  return blurred;
}
