#include "ImageFilter.h"

#include <QImage>

bool ImageFilter::filterInPlace(QImage &) const { return false; }

QImage ImageFilter::applyAfter(const std::vector<const RowFilter *> &, const QImage &) const { return {}; }
