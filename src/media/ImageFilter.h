#pragma once

#include <vector>

class QImage;
class RowFilter;
struct ChannelTables;

// One step of a filter chain. A filter is immutable once built, so one instance
// may filter pictures on several threads at once.
//
// Pictures in and out are in the working formats (see PixelBands.h): RGB32 for
// opaque pictures, ARGB32_Premultiplied otherwise. The output has the size of
// the input.
class ImageFilter {
public:
  virtual ~ImageFilter() = default;
  virtual QImage apply(const QImage &source) const = 0;
  // A filter that maps every channel on its own answers its tables, so that a
  // chain can fuse it with its neighbours; the others answer nullptr.
  virtual const ChannelTables *channelTables() const { return nullptr; }
  // A filter that can write its result into the picture it reads (which the
  // caller owns and shares with no one) does so and answers true, sparing a
  // picture's worth of memory; the others answer false and leave image alone.
  virtual bool filterInPlace(QImage &image) const;
  // A filter that reads its input a row at a time may take each row through
  // row filters on the way in, so that they need no pass of their own: it
  // answers its output for source run through before, or a null picture to
  // have the caller run them first (as the others do).
  virtual QImage applyAfter(const std::vector<const RowFilter *> &before, const QImage &source) const;
};
