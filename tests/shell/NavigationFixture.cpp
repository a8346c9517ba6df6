#include "NavigationFixture.h"

#include "common/FolderPaths.h"
#include "shell/QNNavigationController.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointingDevice>
#include <QTest>

RecordingScreen::RecordingScreen(const QString &title, bool showsBar) {
  setTitle(title);
  setShowNavBar(showsBar);
}

void RecordingScreen::viewWillAppear(bool animated) {
  argumentsSeen.append(jumpArgument());
  isBackSeen.append(isBack());
  BaseViewController::viewWillAppear(animated);
}

void RecordingScreen::viewDidAppear(bool animated) {
  ++didAppearCount;
  BaseViewController::viewDidAppear(animated);
}

void ManualAnimationDriver::step(int ms) {
  now += ms;
  advance();
}

void ManualAnimationDriver::start() {
  now = 0;
  QAnimationDriver::start();
}

NavigationScene::NavigationScene(BaseViewController *root) {
  clock.install();
  // The bars' artwork and strings, before the first bar is made.
  setResourceFolder(QUILL_RESOURCE_DIR);
  navigation = new QNNavigationController(root);
  scene.setSceneRect(0, 0, 768, 1024);
  scene.addItem(navigation);
  navigation->setGeometry(0, 0, 768, 1024);
  view.setScene(&scene);
  view.setFrameStyle(0);
  view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view.viewport()->setAttribute(Qt::WA_AcceptTouchEvents);
  view.resize(768, 1024);
  view.show();
  if (!QTest::qWaitForWindowExposed(&view))
    qWarning("navigation test view not exposed");
}

NavigationScene::~NavigationScene() {
  scene.removeItem(navigation);
  delete navigation;
  clock.uninstall();
}

QPoint NavigationScene::viewPoint(const QPointF &scenePoint) const {
  return view.mapFromScene(scenePoint);
}

void NavigationScene::click(const QPointF &scenePoint) {
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, viewPoint(scenePoint));
}

void NavigationScene::tap(const QPointF &scenePoint) {
  static QPointingDevice *device = QTest::createTouchDevice();
  QTest::touchEvent(view.viewport(), device).press(0, viewPoint(scenePoint), view.viewport());
  QTest::touchEvent(view.viewport(), device).release(0, viewPoint(scenePoint), view.viewport());
}

void NavigationScene::advance(int ms) {
  for (int done = 0; done < ms; done += 16) {
    clock.step(qMin(16, ms - done));
    QCoreApplication::processEvents();
  }
}

bool NavigationScene::waitForTransition(int *elapsedMs) {
  int elapsed = 0;
  for (; navigation->isInTransition() && elapsed < 2000; elapsed += 16)
    advance(16);
  if (elapsedMs)
    *elapsedMs += elapsed;
  return !navigation->isInTransition();
}

QImage NavigationScene::render() {
  QImage image(768, 1024, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  QPainter painter(&image);
  scene.render(&painter, QRectF(0, 0, 768, 1024), QRectF(0, 0, 768, 1024));
  return image;
}
