#include "QuillTest.h"

#include "SampleHome.h"

#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The built program started as a user would, on a home of 1,000 notebooks.
class StartupScreenshotTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void screenshotOfALargeCatalogue() {
    QTemporaryDir dir;
    const QString home = dir.path() + "/home";
    QVERIFY(writeSampleHome(home, 1000));
    const QString shot = dir.path() + "/shot.png";
    QProcess quill;
    QElapsedTimer clock;
    clock.start();
    quill.start(QUILL_APP_PATH, {"--home", home, "--screenshot", shot});
    QVERIFY(quill.waitForFinished(30000));
    qInfo("quill --screenshot with 1,000 notebooks: %lld ms", clock.elapsed());
    QCOMPARE(quill.exitStatus(), QProcess::NormalExit);
    QVERIFY2(quill.exitCode() == 0, quill.readAllStandardError().constData());

    const QImage image(shot);
    QCOMPARE(image.size(), QSize(768, 1024));
    const QColor bar = image.pixelColor(20, 20);
    const QColor backdrop = image.pixelColor(740, 600);
    QVERIFY2(bar.lightness() < 80, "the title bar is dark");
    QVERIFY2(backdrop.lightness() > 180, "the shelf stands on a light backdrop");
    // The first cover on the first shelf row, below the bar.
    QVERIFY(image.pixelColor(150, 45 + 50 + 60).lightness() < 150);
  }

  // The first start installs the tutorial; asked to, the editor opens it.
  void screenshotOfAnOpenedNotebook() {
    QTemporaryDir dir;
    const QString shot = dir.path() + "/editor.png";
    QProcess quill;
    quill.start(QUILL_APP_PATH, {"--home", dir.path() + "/home", "--notebook", "1", "--screenshot", shot});
    QVERIFY(quill.waitForFinished(30000));
    QVERIFY2(quill.exitCode() == 0, quill.readAllStandardError().constData());
    const QImage image(shot);
    QCOMPARE(image.size(), QSize(768, 1024));
    // Where the shelf shows its first cover, the editor shows paper.
    QVERIFY(image.pixelColor(150, 45 + 50 + 60).lightness() > 200);
    QVERIFY2(image.pixelColor(200, 20).lightness() > 180, "the editor's bar is light");
  }

  void badOptionsAreRefused_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("service not http") << QStringList{"--push-service", "ftp://127.0.0.1/"};
    QTest::newRow("notebook 0") << QStringList{"--notebook", "0"};
    QTest::newRow("notebook not a number") << QStringList{"--notebook", "first"};
  }
  void badOptionsAreRefused() {
    QFETCH(QStringList, arguments);
    QProcess quill;
    quill.start(QUILL_APP_PATH, arguments);
    QVERIFY(quill.waitForFinished(10000));
    QCOMPARE(quill.exitCode(), 2);
  }
};

QUILL_TEST(StartupScreenshotTest)
#include "StartupScreenshotTest.moc"
