#pragma once

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QTemporaryDir>
#include <memory>

class BaseViewController;
class MyNotesViewController;
class QNNavigationController;

// A fresh home folder whose catalogue lists count notebooks ("Notebook 1"
// first, each with an info file), the real resource folder, and the app's
// scene: a navigation controller over 768 by 1024 points with the My
// notebooks screen as root, in an offscreen view at scale 1. Touches go
// through the real view as mouse events.
struct ShelfFixture {
  explicit ShelfFixture(int count);
  ~ShelfFixture();

  static void writeCatalogue(int count);
  QStringList catalogueNames() const;

  QPoint at(const QPointF &scenePoint) const;
  void press(const QPointF &scenePoint);
  void moveTo(const QPointF &scenePoint);
  void release(const QPointF &scenePoint);
  void click(const QPointF &scenePoint);
  // Press on a cover and hold until the long press has lifted it.
  void holdCover(const QPointF &scenePoint);
  // Hold a cover, then move in steps to target and lift.
  void holdAndDrag(const QPointF &from, const QPointF &to, int steps = 12);
  bool waitForTransition();
  QImage render();

  QTemporaryDir home;
  QGraphicsScene scene;
  QGraphicsView view;
  QNNavigationController *navigation = nullptr;
  MyNotesViewController *shelf = nullptr;
};
