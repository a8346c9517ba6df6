#include "TextSampleView.h"

#include "StyledTextDocument.h"

#include <QPainter>

TextSampleView::TextSampleView(const QRectF &frame, QGraphicsItem *parent)
    : QGraphicsObject(parent), m_size(frame.size()) {
  setPos(frame.topLeft());
  setAcceptedMouseButtons(Qt::NoButton);
}

QRectF TextSampleView::boundingRect() const { return QRectF(QPointF(0, 0), m_size); }

void TextSampleView::setSampleFont(const QFont &font) {
  m_font = font;
  update();
}

void TextSampleView::setSampleColor(const QColor &color) {
  m_color = color;
  update();
}

void TextSampleView::setBackgroundPattern(const QPixmap &pattern) {
  m_pattern = pattern;
  update();
}

void TextSampleView::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  if (!m_pattern.isNull())
    painter->drawTiledPixmap(boundingRect(), m_pattern);
  painter->setFont(StyledTextDocument::documentFont(m_font));
  painter->setPen(m_color);
  painter->drawText(boundingRect(), Qt::AlignCenter, QStringLiteral("A"));
}
