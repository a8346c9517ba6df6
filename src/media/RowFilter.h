#pragma once

#include "ImageFilter.h"

#include <QRgb>
#include <vector>

// A filter whose every output pixel follows from the input pixel at the same
// place and that place alone: colour tables, lookups, saturation, vignette.
// A chain runs consecutive row filters in one pass over the picture, each row
// through all of them while it is in cache, so the run costs about one filter;
// every filter sees the 8-bit row the one before it wrote, so the fused run
// gives the same pixels as the filters one by one.
class RowFilter : public ImageFilter {
public:
  QImage apply(const QImage &source) const override;
  bool filterInPlace(QImage &image) const override;

  // Row y of a picture width by height: to = from filtered (from may be to).
  virtual void mapRow(const QRgb *from, QRgb *to, int width, int y, int height) const = 0;

  // target = source through filters in order, in one banded pass; target has
  // the size and format of source and may be source itself.
  static void mapRows(const std::vector<const RowFilter *> &filters, const QImage &source, QImage &target);
};
