#include "QNFilterLine.h"

#include "ChannelTableFilter.h"
#include "FilterLooks.h"

#include <QImage>

QNFilterLine::QNFilterLine(int filterType) : type(filterType) {
  linkChain(FilterLooks::filters(filterType));
}

void QNFilterLine::setFilterType(int filterType) {
  if (filterType == type)
    return;
  type = filterType;
  linkChain(FilterLooks::filters(filterType));
}

QImage QNFilterLine::imageByFilteringImage(const QImage &source) const {
  return current->apply(source);
}

void QNFilterLine::linkChain(FilterList filters) {
  if (filters.empty())
    filters.push_back(ChannelTableFilter::neutral());
  current = std::make_shared<FilterGroup>(std::move(filters));
}
