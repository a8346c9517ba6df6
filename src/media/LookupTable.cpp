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
  // One spare plane and entry after the last: a pixel at the top of a range
  // reads its neighbour with weight 0, so no read needs a bounds check.
  table->planes.assign(256 * kPlane + kPlane + 1, 0);
  const SlicePosition &position = slicePosition();
  for (int blue = 0; blue < 256; ++blue) {
    const int low = position.slice[blue];
    const int high = std::min(low + 1, kSlices - 1);
    const quint32 weight = position.weight[blue];
    const quint32 *a = &slices[low * kPlane];
    const quint32 *b = &slices[high * kPlane];
    quint32 *plane = &table->planes[blue * kPlane];
    for (int i = 0; i < kPlane; ++i)
      plane[i] = mix(a[i], b[i], weight);
  }
  return table;
}

void LookupTable::apply(const QImage &source, QImage &target) const {
  const SlicePosition &position = slicePosition();
  const quint32 *base = planes.data();
  mapPixels(source, target, [&](QRgb pixel) {
    const int red = (pixel >> 16) & 0xff;
    const int green = (pixel >> 8) & 0xff;
    const quint32 *at = base + (pixel & 0xff) * kPlane + position.slice[green] * kSlices + position.slice[red];
    const quint32 redWeight = position.weight[red];
    const quint32 top = mix(at[0], at[1], redWeight);
    const quint32 bottom = mix(at[kSlices], at[kSlices + 1], redWeight);
    return mix(top, bottom, position.weight[green]);
  });
}
