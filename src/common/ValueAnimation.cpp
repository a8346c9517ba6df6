#include "ValueAnimation.h"

#include <QVariantAnimation>

QVariantAnimation *animateValue(QObject *owner, qreal from, qreal to, int durationMs,
                                std::function<void(qreal)> step, std::function<void()> done,
                                const QEasingCurve &curve) {
  auto *animation = new QVariantAnimation(owner);
  animation->setStartValue(from);
  animation->setEndValue(to);
  animation->setDuration(durationMs);
  animation->setEasingCurve(curve);
  QObject::connect(animation, &QVariantAnimation::valueChanged, owner,
                   [step = std::move(step)](const QVariant &value) { step(value.toReal()); });
  if (done)
    QObject::connect(animation, &QVariantAnimation::finished, owner, std::move(done));
  animation->start(QAbstractAnimation::DeleteWhenStopped);
  return animation;
}
