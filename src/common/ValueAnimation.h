#pragma once

#include <QEasingCurve>
#include <functional>

class QObject;
class QVariantAnimation;

// Runs step with a value going from `from` to `to` over durationMs along the
// curve, then done (when given). The animation belongs to owner, stops with
// it, and deletes itself when it stops; it is returned started, so a caller
// may keep it (in a QPointer) to stop it early.
QVariantAnimation *animateValue(QObject *owner, qreal from, qreal to, int durationMs,
                                std::function<void(qreal)> step, std::function<void()> done = {},
                                const QEasingCurve &curve = QEasingCurve::Linear);
