#include "QuillTest.h"

#include "common/FolderPaths.h"
#include "common/PropertyList.h"
#include "shell/NotesInstaller.h"
#include "shell/ShellFolders.h"
#include "shell/UserDefaults.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString tutorial = QStringLiteral("com.morvel.notebook.tutorial");

QVariantMap entry(const QString &identifier, const QString &name) {
  return {{"identifier_key", identifier}, {"notename_key", name}, {"pagecount_key", qint64(2)}};
}
QString notes(const QString &name) {
  return libraryPathWithName("Notes/" + name);
}
QStringList listedIdentifiers() {
  QStringList identifiers;
  const QVariantMap catalogue = PropertyList::read(notes("NoteBooks.plist")).toMap();
  for (const QVariant &book : catalogue.value("notebooks").toList())
    identifiers.append(book.toMap().value("identifier_key").toString());
  return identifiers;
}
} // namespace

// The first-run copy and the tutorial upgrade, against a small shipped notes
// folder whose tutorial is named "Tutorial, new edition".
class NotesInstallerTest : public QObject {
  Q_OBJECT
  QTemporaryDir home;

  // An installed notes folder of an older version: the tutorial first (moved
  // there by the user), two notebooks of the user, an extra top-level key, and
  // a page the user wrote into the old tutorial.
  void installOldVersion(float version) {
    UserDefaults defaults;
    NotesInstaller(defaults).installForVersion(version);
    QVariantMap catalogue = PropertyList::read(notes("NoteBooks.plist")).toMap();
    catalogue.insert("notebooks",
                     QVariantList{entry(tutorial, "Tutorial"), entry("com.quill.a", "Travel"),
                                  entry("com.quill.b", "Work")});
    catalogue.insert("shelfStyle", "wood");
    QVERIFY(PropertyList::write(notes("NoteBooks.plist"), catalogue));
    QFile page(notes(tutorial + "/old-page.json"));
    QVERIFY(page.open(QIODevice::WriteOnly));
  }

private Q_SLOTS:
  void init() {
    QuillTest::failOnUnexpectedWarnings();
    QVERIFY(home.isValid());
    QVERIFY(prepareHomeFolder(home.path() + "/" + QTest::currentTestFunction() + "-" +
                              QTest::currentDataTag()));
    setResourceFolder(QUILL_TEST_DATA_DIR "/resources");
  }

  void firstLaunchInstallsNotes() {
    UserDefaults defaults;
    NotesInstaller(defaults).installForVersion(1.3f);
    QCOMPARE(listedIdentifiers(), QStringList{tutorial});
    QVERIFY(QFile::exists(notes(tutorial + "/info.plist")));
    UserDefaults stored; // read back from the file
    QCOMPARE(stored.boolForKey("appInited"), true);
    QCOMPARE(stored.floatForKey("bundleVersion"), 1.3f);
  }

  void firstRunCopyOverExistingNotesFails() {
    QVERIFY(QDir().mkpath(notes("")));
    QuillTest::expectLogLine("folder copy: target", "/Library/Notes already exists");
    UserDefaults defaults;
    NotesInstaller(defaults).installForVersion(1.3f);
    QCOMPARE(UserDefaults().boolForKey("appInited"), false);
    QVERIFY(!QFile::exists(notes("NoteBooks.plist")));
    QVERIFY(!QFile::exists(libraryPathWithName(".Notes.partial")));
  }

  void missingShippedNotesLeavesAppNotInited() {
    setResourceFolder(home.path() + "/no-resources");
    QuillTest::expectLogLine("folder copy: source", "/no-resources/Notes_EN is not a folder");
    UserDefaults defaults;
    QVERIFY(!NotesInstaller(defaults).initApp());
    QCOMPARE(defaults.boolForKey("appInited"), false);
    QVERIFY(!QFile::exists(notes("")));
  }

  void upgradeReplacesTutorialAndMovesItLast() {
    installOldVersion(1.0f);
    UserDefaults defaults;
    NotesInstaller(defaults).installForVersion(1.1f);
    QCOMPARE(listedIdentifiers(), (QStringList{"com.quill.a", "com.quill.b", tutorial}));
    const QVariantMap catalogue = PropertyList::read(notes("NoteBooks.plist")).toMap();
    QCOMPARE(catalogue.value("shelfStyle").toString(), QString("wood"));
    QCOMPARE(catalogue.value("notebooks").toList().last().toMap().value("notename_key").toString(),
             QString("Tutorial, new edition"));
    QVERIFY(!QFile::exists(notes(tutorial + "/old-page.json")));
    QVERIFY(QFile::exists(notes(tutorial + "/info.plist")));
    QCOMPARE(UserDefaults().floatForKey("bundleVersion"), 1.1f);
  }

  void sameOrLowerVersionChangesNothing_data() {
    QTest::addColumn<float>("version");
    QTest::newRow("same") << 1.2f;
    QTest::newRow("lower") << 1.1f;
  }
  void sameOrLowerVersionChangesNothing() {
    QFETCH(float, version);
    installOldVersion(1.2f);
    QFile catalogue(notes("NoteBooks.plist"));
    QVERIFY(catalogue.open(QIODevice::ReadOnly));
    const QByteArray before = catalogue.readAll();
    catalogue.close();
    UserDefaults defaults;
    NotesInstaller(defaults).installForVersion(version);
    QVERIFY(catalogue.open(QIODevice::ReadOnly));
    QCOMPARE(catalogue.readAll(), before);
    QVERIFY(QFile::exists(notes(tutorial + "/old-page.json")));
    QCOMPARE(UserDefaults().floatForKey("bundleVersion"), 1.2f);
  }

  void upgradeLeavesUnreadableCatalogueAlone() {
    installOldVersion(1.0f);
    QFile catalogue(notes("NoteBooks.plist"));
    QVERIFY(catalogue.open(QIODevice::WriteOnly | QIODevice::Truncate));
    catalogue.write("<?xml version=\"1.0\"?><plist><dict><key>notebooks</key>");
    catalogue.close();
    QuillTest::expectLogLine("property list: parse", "/NoteBooks.plist is empty or not a property list");
    QuillTest::expectLogLine("tutorial upgrade: catalogue", "/NoteBooks.plist is unreadable; left as it is");
    UserDefaults defaults;
    NotesInstaller(defaults).installForVersion(2.0f);
    QVERIFY(catalogue.open(QIODevice::ReadOnly));
    QVERIFY(catalogue.readAll().endsWith("<key>notebooks</key>"));
  }

  void failedTutorialCopyKeepsTheOldTutorial() {
    installOldVersion(1.0f);
    const QString shipped = home.path() + "/shipped-without-tutorial";
    QVERIFY(QDir().mkpath(shipped + "/Notes_EN"));
    QVERIFY(QFile::copy(QUILL_TEST_DATA_DIR "/resources/Notes_EN/NoteBooks.plist",
                        shipped + "/Notes_EN/NoteBooks.plist"));
    setResourceFolder(shipped);
    QuillTest::expectLogLine("folder copy: source", "/Notes_EN/" + tutorial + " is not a folder");
    UserDefaults defaults;
    NotesInstaller(defaults).installForVersion(1.1f);
    QVERIFY(QFile::exists(notes(tutorial + "/old-page.json")));
    QCOMPARE(listedIdentifiers(), (QStringList{"com.quill.a", "com.quill.b", tutorial}));
  }
};

QUILL_TEST(NotesInstallerTest)
#include "NotesInstallerTest.moc"
