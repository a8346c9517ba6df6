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

  void badOptionsAreRefused() {
    QProcess quill;
    quill.start(QUILL_APP_PATH, {"--push-service", "ftp://127.0.0.1/"});
    QVERIFY(quill.waitForFinished(10000));
    QCOMPARE(quill.exitCode(), 2);
  }
};

QUILL_TEST(StartupScreenshotTest)
#include "StartupScreenshotTest.moc"
