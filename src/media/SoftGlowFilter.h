#pragma once

#include "ImageFilter.h"

#include <memory>

class BoxBlurFilter;
class QNLookupFilter;
class QString;

// A soft glow: the first lookup, then a little (0.14) of its Gaussian-blurred
// self (sigma 10 pixels, blurred at a quarter of the size) mixed in, then the
// second lookup.
class SoftGlowFilter : public ImageFilter {
public:
  SoftGlowFilter(const QString &firstLookup, const QString &secondLookup);
  ~SoftGlowFilter() override;
  QImage apply(const QImage &source) const override;

private:
  std::unique_ptr<QNLookupFilter> first;
  std::shared_ptr<const BoxBlurFilter> blur;
  std::unique_ptr<QNLookupFilter> second;
};
