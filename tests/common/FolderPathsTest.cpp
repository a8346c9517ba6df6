#include "QuillTest.h"

#include "common/FolderPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class FolderPathsTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void pathsLieInsideTheHomeFolder() {
    setHomeFolder("/h/q");
    QCOMPARE(libraryPathWithName("Notes"), QString("/h/q/Library/Notes"));
    QCOMPARE(temporaryPathWithName("123"), QString("/h/q/tmp/123"));
    QCOMPARE(documentPathWithName("bookmark.plist"), QString("/h/q/Documents/bookmark.plist"));
  }

  void confirmReplacesTheWrongKind() {
    QTemporaryDir dir;
    const QString path = dir.filePath("x");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(confirmFileAtPath(path, true), path);
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(confirmFileAtPath(path, false), path);
    QVERIFY(QFileInfo(path).isFile());
    QCOMPARE(confirmFileAtPath(dir.filePath("no/parent"), true), QString());
  }

  void plainFileNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("plain");
    QTest::newRow("plain") << "1370000000" << true;
    QTest::newRow("dotted") << "a.plist" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("slash") << "../etc" << false;
    QTest::newRow("absolute") << "/etc/passwd" << false;
    QTest::newRow("nul") << QString("a") + QChar(0) + "b" << false;
  }
  void plainFileNames() {
    QFETCH(QString, name);
    QFETCH(bool, plain);
    QCOMPARE(isPlainFileName(name), plain);
  }
};

QUILL_TEST(FolderPathsTest)
#include "FolderPathsTest.moc"
