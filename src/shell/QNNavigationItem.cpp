#include "QNNavigationItem.h"

#include "QNToolBar.h"

#include <QGraphicsObject>
#include <algorithm>

QNNavigationItem::QNNavigationItem(const QString &title, QObject *parent)
    : QObject(parent), m_title(title) {}

QNNavigationItem::~QNNavigationItem() {
  const Held all = m_left + m_center + m_right + Held{m_titleView};
  m_left.clear();
  m_center.clear();
  m_right.clear();
  m_titleView.clear();
  for (const auto &view : all)
    delete view.data();
}

void QNNavigationItem::setTitle(const QString &title) {
  if (title == m_title)
    return;
  m_title = title;
  Q_EMIT titleChanged();
}

QGraphicsObject *QNNavigationItem::titleView() const {
  return m_titleView;
}

void QNNavigationItem::setTitleView(QGraphicsObject *view) {
  if (view == m_titleView)
    return;
  const Held dropped{m_titleView};
  m_titleView = view;
  Q_EMIT titleChanged();
  release(dropped);
}

void QNNavigationItem::setLeftBarItems(const Views &views) {
  replace(m_left, views, &QNNavigationItem::leftBarItemsChanged);
}

void QNNavigationItem::setCenterBarItems(const Views &views) {
  replace(m_center, views, &QNNavigationItem::centerBarItemsChanged);
}

void QNNavigationItem::setRightBarItems(const Views &views) {
  replace(m_right, views, &QNNavigationItem::rightBarItemsChanged);
}

QNNavigationItem::Views QNNavigationItem::alive(const Held &held) {
  Views views;
  for (const auto &view : held)
    if (view)
      views.append(view);
  return views;
}

void QNNavigationItem::replace(Held &group, const Views &views,
                               void (QNNavigationItem::*changed)()) {
  const Held dropped = group;
  group.clear();
  for (QGraphicsObject *view : views)
    if (view)
      group.append(view);
  Q_EMIT(this->*changed)();
  release(dropped);
}

bool QNNavigationItem::holds(QGraphicsObject *view) const {
  const auto in = [view](const Held &group) {
    return std::any_of(group.begin(), group.end(),
                       [view](const auto &held) { return held == view; });
  };
  return view == m_titleView || in(m_left) || in(m_center) || in(m_right);
}

// Views dropped from every group are no longer shown by any bar (it let them go
// on the change signal); they leave the scene now and are deleted later.
void QNNavigationItem::release(const Held &dropped) {
  for (const auto &view : dropped) {
    if (!view || holds(view))
      continue;
    QNToolBar::detachView(view);
    view->deleteLater();
  }
}
