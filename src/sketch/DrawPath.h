#pragma once

#include "Drawable.h"

#include <QColor>
#include <QPainterPath>

// One stroked vector path: a pen or rubber piece, or a whole marker stroke.
// A rubber path paints in clear mode and erases whatever lies under it. The
// path never changes after the item is made; its frame (path bounds grown by
// the line width on every side) is computed on first use and kept.
class DrawPath : public Drawable {
public:
  DrawPath(const QPainterPath &path, const QColor &color, float lineWidth, bool rubber);
  static std::shared_ptr<const DrawPath> pathWithPath(const QPainterPath &path, const QColor &color,
                                                      float lineWidth, bool rubber);

  void draw(QPainter &painter) const override;
  QRectF frame() const override;
  void drawRect(QPainter &painter, const QRectF &dirty) const override;

  const QPainterPath &path() const { return m_path; }
  QColor strokeColor() const { return m_strokeColor; }
  float lineWidth() const { return m_lineWidth; }
  bool isRubberPath() const { return m_rubberPath; }

private:
  QPainterPath m_path;
  QColor m_strokeColor;
  float m_lineWidth;
  bool m_rubberPath;
  mutable QRectF m_frame;
};

using DrawPathPtr = std::shared_ptr<const DrawPath>;
