#include "SoftGlowFilter.h"

#include "BoxBlurFilter.h"
#include "PixelBands.h"
#include "QNLookupFilter.h"

namespace {
constexpr float kGlowSigma = 10.0f;
// The glow is blurred at a quarter of the size and scaled back up: at this
// blur, the lost detail is below what the 0.14 mix can show.
constexpr int kGlowReduction = 4;
constexpr quint32 kGlowMix = 36; // 0.14 in 1/256
} // namespace

SoftGlowFilter::SoftGlowFilter(const QString &firstLookup, const QString &secondLookup)
    : first(std::make_unique<QNLookupFilter>(firstLookup)),
      blur(BoxBlurFilter::gaussian(kGlowSigma / kGlowReduction)),
      second(std::make_unique<QNLookupFilter>(secondLookup)) {}

SoftGlowFilter::~SoftGlowFilter() = default;

QImage SoftGlowFilter::apply(const QImage &source) const {
  const QImage sharp = first->apply(source);
  const QSize reduced = (sharp.size() / kGlowReduction).expandedTo(QSize(1, 1));
  QImage glow = workingImage(blur->apply(workingImage(sharp.scaled(reduced, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)))
                                 .scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  const PixelRows sharpRows(sharp);
  const PixelRows glowRows(glow);
  const int width = glow.width();
  forEachRowBand(glow.height(), [&](int begin, int end) {
    for (int y = begin; y < end; ++y) {
      const QRgb *a = sharpRows.row(y);
      QRgb *b = glowRows.row(y);
      for (int x = 0; x < width; ++x) {
        const quint32 keep = 256 - kGlowMix;
        const quint32 evenBytes = (((a[x] & 0xff00ffu) * keep + (b[x] & 0xff00ffu) * kGlowMix) >> 8) & 0xff00ffu;
        const quint32 oddBytes = ((((a[x] >> 8) & 0xff00ffu) * keep + ((b[x] >> 8) & 0xff00ffu) * kGlowMix) >> 8) & 0xff00ffu;
        b[x] = evenBytes | (oddBytes << 8);
      }
    }
  });
  second->filterInPlace(glow);
  return glow;
}
