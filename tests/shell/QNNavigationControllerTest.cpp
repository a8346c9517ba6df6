#include "NavigationFixture.h"
#include "QuillTest.h"

#include "common/QNButton.h"
#include "shell/QNNavigationBar.h"
#include "shell/QNNavigationController.h"
#include "shell/QNNavigationItem.h"
#include "shell/QNToolBar.h"
#include "shell/ShellArtwork.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace {
constexpr qreal kBarHeight = 45;
constexpr int kHalfway = 200;
} // namespace

class QNNavigationControllerTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void jumpToScreenWithoutBarTransitionsContainer();
  void jumpBetweenScreensWithBarMovesOnlyContent();
  void transitionComesFromEachSide_data();
  void transitionComesFromEachSide();
  void argumentHandOver_data();
  void argumentHandOver();
  void isBackTellsHowScreenBecameCurrent();
  void popToPageReleasesScreensAbove();
  void inputRefusedDuringTransition_data();
  void inputRefusedDuringTransition();
  void backButtonHiddenWithOnlyRoot();
  void invalidRequestsDoNothing();
  void requestDuringTransitionCompletesItFirst();
  void barHidesAnimated();
  void renderedScreenShowsBarAndToolBar();
  void popoverSizeAddsBarForScreensShowingIt();
};

void QNNavigationControllerTest::jumpToScreenWithoutBarTransitionsContainer() {
  auto *root = new RecordingScreen("Root");
  NavigationScene fixture(root);
  QNNavigationController *nav = fixture.navigation;
  QCOMPARE(nav->contentView()->geometry(), QRectF(0, kBarHeight, 768, 1024 - kBarHeight));

  auto *editor = new RecordingScreen("Editor", false);
  nav->pageJump(editor, QVariant());
  QVERIFY(nav->isInTransition());
  QCOMPARE(nav->loadingController(), editor);
  QCOMPARE(nav->currentController(), root);
  fixture.advance(kHalfway);
  // The container (and the bar with the leaving side) moves; the bar goes left.
  const QPointF container = nav->containerView()->pos();
  QVERIFY2(container.x() > 0 && container.x() < 768, qPrintable(QString::number(container.x())));
  QCOMPARE(container.y(), 0.0);
  QVERIFY(nav->navigationBar()->isVisible());
  QVERIFY(nav->navigationBar()->pos().x() < 0);
  QVERIFY(fixture.waitForTransition());

  QCOMPARE(nav->currentController(), editor);
  QCOMPARE(nav->containerView()->pos(), QPointF(0, 0));
  QCOMPARE(nav->contentView()->geometry(), QRectF(0, 0, 768, 1024));
  QCOMPARE(editor->geometry(), QRectF(0, 0, 768, 1024));
  QVERIFY(nav->isNavigationBarHidden());
  QVERIFY(!nav->navigationBar()->isVisible());
  QCOMPARE(nav->navigationBar()->pos(), QPointF(0, -kBarHeight));
  QVERIFY(!root->scene());

  nav->pageBack();
  fixture.advance(kHalfway);
  // Back from the left: the container and the arriving bar come from the left.
  QVERIFY(nav->containerView()->pos().x() < 0);
  QVERIFY(nav->navigationBar()->isVisible());
  QCOMPARE(nav->navigationBar()->pos().x(), nav->containerView()->pos().x());
  QVERIFY(fixture.waitForTransition());
  QCOMPARE(nav->currentController(), root);
  QCOMPARE(nav->contentView()->geometry(), QRectF(0, kBarHeight, 768, 1024 - kBarHeight));
  QCOMPARE(root->geometry(), QRectF(0, 0, 768, 1024 - kBarHeight));
  QCOMPARE(nav->navigationBar()->pos(), QPointF(0, 0));
  QVERIFY(nav->navigationBar()->isVisible());
}

void QNNavigationControllerTest::jumpBetweenScreensWithBarMovesOnlyContent() {
  auto *root = new RecordingScreen("Root");
  NavigationScene fixture(root);
  QNNavigationController *nav = fixture.navigation;
  auto *preview = new RecordingScreen("Preview");
  nav->pageJump(preview, QVariant());
  // The bar's items change at once.
  QCOMPARE(nav->navigationBar()->navigationItem(), preview->qnNavigationItem());
  fixture.advance(kHalfway);
  QVERIFY(nav->contentView()->pos().x() > 0);
  QCOMPARE(nav->contentView()->pos().y(), kBarHeight);
  QCOMPARE(nav->containerView()->pos(), QPointF(0, 0));
  QCOMPARE(nav->navigationBar()->pos(), QPointF(0, 0));
  QVERIFY(fixture.waitForTransition());
  QCOMPARE(nav->contentView()->pos(), QPointF(0, kBarHeight));
  QCOMPARE(preview->didAppearCount, 1);
  // Renaming the screen shown renames its bar at once.
  preview->setTitle("Pages of Travel diary");
  QCOMPARE(nav->navigationBar()->titleView()->property("text").toString(),
           QStringLiteral("Pages of Travel diary"));
}

void QNNavigationControllerTest::transitionComesFromEachSide_data() {
  QTest::addColumn<QNTransitionSubtype>("subtype");
  QTest::addColumn<QPointF>("sign");
  QTest::newRow("from right") << QNTransitionSubtype::FromRight << QPointF(1, 0);
  QTest::newRow("from left") << QNTransitionSubtype::FromLeft << QPointF(-1, 0);
  QTest::newRow("from top") << QNTransitionSubtype::FromTop << QPointF(0, -1);
  QTest::newRow("from bottom") << QNTransitionSubtype::FromBottom << QPointF(0, 1);
}

void QNNavigationControllerTest::transitionComesFromEachSide() {
  QFETCH(QNTransitionSubtype, subtype);
  QFETCH(QPointF, sign);
  auto *root = new RecordingScreen("Root");
  NavigationScene fixture(root);
  QNNavigationController *nav = fixture.navigation;
  auto *next = new RecordingScreen("Next");
  nav->pageJump(next, QVariant(), QNTransitionType::Push, subtype, false);
  fixture.advance(kHalfway);
  const QPointF moved = nav->contentView()->pos() - QPointF(0, kBarHeight);
  QVERIFY(moved.x() * sign.x() > 0 || moved.y() * sign.y() > 0);
  QCOMPARE(moved.x() * sign.y(), 0.0);
  QCOMPARE(moved.y() * sign.x(), 0.0);
  // 0.4 s, to a frame or two.
  fixture.advance(380 - kHalfway);
  QVERIFY(nav->isInTransition());
  int elapsed = 380;
  QVERIFY(fixture.waitForTransition(&elapsed));
  QVERIFY2(elapsed <= 440, qPrintable(QString::number(elapsed)));
}

void QNNavigationControllerTest::argumentHandOver_data() {
  QTest::addColumn<bool>("back");
  QTest::addColumn<int>("form");
  QTest::addColumn<bool>("handedOver");
  // form 0: the short operation; 1: with update true; 2: with update false.
  QTest::newRow("pageJump(screen, argument)") << false << 0 << true;
  QTest::newRow("pageJump(screen, argument, true)") << false << 1 << true;
  QTest::newRow("pageJump(screen, argument, false)") << false << 2 << false;
  QTest::newRow("pageBack(screen, argument)") << true << 0 << false;
  QTest::newRow("pageBack(screen, argument, true)") << true << 1 << true;
  QTest::newRow("pageBack(screen, argument, false)") << true << 2 << false;
}

void QNNavigationControllerTest::argumentHandOver() {
  QFETCH(bool, back);
  QFETCH(int, form);
  QFETCH(bool, handedOver);
  auto *root = new RecordingScreen("Root");
  NavigationScene fixture(root);
  QNNavigationController *nav = fixture.navigation;
  auto *page = new RecordingScreen("Page");
  const QVariantMap argument{{"notebook", "com.quill.a"}, {"notePageIndex", 3}};
  RecordingScreen *arriving = back ? root : page;
  if (back) {
    nav->pageJump(page, QVariant(), false);
    QVERIFY(fixture.waitForTransition());
    root->argumentsSeen.clear();
  }
  if (back && form == 0)
    nav->pageBack(nullptr, argument);
  else if (back)
    nav->pageBack(nullptr, argument, form == 1);
  else if (form == 0)
    nav->pageJump(page, argument);
  else
    nav->pageJump(page, argument, form == 1);
  QCOMPARE(arriving->argumentsSeen.size(), 1);
  QCOMPARE(arriving->argumentsSeen.first(), handedOver ? QVariant(argument) : QVariant());
  // Seen once: the screen base clears it as the screen appears.
  QVERIFY(!arriving->jumpArgument().isValid());
  QVERIFY(fixture.waitForTransition());
}

void QNNavigationControllerTest::isBackTellsHowScreenBecameCurrent() {
  auto *root = new RecordingScreen("Root");
  NavigationScene fixture(root);
  QNNavigationController *nav = fixture.navigation;
  auto *first = new RecordingScreen("First");
  auto *second = new RecordingScreen("Second");
  nav->pageJump(first, QVariant(), QNTransitionType::None, QNTransitionSubtype::FromRight, false);
  nav->pageJump(second, QVariant(), QNTransitionType::None, QNTransitionSubtype::FromRight, false);
  nav->pageBack(nullptr, QVariant(), QNTransitionType::None, QNTransitionSubtype::FromLeft, false);
  QCOMPARE(second->isBackSeen, QList<bool>{false});
  QCOMPARE(first->isBackSeen, (QList<bool>{false, true}));
  QVERIFY(first->isBack());
  nav->pageJump(new RecordingScreen("Third"), QVariant());
  QVERIFY(fixture.waitForTransition());
  QVERIFY(!nav->currentController()->isBack());
}

void QNNavigationControllerTest::popToPageReleasesScreensAbove() {
  auto *root = new RecordingScreen("Root");
  NavigationScene fixture(root);
  QNNavigationController *nav = fixture.navigation;
  auto *shelf = new RecordingScreen("Shelf");
  QPointer<RecordingScreen> editor = new RecordingScreen("Editor", false);
  QPointer<RecordingScreen> preview = new RecordingScreen("Preview");
  for (BaseViewController *screen :
       {static_cast<BaseViewController *>(shelf), static_cast<BaseViewController *>(editor.data()),
        static_cast<BaseViewController *>(preview.data())}) {
    nav->pageJump(screen, QVariant());
    QVERIFY(fixture.waitForTransition());
  }
  QCOMPARE(nav->pageStack().count(), 4);

  nav->pageBack(shelf, QVariant());
  QCOMPARE(nav->pageStack().count(), 2);
  QVERIFY(!editor);
  // The leaving screen stays in view until its transition ends.
  QVERIFY(preview);
  QVERIFY(preview->isVisible() && preview->scene());
  QVERIFY(fixture.waitForTransition());
  QVERIFY(!preview);
  QCOMPARE(nav->currentController(), shelf);
  QVERIFY(shelf->isBack());
}

void QNNavigationControllerTest::inputRefusedDuringTransition_data() {
  QTest::addColumn<bool>("touch");
  QTest::newRow("click") << false;
  QTest::newRow("touch") << true;
}

void QNNavigationControllerTest::inputRefusedDuringTransition() {
  QFETCH(bool, touch);
  auto *root = new RecordingScreen("Root");
  NavigationScene fixture(root);
  QNNavigationController *nav = fixture.navigation;
  auto *next = new RecordingScreen("Next");
  auto *button = new QNButton;
  button->setSize({200, 100});
  button->setParentItem(next);
  button->setPos(284, 100); // high enough to be inside the window halfway through the slide
  QSignalSpy clicked(button, &QNButton::clicked);
  const auto press = [&](QGraphicsObject *item) {
    const QPointF centre = item->mapToScene(item->boundingRect().center());
    touch ? fixture.tap(centre) : fixture.click(centre);
  };

  nav->pageJump(next, QVariant(), QNTransitionType::Push, QNTransitionSubtype::FromBottom, false);
  fixture.advance(kHalfway);
  QVERIFY(nav->isInTransition());
  // Both the sliding button and the bar's back button, which stands still, are
  // pressed where they are shown.
  press(button);
  press(nav->navigationBar()->backButton());
  QVERIFY(nav->isInTransition());
  QVERIFY(fixture.waitForTransition());
  QCOMPARE(clicked.count(), 0);
  QCOMPARE(nav->pageStack().count(), 2);
  QCOMPARE(nav->currentController(), next);
  press(button);
  QCOMPARE(clicked.count(), 1);
}

void QNNavigationControllerTest::backButtonHiddenWithOnlyRoot() {
  auto *root = new RecordingScreen("Root");
  NavigationScene fixture(root);
  QNNavigationController *nav = fixture.navigation;
  QNNavigationBar *bar = nav->navigationBar();
  QVERIFY(bar->backButton());
  QCOMPARE(bar->leftItems(), QNToolBar::Views{bar->backButton()});
  QVERIFY(!bar->backButton()->isVisible());

  nav->pageJump(new RecordingScreen("Next"), QVariant());
  QVERIFY(bar->backButton()->isVisible());
  QVERIFY(fixture.waitForTransition());
  // The bar's back button, tapped in the scene, goes back to the root.
  const QPointF button = bar->backButton()->mapToScene(bar->backButton()->boundingRect().center());
  fixture.click(button);
  QVERIFY(nav->isInTransition());
  QVERIFY(fixture.waitForTransition());
  QCOMPARE(nav->currentController(), root);
  QVERIFY(!bar->backButton()->isVisible());
}

void QNNavigationControllerTest::invalidRequestsDoNothing() {
  auto *root = new RecordingScreen("Root");
  NavigationScene fixture(root);
  QNNavigationController *nav = fixture.navigation;
  nav->pageJump(nullptr, QVariant());
  nav->pageBack();
  QVERIFY(!nav->isInTransition());
  RecordingScreen stranger("Stranger");
  auto *next = new RecordingScreen("Next");
  nav->pageJump(next, QVariant());
  QVERIFY(fixture.waitForTransition());
  nav->pageBack(&stranger, QVariant());
  nav->pageJump(next, QVariant());
  nav->pageJump(root, QVariant());
  QVERIFY(!nav->isInTransition());
  QCOMPARE(nav->pageStack().count(), 2);
  QCOMPARE(nav->currentController(), next);
  QVERIFY(root->isBackSeen.isEmpty());
}

void QNNavigationControllerTest::requestDuringTransitionCompletesItFirst() {
  auto *root = new RecordingScreen("Root");
  NavigationScene fixture(root);
  QNNavigationController *nav = fixture.navigation;
  auto *first = new RecordingScreen("First");
  auto *second = new RecordingScreen("Second");
  nav->pageJump(first, QVariant());
  nav->pageJump(second, QVariant());
  QCOMPARE(first->didAppearCount, 1);
  QCOMPARE(nav->currentController(), first);
  QCOMPARE(nav->loadingController(), second);
  QVERIFY(fixture.waitForTransition());
  QCOMPARE(nav->currentController(), second);
  QCOMPARE(nav->pageStack().count(), 3);
  nav->loadRootController();
  QVERIFY(fixture.waitForTransition());
  QCOMPARE(nav->currentController(), root);
  QCOMPARE(nav->pageStack().count(), 1);
}

void QNNavigationControllerTest::barHidesAnimated() {
  auto *root = new RecordingScreen("Root");
  NavigationScene fixture(root);
  QNNavigationController *nav = fixture.navigation;
  nav->setNavigationBarHidden(true, true);
  fixture.advance(kHalfway);
  QVERIFY(nav->navigationBar()->isVisible());
  const qreal barY = nav->navigationBar()->pos().y();
  QVERIFY2(barY < 0 && barY > -kBarHeight, qPrintable(QString::number(barY)));
  fixture.advance(kHalfway + 16);
  QVERIFY(!nav->navigationBar()->isVisible());
  QCOMPARE(nav->contentView()->geometry(), QRectF(0, 0, 768, 1024));
  QCOMPARE(root->size(), QSizeF(768, 1024));
}

void QNNavigationControllerTest::renderedScreenShowsBarAndToolBar() {
  auto *root = new RecordingScreen("Root");
  NavigationScene fixture(root);
  QNNavigationController *nav = fixture.navigation;
  auto *diary = new RecordingScreen("Travel diary");
  const auto icon = [](const char *name) { return ShellArtwork::pictureOrPlate(name, {32, 32}); };
  auto *share = new QNButton(icon("share_btn"), icon("share_btn"));
  diary->qnNavigationItem()->setRightBarItems({share});
  auto *tools = new QNToolBar(2 << 16, diary);
  tools->setGeometry(0, 1024 - kBarHeight - 50, 768, 50);
  QNToolBar::Views buttons;
  for (const char *name : {"pen_btn", "mark_pen_btn", "eraser_btn"}) {
    auto *button = new QNButton(icon(name), icon(name));
    buttons.append(button);
  }
  tools->setCenterItems(buttons);
  nav->pageJump(diary, QVariant(), QNTransitionType::None, QNTransitionSubtype::FromRight, false);

  const QImage image = fixture.render();
  QuillTest::keepSnapshot(image, QStringLiteral("navigation-bar"));
  // The bar is pale paper behind dark title text; the page below is white.
  QVERIFY(image.pixelColor(600, 5).lightness() > 220);
  QCOMPARE(image.pixelColor(384, 500), QColor(Qt::white));
  bool titleInk = false;
  for (int x = 330; x < 440 && !titleInk; ++x)
    titleInk = image.pixelColor(x, 22).lightness() < 120;
  QVERIFY2(titleInk, "the title is drawn in the middle of the bar");
  // The back button stands at the left, the share button at the right.
  QVERIFY(nav->navigationBar()->backButton()->isVisible());
  QCOMPARE(share->pos().x(), 768 - 10 - share->boundingRect().width());
  // The tool bar's gradient: rosy at its edges, pale grey in its middle.
  const QColor edge = image.pixelColor(5, 1024 - 49);
  const QColor middle = image.pixelColor(5, 1024 - 25);
  QVERIFY2(edge.red() > edge.green() + 60, qPrintable(edge.name()));
  QVERIFY2(qAbs(middle.red() - middle.green()) < 20, qPrintable(middle.name()));
}

void QNNavigationControllerTest::popoverSizeAddsBarForScreensShowingIt() {
  auto *menu = new RecordingScreen("Settings");
  menu->setPreferredSize(320, 400);
  NavigationScene fixture(menu);
  QCOMPARE(fixture.navigation->contentSizeForViewInPopover(), QSizeF(320, 400 + kBarHeight));
  auto *colours = new RecordingScreen("Colours", false);
  colours->setPreferredSize(320, 240);
  fixture.navigation->pageJump(colours, QVariant(), QNTransitionType::None,
                               QNTransitionSubtype::FromRight, false);
  QCOMPARE(fixture.navigation->contentSizeForViewInPopover(), QSizeF(320, 240));
}

QUILL_TEST(QNNavigationControllerTest)
#include "QNNavigationControllerTest.moc"
