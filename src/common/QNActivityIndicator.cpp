#include "QNActivityIndicator.h"

#include <QPainter>
#include <QVariantAnimation>

namespace {
constexpr qreal kSide = 37;
constexpr int kSpokes = 12;
} // namespace

QNActivityIndicator::QNActivityIndicator(QGraphicsItem *parent)
    : QGraphicsObject(parent), m_turn(new QVariantAnimation(this)) {
  // One turn a second, one spoke at a time.
  m_turn->setStartValue(0);
  m_turn->setEndValue(kSpokes);
  m_turn->setDuration(1000);
  m_turn->setLoopCount(-1);
  connect(m_turn, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
    const int step = value.toInt() % kSpokes;
    if (step != m_step) {
      m_step = step;
      update();
    }
  });
}

void QNActivityIndicator::startAnimating() { m_turn->start(); }

void QNActivityIndicator::stopAnimating() { m_turn->stop(); }

bool QNActivityIndicator::isAnimating() const {
  return m_turn->state() == QAbstractAnimation::Running;
}

void QNActivityIndicator::setColor(const QColor &color) {
  m_color = color;
  update();
}

void QNActivityIndicator::setCenter(const QPointF &point) {
  setPos(point - QPointF(kSide / 2, kSide / 2));
}

QRectF QNActivityIndicator::boundingRect() const { return QRectF(0, 0, kSide, kSide); }

void QNActivityIndicator::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  painter->setRenderHint(QPainter::Antialiasing);
  painter->translate(kSide / 2, kSide / 2);
  QPen pen(m_color, 4, Qt::SolidLine, Qt::RoundCap);
  for (int i = 0; i < kSpokes; ++i) {
    // The spoke at the current step is brightest; the ones behind it fade.
    const int age = (m_step - i + kSpokes) % kSpokes;
    QColor color = m_color;
    color.setAlphaF(1.0 - 0.75 * age / (kSpokes - 1));
    pen.setColor(color);
    painter->setPen(pen);
    painter->save();
    painter->rotate(i * 360.0 / kSpokes);
    painter->drawLine(QPointF(0, -kSide / 2 + 3), QPointF(0, -kSide / 4));
    painter->restore();
  }
}
