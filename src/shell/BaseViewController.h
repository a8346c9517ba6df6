#pragma once

#include <QGraphicsWidget>
#include <QPointer>
#include <QVariant>

class QNNavigationController;
class QNNavigationItem;

// The common base of the full-screen controllers: a scene item that fills the
// navigation controller's content area and carries what the navigation needs
// of a screen. The jump argument handed over by a jump or back is cleared each
// time the screen is about to appear, so a subclass reads it in its own
// viewWillAppear before calling this one, and sees each argument exactly once.
// The navigation controller is not owned. Main thread only.
class BaseViewController : public QGraphicsWidget {
  Q_OBJECT
public:
  explicit BaseViewController(QGraphicsItem *parent = nullptr);

  QString title() const { return screenTitle; }
  void setTitle(const QString &title);

  QVariant jumpArgument() const { return argument; }
  void setJumpArgument(const QVariant &jumpArgument) { argument = jumpArgument; }
  QNNavigationController *qnNavigationController() const;
  void setQnNavigationController(QNNavigationController *controller);
  bool isBack() const { return back; }
  void setIsBack(bool isBack) { back = isBack; }
  // Whether the navigation bar is shown while this screen is current.
  bool showNavBar() const { return navBar; }
  void setShowNavBar(bool show) { navBar = show; }
  // What the navigation bar shows for this screen; made on first use with the
  // screen's title, which it follows from then on. Owned by the screen.
  QNNavigationItem *qnNavigationItem();

  virtual void viewWillAppear(bool animated);
  virtual void viewDidAppear(bool animated);
  virtual void viewWillDisappear(bool animated);
  virtual void viewDidDisappear(bool animated);
  // Every orientation by default; subclasses narrow it.
  virtual bool shouldAutorotateToInterfaceOrientation(Qt::ScreenOrientation orientation) const;

Q_SIGNALS:
  void titleChanged(const QString &title);

private:
  QString screenTitle;
  QVariant argument;
  QPointer<QNNavigationController> navigation;
  QNNavigationItem *navigationItem = nullptr;
  bool back = false;
  bool navBar = true;
};
