#include "QuillTest.h"
#include "ShelfFixture.h"

#include "common/Localization.h"
#include "common/QNButton.h"
#include "shelf/CoverPreviewView.h"
#include "shelf/MyNotesViewController.h"
#include "shelf/NewBookController.h"
#include "shelf/NoteBookCover.h"
#include "shelf/QNBookShelfView.h"
#include "shelf/QNPagingView.h"
#include "shelf/TemplateBackgroundSelectView.h"
#include "shell/QNNavigationController.h"
#include "store/BookTemplate.h"
#include "store/NoteBook.h"
#include "store/NoteBookManager.h"
#include "store/TemplateManager.h"

#include <QGraphicsTextItem>
#include <QTest>

namespace {
QPointF centreOf(const QGraphicsItem *item) { return item->mapToScene(item->boundingRect().center()); }

int rowOfTemplate(const QString &name) {
  TemplateManager &templates = TemplateManager::sharedTemplateManager();
  for (int i = 0; i < templates.templateCount(); ++i) {
    if (templates.templateAtIndex(i)->templateName == name)
      return i;
  }
  return -1;
}

NewBookController *openedScreen(ShelfFixture &fixture) {
  return qobject_cast<NewBookController *>(fixture.navigation->currentController());
}

void typeTitle(ShelfFixture &fixture, NewBookController *screen, const QString &text) {
  fixture.click(centreOf(screen->titleField()));
  QTest::keyClicks(fixture.view.viewport(), text);
}
} // namespace

class NewBookControllerTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void opensWithFirstTemplate() {
    ShelfFixture fixture(2);
    fixture.click(centreOf(fixture.shelf->addButton()));
    QVERIFY(fixture.waitForTransition());
    NewBookController *screen = openedScreen(fixture);
    QVERIFY(screen);
    QCOMPARE(screen->selectedRow(), 0);
    QCOMPARE(screen->selectedTemplate()->templateName,
             TemplateManager::sharedTemplateManager().templateAtIndex(0)->templateName);
    auto *preview = qobject_cast<CoverPreviewView *>(screen->pager()->pageAtIndex(0));
    QVERIFY(preview);
    QVERIFY(!preview->cover().isNull());
    typeTitle(fixture, screen, "Trip");
    QCOMPARE(preview->title(), QStringLiteral("Trip"));
    QuillTest::keepSnapshot(fixture.render(), QStringLiteral("new-notebook"));
  }

  void createsFromNumberedSeries() {
    ShelfFixture fixture(2);
    fixture.click(centreOf(fixture.shelf->addButton()));
    QVERIFY(fixture.waitForTransition());
    NewBookController *screen = openedScreen(fixture);
    const int planner = rowOfTemplate("Planner");
    QVERIFY(planner >= 0);
    QNBookShelfView *list = screen->templateList();
    list->scrollToIndex(planner, false);
    fixture.click(centreOf(list->coverAtIndex(planner)));
    QCOMPARE(screen->selectedRow(), planner);
    QCOMPARE(screen->selectedTemplate()->templateFileName, QStringLiteral("planner_%i.jpg"));
    typeTitle(fixture, screen, "Week plan");
    fixture.click(centreOf(screen->doneButton()));
    QVERIFY(fixture.waitForTransition());
    QCOMPARE(fixture.navigation->currentController(), fixture.shelf);

    NoteBookManager &catalogue = NoteBookManager::sharedNoteBookManager();
    QCOMPARE(catalogue.count(), 3);
    NoteBookPtr book = catalogue.bookAtIndex(0);
    QCOMPARE(book->name(), QStringLiteral("Week plan"));
    QCOMPARE(book->templateName(), QStringLiteral("Planner"));
    QVERIFY(book->identifier().startsWith("com.quill."));
    QCOMPARE(book->identifier().size(), 10 + 32);
    QVERIFY(book->backgroundForPage(0).endsWith("planner_10000.jpg"));
    QVERIFY(book->backgroundForPage(1).endsWith("planner_10001.jpg"));
    QCOMPARE(fixture.catalogueNames().first(), QStringLiteral("Week plan"));
    // The shelf reloaded with the new notebook at the front.
    auto *front = static_cast<NoteBookCover *>(fixture.shelf->bookShelf()->coverAtIndex(0));
    QCOMPARE(front->title(), QStringLiteral("Week plan"));
  }

  void editsTitleAndTemplate() {
    ShelfFixture fixture(3);
    NoteBookManager &catalogue = NoteBookManager::sharedNoteBookManager();
    NoteBookPtr book = catalogue.bookAtIndex(1);
    const QString identifier = book->identifier();
    fixture.click(centreOf(fixture.shelf->editButton()));
    auto *cover = static_cast<NoteBookCover *>(fixture.shelf->bookShelf()->coverAtIndex(1));
    fixture.click(centreOf(cover->editButton()));
    QVERIFY(fixture.waitForTransition());
    NewBookController *screen = openedScreen(fixture);
    QVERIFY(screen);
    QCOMPARE(screen->title(), localizedString("EditBook"));
    QCOMPARE(screen->titleField()->toPlainText(), QStringLiteral("Notebook 2"));
    const int grid = rowOfTemplate("Grid");
    fixture.click(centreOf(screen->templateList()->coverAtIndex(grid)));
    screen->setTitleText(QString());
    typeTitle(fixture, screen, "Sketches");
    fixture.click(centreOf(screen->doneButton()));
    QVERIFY(fixture.waitForTransition());
    QCOMPARE(catalogue.count(), 3);
    QCOMPARE(catalogue.bookAtIndex(1), book);
    QCOMPARE(book->identifier(), identifier);
    QCOMPARE(book->name(), QStringLiteral("Sketches"));
    QCOMPARE(book->templateName(), QStringLiteral("Grid"));
    QCOMPARE(book->background(), QStringLiteral("bg_grid.jpg"));
    QCOMPARE(fixture.catalogueNames().at(1), QStringLiteral("Sketches"));
    QVERIFY(!fixture.shelf->bookShelf()->isEditing());
  }

  void backDiscards() {
    ShelfFixture fixture(1);
    fixture.click(centreOf(fixture.shelf->addButton()));
    QVERIFY(fixture.waitForTransition());
    openedScreen(fixture)->back();
    QVERIFY(fixture.waitForTransition());
    QCOMPARE(NoteBookManager::sharedNoteBookManager().count(), 1);
  }

  void backgroundPickerChangesBackground() {
    ShelfFixture fixture(1);
    fixture.click(centreOf(fixture.shelf->addButton()));
    QVERIFY(fixture.waitForTransition());
    NewBookController *screen = openedScreen(fixture);
    screen->pager()->scrollToPage(1, false);
    auto *picker = qobject_cast<TemplateBackgroundSelectView *>(screen->pager()->pageAtIndex(1));
    QVERIFY(picker);
    const int before = picker->selectedIndex();
    picker->scrollToIndex(picker->pageCount() + 3, false, true);
    QCOMPARE(picker->selectedIndex(), picker->pageCount() - 1);
    QVERIFY(picker->selectedIndex() != before);
    QCOMPARE(screen->selectedTemplate()->templateFileName, picker->backgrounds().last());
  }
};

QUILL_TEST(NewBookControllerTest)
#include "NewBookControllerTest.moc"
