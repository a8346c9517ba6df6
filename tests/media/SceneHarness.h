#pragma once

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QTest>

// A window of 768 by 1024 points showing one scene at scale 1, for driving
// scene items with synthesized taps as a person would.
struct SceneHarness {
  QGraphicsScene scene{0, 0, 768, 1024};
  QGraphicsView view{&scene};

  SceneHarness() {
    view.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setFrameShape(QFrame::NoFrame);
    view.resize(768, 1024);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view))
      qWarning("scene harness: the window was not exposed");
  }
  void tap(const QPointF &scenePoint) {
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.mapFromScene(scenePoint));
  }
  void drag(const QPointF &from, const QPointF &to) {
    QWidget *viewport = view.viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, view.mapFromScene(from));
    for (int step = 1; step <= 5; ++step)
      QTest::mouseMove(viewport, view.mapFromScene(from + (to - from) * step / 5.0));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, view.mapFromScene(to));
  }
};
