#pragma once

#include "shell/BaseViewController.h"

#include <QAbstractAnimation>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QList>
#include <QVariant>
#include <memory>

class QNNavigationController;

// A screen that records what it sees as it appears: the jump argument (read
// before the base step clears it, as screens do) and isBack.
class RecordingScreen : public BaseViewController {
  Q_OBJECT
public:
  explicit RecordingScreen(const QString &title, bool showsBar = true);

  void viewWillAppear(bool animated) override;
  void viewDidAppear(bool animated) override;

  QList<QVariant> argumentsSeen;
  QList<bool> isBackSeen;
  int didAppearCount = 0;
};

// Animation time that moves only when a test says so, so what a test sees in
// the middle of a transition does not depend on the machine's load.
class ManualAnimationDriver : public QAnimationDriver {
public:
  void step(int ms);
  qint64 elapsed() const override { return now; }

protected:
  // The animation timer counts from zero each time animations start again.
  void start() override;

private:
  qint64 now = 0;
};

// A 768 by 1024 point scene in an offscreen view at scale 1, with a
// navigation controller over all of it, and animation time under the test's
// control.
struct NavigationScene {
  explicit NavigationScene(BaseViewController *root);
  ~NavigationScene();

  // Scene point to the view's viewport point.
  QPoint viewPoint(const QPointF &scenePoint) const;
  void click(const QPointF &scenePoint);
  void tap(const QPointF &scenePoint);
  // Moves animation time on by ms, in frames of about 16 ms.
  void advance(int ms);
  // Runs the transition to its end; false when it does not end within 2 s of
  // animation time. Adds the time it took to elapsedMs when given.
  bool waitForTransition(int *elapsedMs = nullptr);
  QImage render();

  ManualAnimationDriver clock;
  QGraphicsScene scene;
  QGraphicsView view;
  QNNavigationController *navigation = nullptr;
};
