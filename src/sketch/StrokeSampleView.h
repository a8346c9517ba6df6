#pragma once

#include <QColor>
#include <QGraphicsObject>
#include <QPainterPath>

// A small preview of a tool's ink: a dot (type 1), a straight line (2) or a
// curve (3) of the given width and colour across the view. Takes no input.
class StrokeSampleView : public QGraphicsObject {
  Q_OBJECT
public:
  enum SampleType { Dot = 1, Line = 2, Curve = 3 };
  enum { Type = UserType + 501 };

  explicit StrokeSampleView(const QRectF &frame, QGraphicsItem *parent = nullptr);

  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

  int type() const override { return Type; }
  int sampleType() const { return m_type; }
  void setType(int type) { m_type = type; }
  float lineWidth() const { return m_lineWidth; }
  void setLineWidth(float width);
  QColor strokeColor() const { return m_strokeColor; }
  void setStrokeColor(const QColor &color);
  // Tiles this picture behind the sample (the preview's pattern background).
  void setBackgroundPattern(const QPixmap &pattern);
  QPainterPath strokePath() const;

private:
  QSizeF m_size;
  int m_type = 0;
  float m_lineWidth = 1;
  QColor m_strokeColor = Qt::black;
  QPixmap m_pattern;
};
