#include "PanelButton.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>

PanelButton::PanelButton(const QRectF &frame, QGraphicsItem *parent)
    : QGraphicsObject(parent), m_size(frame.size()) {
  setPos(frame.topLeft());
  setAcceptedMouseButtons(Qt::LeftButton);
}

QRectF PanelButton::boundingRect() const {
  return QRectF(QPointF(0, 0), m_size);
}

void PanelButton::setSize(const QSizeF &size) {
  prepareGeometryChange();
  m_size = size;
}

void PanelButton::setBackgroundColor(const QColor &color) {
  m_color = color;
  update();
}

void PanelButton::setBackgroundPictures(const QPixmap &normal, const QPixmap &highlighted) {
  m_normal = normal;
  m_highlighted = highlighted;
  update();
}

void PanelButton::setTitle(const QString &title) {
  m_title = title;
  update();
}

void PanelButton::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  const QRectF rect = boundingRect();
  if (m_color.isValid())
    painter->fillRect(rect, m_pressed ? m_color.darker(120) : m_color);
  const QPixmap &picture = m_pressed && !m_highlighted.isNull() ? m_highlighted : m_normal;
  if (!picture.isNull())
    painter->drawPixmap(rect, picture, QRectF(QPointF(0, 0), picture.size()));
  if (!m_title.isEmpty()) {
    painter->setPen(Qt::black);
    QFont font = painter->font();
    font.setPointSizeF(16);
    painter->setFont(font);
    painter->drawText(rect, Qt::AlignCenter, m_title);
  }
}

void PanelButton::mousePressEvent(QGraphicsSceneMouseEvent *event) {
  m_pressed = true;
  update();
  event->accept();
}

void PanelButton::mouseReleaseEvent(QGraphicsSceneMouseEvent *event) {
  const bool inside = boundingRect().contains(event->pos());
  m_pressed = false;
  update();
  if (inside)
    Q_EMIT clicked(this);
}
