#pragma once

#include "ImageFilter.h"

// Cross-hatch: black diagonal lines on white, more directions the darker the
// picture (below luminance 1, 0.75, 0.5 and 0.3). Lines are spacing apart and
// 0.003 wide, both as fractions of the picture's width, and at least two and
// one pixels.
class CrosshatchFilter : public ImageFilter {
public:
  explicit CrosshatchFilter(float spacing) : spacing(spacing) {}
  QImage apply(const QImage &source) const override;

private:
  float spacing;
};
