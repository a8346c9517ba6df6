#pragma once

#include "Drawable.h"

// The clear-page action: wipes its frame (the layer's bounds when it was made)
// to full transparency, hiding the base image and every item drawn before it.
class DrawClear : public Drawable {
public:
  explicit DrawClear(const QRectF &frame);

  void draw(QPainter &painter) const override;
  QRectF frame() const override { return m_frame; }
  void drawRect(QPainter &painter, const QRectF &dirty) const override;

private:
  QRectF m_frame;
};
