#pragma once

#include "ChannelTables.h"

#include <QHash>
#include <QMutex>
#include <QString>
#include <list>
#include <memory>

class LookupTable;

// The curve files and lookup pictures of the looks, read from the resource
// folder "filter" and kept once read, so switching looks reads no file twice.
// A missing or broken file is logged once and reads as neutral: straight
// tables, or no lookup table. Thread-safe.
class FilterResources {
public:
  static FilterResources &shared();

  static QString pathWithName(const QString &fileName);

  ChannelTables toneCurve(const QString &fileName);
  // Nothing when the picture is missing or not 512 by 512.
  std::shared_ptr<const LookupTable> lookupTable(const QString &fileName);
  // Forgets everything read (for a changed resource folder).
  void clear();

private:
  FilterResources() = default;
  QMutex mutex;
  QHash<QString, ChannelTables> curves;
  // Lookup tables are 16 MB each: the four most recently used are kept.
  std::list<std::pair<QString, std::shared_ptr<const LookupTable>>> lookups;
};
