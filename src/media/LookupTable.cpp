#include "LookupTable.h"

#include "PixelBands.h"

#include <array>
#include <cmath>

namespace {
constexpr int kSlices = 64;
constexpr int kPlane = kSlices * kSlices;

// Mixes two 0x00rrggbb colours, weight 0..256 towards b, rounded.
inline quint32 mix(quint32 a, quint32 b, quint32 weight) {
  const quint32 keep = 256 - weight;
  const quint32 redBlue = (((a & 0xff00ffu) * keep + (b & 0xff00ffu) * weight + 0x800080u) >> 8) & 0xff00ffu;
  const quint32 green = (((a & 0x00ff00u) * keep + (b & 0x00ff00u) * weight + 0x008000u) >> 8) & 0x00ff00u;
  return redBlue | green;
}

// Where an 8-bit value falls among the 64 slices: the lower slice and the
// weight (0..256) of the one above.
struct SlicePosition {
  std::array<quint16, 256> slice{};
  std::array<quint16, 256> weight{};
  SlicePosition() {
    for (int v = 0; v < 256; ++v) {
      const double at = v * (kSlices - 1) / 255.0;
      int low = int(at);
      int toHigh = int(std::lround((at - low) * 256.0));
      if (toHigh == 256) {
        ++low;
        toHigh = 0;
      }
      slice[v] = quint16(low);
      weight[v] = quint16(toHigh);
    }
  }
};

const SlicePosition &slicePosition() {
  static const SlicePosition position;
  return position;
}
} // namespace

std::shared_ptr<const LookupTable> LookupTable::fromImage(const QImage &image) {
  if (image.width() != kSide || image.height() != kSide)
    return nullptr;
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  std::vector<quint32> slices(kSlices * kPlane);
  for (int blue = 0; blue < kSlices; ++blue) {
    const int left = (blue % 8) * kSlices;
    const int top = (blue / 8) * kSlices;
    for (int green = 0; green < kSlices; ++green) {
      const auto *row = reinterpret_cast<const QRgb *>(rgb.constScanLine(top + green)) + left;
      for (int red = 0; red < kSlices; ++red)
        slices[(blue * kSlices + green) * kSlices + red] = row[red] & 0x00ffffffu;
    }
  }
  std::shared_ptr<LookupTable> table(new LookupTable);
  // One spare entry after the last row: red 255 reads its neighbour with
  // weight 0, so no read needs a bounds check.
  table->rows.resize(256 * 256 * kSlices + 1, 0);
  const SlicePosition &at = slicePosition();
  forEachRowBand(256, [&](int firstBlue, int endBlue) {
    std::vector<quint32> plane(kPlane);
    for (int blue = firstBlue; blue < endBlue; ++blue) {
      const quint32 *low = &slices[at.slice[blue] * kPlane];
      const quint32 *high = &slices[std::min(at.slice[blue] + 1, kSlices - 1) * kPlane];
      for (int i = 0; i < kPlane; ++i)
        plane[i] = mix(low[i], high[i], at.weight[blue]);
      for (int green = 0; green < 256; ++green) {
        const quint32 *below = &plane[at.slice[green] * kSlices];
        const quint32 *above = &plane[std::min(at.slice[green] + 1, kSlices - 1) * kSlices];
        quint32 *row = &table->rows[(green * 256 + blue) * kSlices];
        for (int red = 0; red < kSlices; ++red)
          row[red] = mix(below[red], above[red], at.weight[green]);
      }
    }
  }, 16);
  return table;
}

void LookupTable::mapRow(const QRgb *from, QRgb *to, int width) const {
  const SlicePosition &position = slicePosition();
  const quint32 *base = rows.data();
  mapRowPixels(from, to, width, [&](QRgb pixel) {
    const int red = (pixel >> 16) & 0xff;
    const quint32 *at = base + (pixel & 0xffff) * kSlices + position.slice[red];
    return mix(at[0], at[1], position.weight[red]);
  });
}
