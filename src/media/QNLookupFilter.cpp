#include "QNLookupFilter.h"

#include "ChannelTables.h"
#include "FilterResources.h"
#include "LookupTable.h"
#include "PixelBands.h"
#include "common/DiagnosticLog.h"

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
  QImage target = blankLike(source);
  table->apply(source, target);
  return target;
}

bool QNLookupFilter::filterInPlace(QImage &image) const {
  if (table)
    table->apply(image, image);
  return true;
}

const ChannelTables *QNLookupFilter::channelTables() const {
  static const ChannelTables straight = ChannelTables::identity();
  return table ? nullptr : &straight;
}
