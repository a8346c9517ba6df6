#include "FilterGroup.h"

#include "ChannelTables.h"
#include "PixelBands.h"

#include <optional>

QImage FilterGroup::run(const FilterList &filters, const QImage &source) {
  QImage current = workingImage(source);
  std::optional<ChannelTables> pending;
  auto flush = [&] {
    if (pending && !pending->isIdentity()) {
      QImage mapped = blankLike(current);
      applyChannelTables(current, mapped, *pending);
      current = mapped;
    }
    pending.reset();
  };
  for (const auto &filter : filters) {
    if (const ChannelTables *tables = filter->channelTables()) {
      pending = pending ? pending->then(*tables) : *tables;
      continue;
    }
    flush();
    current = filter->apply(current);
  }
  flush();
  return current;
}

QImage FilterGroup::apply(const QImage &source) const { return run(members, source); }
