#include "ImageFilter.h"

bool ImageFilter::filterInPlace(QImage &) const { return false; }
