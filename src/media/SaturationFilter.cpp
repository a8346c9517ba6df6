#include "SaturationFilter.h"

#include "PixelBands.h"

#include <algorithm>
#include <cmath>

std::shared_ptr<const SaturationFilter> SaturationFilter::greyScale() {
  return std::make_shared<SaturationFilter>(0.0f);
}

QImage SaturationFilter::apply(const QImage &source) const {
  QImage target = blankLike(source);
  mapInto(source, target);
  return target;
}

bool SaturationFilter::filterInPlace(QImage &image) const {
  mapInto(image, image);
  return true;
}

void SaturationFilter::mapInto(const QImage &source, QImage &target) const {
  // Colour weight in 1/256.
  const int weight = int(std::lround(saturation * 256.0f));
  mapPixels(source, target, [weight](QRgb pixel) {
    const int red = qRed(pixel), green = qGreen(pixel), blue = qBlue(pixel);
    const int luminance = luminanceOf(pixel);
    auto channel = [&](int value) {
      return uint(std::clamp(luminance + (((value - luminance) * weight + 128) >> 8), 0, 255));
    };
    return (channel(red) << 16) | (channel(green) << 8) | channel(blue);
  });
}
