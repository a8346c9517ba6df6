#pragma once

#include <QGraphicsWidget>

class BaseViewController;

// The window's root controller: shows one screen at a time over its whole
// area and owns it (as a child item). It starts with its root screen; the page
// stack and the animated jumps and backs build on this. Main thread only.
class QNNavigationController : public QGraphicsWidget {
  Q_OBJECT
public:
  // Takes the root screen and makes it current.
  explicit QNNavigationController(BaseViewController *rootViewController,
                                  QGraphicsItem *parent = nullptr);

  BaseViewController *currentController() const { return current; }

  // Appearance steps, forwarded to the current screen.
  void viewWillAppear(bool animated);
  void viewDidAppear(bool animated);

protected:
  void resizeEvent(QGraphicsSceneResizeEvent *event) override;

private:
  BaseViewController *current;
};
