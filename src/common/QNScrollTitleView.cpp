#include "QNScrollTitleView.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QVariantAnimation>

#include <algorithm>
#include <cmath>

QNScrollTitleView::QNScrollTitleView(const QRectF &frame, QGraphicsItem *parent)
    : QGraphicsObject(parent), m_size(frame.size()), m_scroll(new QVariantAnimation(this)) {
  setPos(frame.topLeft());
  setFlag(ItemClipsToShape);
  setFlag(ItemClipsChildrenToShape);
  m_font.setPixelSize(16);
  m_scroll->setLoopCount(-1);
  connect(m_scroll, &QVariantAnimation::valueChanged, this,
          [this](const QVariant &value) { setLabelCentreX(value.toReal()); });
  measure();
}

void QNScrollTitleView::setTitle(const QString &title) {
  m_title = title;
  measure();
}

void QNScrollTitleView::setFont(const QFont &font) {
  m_font = font;
  measure();
}

void QNScrollTitleView::setTextColor(const QColor &color) {
  m_textColor = color;
  update();
}

void QNScrollTitleView::measure() {
  const qreal textWidth =
      QFontMetricsF(m_font)
          .boundingRect(QRectF(0, 0, 1000, m_size.height()), Qt::AlignLeft | Qt::AlignVCenter, m_title)
          .width();
  m_labelWidth = std::max(std::ceil(textWidth), m_size.width());
  m_scroll->stop();
  setLabelCentreX(m_size.width() / 2);
  if (m_animating)
    startAnimating();
}

void QNScrollTitleView::setLabelCentreX(qreal x) {
  m_labelCentreX = x;
  update();
}

int QNScrollTitleView::scrollDuration() const {
  if (m_labelWidth <= m_size.width())
    return 0;
  return std::max(200, qRound((m_labelWidth - m_size.width()) * 100));
}

void QNScrollTitleView::startAnimating() {
  m_animating = true;
  m_scroll->stop();
  if (m_labelWidth <= m_size.width()) {
    setLabelCentreX(m_size.width() / 2);
    return;
  }
  const qreal start = m_labelWidth / 2;
  m_scroll->setKeyValues({{0.0, start}, {0.5, m_size.width() - m_labelWidth / 2}, {1.0, start}});
  m_scroll->setDuration(scrollDuration());
  m_scroll->start();
}

void QNScrollTitleView::stopAnimating() {
  m_animating = false;
  m_scroll->stop();
  setLabelCentreX(m_size.width() / 2);
}

bool QNScrollTitleView::isScrolling() const {
  return m_scroll->state() == QAbstractAnimation::Running;
}

QRectF QNScrollTitleView::labelRect() const {
  return QRectF(m_labelCentreX - m_labelWidth / 2, 0, m_labelWidth, m_size.height());
}

QRectF QNScrollTitleView::boundingRect() const { return QRectF(QPointF(0, 0), m_size); }

void QNScrollTitleView::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  painter->setRenderHint(QPainter::TextAntialiasing);
  painter->setClipRect(boundingRect(), Qt::IntersectClip);
  painter->setFont(m_font);
  painter->setPen(m_textColor);
  painter->drawText(labelRect(), Qt::AlignCenter, m_title);
}
