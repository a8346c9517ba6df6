#pragma once

#include "RowFilter.h"

// Darkens towards black with the distance d from the centre, in coordinates
// where the picture spans 0..1 on both axes: unchanged up to start, black from
// end on, a smooth step between.
class VignetteFilter : public RowFilter {
public:
  VignetteFilter(float start, float end) : start(start), end(end) {}
  void mapRow(const QRgb *from, QRgb *to, int width, int y, int height) const override;

private:
  float start;
  float end;
};
