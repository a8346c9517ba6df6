#include "ConvolutionFilter.h"

#include "PixelBands.h"

#include <algorithm>
#include <cmath>

ConvolutionFilter::ConvolutionFilter(const std::array<float, 9> &kernel) {
  for (size_t i = 0; i < kernel.size(); ++i)
    weights[i] = int(std::lround(kernel[i] * 256.0f));
}

std::shared_ptr<const ConvolutionFilter> ConvolutionFilter::emboss(float intensity) {
  const float i = intensity;
  return std::make_shared<ConvolutionFilter>(
      std::array<float, 9>{-2 * i, -i, 0, -i, 1, i, 0, i, 2 * i});
}

QImage ConvolutionFilter::apply(const QImage &source) const {
  QImage target = blankLike(source);
  const PixelRows in(source);
  const PixelRows out(target);
  const int width = source.width();
  const int height = source.height();
  forEachRowBand(height, [&](int first, int last) {
    for (int y = first; y < last; ++y) {
      const QRgb *rows[3] = {in.row(std::max(y - 1, 0)), in.row(y), in.row(std::min(y + 1, height - 1))};
      QRgb *to = out.row(y);
      for (int x = 0; x < width; ++x) {
        const int columns[3] = {std::max(x - 1, 0), x, std::min(x + 1, width - 1)};
        int red = 0, green = 0, blue = 0;
        for (int k = 0; k < 9; ++k) {
          const QRgb p = rows[k / 3][columns[k % 3]];
          red += weights[k] * int((p >> 16) & 0xff);
          green += weights[k] * int((p >> 8) & 0xff);
          blue += weights[k] * int(p & 0xff);
        }
        // Premultiplied channels may not exceed alpha.
        const int alpha = int(rows[1][x] >> 24);
        auto channel = [alpha](int sum) { return quint32(std::clamp((sum + 128) >> 8, 0, alpha)); };
        to[x] = (quint32(alpha) << 24) | (channel(red) << 16) | (channel(green) << 8) | channel(blue);
      }
    }
  });
  return target;
}
