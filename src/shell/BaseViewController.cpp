#include "BaseViewController.h"

#include "QNNavigationController.h"
#include "QNNavigationItem.h"

BaseViewController::BaseViewController(QGraphicsItem *parent) : QGraphicsWidget(parent) {
  setFlag(QGraphicsItem::ItemClipsChildrenToShape);
}

void BaseViewController::setTitle(const QString &title) {
  if (title == screenTitle)
    return;
  screenTitle = title;
  if (navigationItem)
    navigationItem->setTitle(title);
  Q_EMIT titleChanged(title);
}

QNNavigationController *BaseViewController::qnNavigationController() const {
  return navigation;
}

void BaseViewController::setQnNavigationController(QNNavigationController *controller) {
  navigation = controller;
}

QNNavigationItem *BaseViewController::qnNavigationItem() {
  if (!navigationItem)
    navigationItem = new QNNavigationItem(screenTitle, this);
  return navigationItem;
}

void BaseViewController::viewWillAppear(bool) {
  argument.clear();
}
void BaseViewController::viewDidAppear(bool) {}
void BaseViewController::viewWillDisappear(bool) {}
void BaseViewController::viewDidDisappear(bool) {}

bool BaseViewController::shouldAutorotateToInterfaceOrientation(Qt::ScreenOrientation) const {
  return true;
}
