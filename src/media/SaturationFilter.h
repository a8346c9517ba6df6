#pragma once

#include "RowFilter.h"

#include <memory>

// Mixes every colour with its luminance (weights 0.2125, 0.7154, 0.0721):
// saturation 0 is grey scale, 1 leaves the colour, above 1 strengthens it.
class SaturationFilter : public RowFilter {
public:
  explicit SaturationFilter(float saturation);
  static std::shared_ptr<const SaturationFilter> greyScale();

  void mapRow(const QRgb *from, QRgb *to, int width, int y, int height) const override;

private:
  int weight; // of the colour, in 1/256
};
