#pragma once

#include "QNNavigationPageStack.h"
#include "QNPageTransition.h"

#include <QGraphicsWidget>
#include <QPointer>
#include <QVariant>
#include <memory>

class BaseViewController;
class QAbstractAnimation;
class QNNavigationBar;
class QNPictureView;

// The window's root controller (and the content of popovers): shows one
// screen at a time under its navigation bar, keeps the screens the user came
// through on its page stack, and changes screens by jumps (a new screen
// pushed on the stack) and backs (to a screen below), at once or with a push
// transition from one of four sides over 0.4 s. A jump or back may hand the
// arriving screen an argument (jumpArgument) when its update flag is true.
//
// Item tree: the controller holds the container (white, its full size) and
// the bar above it; the container holds the content view, which holds the
// current screen and lies below the bar while the bar is shown. A transition
// moves the content view when both screens agree on showing the bar, else the
// whole container with the bar.
//
// Invariants: the top of the page stack is the current screen, except while a
// transition runs, when it is the arriving one (loadingController). The stack
// owns its screens; the controller holds the current and arriving ones too,
// so a screen popped by a back lives until its transition ends. The root is
// never popped. While a transition runs the scene refuses input; a jump or
// back asked for meanwhile first completes it. Main thread only.
class QNNavigationController : public QGraphicsWidget {
  Q_OBJECT
public:
  static constexpr int kNavigationBarStyle = 65536;
  static constexpr int kBarAnimationMs = 400;

  // Takes the root screen (owned by the stack) and makes it current.
  explicit QNNavigationController(BaseViewController *rootViewController,
                                  QGraphicsItem *parent = nullptr);
  ~QNNavigationController() override;

  // Jumps take ownership of the screen. A screen already on the stack is
  // refused (nothing happens), as is none.
  void pageJump(BaseViewController *screen, const QVariant &argument);
  void pageJump(BaseViewController *screen, const QVariant &argument, bool update);
  void pageJump(BaseViewController *screen, const QVariant &argument, QNTransitionType type,
                QNTransitionSubtype subtype, bool update);
  // Backs go to the screen, or one step back when screen is none; to a screen
  // not on the stack, or with only the root left, nothing happens.
  void pageBack();
  void pageBack(BaseViewController *screen, const QVariant &argument);
  void pageBack(BaseViewController *screen, const QVariant &argument, bool update);
  void pageBack(BaseViewController *screen, const QVariant &argument, QNTransitionType type,
                QNTransitionSubtype subtype, bool update);
  void loadRootController();

  bool canGoback() const { return m_pageStack.count() > 1; }
  bool showBackButton() const { return canGoback(); }

  void setNavigationBarHidden(bool hidden, bool animated = false);
  bool isNavigationBarHidden() const { return m_navigationBarHidden; }
  QNNavigationBar *navigationBar() const { return m_navigationBar; }
  // Takes the bar; the old one is deleted.
  void setNavigationBar(QNNavigationBar *bar);
  // Asks the bar to rebuild its items from the current screen's item.
  void toggleNavBar();

  BaseViewController *currentController() const { return m_current.get(); }
  BaseViewController *loadingController() const { return m_loading.get(); }
  const QNNavigationPageStack &pageStack() const { return m_pageStack; }
  QGraphicsWidget *containerView() const;
  QGraphicsWidget *contentView() const { return m_contentView; }

  bool isInTransition() const { return m_transition; }
  // Completes a running transition at once.
  void finishTransition();

  // The current screen's preferred size, plus the bar's height when it shows the bar.
  QSizeF contentSizeForViewInPopover() const;
  bool shouldAutorotateToInterfaceOrientation(Qt::ScreenOrientation orientation) const;

  // Appearance steps of the controller, forwarded to the current screen.
  void viewWillAppear(bool animated);
  void viewDidAppear(bool animated);
  void viewWillDisappear(bool animated);
  void viewDidDisappear(bool animated);

Q_SIGNALS:
  // A change of screens is complete: the arriving screen is current.
  void screenChanged();

protected:
  void resizeEvent(QGraphicsSceneResizeEvent *event) override;

private:
  using Screen = std::shared_ptr<BaseViewController>;
  void changeScreen(const Screen &target, const QVariant &argument, bool update,
                    QNTransitionType type, QNTransitionSubtype subtype, bool isBack);
  void startTransition(QNTransitionSubtype subtype, bool wholeContainer, bool barWasShown,
                       const QRectF &leavingFrame);
  void completeChange(bool animated);
  QRectF contentFrame() const;
  void layoutViews();
  void fitScreensToContent();

  QNNavigationPageStack m_pageStack;
  QNPictureView *m_containerView;
  QGraphicsWidget *m_contentView;
  QNNavigationBar *m_navigationBar = nullptr;
  Screen m_current;
  Screen m_loading;
  bool m_navigationBarHidden = false;
  QNPageTransition *m_transition = nullptr;
  QGraphicsWidget *m_leavingLayer = nullptr;
  QPointer<QAbstractAnimation> m_barAnimation;
};
