#include "QNNavigationController.h"

#include "BaseViewController.h"

QNNavigationController::QNNavigationController(BaseViewController *rootViewController,
                                               QGraphicsItem *parent)
    : QGraphicsWidget(parent), current(rootViewController) {
  current->setParentItem(this);
  current->setQnNavigationController(this);
  current->setIsBack(false);
}

void QNNavigationController::viewWillAppear(bool animated) {
  current->viewWillAppear(animated);
}
void QNNavigationController::viewDidAppear(bool animated) {
  current->viewDidAppear(animated);
}

void QNNavigationController::resizeEvent(QGraphicsSceneResizeEvent *event) {
  QGraphicsWidget::resizeEvent(event);
  current->setGeometry(rect());
}
