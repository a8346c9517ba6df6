#include "QNBookCoverView.h"

#include "CoverViewDelegate.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>

namespace {
// The "selected" badge: a green disc with a white tick, 36 points, drawn once.
QPixmap selectedBadge() {
  static const QPixmap badge = [] {
    QImage image(72, 72, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 5));
    painter.setBrush(QColor(46, 160, 90));
    painter.drawEllipse(QRectF(4, 4, 64, 64));
    QPainterPath tick;
    tick.moveTo(22, 37);
    tick.lineTo(32, 47);
    tick.lineTo(51, 26);
    painter.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
    painter.end();
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(2);
    return pixmap;
  }();
  return badge;
}
} // namespace

QNBookCoverView::QNBookCoverView(const QRectF &frame, QGraphicsItem *parent)
    : QGraphicsObject(parent) {
  setAcceptedMouseButtons(Qt::LeftButton);
  setFrame(frame);
  m_holdTimer.setSingleShot(true);
  m_holdTimer.setInterval(kHoldMs);
  connect(&m_holdTimer, &QTimer::timeout, this, &QNBookCoverView::longPressed);
}

QNBookCoverView::~QNBookCoverView() = default;

void QNBookCoverView::setFrame(const QRectF &frame) {
  setPos(frame.topLeft());
  if (frame.size() == m_size)
    return;
  prepareGeometryChange();
  m_size = frame.size();
  setTransformOriginPoint(QPointF(m_size.width() / 2, m_size.height() / 2));
  sizeChanged();
}

QRectF QNBookCoverView::boundingRect() const { return QRectF(QPointF(), m_size); }

void QNBookCoverView::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  paintCover(painter);
}

void QNBookCoverView::paintCover(QPainter *) {}

void QNBookCoverView::select(bool selected) {
  if (!m_maskView) {
    m_maskView = new QGraphicsPixmapItem(selectedBadge(), this);
    m_maskView->setPos(20, 20);
    m_maskView->setVisible(false);
  }
  m_maskView->setVisible(selected);
  m_selected = selected;
  m_maskView->setZValue(1000);
  if (!m_delegate)
    return;
  if (selected)
    m_delegate->didSelectCover(this);
  else
    m_delegate->didDeselectCover(this);
}

void QNBookCoverView::setIsEditing(bool editing) {
  m_editing = editing;
  if (!editing && m_maskView)
    m_maskView->setVisible(false);
}

bool QNBookCoverView::isEditing() const { return m_delegate ? m_delegate->isEditing() : m_editing; }

void QNBookCoverView::setIsHold(bool hold) {
  if (hold == m_hold)
    return;
  m_hold = hold;
  if (m_holdAnimation)
    m_holdAnimation->stop();
  auto *animation = new QPropertyAnimation(this, "scale", this);
  animation->setDuration(400);
  animation->setEndValue(hold ? 1.2 : 1.0);
  m_holdAnimation = animation;
  animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void QNBookCoverView::longPressed() {
  if (!m_tracking || m_panning || !m_holdable || isEditing())
    return;
  setIsHold(true);
  setFocus();
}

void QNBookCoverView::goHome() {
  if (m_homeAnimation)
    m_homeAnimation->stop();
  const qreal distance = QLineF(pos(), m_home.topLeft()).length();
  const int duration = int(distance * 1.5);
  if (duration <= 0) {
    setPos(m_home.topLeft());
    return;
  }
  auto *animation = new QPropertyAnimation(this, "pos", this);
  animation->setDuration(duration);
  animation->setEndValue(m_home.topLeft());
  m_homeAnimation = animation;
  animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void QNBookCoverView::moveByOffset(const QPointF &offset) {
  setPos(pos() + offset);
  if (m_delegate)
    m_delegate->coverViewMoved(this);
}

void QNBookCoverView::mousePressEvent(QGraphicsSceneMouseEvent *event) {
  event->accept();
  m_tracking = true;
  m_panning = false;
  m_tapCount = 1;
  m_touchLocation = event->pos();
  m_pressScenePos = event->scenePos();
  m_holdTimer.start();
  if (m_delegate)
    m_delegate->coverViewStartedTracking(this);
}

void QNBookCoverView::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) {
  mousePressEvent(event);
  m_tapCount = 2;
}

void QNBookCoverView::mouseMoveEvent(QGraphicsSceneMouseEvent *event) {
  if (!m_tracking)
    return;
  if (!m_hold) {
    // Before the hold the finger scrolls the shelf, once it leaves the press's slack.
    if (!m_panning && QLineF(event->scenePos(), m_pressScenePos).length() <= kAllowableMovement)
      return;
    m_holdTimer.stop();
    m_panning = true;
    if (m_delegate)
      m_delegate->coverViewPanned(this, event->scenePos() - event->lastScenePos());
    return;
  }
  if (isEditing())
    return;
  // Mapped here, not taken from event->pos(): for moves that arrive back to back the scene
  // can still map that with where the cover stood before the previous move.
  const QPointF local = mapFromScene(event->scenePos());
  const QPointF point = mapToParent(local);
  const QPointF anchor = mapToParent(m_touchLocation);
  if (!m_dragging) {
    if (QLineF(point, anchor).length() <= kDragStart)
      return;
    m_dragging = true;
    m_touchLocation = local;
    return;
  }
  moveByOffset(point - anchor);
}

void QNBookCoverView::mouseReleaseEvent(QGraphicsSceneMouseEvent *) {
  if (!m_tracking)
    return;
  m_tracking = false;
  m_holdTimer.stop();
  setIsHold(false);
  if (m_panning) {
    m_panning = false;
    if (m_delegate)
      m_delegate->coverViewPanEnded(this);
  } else if (m_dragging) {
    endDragging();
  } else if (m_tapCount == 1) {
    m_editing = isEditing();
    if (m_editing)
      select(!m_selected);
    else if (m_delegate)
      m_delegate->coverViewWasTapped(this);
  }
  // A tap may have taken the cover off the shelf (a jump, a reload).
  if (m_delegate)
    m_delegate->coverViewStoppedTracking(this);
}

bool QNBookCoverView::sceneEvent(QEvent *event) {
  // Losing the grab before the release is a cancelled touch.
  if (event->type() == QEvent::UngrabMouse && m_tracking)
    touchCancelled();
  return QGraphicsObject::sceneEvent(event);
}

void QNBookCoverView::touchCancelled() {
  m_tracking = false;
  m_holdTimer.stop();
  setIsHold(false);
  if (m_panning) {
    m_panning = false;
    if (m_delegate)
      m_delegate->coverViewPanEnded(this);
  }
  if (m_dragging)
    endDragging();
  if (m_delegate)
    m_delegate->coverViewStoppedTracking(this);
}

void QNBookCoverView::endDragging() {
  goHome();
  m_dragging = false;
}
