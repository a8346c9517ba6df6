#include "QuillTest.h"
#include "ShelfFixture.h"

#include "common/QNAlertCenter.h"
#include "common/QNAlertView.h"
#include "common/QNButton.h"
#include "shelf/MyNotesViewController.h"
#include "shelf/NoteBookCover.h"
#include "shelf/QNBookShelfView.h"
#include "shelf/ScreenRegistry.h"
#include "shell/QNNavigationController.h"
#include "store/NoteBook.h"
#include "store/NoteBookManager.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

namespace {
// Stands in for the page editor: keeps the argument it was opened with.
class StubEditor : public BaseViewController {
public:
  static inline QVariant lastArgument;
  static inline int opened = 0;
  void viewWillAppear(bool animated) override {
    lastArgument = jumpArgument();
    ++opened;
    BaseViewController::viewWillAppear(animated);
  }
};

QPointF centreOf(const QGraphicsItem *item) { return item->mapToScene(item->boundingRect().center()); }

NoteBookCover *coverAt(MyNotesViewController *screen, int index) {
  return static_cast<NoteBookCover *>(screen->bookShelf()->coverAtIndex(index));
}

int coverItems(const QGraphicsScene &scene) {
  int count = 0;
  for (QGraphicsItem *item : scene.items())
    count += dynamic_cast<NoteBookCover *>(item) != nullptr;
  return count;
}
} // namespace

class MyNotesViewControllerTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() {
    QuillTest::failOnUnexpectedWarnings();
    StubEditor::opened = 0;
    ScreenRegistry::registerScreen(ScreenRegistry::kNotePageController, [] { return new StubEditor; });
  }

  void showsNamesAndDates() {
    ShelfFixture fixture(4);
    NoteBookCover *first = coverAt(fixture.shelf, 0);
    QVERIFY(first);
    QCOMPARE(first->title(), QStringLiteral("Notebook 1"));
    QCOMPARE(first->date(), QStringLiteral("02.03"));
    QCOMPARE(first->year(), QStringLiteral("2026"));
    QCOMPARE(first->size(), NoteBookCover::kSize);
  }

  void tapOpensEditorAtCurrentPage() {
    ShelfFixture fixture(3);
    NoteBookPtr book = NoteBookManager::sharedNoteBookManager().bookAtIndex(1);
    fixture.click(centreOf(coverAt(fixture.shelf, 1)));
    QVERIFY(fixture.waitForTransition());
    QCOMPARE(StubEditor::opened, 1);
    const QVariantMap argument = StubEditor::lastArgument.toMap();
    QCOMPARE(argument.value("notebook").value<NoteBookPtr>(), book);
    QCOMPARE(argument.value("notePageIndex").toInt(), book->currentPage());
    QCOMPARE(NoteBookManager::sharedNoteBookManager().editingNote(), book);
  }

  void holdAndDragReorders() {
    ShelfFixture fixture(6);
    const QPointF from = centreOf(coverAt(fixture.shelf, 0));
    const QPointF to = centreOf(coverAt(fixture.shelf, 2));
    fixture.holdAndDrag(from, to);
    QCOMPARE(fixture.catalogueNames(),
             QStringList({"Notebook 2", "Notebook 3", "Notebook 1", "Notebook 4", "Notebook 5", "Notebook 6"}));
    // The covers rest in their new places.
    QTRY_COMPARE(coverAt(fixture.shelf, 2)->pos(), fixture.shelf->bookShelf()->frameForIndex(2).topLeft());
    QCOMPARE(coverAt(fixture.shelf, 2)->title(), QStringLiteral("Notebook 1"));
    QCOMPARE(coverAt(fixture.shelf, 0)->title(), QStringLiteral("Notebook 2"));
    QCOMPARE(StubEditor::opened, 0);
  }

  void quickDragOnCoverScrolls() {
    ShelfFixture fixture(30);
    QNBookShelfView *shelf = fixture.shelf->bookShelf();
    const QPointF from = centreOf(coverAt(fixture.shelf, 4));
    fixture.press(from);
    for (int i = 1; i <= 10; ++i)
      fixture.moveTo(from - QPointF(0, 30 * i));
    fixture.release(from - QPointF(0, 300));
    QVERIFY(shelf->contentOffset() >= 290);
    QCOMPARE(StubEditor::opened, 0);
    QCOMPARE(fixture.catalogueNames().first(), QStringLiteral("Notebook 1"));
  }

  void dragNearBottomEdgeScrolls() {
    ShelfFixture fixture(30);
    QNBookShelfView *shelf = fixture.shelf->bookShelf();
    const QPointF from = centreOf(coverAt(fixture.shelf, 3));
    fixture.holdCover(from);
    const QPointF edge(from.x(), 1020);
    for (int i = 1; i <= 10; ++i)
      fixture.moveTo(from + (edge - from) * (i / 10.0));
    QTRY_VERIFY(shelf->contentOffset() > 100);
    fixture.release(edge);
    QCOMPARE(shelf->autoscrollDistance(), 0.0);
  }

  void deleteAfterConfirmation_data() {
    QTest::addColumn<bool>("confirm");
    QTest::newRow("confirmed") << true;
    QTest::newRow("cancelled") << false;
  }
  void deleteAfterConfirmation() {
    QFETCH(bool, confirm);
    ShelfFixture fixture(5);
    const QString folder = NoteBookManager::homeForBook(*NoteBookManager::sharedNoteBookManager().bookAtIndex(0));
    QVERIFY(QDir(folder).exists());
    fixture.click(centreOf(fixture.shelf->editButton()));
    QVERIFY(fixture.shelf->bookShelf()->isEditing());
    NoteBookCover *first = coverAt(fixture.shelf, 0);
    QVERIFY(first->deleteButton()->isVisible());
    fixture.click(centreOf(first->deleteButton()));
    QTRY_COMPARE(QNAlertCenter::sharedQNAlertCenter().alerts().size(), 1);
    QNAlertView *alert = QNAlertCenter::sharedQNAlertCenter().alerts().first();
    QTRY_COMPARE(alert->scale(), 1.0); // popped in: the buttons rest where they are clicked
    fixture.click(centreOf(confirm ? alert->confirmBtn() : alert->cancelBtn()));
    if (confirm) {
      QVERIFY(!QDir(folder).exists());
      QCOMPARE(fixture.catalogueNames(), QStringList({"Notebook 2", "Notebook 3", "Notebook 4", "Notebook 5"}));
      // The following covers slide up into the gap.
      QTRY_COMPARE(coverAt(fixture.shelf, 2)->pos(), fixture.shelf->bookShelf()->frameForIndex(2).topLeft());
      QCOMPARE(coverAt(fixture.shelf, 2)->title(), QStringLiteral("Notebook 4"));
    } else {
      QVERIFY(QDir(folder).exists());
      QCOMPARE(NoteBookManager::sharedNoteBookManager().count(), 5);
      QCOMPARE(coverAt(fixture.shelf, 0)->title(), QStringLiteral("Notebook 1"));
    }
  }

  void splashLeavesTouchesFree() {
    ShelfFixture fixture(3);
    QSignalSpy finished(fixture.shelf, &MyNotesViewController::splashFinished);
    const int itemsBefore = fixture.scene.items().size();
    fixture.shelf->beginSplash();
    QVERIFY(!coverAt(fixture.shelf, 0)->isVisible());
    QVERIFY(finished.wait(8000));
    QCOMPARE(fixture.scene.items().size(), itemsBefore);
    QCOMPARE(coverAt(fixture.shelf, 0)->opacity(), 1.0);
    fixture.click(centreOf(coverAt(fixture.shelf, 0)));
    QVERIFY(fixture.waitForTransition());
    QCOMPARE(StubEditor::opened, 1);
  }

  void thousandNotebooksMakeOnlyVisibleCovers() {
    ShelfFixture fixture(1000);
    QNBookShelfView *shelf = fixture.shelf->bookShelf();
    const int visible = shelf->visibleRange().length;
    QVERIFY(visible <= 12);
    QCOMPARE(coverItems(fixture.scene), visible);
    for (int i = 0; i < 100; ++i)
      shelf->setContentOffset(shelf->contentOffset() + 300);
    QCOMPARE(coverItems(fixture.scene), shelf->visibleRange().length);
    const int loads = fixture.shelf->coverPictures().loads();
    shelf->setContentOffset(shelf->contentOffset() - 300);
    shelf->setContentOffset(shelf->contentOffset() + 300);
    // Rows scrolled back into view take their pictures from the cache.
    QCOMPARE(fixture.shelf->coverPictures().loads(), loads);
  }

  void editModeShowsBadges() {
    ShelfFixture fixture(5);
    fixture.click(centreOf(fixture.shelf->editButton()));
    const QImage shot = fixture.render();
    QuillTest::keepSnapshot(shot, QStringLiteral("shelf-edit"));
    // The delete badge is red, over the first cover's top right corner.
    const QPointF badge = centreOf(coverAt(fixture.shelf, 0)->deleteButton());
    const QColor colour = shot.pixelColor((badge * 2 + QPointF(0, 4)).toPoint());
    QVERIFY2(colour.red() > 150 && colour.green() < 120, qPrintable(colour.name()));
    fixture.click(centreOf(fixture.shelf->editButton()));
    QVERIFY(!coverAt(fixture.shelf, 0)->deleteButton()->isVisible());
  }

  void emptyCatalogueShowsNoCover() {
    ShelfFixture fixture(0);
    QCOMPARE(coverItems(fixture.scene), 0);
    QVERIFY(fixture.shelf->addButton());
  }
};

QUILL_TEST(MyNotesViewControllerTest)
#include "MyNotesViewControllerTest.moc"
