#pragma once

#include "ImageFilter.h"

#include <array>
#include <memory>

// A 3 by 3 convolution of every colour channel (the kernel row by row, top
// first; edges repeat the border pixels), clamped; alpha is kept.
class ConvolutionFilter : public ImageFilter {
public:
  explicit ConvolutionFilter(const std::array<float, 9> &kernel);
  // Emboss: light from the lower right, raised by intensity (0..4).
  static std::shared_ptr<const ConvolutionFilter> emboss(float intensity);

  QImage apply(const QImage &source) const override;

private:
  std::array<int, 9> weights{}; // kernel in 1/256
};
