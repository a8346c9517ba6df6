#include "SaturationFilter.h"

#include "PixelBands.h"

#include <algorithm>
#include <cmath>

std::shared_ptr<const SaturationFilter> SaturationFilter::greyScale() {
  return std::make_shared<SaturationFilter>(0.0f);
}

SaturationFilter::SaturationFilter(float saturation) : weight(int(std::lround(saturation * 256.0f))) {}

namespace {
QUILL_VECTOR_KERNEL void saturateRow(const QRgb *from, QRgb *to, int width, int colourWeight) {
  mapRowPixels(from, to, width, [colourWeight](QRgb pixel) {
    const int red = qRed(pixel), green = qGreen(pixel), blue = qBlue(pixel);
    const int luminance = luminanceOf(pixel);
    auto channel = [&](int value) {
      return uint(std::clamp(luminance + (((value - luminance) * colourWeight + 128) >> 8), 0, 255));
    };
    return (channel(red) << 16) | (channel(green) << 8) | channel(blue);
  });
}
} // namespace

void SaturationFilter::mapRow(const QRgb *from, QRgb *to, int width, int, int) const {
  saturateRow(from, to, width, weight);
}
