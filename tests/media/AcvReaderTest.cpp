#include "QuillTest.h"

#include "common/FolderPaths.h"
#include "media/AcvReader.h"
#include "media/ChannelTableFilter.h"
#include "media/FilterResources.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {
QByteArray fixture(const QString &name) {
  QFile file(QStringLiteral(QUILL_TEST_DATA_DIR "/") + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The natural cubic spline through (0, 0), (100, 150), (255, 255), worked out
// by hand: with both end curvatures zero, the middle one follows from one
// continuity equation.
double masterCurveAt(double x) {
  const double h0 = 100, h1 = 155;
  const double m1 = 6.0 * ((255.0 - 150.0) / h1 - 150.0 / h0) / (2.0 * (h0 + h1));
  if (x <= 100) {
    const double t = x / h0;
    return t * 150.0 + h0 * h0 / 6.0 * (t * t * t - t) * m1;
  }
  const double t = (x - 100) / h1;
  const double u = 1 - t;
  return u * 150.0 + t * 255.0 + h1 * h1 / 6.0 * (u * u * u - u) * m1;
}
int rounded(double v) { return int(std::lround(v)); }
} // namespace

class AcvReaderTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void readsThePointsOfEveryCurve() {
    const auto curves = AcvReader::curves(fixture("three-points.acv"));
    QVERIFY(curves);
    QCOMPARE(curves->size(), size_t(4));
    QCOMPARE(curves->at(0).size(), size_t(3));
    QCOMPARE(curves->at(0).at(1), QPointF(100, 150)); // stored as (output, input)
    QCOMPARE(curves->at(3).at(0), QPointF(0, 50));
  }

  void masterCurveIsASmoothSplineThroughThePoints_data() {
    QTest::addColumn<int>("input");
    for (int x : {0, 25, 50, 100, 140, 200, 255})
      QTest::addRow("%d", x) << x;
  }
  void masterCurveIsASmoothSplineThroughThePoints() {
    QFETCH(int, input);
    const auto tables = AcvReader::tables(fixture("three-points.acv"));
    QVERIFY(tables);
    // Red is straight, so red shows the master curve alone.
    QCOMPARE(int(tables->red[input]), rounded(masterCurveAt(input)));
  }

  void channelCurvesComeBeforeTheMaster() {
    const auto tables = AcvReader::tables(fixture("three-points.acv"));
    QVERIFY(tables);
    // Green is inverted, then the master curve follows.
    QCOMPARE(int(tables->green[0]), 255);
    QCOMPARE(int(tables->green[155]), 150);
    QCOMPARE(int(tables->green[255]), 0);
    // Blue runs straight from 50 to 200.
    QCOMPARE(int(tables->blue[0]), rounded(masterCurveAt(50)));
    QCOMPARE(int(tables->blue[255]), rounded(masterCurveAt(200)));
  }

  void valuesOutsideThePointsHoldTheEnds() {
    const ChannelTables::Table table = AcvReader::splineTable({{30, 40}, {200, 220}});
    QCOMPARE(int(table[0]), 40);
    QCOMPARE(int(table[30]), 40);
    QCOMPARE(int(table[115]), 130);
    QCOMPARE(int(table[255]), 220);
  }

  void malformedDataIsRefused_data() {
    QTest::addColumn<QByteArray>("data");
    const QByteArray good = fixture("three-points.acv");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("truncated") << fixture("truncated.acv");
    QTest::newRow("bad version") << QByteArray("\x00\x07", 2) + good.mid(2);
    QTest::newRow("no curves") << QByteArray("\x00\x01\x00\x00", 4);
    QTest::newRow("one point") << QByteArray("\x00\x01\x00\x01\x00\x01\x00\x10\x00\x10", 10);
    QTest::newRow("inputs falling")
        << QByteArray("\x00\x01\x00\x01\x00\x02\x00\x10\x00\x80\x00\x20\x00\x40", 14);
    QTest::newRow("value above 255")
        << QByteArray("\x00\x01\x00\x01\x00\x02\x00\x10\x00\x00\x01\x20\x00\x40", 14);
  }
  void malformedDataIsRefused() {
    QFETCH(QByteArray, data);
    QVERIFY(!AcvReader::curves(data));
    QVERIFY(!AcvReader::tables(data));
  }

  void brokenOrMissingCurveFilesFilterNeutrally_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("logged");
    QTest::newRow("truncated") << "truncated.acv" << "tone curve: read";
    QTest::newRow("missing") << "missing.acv" << "filter resource: open";
    QTest::newRow("outside the folder") << "../three-points.acv" << "filter resource: name";
  }
  void brokenOrMissingCurveFilesFilterNeutrally() {
    QFETCH(QString, fileName);
    QFETCH(QString, logged);
    QTemporaryDir resources;
    QVERIFY(QDir(resources.path()).mkdir("filter"));
    QVERIFY(QFile::copy(QUILL_TEST_DATA_DIR "/truncated.acv", resources.filePath("filter/truncated.acv")));
    QVERIFY(QFile::copy(QUILL_TEST_DATA_DIR "/three-points.acv", resources.filePath("three-points.acv")));
    const QString before = resourceFolder();
    setResourceFolder(resources.path());
    FilterResources::shared().clear();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(logged)));
    const auto filter = ChannelTableFilter::toneCurve(fileName);
    setResourceFolder(before);
    FilterResources::shared().clear();
    QVERIFY(filter->channelTables()->isIdentity());
  }
};

QUILL_TEST(AcvReaderTest)
#include "AcvReaderTest.moc"
