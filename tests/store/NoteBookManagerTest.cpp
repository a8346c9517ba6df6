#include "QuillTest.h"

#include "StoreFixture.h"
#include "common/FolderPaths.h"
#include "common/PropertyList.h"
#include "store/NoteBook.h"
#include "store/NoteBookManager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTimeZone>

namespace {
NoteBookManager &catalogue() {
  return NoteBookManager::sharedNoteBookManager();
}

NoteBookPtr makeBook(const QString &name) {
  auto book = std::make_shared<NoteBook>(catalogue().newNoteBookIdentifier());
  book->setName(name);
  return book;
}

QStringList shelf() {
  QStringList names;
  for (const NoteBookPtr &book : catalogue().allBook())
    names.append(book->name());
  return names;
}

QVariantList storedRecords() {
  return PropertyList::read(NoteBookManager::cataloguePath()).toMap().value("notebooks").toList();
}
} // namespace

class NoteBookManagerTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void noCatalogueIsAnEmptyShelf() {
    StoreFixture fixture;
    QCOMPARE(catalogue().count(), 0);
    QVERIFY(QFileInfo(StoreFixture::notesFolder()).isDir());
    QVERIFY(!QFileInfo::exists(NoteBookManager::cataloguePath()));
    QVERIFY(fixture.keptCopies.isEmpty()); // missing is not unreadable
    QVERIFY(catalogue().addNoteBook(makeBook("First")));
    QCOMPARE(storedRecords().size(), 1);
    const QVariantMap record = storedRecords().first().toMap();
    QCOMPARE(record.value("notename_key").toString(), QString("First"));
    QCOMPARE(record.value("pagecount_key").toLongLong(), 0);
    QVERIFY(record.value("editDate_key").toDateTime().isValid());
    QVERIFY(!record.contains("template_key"));
    QVERIFY(!record.contains("background_key"));
  }

  // What an unreadable catalogue listed is rebuilt from the notebook folders,
  // after its bytes are kept beside it under a new name.
  void unreadableCatalogueIsKeptAndRebuilt_data() {
    QTest::addColumn<QString>("fixture");
    QTest::newRow("empty") << "catalogues/empty.plist";
    QTest::newRow("text") << "catalogues/text.plist";
    QTest::newRow("truncated") << "catalogues/truncated.plist";
    QTest::newRow("array root") << "catalogues/array-root.plist";
    QTest::newRow("notebooks not an array") << "catalogues/wrong-arrays.plist";
  }
  void unreadableCatalogueIsKeptAndRebuilt() {
    QFETCH(QString, fixture);
    StoreFixture store;
    const QDateTime monday(QDate(2026, 3, 2), QTime(9, 0), QTimeZone::utc());
    for (const auto &[name, edited] : {std::pair{"Older", monday}, {"Newer", monday.addDays(1)}}) {
      const NoteBookPtr book = makeBook(name);
      QVERIFY(catalogue().addNoteBook(book));
      book->setLatestEditDate(edited);
      QVERIFY(book->saveData());
    }
    // Neither a folder without an info file nor a hidden one is a notebook.
    QDir().mkpath(StoreFixture::notesFolder() + "/com.quill.stray/src");
    StoreFixture::writeText(StoreFixture::notesFolder() + "/.staged/info.plist",
                            PropertyList::toXml(QVariantMap()));
    StoreFixture::install(fixture, NoteBookManager::cataloguePath());
    const QByteArray before = StoreFixture::readBytes(NoteBookManager::cataloguePath());
    store.forget();
    // Once for each of the two unreadable loads.
    QuillTest::expectLogLine("stored dictionary: read", "\"notebooks\"");
    QuillTest::expectLogLine("stored dictionary: read", "\"notebooks\"");

    catalogue().initData();
    QCOMPARE(shelf(), (QStringList{"Newer", "Older"}));
    QCOMPARE(store.keptCopies.size(), 1);
    const QString kept = store.keptCopies.first();
    QCOMPARE(QFileInfo(kept).absolutePath(), StoreFixture::notesFolder());
    QVERIFY2(QRegularExpression("^NoteBooks\\.plist\\.unreadable-\\d{8}-\\d{6}$")
                 .match(QFileInfo(kept).fileName())
                 .hasMatch(),
             qPrintable(kept));
    QCOMPARE(StoreFixture::readBytes(kept), before);
    QCOMPARE(storedRecords().size(), 2);

    // Read again it is a good catalogue; broken again it is kept again, the
    // earlier copy untouched.
    catalogue().initData();
    QCOMPARE(shelf(), (QStringList{"Newer", "Older"}));
    QCOMPARE(store.keptCopies.size(), 1);
    StoreFixture::install(fixture, NoteBookManager::cataloguePath());
    catalogue().initData();
    QCOMPARE(store.keptCopies.size(), 2);
    QVERIFY(store.keptCopies[1] != kept);
    QCOMPARE(StoreFixture::readBytes(store.keptCopies[1]), before);
    QCOMPARE(StoreFixture::readBytes(kept), before);
    QCOMPARE(shelf(), (QStringList{"Newer", "Older"}));
  }

  void unsafeEntriesAreSkippedAndKept() {
    StoreFixture fixture;
    for (const char *identifier : {"..", "../../victim", "", "34", "", "com.quill.00000000000000000000000000000001"})
      QuillTest::expectLogLine("catalogue: entry skipped", (QByteArray("identifier: ") + identifier).constData());
    StoreFixture::install("catalogues/mixed.plist", NoteBookManager::cataloguePath());
    // A folder the escaping entries would name if they reached the file system.
    const QString victim = fixture.home() + "/Library/victim";
    QDir().mkpath(victim);
    catalogue().initData();
    QCOMPARE(shelf(), (QStringList{"Good", "Quill"}));
    const NoteBookPtr second = catalogue().bookAtIndex(1);
    QVERIFY(!second->latestEditDate().isValid()); // a text where a date belongs
    QVERIFY(second->templateName().isEmpty());
    QCOMPARE(catalogue().noteInfo().value("lastTutorialVersion").toString(), QString("2.1"));

    catalogue().removeBookAtIndex(1);
    catalogue().removeBookAtIndex(0);
    QCOMPARE(catalogue().count(), 0);
    QVERIFY(QFileInfo(victim).isDir());
    QVERIFY(QFileInfo(StoreFixture::notesFolder()).isDir());

    const QVariantMap file = PropertyList::read(NoteBookManager::cataloguePath()).toMap();
    QCOMPARE(file.value("lastTutorialVersion").toString(), QString("2.1"));
    const QVariantList kept = file.value("notebooks").toList();
    QCOMPARE(kept.size(), 6);
    QCOMPARE(kept[0].toMap().value("identifier_key").toString(), QString(".."));
    QCOMPARE(kept[1].toMap().value("identifier_key").toString(), QString("../../victim"));
    QCOMPARE(kept[4].toString(), QString("not a record"));
    QCOMPARE(kept[5].toMap().value("notename_key").toString(), QString("Repeated"));
  }

  void unsafeIdentifiersNeverReachTheDisk_data() {
    QTest::addColumn<QString>("identifier");
    QTest::newRow("empty") << "";
    QTest::newRow("dot") << ".";
    QTest::newRow("dot dot") << "..";
    QTest::newRow("slash") << "../Caches";
    QTest::newRow("nul") << QString("a") + QChar(0);
    QTest::newRow("the catalogue") << "NoteBooks.plist";
    QTest::newRow("the catalogue, other case") << "notebooks.PLIST";
    QTest::newRow("a copy of the catalogue") << "NoteBooks.plist.unreadable-20260101-120000";
    QTest::newRow("the sync file") << "SyncInfo.plist";
    QTest::newRow("hidden") << ".upgrade-com.quill.1";
  }
  void unsafeIdentifiersNeverReachTheDisk() {
    QFETCH(QString, identifier);
    StoreFixture fixture;
    auto book = std::make_shared<NoteBook>(identifier);
    QVERIFY(NoteBookManager::homeForBook(*book).isEmpty());
    QVERIFY(book->homePath().isEmpty());
    QVERIFY(book->resourcePath().isEmpty());
    QVERIFY(!catalogue().addNoteBook(book));
    QVERIFY(!book->saveData());
    QCOMPARE(catalogue().count(), 0);
    QVERIFY(QFileInfo(libraryPathWithName("Caches")).isDir());
    QCOMPARE(QDir(StoreFixture::notesFolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList());
  }

  // An entry named like a file of the notes folder would replace that file
  // with its folder as soon as its cover is drawn.
  void entriesNamingNotesFolderFilesAreSkippedAndKept_data() {
    QTest::addColumn<QString>("identifier");
    QTest::newRow("catalogue") << "NoteBooks.plist";
    QTest::newRow("sync file") << "SyncInfo.plist";
    QTest::newRow("hidden") << ".sync";
  }
  void entriesNamingNotesFolderFilesAreSkippedAndKept() {
    QFETCH(QString, identifier);
    StoreFixture fixture;
    const QString victim = StoreFixture::notesFolder() + "/" + identifier;
    const QVariantMap unsafe{{"notename_key", "Unsafe"}, {"identifier_key", identifier}};
    const QVariantMap good{{"notename_key", "Good"},
                           {"identifier_key", "com.quill.00000000000000000000000000000001"}};
    QVERIFY(PropertyList::write(NoteBookManager::cataloguePath(),
                                QVariantMap{{"notebooks", QVariantList{unsafe, good}}}));
    if (!QFileInfo::exists(victim))
      StoreFixture::writeText(victim, "kept");
    QuillTest::expectLogLine("catalogue: entry skipped", qPrintable(identifier));
    catalogue().initData();
    QCOMPARE(shelf(), QStringList{"Good"});
    NoteBook named(unsafe);
    QVERIFY(NoteBookManager::homeForBook(named).isEmpty());
    QVERIFY(named.bookCover().isNull());
    QVERIFY(!catalogue().addNoteBook(std::make_shared<NoteBook>(identifier)));

    catalogue().bookAtIndex(0)->bookCover();
    catalogue().removeBookAtIndex(0);
    QVERIFY(QFileInfo(victim).isFile());
    QCOMPARE(storedRecords(), QVariantList{unsafe});
  }

  void addingListsNewestFirst() {
    StoreFixture fixture;
    for (const char *name : {"A", "B", "C"})
      QVERIFY(catalogue().addNoteBook(makeBook(name)));
    QCOMPARE(shelf(), (QStringList{"C", "B", "A"}));
    QCOMPARE(fixture.lastAttributes("notebook_amount").value("notebookAmount").toString(),
             QString("3"));
    QCOMPARE(fixture.lastAttributes("add_notebook").value("notebookName").toString(), QString("C"));
    QVERIFY(!fixture.lastAttributes("add_notebook").contains("templateId"));
    catalogue().initData();
    QCOMPARE(shelf(), (QStringList{"C", "B", "A"}));
  }

  void identifiersMadeTogetherDiffer() {
    StoreFixture fixture;
    const QRegularExpression form("^com\\.quill\\.[0-9a-f]{32}$");
    QSet<QString> seen;
    for (int i = 0; i < 5; ++i) {
      const NoteBookPtr book = makeBook(QString::number(i));
      QVERIFY(form.match(book->identifier()).hasMatch());
      QVERIFY(!seen.contains(book->identifier()));
      seen.insert(book->identifier());
      QVERIFY(catalogue().addNoteBook(book));
    }
    QCOMPARE(catalogue().count(), 5);
  }

  void relistingRewritesWithoutDuplicating() {
    StoreFixture fixture;
    QuillTest::expectLogLine("catalogue: add", "");
    const NoteBookPtr book = makeBook("Draft");
    QVERIFY(catalogue().addNoteBook(book));
    book->setName("Final");
    book->setTemplateName("Lines");
    fixture.forget();
    QVERIFY(catalogue().addNoteBook(book));
    QCOMPARE(catalogue().count(), 1);
    QCOMPARE(storedRecords().first().toMap().value("notename_key").toString(), QString("Final"));
    QCOMPARE(storedRecords().first().toMap().value("template_key").toString(), QString("Lines"));
    QCOMPARE(fixture.fileChanges(), QStringList{"ADD info.plist"});
    QVERIFY(!fixture.eventNames().contains("add_notebook"));
    // Another object with the same identifier is refused rather than listed twice.
    QVERIFY(!catalogue().addNoteBook(std::make_shared<NoteBook>(book->identifier())));
    QCOMPARE(catalogue().count(), 1);
  }

  void emptyNamesAreNumbered() {
    StoreFixture fixture;
    QVERIFY(catalogue().addNoteBook(makeBook("x")));
    QVERIFY(catalogue().addNoteBook(makeBook("y")));
    QVERIFY(catalogue().addNoteBook(makeBook("")));
    QCOMPARE(catalogue().bookAtIndex(0)->name(), QString("note2"));
    auto unnamed = std::make_shared<NoteBook>(catalogue().newNoteBookIdentifier());
    QVERIFY(catalogue().addNoteBook(unnamed));
    QCOMPARE(unnamed->name(), QString("Quill"));
    QCOMPARE(storedRecords().first().toMap().value("notename_key").toString(), QString("Quill"));
  }

  void moving_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("0 to 2") << 0 << 2 << QStringList{"B", "C", "A"};
    QTest::newRow("2 to 0") << 2 << 0 << QStringList{"C", "A", "B"};
    QTest::newRow("to count") << 0 << 3 << QStringList{"A", "B", "C"};
    QTest::newRow("from count") << 3 << 0 << QStringList{"A", "B", "C"};
    QTest::newRow("negative") << -1 << 0 << QStringList{"A", "B", "C"};
  }
  void moving() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, order);
    StoreFixture fixture;
    for (const char *name : {"C", "B", "A"})
      catalogue().addNoteBook(makeBook(name));
    catalogue().moveBookFromIndex(from, to);
    QCOMPARE(shelf(), order);
    catalogue().initData();
    QCOMPARE(shelf(), order);
  }

  void removingDeletesTheFolderAndKeepsTheEditingNote() {
    StoreFixture fixture;
    const NoteBookPtr keep = makeBook("Keep");
    const NoteBookPtr gone = makeBook("Gone");
    catalogue().addNoteBook(keep);
    catalogue().addNoteBook(gone);
    const QString home = gone->homePath();
    QVERIFY(QFileInfo::exists(home + "/info.plist"));
    catalogue().setEditingNote(gone);
    fixture.forget();
    catalogue().removeBook(gone);
    QVERIFY(!QFileInfo::exists(home));
    QVERIFY(QFileInfo::exists(keep->infoPath()));
    QCOMPARE(shelf(), QStringList{"Keep"});
    QCOMPARE(catalogue().editingNote(), gone);
    QCOMPARE(fixture.fileChanges(), QStringList()); // a whole folder is not announced
    QCOMPARE(fixture.eventNames(), (QStringList{"delete_notebook", "notebook_amount"}));
    QCOMPARE(fixture.lastAttributes("notebook_amount").value("notebookAmount").toString(),
             QString("1"));
    catalogue().removeBook(gone); // no longer listed: nothing happens
    QCOMPARE(fixture.eventNames().size(), 2);
  }

  void lookups() {
    StoreFixture fixture;
    const NoteBookPtr a = makeBook("A");
    catalogue().addNoteBook(a);
    QCOMPARE(catalogue().bookWithIdentifier(a->identifier()), a);
    QVERIFY(!catalogue().bookWithIdentifier("com.quill.none"));
    QVERIFY(!catalogue().bookAtIndex(1));
    QVERIFY(!catalogue().bookAtIndex(-1));
  }
};

QUILL_TEST(NoteBookManagerTest)
#include "NoteBookManagerTest.moc"
