#pragma once

#include "ChannelTables.h"
#include "RowFilter.h"

#include <memory>

class QString;

// A filter that maps each colour channel through its own table: tone curves,
// brightness, contrast, colour inversion and the neutral filter. A chain fuses
// consecutive table filters into one pass.
class ChannelTableFilter : public RowFilter {
public:
  explicit ChannelTableFilter(const ChannelTables &tables) : tables(tables) {}

  // Every channel times 1: lets a picture through unchanged.
  static std::shared_ptr<const ChannelTableFilter> neutral();
  // Adds brightness (-1..1) to every channel.
  static std::shared_ptr<const ChannelTableFilter> brightness(float brightness);
  // Spreads every channel around the middle grey by contrast (0..4, 1 unchanged).
  static std::shared_ptr<const ChannelTableFilter> contrast(float contrast);
  static std::shared_ptr<const ChannelTableFilter> colourInversion();
  // The tone curve of the named ACV file among the filter resources; a
  // missing or broken file gives the neutral filter (and a log line).
  static std::shared_ptr<const ChannelTableFilter> toneCurve(const QString &fileName);

  const ChannelTables *channelTables() const override { return &tables; }
  void mapRow(const QRgb *from, QRgb *to, int width, int y, int height) const override;

private:
  ChannelTables tables;
};
