#pragma once

#include "ImageFilter.h"

#include <memory>

// Mixes every colour with its luminance (weights 0.2125, 0.7154, 0.0721):
// saturation 0 is grey scale, 1 leaves the colour, above 1 strengthens it.
class SaturationFilter : public ImageFilter {
public:
  explicit SaturationFilter(float saturation) : saturation(saturation) {}
  static std::shared_ptr<const SaturationFilter> greyScale();

  QImage apply(const QImage &source) const override;
  bool filterInPlace(QImage &image) const override;

private:
  void mapInto(const QImage &source, QImage &target) const;
  float saturation;
};
