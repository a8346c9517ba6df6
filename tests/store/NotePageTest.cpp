#include "QuillTest.h"

#include "StoreFixture.h"
#include "common/FolderPaths.h"
#include "common/PropertyList.h"
#include "store/EmojiWidgetData.h"
#include "store/NoteBook.h"
#include "store/NoteBookManager.h"
#include "store/NotePage.h"
#include "store/PhotoWidgetData.h"
#include "store/TextWidgetData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {
NoteBookManager &catalogue() {
  return NoteBookManager::sharedNoteBookManager();
}

struct Book {
  NoteBookPtr book;
  QString page;
};

Book bookWithPage(const QString &templateName = {}) {
  auto book = std::make_shared<NoteBook>(catalogue().newNoteBookIdentifier());
  book->setTemplateName(templateName);
  catalogue().addNoteBook(book);
  const QString page = book->newPageIdentifier();
  book->addPage(NotePage(book.get(), page));
  return {book, page};
}

QImage filled(int w, int h, QColor color, qreal scale = 1) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(color);
  image.setDevicePixelRatio(scale);
  return image;
}

QByteArray fileBytes(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QJsonObject storedPage(const NotePage &page) {
  QFile file(page.dataPath());
  file.open(QIODevice::ReadOnly);
  return QJsonDocument::fromJson(file.readAll()).object();
}
} // namespace

class NotePageTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void savingWritesWhatChanged_data() {
    QTest::addColumn<bool>("edited");
    QTest::addColumn<bool>("sketched");
    QTest::addColumn<bool>("holdSketch");
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<bool>("dated");
    QTest::newRow("neither") << false << false << true << QStringList() << false;
    QTest::newRow("edited") << true << false << false << QStringList{"ADD page"} << true;
    QTest::newRow("sketched") << false << true << true << QStringList{"ADD sketch"} << true;
    QTest::newRow("sketched, no picture") << false << true << false << QStringList() << true;
    QTest::newRow("both") << true << true << true << QStringList{"ADD page", "ADD sketch"} << true;
  }
  void savingWritesWhatChanged() {
    QFETCH(bool, edited);
    QFETCH(bool, sketched);
    QFETCH(bool, holdSketch);
    QFETCH(QStringList, changes);
    QFETCH(bool, dated);
    StoreFixture fixture;
    const auto [book, id] = bookWithPage();
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-100);
    book->setLatestEditDate(before);
    NotePage page(book.get(), id);
    page.setPageEdited(edited);
    page.setSketched(sketched);
    if (holdSketch)
      page.setSketchImage(filled(10, 10, Qt::blue));
    fixture.forget();
    QVERIFY(page.save());
    QStringList expected;
    for (QString change : changes)
      expected.append(change.replace("page", id + ".json").replace("sketch", "sketchImage_" + id));
    QCOMPARE(fixture.fileChanges(), expected);
    for (const Notification &n : fixture.notifications)
      QCOMPARE(n.object, static_cast<const void *>(&page));
    QCOMPARE(book->latestEditDate() != before, dated);
    QVERIFY(!page.pageEdited());
    QCOMPARE(page.sketched(), sketched && !holdSketch); // a written sketch is no longer changed
    if (dated) {
      const QVariantMap record = PropertyList::read(NoteBookManager::cataloguePath())
                                     .toMap()
                                     .value("notebooks")
                                     .toList()
                                     .first()
                                     .toMap();
      QCOMPARE(record.value("editDate_key").toDateTime().toSecsSinceEpoch(),
               book->latestEditDate().toSecsSinceEpoch());
    }
  }

  void pageFileRoundTrips() {
    StoreFixture fixture;
    const auto [book, id] = bookWithPage();
    NotePage page(book.get(), id);
    page.setPageEdited(true);
    QVERIFY(page.save());
    QCOMPARE(storedPage(page), QJsonObject()); // no "widgets" member for no widgets

    auto photo = std::make_shared<PhotoWidgetData>();
    photo->setPhotoName("1370000000");
    photo->setFrame(QRectF(10, 20, 100, 50));
    photo->setRotate(0.5);
    auto emoji = std::make_shared<EmojiWidgetData>();
    emoji->setEmojiIndex(3);
    emoji->setCenter(QPointF(1, 2));
    page.setWidgets({photo, emoji});
    page.setBackgroundName("plain.png");
    page.setPageEdited(true);
    QVERIFY(page.save());
    const QJsonObject stored = storedPage(page);
    QCOMPARE(stored.value("backgroundName").toString(), QString("plain.png"));
    QCOMPARE(stored.value("widgets").toArray().size(), 2);

    NotePage read(book.get(), id);
    QCOMPARE(read.widgets().size(), size_t(2));
    QCOMPARE(read.widgets()[0]->dictionaryData(), photo->dictionaryData());
    QCOMPARE(read.widgets()[1]->dictionaryData(), emoji->dictionaryData());
    QCOMPARE(read.pageFileData(read.recordTexts()), fileBytes(page.dataPath()));
    QCOMPARE(read.index(), 0);
  }

  void failedWritesKeepTheirFlags() {
    StoreFixture fixture;
    const auto [book, id] = bookWithPage();
    NotePage page(book.get(), id);
    page.setWidgets({std::make_shared<EmojiWidgetData>()});
    page.setPageEdited(true);
    page.setSketched(true);
    page.setSketchImage(filled(20, 20, Qt::red));
    StoreFixture::blockPath(page.dataPath());
    StoreFixture::blockPath(page.sketchImagePath());
    fixture.forget();
    QuillTest::expectLogLine("rename into place", page.sketchImagePath());
    QVERIFY(!page.save());
    QVERIFY(page.pageEdited());
    QVERIFY(!page.sketchImage().isNull());
    QVERIFY(fixture.fileChanges().isEmpty());
    QDir(page.dataPath()).removeRecursively();
    QDir(page.sketchImagePath()).removeRecursively();
    QVERIFY(page.save());
    QVERIFY(!page.pageEdited());
    QCOMPARE(NotePage(book.get(), id).widgets().size(), size_t(1));
    QCOMPARE(QImage(page.sketchImagePath()).size(), QSize(40, 40));
  }

  void failedCatalogueWriteIsReported() {
    StoreFixture fixture;
    const auto [book, id] = bookWithPage();
    NotePage page(book.get(), id);
    page.setPageEdited(true);
    StoreFixture::blockPath(NoteBookManager::cataloguePath());
    QuillTest::expectLogLine("open for writing",
                             NoteBookManager::cataloguePath() + ": Filename refers to a directory");
    QVERIFY(!page.save());
  }

  void badPageFilesReadAsEmpty_data() {
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("logged"); // the parse error logged, if any
    QTest::newRow("truncated") << "pages/truncated.json" << "unterminated string";
    QTest::newRow("array") << "pages/array.json" << "no error occurred";
    QTest::newRow("empty") << "catalogues/empty.plist" << "";
    QTest::newRow("not json") << "catalogues/text.plist" << "illegal value";
    QTest::newRow("picture") << "outside.png" << "illegal value";
  }
  void badPageFilesReadAsEmpty() {
    QFETCH(QString, fixture);
    QFETCH(QString, logged);
    StoreFixture store;
    const auto [book, id] = bookWithPage();
    StoreFixture::install(fixture, NoteBookManager::homeForBook(*book) + "/" + id + ".json");
    if (!logged.isEmpty())
      QuillTest::expectLogLine("page: parse", "page " + id + ": " + logged);
    NotePage page(book.get(), id);
    QVERIFY(page.widgets().empty());
    QVERIFY(page.backgroundPath().isEmpty());
    QVERIFY(page.backgroundName().isEmpty());
    QCOMPARE(page.pageFileData(page.recordTexts()), QByteArray("{}"));
  }

  void wrongTypesReadAsAbsentAndEveryRecordIsKept() {
    StoreFixture fixture;
    const auto [book, id] = bookWithPage();
    StoreFixture::install("pages/wrong-types.json",
                          NoteBookManager::homeForBook(*book) + "/" + id + ".json");
    QuillTest::expectLogLine("page: widget record of no known kind, kept as it is",
                             "NoSuchWidgetData");
    for (int i = 0; i < 2; ++i) // records without a kind
      QuillTest::expectLogLine("page: widget record of no known kind, kept as it is");
    NotePage page(book.get(), id);
    QVERIFY(page.backgroundPath().isEmpty());
    QVERIFY(page.backgroundName().isEmpty());
    QCOMPARE(page.widgets().size(), size_t(3));
    const auto &text = static_cast<const TextWidgetData &>(*page.widgets()[0]);
    QVERIFY(!text.center());
    QVERIFY(text.text().isNull());
    QCOMPARE(text.font().family(), QString("Helvetica"));
    QVERIFY(!static_cast<const EmojiWidgetData &>(*page.widgets()[1]).emojiIndex());
    QCOMPARE(*static_cast<const EmojiWidgetData &>(*page.widgets()[2]).emojiIndex(), 4);

    // Records of unknown kinds, and values this build cannot read, are written
    // back as they stood in the file, each in its place.
    QCOMPARE(page.storedRecords().size(), size_t(6));
    const QList<QByteArray> lines = fileBytes(page.dataPath()).trimmed().split('\n');
    page.setPageEdited(true);
    QVERIFY(page.save());
    QByteArray expected = "{\"widgets\":[";
    for (qsizetype i = 1; i + 1 < lines.size(); ++i)
      expected += lines[i];
    QCOMPARE(fileBytes(page.dataPath()), expected + "]}");
  }

  void craftedNamesStayInsideTheNotebook() {
    StoreFixture fixture;
    const auto [book, id] = bookWithPage();
    // Files the crafted names point at, outside the notebook's folder.
    const QString outside = libraryPathWithName("outside.png");
    StoreFixture::install("outside.png", outside);
    StoreFixture::install("outside.png", book->homePath() + "/outside.png");
    QFile crafted(StoreFixture::data("pages/crafted.json"));
    crafted.open(QIODevice::ReadOnly);
    StoreFixture::writeText(book->homePath() + "/" + id + ".json",
                            crafted.readAll().replace("@OUTSIDE@", outside.toUtf8()));
    StoreFixture::writeText(book->resourcePath() + "/1370000000", "photo");

    QuillTest::expectLogLine("page: background name", "not a plain file name: ../../../outside.png");
    NotePage page(book.get(), id);
    QVERIFY(page.backgroundName().isEmpty());
    QCOMPARE(page.widgets().size(), size_t(5));
    QStringList owned;
    for (const WidgetDataPtr &record : page.widgets())
      owned += record->resourceFileNames();
    QCOMPARE(owned, QStringList{"1370000000"});

    const QImage background = page.backgroundImage();
    QVERIFY(background.pixelColor(0, 0) != QColor(250, 0, 250)); // not the outside picture
    QCOMPARE(page.backgroundPath(), book->resourcePath() + "/template_blue_bg_01.jpg");

    fixture.forget();
    book->cleanDataForPage(page);
    QVERIFY(QFileInfo::exists(outside));
    QVERIFY(QFileInfo::exists(book->homePath() + "/outside.png"));
    QVERIFY(!QFileInfo::exists(book->resourcePath() + "/1370000000"));
    QCOMPARE(fixture.fileChanges().first(), QString("DELETE 1370000000"));
    QCOMPARE(fixture.fileChanges().size(), 4);
  }

  void backgroundFallsBackInTurn() {
    StoreFixture fixture;
    const auto [book, id] = bookWithPage("Lines");
    QString second = book->newPageIdentifier();
    book->addPage(NotePage(book.get(), second));
    fixture.forget();

    // Neither path nor name: the template picture for the position, copied once.
    NotePage first(book.get(), id);
    QCOMPARE(first.backgroundImage().pixelColor(0, 0), QColor(10, 0, 0));
    QCOMPARE(first.backgroundName(), QString("page_10000.png"));
    QCOMPARE(first.backgroundPath(), book->resourcePath() + "/page_10000.png");
    QVERIFY(QFileInfo::exists(first.backgroundPath()));
    QCOMPARE(fixture.fileChanges(), QStringList{"ADD page_10000.png"});
    QCOMPARE(fixture.notifications[0].object, static_cast<const void *>(&first));
    NotePage again(book.get(), id);
    again.backgroundImage();
    QCOMPARE(fixture.fileChanges().size(), 1);
    QCOMPARE(NotePage(book.get(), second).backgroundImage().pixelColor(0, 0), QColor(11, 0, 0));

    // A stale absolute path with a good name reads from the resource folder.
    NotePage stale(book.get(), id);
    stale.initDataWithJsonString(
        R"({"background":"/old/container/src/page_10000.png","backgroundName":"page_10000.png"})");
    QCOMPARE(stale.backgroundImage().pixelColor(0, 0), QColor(10, 0, 0));
    QCOMPARE(stale.backgroundPath(), book->resourcePath() + "/page_10000.png");
  }

  void ownBackgroundIsAJpegAtScaleTwo() {
    StoreFixture fixture;
    const auto [book, id] = bookWithPage();
    NotePage page(book.get(), id);
    fixture.forget();
    QVERIFY(page.setBackground(filled(100, 50, Qt::green)));
    QCOMPARE(page.backgroundName(), id + "_bg");
    QImageReader reader(page.backgroundPath());
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    QCOMPARE(reader.size(), QSize(200, 100));
    QVERIFY(fixture.fileChanges().isEmpty());
    QVERIFY(!page.backgroundImage().isNull());

    NotePage other(book.get(), book->newPageIdentifier());
    StoreFixture::blockPath(book->resourcePath() + "/" + other.identifier() + "_bg");
    QuillTest::expectLogLine("open for writing",
                             other.identifier() + "_bg: Filename refers to a directory");
    other.setBackgroundName("plain.png");
    QVERIFY(!other.setBackground(filled(10, 10, Qt::green)));
    QCOMPARE(other.backgroundName(), QString("plain.png"));
    QVERIFY(!other.setBackground(QImage()));
  }

  void thumbnails() {
    StoreFixture fixture;
    const auto [book, id] = bookWithPage();
    NotePage page(book.get(), id);
    QVERIFY(!page.thumbCached());
    QVERIFY(page.pageThumb().isNull());
    fixture.forget();
    QVERIFY(page.setPageThumb(filled(151, 190, QColor(0, 0, 0, 0))));
    QCOMPARE(fixture.fileChanges(), QStringList{"ADD thumb_" + id});
    QVERIFY(page.thumbCached());
    QImageReader reader(page.thumbImagePath());
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage thumb = page.pageThumb();
    QCOMPARE(thumb.size(), QSize(302, 380));
    QCOMPARE(thumb.deviceIndependentSize(), QSizeF(151, 190));
    QVERIFY(qGray(thumb.pixel(5, 5)) > 240); // clear parts are white in a JPEG
    QVERIFY(page.setPageThumb(QImage()));
    QVERIFY(!page.thumbCached());
    QCOMPARE(fixture.fileChanges().size(), 1);
  }

  void sketchIsStoredAtScaleTwo_data() {
    QTest::addColumn<qreal>("scale");
    QTest::newRow("screen of scale 1") << 1.0;
    QTest::newRow("screen of scale 2") << 2.0;
    QTest::newRow("screen of scale 1.5") << 1.5;
  }
  void sketchIsStoredAtScaleTwo() {
    QFETCH(qreal, scale);
    StoreFixture fixture;
    const auto [book, id] = bookWithPage();
    NotePage page(book.get(), id);
    const QSize pixels = (NotePage::sketchLayerSize * scale).toSize();
    QImage sketch = filled(pixels.width(), pixels.height(), Qt::transparent, scale);
    sketch.setPixelColor(pixels.width() / 2, pixels.height() / 2, QColor(255, 0, 0, 128));
    page.setSketchImage(sketch);
    page.setSketched(true);
    QVERIFY(page.save());
    QImageReader reader(page.sketchImagePath());
    QCOMPARE(reader.format(), QByteArray("png"));
    QVERIFY(QFileInfo(page.sketchImagePath()).size() < 100000); // compressed, not raw pixels
    const QImage read = NotePage(book.get(), id).sketchImage();
    QCOMPARE(read.size(), QSize(1514, 1820));
    QCOMPARE(read.deviceIndependentSize(), NotePage::sketchLayerSize);
    QVERIFY(read.hasAlphaChannel());
    QCOMPARE(read.pixelColor(0, 0).alpha(), 0);
  }

  void sketchesOfOtherScalesAreStretchedToTheLayer() {
    StoreFixture fixture;
    const auto [book, id] = bookWithPage();
    NotePage page(book.get(), id);
    filled(757, 910, Qt::black).save(page.sketchImagePath(), "png");
    QCOMPARE(page.sketchImage().deviceIndependentSize(), NotePage::sketchLayerSize);
    QVERIFY(page.storedSketchMisfits());
    // Earlier saves wrote sketches at twice their size: read at the layer's size, rewritten at the next save.
    filled(3028, 3640, Qt::black).save(page.sketchImagePath(), "png");
    const QImage oversized = page.sketchImage();
    QCOMPARE(oversized.deviceIndependentSize(), NotePage::sketchLayerSize);
    QVERIFY(page.storedSketchMisfits());
    page.setSketchImage(oversized);
    page.setSketched(true);
    QVERIFY(page.save());
    QCOMPARE(QImageReader(page.sketchImagePath()).size(), QSize(1514, 1820));
    QCOMPARE(NotePage(book.get(), id).sketchImage().size(), QSize(1514, 1820));
    QVERIFY(!page.storedSketchMisfits());
    StoreFixture::writeText(page.sketchImagePath(), "not a picture");
    QuillTest::expectLogLine("picture: read", page.sketchImagePath() + ": Unsupported image format");
    QVERIFY(page.sketchImage().isNull());
  }

  void unsafePageIdentifiersHaveNoFiles() {
    StoreFixture fixture;
    const auto [book, id] = bookWithPage();
    NotePage page(book.get(), "../" + id);
    QVERIFY(page.dataPath().isEmpty());
    QVERIFY(page.sketchImagePath().isEmpty());
    page.setPageEdited(true);
    QuillTest::expectLogLine("page save: no folder for the page", "../" + id);
    QVERIFY(!page.save());
    QVERIFY(!page.setPageThumb(filled(2, 2, Qt::red)));
    QVERIFY(!page.setBackground(filled(2, 2, Qt::red)));
  }
};

QUILL_TEST(NotePageTest)
#include "NotePageTest.moc"
