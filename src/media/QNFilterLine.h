#pragma once

#include "FilterGroup.h"

#include <memory>

// The filter chain of the filter screen: from a source picture through the
// filters of one look (see FilterLooks) to the filtered picture.
//
// Invariant: chain() holds the filters of filterType(), or the neutral filter
// alone when the look has none, so a picture always comes through. The line is
// changed on one thread; the chain it hands out is immutable and may filter on
// any thread while the line moves on to another look.
class QNFilterLine {
public:
  explicit QNFilterLine(int filterType = 0);

  int filterType() const { return type; }
  // A different type installs that look's filters; the same type keeps them.
  void setFilterType(int filterType);

  const FilterList &filters() const { return current->filters(); }
  std::shared_ptr<const FilterGroup> chain() const { return current; }
  QImage imageByFilteringImage(const QImage &source) const;

private:
  void linkChain(FilterList filters);
  int type;
  std::shared_ptr<const FilterGroup> current;
};
