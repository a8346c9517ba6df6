#pragma once

#include "RowFilter.h"

#include <memory>

class LookupTable;
class QString;

// The colour lookup filter of a look: maps every colour through the table of
// a 512 by 512 lookup picture (see LookupTable). Without a usable table it is
// neutral: it answers straight channel tables, which a chain drops.
class QNLookupFilter : public RowFilter {
public:
  // The named picture among the filter resources.
  explicit QNLookupFilter(const QString &imageName);
  explicit QNLookupFilter(const QImage &image);
  ~QNLookupFilter() override;

  // Replaces the table; the old one is released once no filtering uses it.
  void setLookupImage(const QImage &image);
  bool hasTable() const { return table != nullptr; }

  QImage apply(const QImage &source) const override;
  const ChannelTables *channelTables() const override;
  void mapRow(const QRgb *from, QRgb *to, int width, int y, int height) const override;

private:
  std::shared_ptr<const LookupTable> table;
};
