#pragma once

#include <QImage>
#include <memory>
#include <vector>

// A colour lookup table read from a 512 by 512 picture in the usual 8 by 8 tile
// layout: tile (column c, row t) holds blue slice 8t + c, and within a tile
// red runs along x and green along y, 64 steps each. A colour maps to the
// bilinear red/green interpolation in the two nearest blue slices, mixed
// linearly between them.
//
// For speed the table keeps, for every 8-bit blue and green value, its row of
// 64 red steps already mixed between the nearest blue slices and green steps
// (16 MB), so a pixel costs two neighbouring reads and one mix. Building it
// takes a few milliseconds. Immutable; shared across threads.
class LookupTable {
public:
  static constexpr int kSide = 512;

  // Nothing unless image is 512 by 512.
  static std::shared_ptr<const LookupTable> fromImage(const QImage &image);

  // to = from mapped through the table (working formats; from may be to).
  void mapRow(const QRgb *from, QRgb *to, int width) const;

private:
  LookupTable() = default;
  // [green 0..255][blue 0..255][red step 0..63], 0x00rrggbb: a pixel's low
  // 16 bits pick its row.
  std::vector<quint32> rows;
};
