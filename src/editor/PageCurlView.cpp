#include "PageCurlView.h"

#include "common/ValueAnimation.h"

#include <QGraphicsSceneMouseEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {
// The page folds along a line that sweeps from the bottom-right corner
// towards the top-left, leaning a little so the corner lifts first.
const QPointF kSweep = [] {
  const QPointF direction(-0.3, -1);
  return direction / std::hypot(direction.x(), direction.y());
}();
constexpr qreal kShadowWidth = 36;
// How far the turned-over part reaches beyond the fold, against its own width.
constexpr qreal kRoll = 0.6;

qreal dot(const QPointF &a, const QPointF &b) { return a.x() * b.x() + a.y() * b.y(); }

// The side of the fold line through onLine where the sweep points (ahead) or
// the other side, as a polygon large enough to cover the page.
QPainterPath halfPlane(const QPointF &onLine, bool ahead, qreal reach) {
  const QPointF along(-kSweep.y(), kSweep.x());
  const QPointF side = ahead ? kSweep : -kSweep;
  QPolygonF polygon{onLine - along * reach, onLine + along * reach,
                    onLine + along * reach + side * reach, onLine - along * reach + side * reach};
  QPainterPath path;
  path.addPolygon(polygon);
  path.closeSubpath();
  return path;
}
} // namespace

PageCurlView::PageCurlView(const QImage &under, const QImage &curling, bool upwards, QGraphicsItem *parent)
    : QGraphicsObject(parent), m_under(under), m_curling(curling),
      m_size(curling.deviceIndependentSize()), m_upwards(upwards) {
  setAcceptedMouseButtons(Qt::AllButtons);
  setAcceptTouchEvents(true);
  setProgress(upwards ? 0 : 1);
}

void PageCurlView::start(int durationMs) {
  animateValue(
      this, m_upwards ? 0 : 1, m_upwards ? 1 : 0, durationMs, [this](qreal t) { setProgress(t); },
      [this] {
        Q_EMIT finished();
        deleteLater();
      },
      QEasingCurve::InOutQuad);
}

void PageCurlView::setProgress(qreal progress) {
  m_progress = progress;
  update();
}

QRectF PageCurlView::boundingRect() const { return QRectF(QPointF(), m_size); }

void PageCurlView::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  const QRectF page = boundingRect();
  const QPointF corner = page.bottomRight();
  // The fold's distance from the corner along the sweep; past the far corner
  // the whole page has folded away.
  const qreal farthest = dot(page.topLeft() - corner, kSweep);
  const qreal fold = m_progress * (farthest + 2);
  const QPointF onFold = corner + kSweep * fold;
  const qreal reach = 4 * (page.width() + page.height());
  QPainterPath pageShape;
  pageShape.addRect(page);
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setRenderHint(QPainter::SmoothPixmapTransform);

  painter->drawImage(page, m_under);
  const QPainterPath lifted = halfPlane(onFold, false, reach).intersected(pageShape);

  // The page beneath darkens where the fold hangs over it, less as the sheet
  // leaves, so nothing is left when it has gone.
  QLinearGradient shade(onFold, onFold - kSweep * kShadowWidth);
  shade.setColorAt(0, QColor(0, 0, 0, qRound(90 * (1 - m_progress))));
  shade.setColorAt(1, QColor(0, 0, 0, 0));
  painter->fillPath(lifted, shade);

  painter->save();
  painter->setClipPath(halfPlane(onFold, true, reach).intersected(pageShape));
  painter->drawImage(page, m_curling);
  painter->restore();

  // The folded part is the lifted part turned over the fold line and, as a
  // sheet rolling over rather than lying flat, foreshortened across it:
  // p' = p + (1 + kRoll) (fold - s(p)) u.
  const qreal ux = kSweep.x(), uy = kSweep.y();
  const qreal turn = 1 + kRoll;
  const qreal shift = turn * (fold + dot(corner, kSweep));
  const QTransform mirror(1 - turn * ux * ux, -turn * ux * uy, -turn * ux * uy, 1 - turn * uy * uy,
                          shift * ux, shift * uy);
  const QPainterPath flap = mirror.map(lifted).intersected(pageShape);
  if (flap.isEmpty())
    return;
  painter->save();
  painter->setClipPath(flap);
  painter->setTransform(mirror, true);
  painter->drawImage(page, m_curling);
  painter->restore();
  // The back of the sheet: the print shows faintly through, darker at the fold.
  painter->fillPath(flap, QColor(250, 248, 242, 220));
  QLinearGradient back(onFold, onFold + kSweep * std::max<qreal>(fold, 1));
  back.setColorAt(0, QColor(0, 0, 0, 60));
  back.setColorAt(0.25, QColor(0, 0, 0, 10));
  back.setColorAt(1, QColor(255, 255, 255, 40));
  painter->fillPath(flap, back);
  painter->setPen(QPen(QColor(0, 0, 0, 50), 1));
  painter->drawPath(flap);
}

void PageCurlView::mousePressEvent(QGraphicsSceneMouseEvent *event) { event->accept(); }
