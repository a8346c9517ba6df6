#pragma once

#include "ImageFilter.h"

// Polka-dot halftone: the picture becomes square cells of cellFraction of its
// width, each a round dot (0.9 of the cell across) in the colour at the cell's
// centre, on black. Cells are at least 3 pixels wide.
class HalftoneFilter : public ImageFilter {
public:
  explicit HalftoneFilter(float cellFraction) : cellFraction(cellFraction) {}
  QImage apply(const QImage &source) const override;

private:
  float cellFraction;
};
