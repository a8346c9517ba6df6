#pragma once

#include <QRectF>
#include <memory>

class QPainter;

// One item of a page's handwriting history. Items are immutable once made and
// shared between the history and the undo records (hence shared_ptr); they
// paint in the sketch layer's point coordinates into whatever painter is given.
class Drawable {
public:
  virtual ~Drawable() = default;

  // Paints the whole item.
  virtual void draw(QPainter &painter) const;
  // The rect the item can touch; computed once and cached by the kinds that have geometry.
  virtual QRectF frame() const;
  // Paints the item only when it can touch the dirty rect.
  virtual void drawRect(QPainter &painter, const QRectF &dirty) const;
};

using DrawablePtr = std::shared_ptr<const Drawable>;
