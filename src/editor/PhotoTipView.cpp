#include "PhotoTipView.h"

#include "EditorArtwork.h"

#include <QPainter>

PhotoTipView::PhotoTipView(const QSizeF &size, QGraphicsItem *parent)
    : QGraphicsObject(parent), m_size(size) {
  setAcceptedMouseButtons(Qt::NoButton);
  setData(0, kTag);
  setVisible(false);
}

QRectF PhotoTipView::boundingRect() const { return QRectF(QPointF(0, 0), m_size); }

void PhotoTipView::setSize(const QSizeF &size) {
  if (size == m_size)
    return;
  prepareGeometryChange();
  m_size = size;
  update();
}

void PhotoTipView::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  const QRectF bounds = boundingRect();
  painter->setPen(QPen(QColor::fromRgbF(1.0f, 0.813f, 0.742f), 1));
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(bounds.adjusted(0.5, 0.5, -0.5, -0.5));
  const QPixmap left = EditorArtwork::picture(QStringLiteral("scaling_left_arrow"));
  const QPixmap right = EditorArtwork::picture(QStringLiteral("scaling_right_arrow"));
  painter->drawPixmap(QPointF(0, 0), left);
  const QSizeF rightSize = right.deviceIndependentSize();
  painter->drawPixmap(bounds.bottomRight() - QPointF(rightSize.width(), rightSize.height()), right);
  const QPixmap around = EditorArtwork::picture(QStringLiteral("around"));
  const QSizeF aroundSize = around.deviceIndependentSize();
  if (m_size.width() > aroundSize.width() && m_size.height() > aroundSize.height()) {
    const QPointF origin = bounds.center() - QPointF(aroundSize.width() / 2, aroundSize.height() / 2);
    painter->drawPixmap(origin, around);
  }
}
