#include "QNToolBar.h"

#include "QNPictureView.h"

#include <QGraphicsScene>
#include <QLinearGradient>
#include <cmath>

namespace {
QNPictureView *defaultBackground() {
  QLinearGradient gradient(0, 0, 0, 1);
  gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
  gradient.setColorAt(0, QColor(225, 100, 100));
  gradient.setColorAt(0.5, QColor(242, 244, 246));
  gradient.setColorAt(1, QColor(225, 100, 100));
  auto *view = new QNPictureView;
  view->setBrush(gradient);
  return view;
}
} // namespace

void QNToolBar::detachView(QGraphicsObject *view) {
  view->setParentItem(nullptr);
  if (view->scene())
    view->scene()->removeItem(view);
}

QSizeF QNToolBar::viewSize(const QGraphicsObject *view) {
  return view->boundingRect().size();
}

void QNToolBar::placeView(QGraphicsObject *view, const QPointF &topLeft) {
  view->setPos(topLeft - view->boundingRect().topLeft());
}

qreal QNToolBar::heightForStyle(int style) {
  if ((style >> 16) == 2)
    return 50;
  return style < 65536 ? 30 : 45;
}

QNToolBar::QNToolBar(int style, QGraphicsItem *parent)
    : QGraphicsWidget(parent), m_style(style), m_container(new QGraphicsWidget(this)) {
  setFlag(ItemClipsChildrenToShape);
  resize(100, heightForStyle(style));
  setBackGroundView(defaultBackground());
}

// The item views belong to others: they leave before the bar's children go.
QNToolBar::~QNToolBar() {
  for (const Held *group : {&m_left, &m_center, &m_right})
    for (QGraphicsObject *view : alive(*group))
      detachView(view);
}

void QNToolBar::setBackGroundView(QGraphicsWidget *view) {
  if (view == m_background)
    return;
  delete m_background;
  m_background = view;
  if (!view)
    return;
  setFlag(ItemClipsChildrenToShape, false);
  view->setParentItem(this);
  view->setZValue(-1);
  view->setGeometry(QRectF(QPointF(), size() + QSizeF(0, kBackgroundOverhang)));
}

void QNToolBar::setLeftItems(const Views &views) {
  setGroup(m_left, views, Group::Left);
}
void QNToolBar::setCenterItems(const Views &views) {
  setGroup(m_center, views, Group::Center);
}
void QNToolBar::setRightItems(const Views &views) {
  setGroup(m_right, views, Group::Right);
}

QNToolBar::Views QNToolBar::alive(const Held &held) {
  Views views;
  for (const auto &view : held)
    if (view)
      views.append(view);
  return views;
}

void QNToolBar::setGroup(Held &group, const Views &views, Group kind) {
  for (QGraphicsObject *old : alive(group))
    if (!views.contains(old))
      detachView(old);
  group.clear();
  for (QGraphicsObject *view : views) {
    if (!view)
      continue;
    // A view moving here from another group is taken out of that one.
    for (Held *other : {&m_left, &m_center, &m_right})
      other->removeAll(view);
    view->setParentItem(m_container);
    group.append(view);
  }
  placeGroup(group, kind);
}

void QNToolBar::placeGroup(const Held &group, Group kind) {
  const Views views = alive(group);
  const qreal width = m_container->size().width();
  const qreal height = m_container->size().height();
  const auto top = [height](QGraphicsObject *view) {
    return (height - viewSize(view).height()) / 2;
  };
  switch (kind) {
  case Group::Left: {
    qreal x = kEdgeInset;
    for (QGraphicsObject *view : views) {
      placeView(view, {x, top(view)});
      x += viewSize(view).width();
    }
    break;
  }
  case Group::Right: {
    qreal offset = kEdgeInset;
    for (QGraphicsObject *view : views) {
      offset += viewSize(view).width();
      placeView(view, {width - offset, top(view)});
    }
    break;
  }
  case Group::Center: {
    qreal total = 0;
    for (QGraphicsObject *view : views)
      total += viewSize(view).width();
    qreal x = std::floor((width - total) / 2);
    for (QGraphicsObject *view : views) {
      placeView(view, {x, top(view)});
      x = std::floor(x + viewSize(view).width());
    }
    break;
  }
  }
}

void QNToolBar::resizeEvent(QGraphicsSceneResizeEvent *event) {
  QGraphicsWidget::resizeEvent(event);
  m_container->setGeometry(rect());
  if (m_background)
    m_background->setGeometry(QRectF(QPointF(), size() + QSizeF(0, kBackgroundOverhang)));
  placeGroup(m_left, Group::Left);
  placeGroup(m_center, Group::Center);
  placeGroup(m_right, Group::Right);
  layoutItems();
}
