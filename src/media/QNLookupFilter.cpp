#include "QNLookupFilter.h"

#include "ChannelTables.h"
#include "FilterResources.h"
#include "LookupTable.h"
#include "common/DiagnosticLog.h"

#include <algorithm>

QNLookupFilter::QNLookupFilter(const QString &imageName)
    : table(FilterResources::shared().lookupTable(imageName)) {}

QNLookupFilter::QNLookupFilter(const QImage &image) { setLookupImage(image); }

QNLookupFilter::~QNLookupFilter() = default;

void QNLookupFilter::setLookupImage(const QImage &image) {
  table = LookupTable::fromImage(image);
  if (!table)
    QUILL_LOG_ERROR("lookup table: size", "image", image.width(), QString::number(image.height()));
}

QImage QNLookupFilter::apply(const QImage &source) const {
  if (!table)
    return source;
  return RowFilter::apply(source);
}

void QNLookupFilter::mapRow(const QRgb *from, QRgb *to, int width, int, int) const {
  if (table)
    table->mapRow(from, to, width);
  else if (from != to)
    std::copy(from, from + width, to);
}

const ChannelTables *QNLookupFilter::channelTables() const {
  static const ChannelTables straight = ChannelTables::identity();
  return table ? nullptr : &straight;
}
