#include "QNNavigationController.h"

#include "BaseViewController.h"
#include "QNNavigationBar.h"
#include "QNNavigationItem.h"
#include "QNPictureView.h"

#include <QGraphicsScene>
#include <QLinearGradient>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>

namespace {
// Behind the bar's picture, and all that shows while it is missing: paper in
// the look of the artwork, a hairline at the bar's lower edge (45 of the
// background's 48 points) and a soft shadow in the overhang below it.
QBrush barFallbackBrush() {
  QLinearGradient gradient(0, 0, 0, 1);
  gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
  gradient.setColorAt(0, QColor(252, 251, 248));
  gradient.setColorAt(0.93, QColor(234, 232, 227));
  gradient.setColorAt(0.9375, QColor(190, 194, 200));
  gradient.setColorAt(0.945, QColor(0, 0, 0, 40));
  gradient.setColorAt(1, QColor(0, 0, 0, 0));
  return gradient;
}

// A screen off the view is out of the scene too, so the scene never deletes it.
void detachScreen(BaseViewController *screen) {
  screen->setParentItem(nullptr);
  if (screen->scene())
    screen->scene()->removeItem(screen);
}
} // namespace

QNNavigationController::QNNavigationController(BaseViewController *rootViewController,
                                               QGraphicsItem *parent)
    : QGraphicsWidget(parent), m_containerView(new QNPictureView(this)),
      m_contentView(new QGraphicsWidget(m_containerView)) {
  setFlag(ItemClipsChildrenToShape);
  m_containerView->setBrush(Qt::white);
  m_containerView->setFlag(ItemClipsChildrenToShape);
  connect(m_contentView, &QGraphicsWidget::geometryChanged, this,
          &QNNavigationController::fitScreensToContent);

  const PageStackElement root = PageStackElement::elementWithViewController(rootViewController);
  m_pageStack.push(root);
  m_current = root.sharedViewController();
  m_navigationBarHidden = !m_current->showNavBar();
  m_current->setQnNavigationController(this);
  m_current->setIsBack(false);
  m_current->setParentItem(m_contentView);

  auto *bar = new QNNavigationBar(kNavigationBarStyle);
  auto *background = new QNPictureView;
  background->setBrush(barFallbackBrush());
  background->setPictureName(QStringLiteral("tool_bar_bg"));
  bar->setBackGroundView(background);
  setNavigationBar(bar);
}

// Screens go before the item tree: the stack and the controller hold them, and
// a screen still on a transition's leaving layer is taken off it first.
QNNavigationController::~QNNavigationController() {
  delete m_transition;
  if (m_leavingLayer)
    for (QGraphicsItem *child : m_leavingLayer->childItems())
      child->setParentItem(nullptr);
  m_current.reset();
  m_loading.reset();
  m_pageStack.clean();
}

QGraphicsWidget *QNNavigationController::containerView() const {
  return m_containerView;
}

void QNNavigationController::pageJump(BaseViewController *screen, const QVariant &argument) {
  pageJump(screen, argument, true);
}

void QNNavigationController::pageJump(BaseViewController *screen, const QVariant &argument,
                                      bool update) {
  pageJump(screen, argument, QNTransitionType::Push, QNTransitionSubtype::FromRight, update);
}

void QNNavigationController::pageJump(BaseViewController *screen, const QVariant &argument,
                                      QNTransitionType type, QNTransitionSubtype subtype,
                                      bool update) {
  if (!screen)
    return;
  finishTransition();
  if (m_pageStack.pageInStack(screen))
    return;
  const PageStackElement element = PageStackElement::elementWithViewController(screen);
  m_pageStack.push(element);
  changeScreen(element.sharedViewController(), argument, update, type, subtype, false);
}

void QNNavigationController::pageBack() {
  pageBack(nullptr, QVariant(), QNTransitionType::Push, QNTransitionSubtype::FromLeft, false);
}

void QNNavigationController::pageBack(BaseViewController *screen, const QVariant &argument) {
  pageBack(screen, argument, false);
}

void QNNavigationController::pageBack(BaseViewController *screen, const QVariant &argument,
                                      bool update) {
  pageBack(screen, argument, QNTransitionType::Push, QNTransitionSubtype::FromLeft, update);
}

void QNNavigationController::pageBack(BaseViewController *screen, const QVariant &argument,
                                      QNTransitionType type, QNTransitionSubtype subtype,
                                      bool update) {
  finishTransition();
  const PageStackElement top = screen ? m_pageStack.popToPage(screen) : m_pageStack.pop();
  const Screen target = top.sharedViewController();
  if (!target || target == m_current)
    return;
  changeScreen(target, argument, update, type, subtype, true);
}

void QNNavigationController::loadRootController() {
  if (m_pageStack.count() == 0)
    return;
  pageBack(m_pageStack.elements().front().viewController(), QVariant());
}

void QNNavigationController::changeScreen(const Screen &target, const QVariant &argument,
                                          bool update, QNTransitionType type,
                                          QNTransitionSubtype subtype, bool isBack) {
  const bool barWasShown = !m_navigationBarHidden;
  const QRectF leavingFrame = m_contentView->geometry();
  m_loading = target;
  target->setQnNavigationController(this);
  if (update)
    target->setJumpArgument(argument);
  target->setIsBack(isBack);

  setNavigationBarHidden(!target->showNavBar(), false);
  m_navigationBar->clearItems();
  m_navigationBar->setNavigationItem(target->qnNavigationItem());

  target->setParentItem(m_contentView);
  target->setGeometry(m_contentView->rect());
  // Without a scene nothing is on screen to animate.
  const bool animated = type != QNTransitionType::None && scene();
  m_current->viewWillDisappear(animated);
  target->viewWillAppear(animated);
  if (!animated) {
    completeChange(false);
    return;
  }
  startTransition(subtype, barWasShown != target->showNavBar(), barWasShown, leavingFrame);
}

// The leaving screen stays in view on a layer of its own, where the content view
// was, and slides out as the arriving layer slides in.
void QNNavigationController::startTransition(QNTransitionSubtype subtype, bool wholeContainer,
                                             bool barWasShown, const QRectF &leavingFrame) {
  m_leavingLayer =
      new QGraphicsWidget(wholeContainer ? static_cast<QGraphicsItem *>(this) : m_containerView);
  m_leavingLayer->setGeometry(leavingFrame);
  m_current->setParentItem(m_leavingLayer);
  m_current->setGeometry(QRectF(QPointF(), leavingFrame.size()));

  m_transition =
      new QNPageTransition(subtype, wholeContainer ? size() : m_contentView->size(), this);
  m_transition->addLeaving(m_leavingLayer);
  if (wholeContainer) {
    // The bar belongs to whichever side shows it.
    m_navigationBar->setPos(0, 0);
    m_navigationBar->show();
    if (barWasShown)
      m_transition->addLeaving(m_navigationBar);
    else
      m_transition->addArriving(m_navigationBar);
    m_transition->addArriving(m_containerView);
  } else {
    m_transition->addArriving(m_contentView);
  }
  connect(m_transition, &QNPageTransition::finished, this, [this] { completeChange(true); });
  m_transition->start(scene());
}

void QNNavigationController::finishTransition() {
  if (m_transition)
    m_transition->finish();
}

void QNNavigationController::completeChange(bool animated) {
  if (m_transition) {
    m_transition->deleteLater();
    m_transition = nullptr;
  }
  const Screen leaving = std::move(m_current);
  m_current = std::move(m_loading);
  m_loading.reset();
  detachScreen(leaving.get());
  delete m_leavingLayer;
  m_leavingLayer = nullptr;
  layoutViews();
  m_current->viewDidAppear(animated);
  leaving->viewDidDisappear(animated);
  Q_EMIT screenChanged();
}

void QNNavigationController::setNavigationBarHidden(bool hidden, bool animated) {
  if (hidden == m_navigationBarHidden)
    return;
  m_navigationBarHidden = hidden;
  if (m_barAnimation)
    m_barAnimation->stop();
  if (!m_navigationBar)
    return;
  const QPointF barTarget(0, hidden ? -m_navigationBar->size().height() : 0);
  m_navigationBar->show();
  if (!animated || !scene()) {
    layoutViews();
    return;
  }
  auto *group = new QParallelAnimationGroup(this);
  auto *barMove = new QPropertyAnimation(m_navigationBar, "pos", group);
  barMove->setEndValue(barTarget);
  auto *contentMove = new QPropertyAnimation(m_contentView, "geometry", group);
  contentMove->setEndValue(contentFrame());
  for (auto *animation : {barMove, contentMove})
    animation->setDuration(kBarAnimationMs);
  connect(group, &QAbstractAnimation::finished, this,
          [this] { m_navigationBar->setVisible(!m_navigationBarHidden); });
  m_barAnimation = group;
  group->start(QAbstractAnimation::DeleteWhenStopped);
}

void QNNavigationController::setNavigationBar(QNNavigationBar *bar) {
  if (!bar || bar == m_navigationBar)
    return;
  delete m_navigationBar;
  m_navigationBar = bar;
  bar->setParentItem(this);
  bar->setZValue(1);
  bar->setNavigationController(this);
  bar->setNavigationItem(m_current ? m_current->qnNavigationItem() : nullptr);
  layoutViews();
  toggleNavBar();
}

void QNNavigationController::toggleNavBar() {
  if (m_navigationBar)
    m_navigationBar->toggleNavigationBar();
}

QRectF QNNavigationController::contentFrame() const {
  const qreal barHeight =
      m_navigationBarHidden || !m_navigationBar ? 0 : m_navigationBar->size().height();
  return QRectF(0, barHeight, size().width(), qMax<qreal>(0, size().height() - barHeight));
}

void QNNavigationController::layoutViews() {
  m_containerView->setGeometry(QRectF(QPointF(), size()));
  if (m_navigationBar) {
    const qreal barHeight = m_navigationBar->size().height();
    m_navigationBar->setGeometry(0, m_navigationBarHidden ? -barHeight : 0, size().width(),
                                 barHeight);
    m_navigationBar->setVisible(!m_navigationBarHidden);
  }
  m_contentView->setGeometry(contentFrame());
}

void QNNavigationController::fitScreensToContent() {
  for (const Screen &screen : {m_current, m_loading})
    if (screen && screen->parentItem() == m_contentView)
      screen->setGeometry(m_contentView->rect());
}

void QNNavigationController::resizeEvent(QGraphicsSceneResizeEvent *event) {
  QGraphicsWidget::resizeEvent(event);
  finishTransition();
  if (m_barAnimation)
    m_barAnimation->stop();
  layoutViews();
}

QSizeF QNNavigationController::contentSizeForViewInPopover() const {
  QSizeF size = m_current->effectiveSizeHint(Qt::PreferredSize);
  if (m_current->showNavBar() && m_navigationBar)
    size.rheight() += m_navigationBar->size().height();
  return size;
}

bool QNNavigationController::shouldAutorotateToInterfaceOrientation(
    Qt::ScreenOrientation orientation) const {
  return m_current->shouldAutorotateToInterfaceOrientation(orientation);
}

void QNNavigationController::viewWillAppear(bool animated) {
  m_current->viewWillAppear(animated);
}
void QNNavigationController::viewDidAppear(bool animated) {
  m_current->viewDidAppear(animated);
}
void QNNavigationController::viewWillDisappear(bool animated) {
  m_current->viewWillDisappear(animated);
}
void QNNavigationController::viewDidDisappear(bool animated) {
  m_current->viewDidDisappear(animated);
}
