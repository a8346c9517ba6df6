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

bool ChannelTableFilter::filterInPlace(QImage &image) const {
  applyChannelTables(image, image, tables);
  return true;
}

QImage ChannelTableFilter::apply(const QImage &source) const {
  QImage target = blankLike(source);
  applyChannelTables(source, target, tables);
  return target;
}
