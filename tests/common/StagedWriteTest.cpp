#include "QuillTest.h"

#include "common/StagedWrite.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray contents(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void put(const QString &path, const QByteArray &data) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(data);
}
} // namespace

// Several files written as one change: all new, or all as they were.
class StagedWriteTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void writesAllOrNothing_data() {
    QTest::addColumn<QString>("blocker"); // what stands in the second file's way
    QTest::addColumn<bool>("committed");
    QTest::addColumn<QByteArray>("logged"); // the log line's label
    QTest::newRow("nothing in the way") << QString() << true << QByteArray();
    QTest::newRow("no folder to stage in")
        << QStringLiteral("missing folder") << false << QByteArray("open for writing");
    QTest::newRow("a folder where the file goes")
        << QStringLiteral("folder at target") << false << QByteArray("rename into place");
  }
  void writesAllOrNothing() {
    QFETCH(QString, blocker);
    QFETCH(bool, committed);
    QFETCH(QByteArray, logged);
    if (!logged.isEmpty())
      QuillTest::expectLogLine(logged.constData());
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("page.json"));
    QString second = dir.filePath(QStringLiteral("sketch.png"));
    put(first, "old page");
    put(second, "old sketch");
    if (blocker == QLatin1String("missing folder"))
      second = dir.filePath(QStringLiteral("gone/sketch.png"));
    if (blocker == QLatin1String("folder at target")) {
      QFile::remove(second);
      QVERIFY(QDir().mkpath(second + QStringLiteral("/inside")));
    }
    bool staged = false, done = false;
    {
      StagedWrite files;
      staged = files.stage(second, "new sketch") && files.stage(first, "new page");
      done = staged && files.commit();
    }
    QCOMPARE(done, committed);
    QCOMPARE(contents(first), committed ? QByteArray("new page") : QByteArray("old page"));
    if (committed)
      QCOMPARE(contents(second), QByteArray("new sketch"));
    QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("*.staged")}), QStringList());
  }

  // A crash can stop a change anywhere; the marker tells whether it was decided.
  void recoverFinishesOrRollsBack_data() {
    QTest::addColumn<bool>("marked");
    QTest::addColumn<bool>("firstRenamed");
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QByteArray>("sketch");
    QTest::newRow("staged, not decided")
        << false << false << QByteArray("old page") << QByteArray("old sketch");
    QTest::newRow("decided, nothing renamed")
        << true << false << QByteArray("new page") << QByteArray("new sketch");
    QTest::newRow("decided, one renamed")
        << true << true << QByteArray("new page") << QByteArray("new sketch");
  }
  void recoverFinishesOrRollsBack() {
    QFETCH(bool, marked);
    QFETCH(bool, firstRenamed);
    QFETCH(QByteArray, page);
    QFETCH(QByteArray, sketch);
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("page.json"));
    const QString second = dir.filePath(QStringLiteral("sketch.png"));
    const QString marker = dir.filePath(QStringLiteral("page.commit"));
    put(first, firstRenamed ? "new page" : "old page");
    put(second, "old sketch");
    if (!firstRenamed)
      put(first + ".staged", "new page");
    put(second + ".staged", "new sketch");
    if (marked)
      put(marker, "staged\n");
    StagedWrite::recover(marker, {first, second});
    QCOMPARE(contents(first), page);
    QCOMPARE(contents(second), sketch);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             (QStringList{QStringLiteral("page.json"), QStringLiteral("sketch.png")}));
  }

  // A rename failing after the first cannot be undone: the change is left decided, for recover.
  void failureAfterTheFirstRenameIsFinishedLater() {
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("page.json"));
    const QString second = dir.filePath(QStringLiteral("sketch.png"));
    const QString marker = dir.filePath(QStringLiteral("page.commit"));
    put(first, "old page");
    QVERIFY(QDir().mkpath(second + QStringLiteral("/inside"))); // the second rename fails
    QuillTest::expectLogLine("rename into place", qPrintable(second));
    QuillTest::expectLogLine("rename into place", qPrintable(second));
    {
      StagedWrite files(marker);
      QVERIFY(files.stage(first, "new page") && files.stage(second, "new sketch"));
      QVERIFY(!files.commit());
    }
    QVERIFY(QFile::exists(marker));
    QVERIFY(QFile::exists(second + ".staged"));
    StagedWrite::recover(marker, {first, second}); // still in the way: kept for a later try
    QVERIFY(QFile::exists(marker));
    QVERIFY(QDir(second).removeRecursively());
    StagedWrite::recover(marker, {first, second});
    QCOMPARE(contents(first), QByteArray("new page"));
    QCOMPARE(contents(second), QByteArray("new sketch"));
    QVERIFY(!QFile::exists(marker));
  }

  void uncommittedStagingLeavesNoTrace() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.json"));
    put(path, "old");
    {
      StagedWrite files;
      QVERIFY(files.stage(path, "new"));
    }
    QCOMPARE(contents(path), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("page.json")});
  }
};

QUILL_TEST(StagedWriteTest)
#include "StagedWriteTest.moc"
