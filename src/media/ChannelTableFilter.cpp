#include "ChannelTableFilter.h"

#include "FilterResources.h"
#include "PixelBands.h"

std::shared_ptr<const ChannelTableFilter> ChannelTableFilter::neutral() {
  return std::make_shared<ChannelTableFilter>(ChannelTables::identity());
}

std::shared_ptr<const ChannelTableFilter> ChannelTableFilter::brightness(float brightness) {
  return std::make_shared<ChannelTableFilter>(
      ChannelTables::fromFunction([brightness](float v) { return v + brightness; }));
}

std::shared_ptr<const ChannelTableFilter> ChannelTableFilter::contrast(float contrast) {
  return std::make_shared<ChannelTableFilter>(
      ChannelTables::fromFunction([contrast](float v) { return (v - 0.5f) * contrast + 0.5f; }));
}

std::shared_ptr<const ChannelTableFilter> ChannelTableFilter::colourInversion() {
  return std::make_shared<ChannelTableFilter>(
      ChannelTables::fromFunction([](float v) { return 1.0f - v; }));
}

std::shared_ptr<const ChannelTableFilter> ChannelTableFilter::toneCurve(const QString &fileName) {
  return std::make_shared<ChannelTableFilter>(FilterResources::shared().toneCurve(fileName));
}

void ChannelTableFilter::mapRow(const QRgb *from, QRgb *to, int width, int, int) const {
  const auto &red = tables.red;
  const auto &green = tables.green;
  const auto &blue = tables.blue;
  mapRowPixels(from, to, width, [&](QRgb pixel) {
    return (uint(red[(pixel >> 16) & 0xff]) << 16) | (uint(green[(pixel >> 8) & 0xff]) << 8) |
           uint(blue[pixel & 0xff]);
  });
}
