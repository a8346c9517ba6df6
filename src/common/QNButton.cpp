#include "QNButton.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>

namespace {
const char *const kFocusedKey = "com.quill.uibutton.focused";
}

QNButton::QNButton(const QPixmap &normal, const QPixmap &highlighted, QGraphicsItem *parent)
    : QGraphicsObject(parent), m_normal(normal), m_highlighted(highlighted) {
  setAcceptedMouseButtons(Qt::LeftButton);
}

void QNButton::setPictures(const QPixmap &normal, const QPixmap &highlighted) {
  prepareGeometryChange();
  m_normal = normal;
  m_highlighted = highlighted;
  update();
}

void QNButton::setTitle(const QString &title) {
  m_title = title;
  update();
}

void QNButton::setSize(const QSizeF &size) {
  prepareGeometryChange();
  m_size = size;
}

QSizeF QNButton::size() const {
  if (m_size.isValid())
    return m_size;
  return m_normal.isNull() ? QSizeF() : m_normal.deviceIndependentSize();
}

void QNButton::setCenter(const QPointF &point) {
  const QSizeF extent = size();
  setPos(point - QPointF(extent.width() / 2, extent.height() / 2));
}

bool QNButton::focused() const { return property(kFocusedKey).toBool(); }

void QNButton::setFocused(bool focused) {
  if (focused == this->focused())
    return;
  setProperty(kFocusedKey, focused);
  std::swap(m_normal, m_highlighted);
  update();
}

QRectF QNButton::boundingRect() const { return QRectF(QPointF(0, 0), size()); }

void QNButton::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  const QRectF bounds = boundingRect();
  const QPixmap &picture = isHighlighted() && !m_highlighted.isNull() ? m_highlighted : m_normal;
  if (!picture.isNull()) {
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawPixmap(bounds, picture, QRectF(picture.rect()));
  }
  if (!m_title.isEmpty()) {
    QFont font = painter->font();
    font.setPixelSize(qMax(10, qRound(bounds.height() * 0.45)));
    font.setBold(true);
    painter->setFont(font);
    painter->setPen(Qt::white);
    painter->drawText(bounds, Qt::AlignCenter, m_title);
  }
}

void QNButton::mousePressEvent(QGraphicsSceneMouseEvent *event) {
  if (!isEnabled()) {
    event->ignore();
    return;
  }
  m_pressed = true;
  m_inside = true;
  event->accept();
  update();
}

void QNButton::mouseMoveEvent(QGraphicsSceneMouseEvent *event) {
  const bool inside = boundingRect().contains(event->pos());
  if (inside != m_inside) {
    m_inside = inside;
    update();
  }
}

void QNButton::mouseReleaseEvent(QGraphicsSceneMouseEvent *event) {
  const bool wasClick = m_pressed && boundingRect().contains(event->pos());
  m_pressed = false;
  m_inside = false;
  update();
  if (wasClick)
    Q_EMIT clicked();
}

bool QNButton::sceneEvent(QEvent *event) {
  if (event->type() == QEvent::UngrabMouse) {
    // A touch taken away (the button hidden or removed) is no click.
    m_pressed = false;
    m_inside = false;
    update();
  }
  return QGraphicsObject::sceneEvent(event);
}
