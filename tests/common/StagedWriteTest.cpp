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
    QTest::newRow("nothing in the way") << QString() << true;
    QTest::newRow("no folder to stage in") << QStringLiteral("missing folder") << false;
    QTest::newRow("a folder where the file goes") << QStringLiteral("folder at target") << false;
  }
  void writesAllOrNothing() {
    QFETCH(QString, blocker);
    QFETCH(bool, committed);
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
