#include "QuillTest.h"

#include "StoreFixture.h"
#include "common/FolderPaths.h"
#include "store/EmojiWidgetData.h"
#include "store/NoteBook.h"
#include "store/NoteBookManager.h"
#include "store/NotePage.h"
#include "store/PhotoWidgetData.h"
#include "store/RecordWidgetData.h"
#include "store/StyledText.h"
#include "store/TextWidgetData.h"
#include "store/VideoWidgetData.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {
// Copies a notes folder into the home folder's library.
void installNotesFolder(const QString &from) {
  QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    const QString path = files.next();
    const QString to = StoreFixture::notesFolder() + "/" + QDir(from).relativeFilePath(path);
    QDir().mkpath(QFileInfo(to).absolutePath());
    QFile::copy(path, to);
    QFile(to).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
  }
}
} // namespace

// Notes folders written by earlier versions keep opening: one fixture per format version.
class NotesFolderTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void readsVersionOne() {
    StoreFixture fixture;
    installNotesFolder(StoreFixture::data("notes-v1/Notes"));
    NoteBookManager &catalogue = NoteBookManager::sharedNoteBookManager();
    catalogue.initData();
    QCOMPARE(catalogue.count(), 1);
    const NoteBookPtr book = catalogue.bookAtIndex(0);
    QCOMPARE(book->name(), QString("Travel diary"));
    QCOMPARE(book->latestEditDate(), QDateTime(QDate(2013, 6, 1), QTime(10, 20, 30), Qt::UTC));
    QCOMPARE(book->templateName(), QString("Lines"));
    QCOMPARE(book->pageCount(), 2);
    QCOMPARE(book->currentPage(), 1);
    QCOMPARE(book->bookCover().pixelColor(0, 0), QColor(200, 30, 30));
    QCOMPARE(book->backgroundForPage(0), resourcePathWithName("template/builtin_grid.png"));

    const auto page = book->pageAtIndex(0);
    QCOMPARE(page->widgets().size(), size_t(5));
    QCOMPARE(page->backgroundImage().pixelColor(0, 0), QColor(0, 255, 0));
    QCOMPARE(page->backgroundPath(), book->resourcePath() + "/builtin_grid.png");
    QCOMPARE(page->sketchImage().deviceIndependentSize(), NotePage::sketchLayerSize);
    QCOMPARE(page->pageThumb().deviceIndependentSize(), QSizeF(151, 190));

    const auto &text = dynamic_cast<const TextWidgetData &>(*page->widgets()[0]);
    QCOMPARE(text.text(), QString("Hello Lisbon"));
    QCOMPARE(text.font().pointSizeF(), 24.0);
    QCOMPARE(text.textColor(), QColor(Qt::blue));
    const StyledText styled =
        StyledText::read(book->resourcePath() + "/" + text.styledTextFileName());
    QCOMPARE(styled.plainText(), text.text());
    QCOMPARE(styled.runs.size(), 2);
    QCOMPARE(styled.runs[1].fontName, QString("Helvetica-Bold"));
    QCOMPARE(styled.runs[1].color, QColor(Qt::red));

    const auto &photo = dynamic_cast<const PhotoWidgetData &>(*page->widgets()[1]);
    QCOMPARE(photo.rotate(), 0.25);
    QCOMPARE(photo.frame(), QRectF(240, 380, 320, 240));
    QVERIFY(!QImage(book->resourcePath() + "/" + photo.photoName()).isNull());
    QCOMPARE(dynamic_cast<const VideoWidgetData &>(*page->widgets()[2]).videoTitle(),
             QString("Tram 28"));
    QVERIFY(
        dynamic_cast<const VideoWidgetData &>(*page->widgets()[2]).resourceFileNames().isEmpty());
    QCOMPARE(dynamic_cast<const RecordWidgetData &>(*page->widgets()[3]).recordPath(),
             QString("d3d9446802a44259755d38e6d163e820.caf"));
    QCOMPARE(*dynamic_cast<const EmojiWidgetData &>(*page->widgets()[4]).emojiIndex(), 12);

    // A page listed but never edited has no file and reads as empty.
    QVERIFY(book->pageAtIndex(1)->widgets().empty());
  }

  void readsTheShippedFirstRunFolder() {
    const QString resources = QStringLiteral(QUILL_RESOURCE_DIR);
    if (!QFileInfo::exists(resources + "/Notes_EN/NoteBooks.plist"))
      QSKIP("the first-run notes folder is not there yet");
    StoreFixture fixture(resources);
    installNotesFolder(resources + "/Notes_EN");
    NoteBookManager &catalogue = NoteBookManager::sharedNoteBookManager();
    catalogue.initData();
    QVERIFY(catalogue.count() > 0);
    for (const NoteBookPtr &book : catalogue.allBook()) {
      QVERIFY2(book->pageCount() > 0, qPrintable(book->identifier()));
      QVERIFY2(!book->bookCover().isNull(), qPrintable(book->identifier() + ": cover"));
      for (int i = 0; i < book->pageCount(); ++i) {
        const auto page = book->pageAtIndex(i);
        QVERIFY2(!page->backgroundImage().isNull(),
                 qPrintable(page->identifier() + ": background"));
        for (const WidgetDataPtr &record : page->widgets())
          QVERIFY2(record->center(), qPrintable(page->identifier() + ": " + record->description()));
      }
    }
  }
};

QUILL_TEST(NotesFolderTest)
#include "NotesFolderTest.moc"
