#pragma once

#include "ImageFilter.h"

#include <memory>
#include <vector>

using FilterList = std::vector<std::shared_ptr<const ImageFilter>>;

// An ordered chain of filters run as one. Consecutive per-channel filters are
// composed into one table, consecutive row filters (see RowFilter) run in one
// pass, and a chain that changes nothing returns its source itself.
// Immutable; shared across threads.
class FilterGroup : public ImageFilter {
public:
  explicit FilterGroup(FilterList filters) : members(std::move(filters)) {}

  // source (any format) through filters, in a working format.
  static QImage run(const FilterList &filters, const QImage &source);

  const FilterList &filters() const { return members; }
  QImage apply(const QImage &source) const override;

private:
  FilterList members;
};
