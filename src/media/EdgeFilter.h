#pragma once

#include "ImageFilter.h"

// Sobel edge detection on the luminance, one pixel apart: the strength of the
// edge as grey, light edges on black (Sobel), or dark pencil lines on white
// (Sketch). Opaque output.
class EdgeFilter : public ImageFilter {
public:
  enum class Drawing { Sobel, Sketch };
  explicit EdgeFilter(Drawing drawing) : drawing(drawing) {}
  QImage apply(const QImage &source) const override;

private:
  Drawing drawing;
};
