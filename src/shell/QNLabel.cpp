#include "QNLabel.h"

#include <QFontMetricsF>
#include <QPainter>

QNLabel::QNLabel(QGraphicsItem *parent) : QGraphicsWidget(parent) {}

void QNLabel::setText(const QString &text) {
  if (text == m_text)
    return;
  m_text = text;
  update();
}

void QNLabel::setTextColor(const QColor &color) {
  m_color = color;
  update();
}

void QNLabel::setTextFont(const QFont &font) {
  m_font = font;
  update();
}

void QNLabel::setAlignment(Qt::Alignment alignment) {
  m_alignment = alignment;
  update();
}

qreal QNLabel::textWidth() const {
  return QFontMetricsF(m_font).horizontalAdvance(m_text);
}

void QNLabel::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  paintText(painter, rect());
}

void QNLabel::paintText(QPainter *painter, const QRectF &rect) const {
  if (m_text.isEmpty())
    return;
  painter->setFont(m_font);
  painter->setPen(m_color);
  const QString shown = QFontMetricsF(m_font).elidedText(m_text, Qt::ElideRight, rect.width());
  painter->drawText(rect, int(m_alignment | Qt::TextSingleLine), shown);
}
