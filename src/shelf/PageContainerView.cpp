#include "PageContainerView.h"

#include <QGraphicsScene>

PageContainerView::PageContainerView(QGraphicsItem *parent) : QGraphicsWidget(parent) {
  setFlag(ItemHasNoContents);
}

void PageContainerView::setView(QGraphicsWidget *view) {
  if (m_view == view)
    return;
  delete takeView();
  m_view = view;
  if (view) {
    view->setParentItem(this);
    view->setGeometry(rect());
  }
}

QGraphicsWidget *PageContainerView::takeView() {
  QGraphicsWidget *view = m_view;
  m_view = nullptr;
  if (view) {
    view->setParentItem(nullptr);
    if (view->scene())
      view->scene()->removeItem(view);
  }
  return view;
}

void PageContainerView::resizeEvent(QGraphicsSceneResizeEvent *event) {
  QGraphicsWidget::resizeEvent(event);
  if (m_view)
    m_view->setGeometry(rect());
}
