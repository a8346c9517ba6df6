#include "ConvolutionFilter.h"

#include "PixelBands.h"

#include <algorithm>
#include <cmath>
#include <vector>

ConvolutionFilter::ConvolutionFilter(const std::array<float, 9> &kernel) {
  for (size_t i = 0; i < kernel.size(); ++i)
    weights[i] = int(std::lround(kernel[i] * 256.0f));
}

std::shared_ptr<const ConvolutionFilter> ConvolutionFilter::emboss(float intensity) {
  const float i = intensity;
  return std::make_shared<ConvolutionFilter>(
      std::array<float, 9>{-2 * i, -i, 0, -i, 1, i, 0, i, 2 * i});
}

namespace {
// One row as three planes of channel values (red, green, blue), each with one
// copy of its border value before and after, so that a tap's neighbours need
// no bounds checks and a loop over a plane vectorises.
struct PlanarRow {
  explicit PlanarRow(int width) : stride(width + 2), values(3 * size_t(stride)) {}
  void fill(const QRgb *from, int width) {
    for (int c = 0; c < 3; ++c) {
      qint16 *plane = &values[c * size_t(stride)] + 1;
      const int shift = 16 - 8 * c;
      for (int x = 0; x < width; ++x)
        plane[x] = qint16((from[x] >> shift) & 0xff);
      plane[-1] = plane[0];
      plane[width] = plane[width - 1];
    }
  }
  // Channel c's values, index -1 .. width.
  const qint16 *plane(int c) const { return &values[c * size_t(stride)] + 1; }
  int stride;
  std::vector<qint16> values;
};

// One row of the output from the planes of the rows above, at and below it;
// sums has room for three rows of channel sums.
QUILL_VECTOR_KERNEL void convolveRow(const PlanarRow (&rows)[3], const QRgb *centre, QRgb *to, int width,
                                     const std::array<int, 9> &w, int *sums) {
  for (int c = 0; c < 3; ++c) {
    int *sum = sums + c * size_t(width);
    std::fill(sum, sum + width, 0);
    for (int r = 0; r < 3; ++r) {
      const qint16 *plane = rows[r].plane(c);
      const int left = w[3 * r], middle = w[3 * r + 1], right = w[3 * r + 2];
      for (int x = 0; x < width; ++x)
        sum[x] += left * plane[x - 1] + middle * plane[x] + right * plane[x + 1];
    }
  }
  const int *red = sums, *green = sums + size_t(width), *blue = sums + 2 * size_t(width);
  for (int x = 0; x < width; ++x) {
    // Premultiplied channels may not exceed alpha.
    const int alpha = int(centre[x] >> 24);
    auto channel = [alpha](int sum) { return quint32(std::clamp((sum + 128) >> 8, 0, alpha)); };
    to[x] = (quint32(alpha) << 24) | (channel(red[x]) << 16) | (channel(green[x]) << 8) | channel(blue[x]);
  }
}
} // namespace

QImage ConvolutionFilter::apply(const QImage &source) const {
  QImage target = blankLike(source);
  const PixelRows in(source);
  const PixelRows out(target);
  const int width = source.width();
  const int height = source.height();
  const std::array<int, 9> w = weights;
  forEachRowBand(height, [&](int first, int last) {
    PlanarRow rows[3] = {PlanarRow(width), PlanarRow(width), PlanarRow(width)};
    std::vector<int> sums(3 * size_t(width));
    for (int y = first; y < last; ++y) {
      rows[0].fill(in.row(std::max(y - 1, 0)), width);
      rows[1].fill(in.row(y), width);
      rows[2].fill(in.row(std::min(y + 1, height - 1)), width);
      convolveRow(rows, in.row(y), out.row(y), width, w, sums.data());
    }
  });
  return target;
}
