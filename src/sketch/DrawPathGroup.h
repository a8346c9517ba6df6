#pragma once

#include "DrawPath.h"

#include <vector>

// The pieces of one pen or rubber stroke, drawn in order and undone as one.
// Holds at least one piece; the list never changes after the group is made.
class DrawPathGroup : public Drawable {
public:
  explicit DrawPathGroup(std::vector<DrawPathPtr> paths);

  void draw(QPainter &painter) const override;
  QRectF frame() const override;
  void drawRect(QPainter &painter, const QRectF &dirty) const override;

  const std::vector<DrawPathPtr> &paths() const { return m_paths; }

private:
  std::vector<DrawPathPtr> m_paths;
  mutable QRectF m_frame;
};
