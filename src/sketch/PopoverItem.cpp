#include "PopoverItem.h"

#include "common/ViewHelpers.h"

#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>

namespace {
constexpr qreal kArrow = 14; // height of the arrow above the bubble
constexpr qreal kMargin = 8; // the bubble's rim around its content
constexpr qreal kScreenEdge = 6;
constexpr int kFadeMs = 200;
} // namespace

PopoverItem::PopoverItem() {
  setZValue(10000);
  setAcceptedMouseButtons(Qt::LeftButton);
}

PopoverItem *PopoverItem::sharedPopover() {
  static QPointer<PopoverItem> shared;
  if (!shared)
    shared = new PopoverItem;
  return shared;
}

QRectF PopoverItem::boundingRect() const {
  // While shown the popover covers its scene, so a press anywhere else closes it.
  return scene() ? scene()->sceneRect() : m_bubble;
}

void PopoverItem::setContentItem(QGraphicsObject *content, const QSizeF &contentSize) {
  if (m_content && m_content != content)
    delete m_content.data();
  m_content = content;
  m_contentSize = contentSize;
  if (m_content)
    m_content->setParentItem(this);
}

void PopoverItem::presentFromRect(const QRectF &anchor, QGraphicsScene *scene, bool animated) {
  if (!scene)
    return;
  moveToScene(this, scene);
  prepareGeometryChange();
  const QRectF area = scene->sceneRect();
  const QSizeF bubbleSize(m_contentSize.width() + 2 * kMargin,
                          m_contentSize.height() + 2 * kMargin);
  qreal x = anchor.center().x() - bubbleSize.width() / 2;
  x = qBound(area.left() + kScreenEdge, x, area.right() - kScreenEdge - bubbleSize.width());
  // Below the anchor, or above it when it does not fit below but does above.
  const bool below = anchor.bottom() + kArrow + bubbleSize.height() <= area.bottom() ||
                     anchor.top() - kArrow - bubbleSize.height() < area.top();
  m_arrowTip = QPointF(anchor.center().x(), below ? anchor.bottom() : anchor.top());
  m_bubble = QRectF(QPointF(x, below ? anchor.bottom() + kArrow : anchor.top() - kArrow - bubbleSize.height()),
                    bubbleSize);
  if (m_content)
    m_content->setPos(m_bubble.topLeft() + QPointF(kMargin, kMargin));
  m_shown = true;
  setVisible(true);
  if (animated) {
    setOpacity(0);
    auto *fade = new QPropertyAnimation(this, "opacity", this);
    fade->setDuration(kFadeMs);
    fade->setEndValue(1.0);
    fade->start(QAbstractAnimation::DeleteWhenStopped);
  } else {
    setOpacity(1);
  }
  update();
}

void PopoverItem::dismiss(bool animated) {
  if (!m_shown)
    return;
  m_shown = false;
  if (!animated) {
    finishDismiss();
    return;
  }
  auto *fade = new QPropertyAnimation(this, "opacity", this);
  fade->setDuration(kFadeMs);
  fade->setEndValue(0.0);
  connect(fade, &QPropertyAnimation::finished, this, [this] {
    if (!m_shown)
      finishDismiss();
  });
  fade->start(QAbstractAnimation::DeleteWhenStopped);
}

void PopoverItem::finishDismiss() {
  setVisible(false);
  // The panel may be the one whose button closed us: delete it once its event is over.
  if (m_content) {
    m_content->setVisible(false);
    m_content->deleteLater();
  }
  m_content = nullptr;
  Q_EMIT dismissed();
}

void PopoverItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  if (m_bubble.isEmpty())
    return;
  painter->setRenderHint(QPainter::Antialiasing);
  QPainterPath bubble;
  bubble.addRoundedRect(m_bubble, 10, 10);
  QPainterPath arrow;
  arrow.moveTo(m_arrowTip);
  const qreal base = m_arrowTip.y() <= m_bubble.top() ? m_bubble.top() + 1 : m_bubble.bottom() - 1;
  arrow.lineTo(m_arrowTip.x() - kArrow, base);
  arrow.lineTo(m_arrowTip.x() + kArrow, base);
  arrow.closeSubpath();
  const QPainterPath shape = bubble.united(arrow);
  painter->fillPath(shape.translated(0, 3), QColor(0, 0, 0, 40));
  painter->setPen(QPen(QColor(150, 150, 150), 1));
  painter->setBrush(QColor(250, 250, 248));
  painter->drawPath(shape);
}

void PopoverItem::mousePressEvent(QGraphicsSceneMouseEvent *event) {
  if (m_bubble.contains(event->pos())) {
    event->accept();
    return;
  }
  dismiss(true);
  event->accept();
}
