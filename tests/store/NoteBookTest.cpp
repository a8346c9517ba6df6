#include "QuillTest.h"

#include "StoreFixture.h"
#include "common/FolderPaths.h"
#include "common/PropertyList.h"
#include "store/BookTemplate.h"
#include "store/NoteBook.h"
#include "store/NoteBookManager.h"
#include "store/NotePage.h"
#include "store/PhotoWidgetData.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

namespace {
NoteBookManager &catalogue() {
  return NoteBookManager::sharedNoteBookManager();
}

NoteBookPtr listedBook(const QString &templateName = {}) {
  auto book = std::make_shared<NoteBook>(catalogue().newNoteBookIdentifier());
  book->setName("Book");
  book->setTemplateName(templateName);
  catalogue().addNoteBook(book);
  return book;
}

// Adds pages A, B, C, ... under identifiers "a...", "b...".
void addPages(NoteBook &book, const QString &letters) {
  for (const QChar letter : letters)
    QVERIFY(book.addPage(NotePage(&book, QString(letter).repeated(32))));
}

QString order(const NoteBook &book) {
  QString letters;
  for (int i = 0; i < book.pageCount(); ++i)
    letters += book.pageIdentifierAtIndex(i).left(1).toUpper();
  return letters;
}
} // namespace

class NoteBookTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void withoutInfoFileHasNoPages() {
    StoreFixture fixture;
    NoteBook book(catalogue().newNoteBookIdentifier());
    QCOMPARE(book.pageCount(), 0);
    QCOMPARE(book.currentPage(), 0);
    QVERIFY(!book.pageAtIndex(0));
    QVERIFY(book.pageIdentifierAtIndex(0).isEmpty());
    QVERIFY(!QFileInfo::exists(NoteBookManager::homeForBook(book)));
    QVERIFY(book.addPage(NotePage(&book, book.newPageIdentifier())));
    const QVariantMap info = PropertyList::read(book.infoPath()).toMap();
    QCOMPARE(info.value("page_key").toList().size(), 1);
    QCOMPARE(info.value("info").toMap().value("identifier_key").toString(), book.identifier());
    QCOMPARE(info.value("info").toMap().value("pagecount_key").toLongLong(), 1);
  }

  // An unreadable info file is kept beside it and its page list rebuilt from
  // the page files, in the order they were saved.
  void unreadableInfoFileIsKeptAndItsPagesRebuilt_data() {
    QTest::addColumn<QString>("fixture");
    QTest::newRow("empty") << "catalogues/empty.plist";
    QTest::newRow("text") << "catalogues/text.plist";
    QTest::newRow("truncated") << "catalogues/truncated.plist";
    QTest::newRow("array") << "catalogues/array-root.plist";
    QTest::newRow("pages not an array") << "catalogues/wrong-arrays.plist";
  }
  void unreadableInfoFileIsKeptAndItsPagesRebuilt() {
    QFETCH(QString, fixture);
    StoreFixture store;
    const QString identifier = listedBook()->identifier();
    const QString home = NoteBookManager::homeForBook(NoteBook(identifier));
    const QDateTime saved = QDateTime::currentDateTime().addDays(-1);
    for (const auto &[letter, minutes] : {std::pair{'a', 20}, {'b', 0}, {'c', 10}}) {
      QFile page(home + "/" + QString(32, QLatin1Char(letter)) + ".json");
      QVERIFY(page.open(QIODevice::WriteOnly));
      QVERIFY(page.write("{}") == 2 && page.flush());
      QVERIFY(page.setFileTime(saved.addSecs(60 * minutes), QFileDevice::FileModificationTime));
    }
    StoreFixture::writeText(home + "/notes.txt", "not a page");
    StoreFixture::install(fixture, home + "/info.plist");
    const QByteArray before = StoreFixture::readBytes(home + "/info.plist");
    store.forget();
    QuillTest::expectLogLine("stored dictionary: read", "\"page_key\"");

    catalogue().initData();
    const NoteBookPtr book = catalogue().bookWithIdentifier(identifier);
    QCOMPARE(order(*book), QString("BCA"));
    QCOMPARE(book->currentPage(), 0);
    QCOMPARE(store.keptCopies.size(), 1);
    QVERIFY(QFileInfo(store.keptCopies.first()).fileName().startsWith("info.plist.unreadable-"));
    QCOMPARE(StoreFixture::readBytes(store.keptCopies.first()), before);
    QCOMPARE(store.fileChanges(), QStringList{"ADD info.plist"});
    const QVariantMap info = PropertyList::read(book->infoPath()).toMap();
    QCOMPARE(info.value("page_key").toList().size(), 3);
    QCOMPARE(info.value("info").toMap().value("identifier_key").toString(), identifier);

    catalogue().initData();
    QCOMPARE(order(*catalogue().bookWithIdentifier(identifier)), QString("BCA"));
    QCOMPARE(store.keptCopies.size(), 1);
  }

  void wrongTypesInTheInfoFileAreAbsent() {
    StoreFixture fixture;
    NoteBook book(catalogue().newNoteBookIdentifier());
    PropertyList::write(
        book.infoPath(),
        QVariantMap{{"page_key", QVariantList{"x", 5, QVariantMap()}}, {"currentPage_key", "two"}});
    QCOMPARE(book.currentPage(), 0);
    QCOMPARE(book.pageCount(), 3);
    QVERIFY(book.pageIdentifierAtIndex(1).isEmpty());
    const auto page = book.pageAtIndex(1);
    QVERIFY(page && page->dataPath().isEmpty());
  }

  void addingPages() {
    StoreFixture fixture;
    const NoteBookPtr book = listedBook();
    fixture.forget();
    const QString identifier = book->newPageIdentifier();
    QVERIFY(QRegularExpression("^[0-9a-f]{32}$").match(identifier).hasMatch());
    QVERIFY(book->addPage(NotePage(book.get(), identifier)));
    QCOMPARE(fixture.eventNames(), (QStringList{"add_page", "page_amount"}));
    QCOMPARE(fixture.lastAttributes("page_amount").value("pageAmount").toString(), QString("1"));
    QCOMPARE(fixture.fileChanges(), QStringList{"ADD info.plist"});
    fixture.forget();
    QVERIFY(!book->addPage(NotePage(book.get(), identifier)));
    QVERIFY(!book->addPage(NotePage(book.get())));
    QVERIFY(!book->addPage(NotePage(book.get(), "../escape")));
    QCOMPARE(book->pageCount(), 1);
    QVERIFY(fixture.eventNames().isEmpty());
    const NotePage page(book.get(), identifier);
    QCOMPARE(book->indexOfPage(page), 0);
    QCOMPARE(book->indexOfPage(NotePage(book.get(), "ffff")), NoteBook::NotFound);
  }

  void pageIdentifiersMadeTogetherDiffer() {
    StoreFixture fixture;
    const NoteBookPtr book = listedBook();
    for (int i = 0; i < 5; ++i)
      QVERIFY(book->addPage(NotePage(book.get(), book->newPageIdentifier())));
    QCOMPARE(book->pageCount(), 5);
  }

  void failedInfoWriteAddsNoPage() {
    StoreFixture fixture;
    const NoteBookPtr book = listedBook();
    StoreFixture::blockPath(book->infoPath());
    QuillTest::expectLogLine("open for writing", "Filename refers to a directory");
    QVERIFY(!book->addPage(NotePage(book.get(), book->newPageIdentifier())));
    QCOMPARE(book->pageCount(), 0);
  }

  void movingKeepsTheCurrentPage_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("order");
    QTest::addColumn<int>("current");
    QTest::newRow("3 to 1") << 3 << 1 << "ADBC" << 3;
    QTest::newRow("0 to 3") << 0 << 3 << "BCDA" << 1;
    QTest::newRow("2 to 0") << 2 << 0 << "CABD" << 0;
    QTest::newRow("0 to 1") << 0 << 1 << "BACD" << 2;
    QTest::newRow("out of range") << 4 << 0 << "ABCD" << 2;
  }
  void movingKeepsTheCurrentPage() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, order);
    QFETCH(int, current);
    StoreFixture fixture;
    NoteBookPtr book = listedBook();
    addPages(*book, "abcd");
    book->setCurrentPage(2);
    book->movePageFromIndex(from, to);
    QCOMPARE(::order(*book), order);
    QCOMPARE(book->currentPage(), current);
    catalogue().initData();
    book = catalogue().bookAtIndex(0);
    QCOMPARE(::order(*book), order);
    QCOMPARE(book->currentPage(), current);
  }

  void removingPages_data() {
    QTest::addColumn<int>("remove");
    QTest::addColumn<int>("currentBefore");
    QTest::addColumn<int>("currentAfter");
    QTest::addColumn<QString>("order");
    QTest::newRow("current") << 2 << 2 << 1 << "ABD";
    QTest::newRow("first while first") << 0 << 0 << 0 << "BCD";
    QTest::newRow("after current") << 3 << 1 << 1 << "ABC";
    QTest::newRow("out of range") << 4 << 1 << 1 << "ABCD";
  }
  void removingPages() {
    QFETCH(int, remove);
    QFETCH(int, currentBefore);
    QFETCH(int, currentAfter);
    QFETCH(QString, order);
    StoreFixture fixture;
    const NoteBookPtr book = listedBook();
    addPages(*book, "abcd");
    book->setCurrentPage(currentBefore);
    book->removepageAtIndex(remove);
    QCOMPARE(::order(*book), order);
    QCOMPARE(book->currentPage(), currentAfter);
  }

  void removingAPageDeletesItsFiles() {
    StoreFixture fixture;
    const NoteBookPtr book = listedBook();
    const QString identifier = book->newPageIdentifier();
    QVERIFY(book->addPage(NotePage(book.get(), identifier)));
    auto page = book->pageAtIndex(0);
    auto photo = std::make_shared<PhotoWidgetData>();
    photo->setPhotoName("1370000000");
    page->setWidgets({photo});
    page->setPageEdited(true);
    QImage sketch(20, 20, QImage::Format_ARGB32);
    sketch.fill(Qt::transparent);
    page->setSketchImage(sketch);
    page->setSketched(true);
    QVERIFY(page->save());
    QVERIFY(page->setPageThumb(sketch));
    StoreFixture::writeText(book->resourcePath() + "/1370000000", "png");
    StoreFixture::writeText(book->resourcePath() + "/" + identifier + "_bg", "jpeg");
    fixture.forget();
    book->removepageAtIndex(0);
    for (const QString &gone :
         {QString("/1370000000"), "/sketchImage_" + identifier, "/thumb_" + identifier})
      QVERIFY2(!QFileInfo::exists(book->resourcePath() + gone), qPrintable(gone));
    QVERIFY(!QFileInfo::exists(book->homePath() + "/" + identifier + ".json"));
    QVERIFY(QFileInfo::exists(book->resourcePath() + "/" + identifier + "_bg"));
    QCOMPARE(fixture.fileChanges(),
             (QStringList{"DELETE 1370000000", "DELETE sketchImage_" + identifier,
                          "DELETE thumb_" + identifier, "DELETE " + identifier + ".json",
                          "ADD info.plist"}));
    QCOMPARE(fixture.notifications[1].object, static_cast<const void *>(book.get()));
    QCOMPARE(fixture.notifications[1].userInfo.value("kNotebookIdentifier").toString(),
             book->identifier());
    QCOMPARE(fixture.eventNames(), (QStringList{"delete_page", "page_amount"}));
  }

  void currentPageIsStoredOnlyWhenChanged() {
    StoreFixture fixture;
    const NoteBookPtr book = listedBook();
    fixture.forget();
    book->setCurrentPage(0);
    QVERIFY(fixture.fileChanges().isEmpty());
    book->setCurrentPage(3);
    QCOMPARE(fixture.fileChanges(), QStringList{"ADD info.plist"});
    QCOMPARE(PropertyList::read(book->infoPath()).toMap().value("currentPage_key").toLongLong(), 3);
  }

  void defaultNameIsShownAndStored() {
    StoreFixture fixture;
    NoteBook book(catalogue().newNoteBookIdentifier());
    QVERIFY(!book.hasName());
    QCOMPARE(book.name(), QString("Quill"));
    QVERIFY(book.saveData());
    QCOMPARE(PropertyList::read(book.infoPath())
                 .toMap()
                 .value("info")
                 .toMap()
                 .value("notename_key")
                 .toString(),
             QString("Quill"));
  }

  void templateAndBackground() {
    StoreFixture fixture;
    QuillTest::expectLogLine("notebook: background", "not a plain file name: ../outside.png");
    QuillTest::expectLogLine("notebook: background", "not a plain file name: ../outside.png");
    const NoteBookPtr lines = listedBook("Lines");
    QCOMPARE(lines->bookTemplate()->templateName, QString("Lines"));
    QCOMPARE(QFileInfo(lines->backgroundForPage(1)).fileName(), QString("page_10001.png"));
    QCOMPARE(QFileInfo(lines->backgroundForPage(2)).fileName(), QString("lines_default.png"));

    const NoteBookPtr unknown = listedBook("Not listed");
    QCOMPARE(unknown->bookTemplate()->templateName, QString("默认模板"));
    QCOMPARE(unknown->backgroundForPage(0),
             resourcePathWithName("template/template_blue_bg_01.jpg"));

    lines->setBackground("builtin_grid.png");
    for (int page : {0, 1, 9})
      QCOMPARE(lines->backgroundForPage(page), resourcePathWithName("template/builtin_grid.png"));
    lines->setBackground("page_%i.png");
    QCOMPARE(lines->backgroundForPage(4), resourcePathWithName("template/lines/page_10004.png"));
    // Past the series' last picture a page takes the template's own page.
    QCOMPARE(lines->backgroundForPage(5), resourcePathWithName("template/lines/lines_default.png"));
    lines->setBackground("../outside.png");
    QCOMPARE(lines->backgroundForPage(0), resourcePathWithName("template/lines/page_10000.png"));
  }

  void coverIsCopiedFromTheTemplateOnce() {
    StoreFixture fixture;
    const NoteBookPtr book = listedBook("Lines");
    fixture.forget();
    const QImage cover = book->bookCover();
    QCOMPARE(cover.pixelColor(0, 0), QColor(0, 0, 99));
    QVERIFY(QFileInfo::exists(book->coverPath()));
    QCOMPARE(fixture.fileChanges(), QStringList{"ADD cover"});
    QCOMPARE(book->bookCover().cacheKey(), cover.cacheKey());
    QCOMPARE(fixture.fileChanges().size(), 1);
    QCOMPARE(book->bookTemplate()->bookCover().cacheKey(), cover.cacheKey());
  }

  void settingACoverWritesItAtScaleTwo() {
    StoreFixture fixture;
    const NoteBookPtr book = listedBook();
    QImage cover(100, 120, QImage::Format_ARGB32);
    cover.fill(Qt::darkCyan);
    fixture.forget();
    QVERIFY(book->setBookCover(cover));
    QVERIFY(book->setBookCover(cover)); // the same picture: nothing to write
    QCOMPARE(fixture.fileChanges(), QStringList{"ADD cover"});
    QCOMPARE(QImage(book->coverPath()).size(), QSize(200, 240));
    StoreFixture::blockPath(book->coverPath());
    QuillTest::expectLogLine("open for writing", "Filename refers to a directory");
    QImage other(10, 10, QImage::Format_ARGB32);
    other.fill(Qt::red);
    QVERIFY(!book->setBookCover(other));
    QCOMPARE(book->bookCover().cacheKey(), cover.cacheKey());
  }

  void aCoverThatIsNoPictureReadsAsNone() {
    StoreFixture fixture;
    const NoteBookPtr book = listedBook();
    StoreFixture::writeText(book->coverPath(), "not a picture");
    QuillTest::expectLogLine("picture: read", "Unsupported image format");
    QVERIFY(book->bookCover().isNull());
  }
};

QUILL_TEST(NoteBookTest)
#include "NoteBookTest.moc"
