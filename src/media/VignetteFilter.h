#pragma once

#include "ImageFilter.h"

// Darkens towards black with the distance d from the centre, in coordinates
// where the picture spans 0..1 on both axes: unchanged up to start, black from
// end on, a smooth step between.
class VignetteFilter : public ImageFilter {
public:
  VignetteFilter(float start, float end) : start(start), end(end) {}
  QImage apply(const QImage &source) const override;
  bool filterInPlace(QImage &image) const override;

private:
  void mapInto(const QImage &source, QImage &target) const;
  float start;
  float end;
};
