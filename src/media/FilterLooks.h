#pragma once

#include "FilterGroup.h"

#include <QString>

// The table of the 36 looks a photo can be given, by index: the title key the
// strip shows, the name of its thumbnail among the filter resources, and its
// filters. Look 0 ("Normal") has no filters.
class FilterLooks {
public:
  static int count();
  static QString title(int index);
  static QString thumbnail(int index);
  // Fresh filters of the look; an index out of range has none.
  static FilterList filters(int index);
};
