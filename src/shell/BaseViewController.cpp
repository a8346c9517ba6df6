#include "BaseViewController.h"

#include "QNNavigationController.h"

BaseViewController::BaseViewController(QGraphicsItem *parent) : QGraphicsWidget(parent) {
  setFlag(QGraphicsItem::ItemClipsChildrenToShape);
}

void BaseViewController::setTitle(const QString &title) {
  if (title == screenTitle)
    return;
  screenTitle = title;
  Q_EMIT titleChanged(title);
}

QNNavigationController *BaseViewController::qnNavigationController() const {
  return navigation;
}

void BaseViewController::setQnNavigationController(QNNavigationController *controller) {
  navigation = controller;
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
