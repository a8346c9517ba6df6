#pragma once

#include <QApplication>
#include <QGraphicsRectItem>
#include <QMouseEvent>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QTest>

#include <memory>

// The window as the app has it: a 768 x 1024 scene with a plain white page,
// shown in a view of the same size on the offscreen screen, so that clicks go
// through the real view and scene.
struct SceneFixture {
  std::unique_ptr<QGraphicsScene> scene;
  std::unique_ptr<QGraphicsView> view;
  QGraphicsRectItem *page = nullptr;

  SceneFixture() {
    scene = std::make_unique<QGraphicsScene>(0, 0, 768, 1024);
    page = scene->addRect(0, 0, 768, 1024, Qt::NoPen, Qt::white);
    view = std::make_unique<QGraphicsView>(scene.get());
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->resize(768, 1024);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
  }

  QPoint at(const QPointF &scenePoint) const { return view->mapFromScene(scenePoint); }
  void click(const QPointF &scenePoint) {
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at(scenePoint));
  }
  void press(const QPointF &scenePoint) {
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at(scenePoint));
  }
  // A move with the button held (QTest::mouseMove sends none).
  void moveTo(const QPointF &scenePoint) {
    const QPoint point = at(scenePoint);
    QMouseEvent move(QEvent::MouseMove, point, view->viewport()->mapToGlobal(point), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(view->viewport(), &move);
  }
  void release(const QPointF &scenePoint) {
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at(scenePoint));
  }
};
