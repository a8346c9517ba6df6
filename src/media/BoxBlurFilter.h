#pragma once

#include "ImageFilter.h"

#include <memory>

// Averages every pixel over a square of side 2·radius + 1 (edges repeat the
// border pixels), passes times over; three passes are close to a Gaussian.
// Each pass is separable with running sums, so its cost does not grow with
// the radius.
class BoxBlurFilter : public ImageFilter {
public:
  // radius 1..128 pixels.
  BoxBlurFilter(int radius, int passes);
  // The box blur of the given size: size 1 spans 4 pixels to each side.
  static std::shared_ptr<const BoxBlurFilter> ofSize(float size);
  // Close to a Gaussian blur of the given sigma in pixels.
  static std::shared_ptr<const BoxBlurFilter> gaussian(float sigma);

  QImage apply(const QImage &source) const override;
  QImage applyAfter(const std::vector<const RowFilter *> &before, const QImage &source) const override;

private:
  int radius;
  int passes;
};
