#include "Drawable.h"

void Drawable::draw(QPainter &) const {}

QRectF Drawable::frame() const {
  return {};
}

void Drawable::drawRect(QPainter &, const QRectF &) const {}
