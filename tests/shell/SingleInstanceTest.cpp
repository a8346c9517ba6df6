#include "QuillTest.h"

#include "shell/PushChannel.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The built program running on a home folder until the test ends it.
class RunningQuill {
public:
  explicit RunningQuill(const QString &home) : home(home) {
    QObject::connect(&process, &QProcess::readyReadStandardError,
                     [this] { errors += process.readAllStandardError(); });
    process.start(QUILL_APP_PATH, {"--home", home});
  }
  ~RunningQuill() {
    process.kill();
    process.waitForFinished(10000);
  }
  // True once it listens for pushes and hand-overs, the last step of its start.
  bool listening() const {
    QLocalSocket probe;
    probe.connectToServer(PushChannel::serverNameForHome(home));
    return probe.waitForConnected(200);
  }

  const QString home;
  QProcess process;
  QByteArray errors;
};

struct Finished {
  int exitCode = -1;
  QByteArray errors;
};

// Runs the program to its end.
Finished runQuill(const QStringList &arguments) {
  QProcess quill;
  quill.start(QUILL_APP_PATH, arguments);
  if (!quill.waitForFinished(30000)) {
    quill.kill();
    quill.waitForFinished();
    return {-1, "still running after 30 s"};
  }
  return {quill.exitStatus() == QProcess::NormalExit ? quill.exitCode() : -1,
          quill.readAllStandardError()};
}

QByteArray fileBytes(const QString &path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}
} // namespace

// One Quill per home folder: later starts go to the running one, and the
// lock of one that crashed does not keep the home from being used.
class SingleInstanceTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void initTestCase() { qputenv("QT_QPA_PLATFORM", "offscreen"); }
  void init() { QuillTest::failOnUnexpectedWarnings(); }

  void laterStartsGoToTheRunningOne() {
    QTemporaryDir dir;
    const QString home = dir.path() + "/home";
    RunningQuill first(home);
    QTRY_VERIFY_WITH_TIMEOUT(first.listening(), 30000);
    const QString catalogue = home + "/Library/Notes/NoteBooks.plist";
    const QByteArray shelf = fileBytes(catalogue);
    QVERIFY(!shelf.isEmpty());

    const Finished second = runQuill({"--home", home, "--notebook", "1"});
    QVERIFY2(second.exitCode == 0, second.errors.constData());
    QTRY_VERIFY_WITH_TIMEOUT(first.errors.contains("handed over by another start"), 10000);
    QVERIFY(first.errors.contains("--notebook 1"));

    const QString shot = dir.path() + "/shot.png";
    const Finished screenshot = runQuill({"--home", home, "--screenshot", shot});
    QCOMPARE(screenshot.exitCode, 1);
    QVERIFY2(screenshot.errors.contains("in use by another Quill"), screenshot.errors.constData());
    QVERIFY(!QFileInfo::exists(shot));

    QCOMPARE(first.process.state(), QProcess::Running);
    QCOMPARE(fileBytes(catalogue), shelf);
  }

  void lockOfAnEndedStartIsTakenOver() {
    QTemporaryDir dir;
    const QString home = dir.path() + "/home";
    {
      RunningQuill crashed(home);
      QTRY_VERIFY_WITH_TIMEOUT(crashed.listening(), 30000);
    } // killed: its lock file and socket stay behind, naming a process that has ended
    QVERIFY(QFileInfo::exists(home + "/Library/quill.lock"));

    const QString shot = dir.path() + "/shot.png";
    const Finished next = runQuill({"--home", home, "--screenshot", shot});
    QVERIFY2(next.exitCode == 0, next.errors.constData());
    QCOMPARE(QImage(shot).size(), QSize(768, 1024));
  }
};

QUILL_TEST(SingleInstanceTest)
#include "SingleInstanceTest.moc"
