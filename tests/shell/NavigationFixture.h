#pragma once

#include "shell/BaseViewController.h"

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

// A 768 by 1024 point scene in an offscreen view at scale 1, with a
// navigation controller over all of it.
struct NavigationScene {
  explicit NavigationScene(BaseViewController *root);
  ~NavigationScene();

  // Scene point to the view's viewport point.
  QPoint viewPoint(const QPointF &scenePoint) const;
  void click(const QPointF &scenePoint);
  void tap(const QPointF &scenePoint);
  // Waits for the running transition to end; false when it does not in time.
  bool waitForTransition();
  QImage render();

  QGraphicsScene scene;
  QGraphicsView view;
  QNNavigationController *navigation = nullptr;
};
