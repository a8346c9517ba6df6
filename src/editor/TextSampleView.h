#pragma once

#include <QColor>
#include <QFont>
#include <QGraphicsObject>
#include <QPixmap>

// The text settings' preview: an "A" centred in the chosen font and colour
// over the preview's tiled pattern. Takes no input.
class TextSampleView : public QGraphicsObject {
  Q_OBJECT
public:
  explicit TextSampleView(const QRectF &frame, QGraphicsItem *parent = nullptr);

  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

  QFont sampleFont() const { return m_font; }
  void setSampleFont(const QFont &font);
  QColor sampleColor() const { return m_color; }
  void setSampleColor(const QColor &color);
  void setBackgroundPattern(const QPixmap &pattern);

private:
  QSizeF m_size;
  QFont m_font;
  QColor m_color = Qt::black;
  QPixmap m_pattern;
};
