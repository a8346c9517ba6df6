#include "SoftGlowFilter.h"

#include "BoxBlurFilter.h"
#include "PixelBands.h"
#include "QNLookupFilter.h"

#include <algorithm>
#include <vector>

namespace {
constexpr float kGlowSigma = 10.0f;
// The glow is blurred at a quarter of the size and scaled back up: at this
// blur, the lost detail is below what the 0.14 mix can show.
constexpr int kGlowReduction = 4;
constexpr quint32 kGlowMix = 36; // 0.14 in 1/256

// even and odd += the row's channels in 16-bit lanes (blue and red, green and
// alpha), pixel by pixel.
QUILL_VECTOR_KERNEL void addLanes(const QRgb *row, quint32 *even, quint32 *odd, int width) {
  for (int x = 0; x < width; ++x) {
    even[x] += row[x] & 0xff00ffu;
    odd[x] += (row[x] >> 8) & 0xff00ffu;
  }
}

// Mixes two pixels lane by lane (alpha too), weight 0..256 towards b, rounded.
inline QRgb mixed(QRgb a, QRgb b, quint32 weight) {
  const quint32 keep = 256 - weight;
  const quint32 even = (((a & 0xff00ffu) * keep + (b & 0xff00ffu) * weight + 0x800080u) >> 8) & 0xff00ffu;
  const quint32 odd = ((((a >> 8) & 0xff00ffu) * keep + ((b >> 8) & 0xff00ffu) * weight + 0x800080u) >> 8) & 0xff00ffu;
  return even | (odd << 8);
}

// Where a pixel of a side `large` long samples a side `small` long, pixel
// centres aligned: the nearer-left sample and the weight (0..256) of the next.
struct Samples {
  std::vector<int> index;
  std::vector<quint32> weight;
  Samples(int large, int small) : index(large), weight(large) {
    for (int i = 0; i < large; ++i) {
      const float at = std::clamp((i + 0.5f) * small / large - 0.5f, 0.0f, float(small - 1));
      index[i] = std::max(0, std::min(int(at), small - 2));
      weight[i] = quint32((at - index[i]) * 256.0f + 0.5f);
    }
  }
};

// The picture at a reduction-th of its size (at least one pixel), each pixel
// the rounded mean of its block, channel by channel. Blocks are less than
// twice reduction on a side, so their sums fit 16-bit lanes while reduction
// is at most 8.
QImage reducedImage(const QImage &image, int reduction) {
  const int width = std::max(1, image.width() / reduction);
  const int height = std::max(1, image.height() / reduction);
  QImage reduced(width, height, image.format());
  const PixelRows in(image);
  const PixelRows out(reduced);
  const int sourceWidth = image.width();
  forEachRowBand(height, [&](int first, int last) {
    std::vector<quint32> even(sourceWidth), odd(sourceWidth);
    for (int y = first; y < last; ++y) {
      const int top = y * image.height() / height;
      const int bottom = (y + 1) * image.height() / height;
      std::fill(even.begin(), even.end(), 0u);
      std::fill(odd.begin(), odd.end(), 0u);
      for (int row = top; row < bottom; ++row)
        addLanes(in.row(row), even.data(), odd.data(), sourceWidth);
      QRgb *to = out.row(y);
      for (int x = 0; x < width; ++x) {
        const int left = x * sourceWidth / width;
        const int right = (x + 1) * sourceWidth / width;
        quint32 evenSum = 0, oddSum = 0;
        for (int column = left; column < right; ++column) {
          evenSum += even[column];
          oddSum += odd[column];
        }
        const quint32 count = quint32((right - left) * (bottom - top));
        auto mean = [count](quint32 lane) { return ((lane & 0xffffu) + count / 2) / count; };
        to[x] = mean(evenSum) | (mean(oddSum) << 8) | (mean(evenSum >> 16) << 16) | (mean(oddSum >> 16) << 24);
      }
    }
  });
  return reduced;
}

// row = sharp mixed with kGlowMix of the glow between the rows upper and
// lower of the widened glow, weight (0..256) towards lower.
QUILL_VECTOR_KERNEL void mixGlow(QRgb *row, const QRgb *upper, const QRgb *lower, quint32 weight, int width) {
  constexpr quint32 keep = 256 - kGlowMix;
  for (int x = 0; x < width; ++x) {
    const QRgb g = mixed(upper[x], lower[x], weight);
    const QRgb a = row[x];
    const quint32 evenBytes = (((a & 0xff00ffu) * keep + (g & 0xff00ffu) * kGlowMix) >> 8) & 0xff00ffu;
    const quint32 oddBytes = ((((a >> 8) & 0xff00ffu) * keep + ((g >> 8) & 0xff00ffu) * kGlowMix) >> 8) & 0xff00ffu;
    row[x] = evenBytes | (oddBytes << 8);
  }
}
} // namespace

SoftGlowFilter::SoftGlowFilter(const QString &firstLookup, const QString &secondLookup)
    : first(std::make_unique<QNLookupFilter>(firstLookup)),
      blur(BoxBlurFilter::gaussian(kGlowSigma / kGlowReduction)),
      second(std::make_unique<QNLookupFilter>(secondLookup)) {}

SoftGlowFilter::~SoftGlowFilter() = default;

QImage SoftGlowFilter::apply(const QImage &source) const {
  QImage sharp = first->apply(source);
  if (sharp.constBits() == source.constBits())
    sharp = sharp.copy();
  const QImage glow = blur->apply(reducedImage(sharp, kGlowReduction));
  // The glow scaled up (bilinear), first across into rows of the full width,
  // then down row by row, mixed into the sharp picture, and the second lookup,
  // a row at a time.
  const int width = sharp.width();
  const int height = sharp.height();
  const Samples across(width, glow.width());
  const Samples down(height, glow.height());
  QImage wide(width, glow.height(), glow.format());
  const PixelRows glowRows(glow);
  const PixelRows wideRows(wide);
  const int right = glow.width() > 1 ? 1 : 0;
  forEachRowBand(glow.height(), [&](int begin, int end) {
    for (int y = begin; y < end; ++y) {
      const QRgb *from = glowRows.row(y);
      QRgb *to = wideRows.row(y);
      for (int x = 0; x < width; ++x)
        to[x] = mixed(from[across.index[x]], from[across.index[x] + right], across.weight[x]);
    }
  });
  const PixelRows sharpRows(sharp);
  const int below = glow.height() > 1 ? 1 : 0;
  forEachRowBand(height, [&](int begin, int end) {
    for (int y = begin; y < end; ++y) {
      QRgb *row = sharpRows.row(y);
      mixGlow(row, wideRows.row(down.index[y]), wideRows.row(down.index[y] + below), down.weight[y], width);
      second->mapRow(row, row, width, y, height);
    }
  });
  return sharp;
}
