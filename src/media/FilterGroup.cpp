#include "FilterGroup.h"

#include "ChannelTables.h"
#include "PixelBands.h"

#include <optional>

QImage FilterGroup::run(const FilterList &filters, const QImage &source) {
  QImage current = workingImage(source);
  // Once a filter has made a new picture, later pixel-wise steps reuse it
  // rather than allocating and filling another.
  bool owned = current.constBits() != source.constBits();
  std::optional<ChannelTables> pending;
  auto flush = [&] {
    if (pending && !pending->isIdentity()) {
      if (owned) {
        applyChannelTables(current, current, *pending);
      } else {
        QImage mapped = blankLike(current);
        applyChannelTables(current, mapped, *pending);
        current = mapped;
        owned = true;
      }
    }
    pending.reset();
  };
  for (const auto &filter : filters) {
    if (const ChannelTables *tables = filter->channelTables()) {
      pending = pending ? pending->then(*tables) : *tables;
      continue;
    }
    flush();
    if (!(owned && filter->filterInPlace(current))) {
      current = filter->apply(current);
      owned = current.constBits() != source.constBits();
    }
  }
  flush();
  return current;
}

QImage FilterGroup::apply(const QImage &source) const { return run(members, source); }
