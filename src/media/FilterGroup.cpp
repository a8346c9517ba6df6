#include "FilterGroup.h"

#include "ChannelTableFilter.h"
#include "PixelBands.h"
#include "RowFilter.h"

#include <list>
#include <optional>

QImage FilterGroup::run(const FilterList &filters, const QImage &source) {
  QImage current = workingImage(source);
  // Once a filter has made a new picture, later pixel-wise steps reuse it
  // rather than allocating and filling another.
  bool owned = current.constBits() != source.constBits();
  // The row filters not yet run, and the tables of the table filters just
  // before, composed into one; composed keeps their filters alive.
  std::vector<const RowFilter *> rowRun;
  std::list<ChannelTableFilter> composed;
  std::optional<ChannelTables> pending;
  auto endTables = [&] {
    if (pending && !pending->isIdentity())
      rowRun.push_back(&composed.emplace_back(*pending));
    pending.reset();
  };
  auto flush = [&] {
    endTables();
    if (rowRun.empty())
      return;
    if (owned) {
      RowFilter::mapRows(rowRun, current, current);
    } else {
      QImage mapped = blankLike(current);
      RowFilter::mapRows(rowRun, current, mapped);
      current = mapped;
      owned = true;
    }
    rowRun.clear();
  };
  for (const auto &filter : filters) {
    if (const ChannelTables *tables = filter->channelTables()) {
      pending = pending ? pending->then(*tables) : *tables;
      continue;
    }
    endTables();
    if (const auto *rowFilter = dynamic_cast<const RowFilter *>(filter.get())) {
      rowRun.push_back(rowFilter);
      continue;
    }
    if (!rowRun.empty()) {
      QImage taken = filter->applyAfter(rowRun, current);
      if (!taken.isNull()) {
        current = taken;
        owned = true;
        rowRun.clear();
        continue;
      }
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
