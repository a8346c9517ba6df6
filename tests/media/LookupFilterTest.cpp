#include "QuillTest.h"

#include "common/FolderPaths.h"
#include "media/ChannelTables.h"
#include "media/FilterResources.h"
#include "media/QNLookupFilter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {
// A hand-made table: slice (i, j, k) of red, green, blue holds red i²/16,
// green 4j and blue 255 - 4k, so every axis is told apart and red is curved.
struct Entry {
  double r, g, b;
};
Entry entry(int i, int j, int k) { return {i * i / 16.0, 4.0 * j, 255.0 - 4.0 * k}; }

QImage handMadeTable() {
  QImage table(512, 512, QImage::Format_RGB32);
  for (int k = 0; k < 64; ++k)
    for (int j = 0; j < 64; ++j)
      for (int i = 0; i < 64; ++i) {
        const Entry e = entry(i, j, k);
        table.setPixel((k % 8) * 64 + i, (k / 8) * 64 + j, qRgb(int(e.r), int(e.g), int(e.b)));
      }
  return table;
}

// The expected colour in floating point: bilinear in red and green within
// the two nearest blue slices, then linear between them.
Entry expected(QRgb colour) {
  const double r = qRed(colour) * 63.0 / 255.0, g = qGreen(colour) * 63.0 / 255.0, b = qBlue(colour) * 63.0 / 255.0;
  const int r0 = int(r), g0 = int(g), b0 = int(b);
  const int r1 = std::min(r0 + 1, 63), g1 = std::min(g0 + 1, 63), b1 = std::min(b0 + 1, 63);
  auto at = [](int i, int j, int k) { const Entry e = entry(i, j, k); return Entry{std::floor(e.r), e.g, e.b}; };
  auto lerp = [](Entry a, Entry c, double t) {
    return Entry{a.r + (c.r - a.r) * t, a.g + (c.g - a.g) * t, a.b + (c.b - a.b) * t};
  };
  auto slice = [&](int k) {
    return lerp(lerp(at(r0, g0, k), at(r1, g0, k), r - r0), lerp(at(r0, g1, k), at(r1, g1, k), r - r0), g - g0);
  };
  return lerp(slice(b0), slice(b1), b - b0);
}
} // namespace

class LookupFilterTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void mapsColoursThroughTheTable_data() {
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("black") << qRgb(0, 0, 0);
    QTest::newRow("white") << qRgb(255, 255, 255);
    QTest::newRow("between slices") << qRgb(100, 37, 201);
    QTest::newRow("dark red") << qRgb(181, 3, 9);
    QTest::newRow("near the top") << qRgb(254, 250, 253);
  }
  void mapsColoursThroughTheTable() {
    QFETCH(QRgb, colour);
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(colour);
    const QImage filtered = QNLookupFilter(handMadeTable()).apply(picture);
    QCOMPARE(filtered.size(), picture.size());
    const Entry want = expected(colour);
    const QRgb got = filtered.pixel(2, 1);
    QVERIFY2(std::abs(qRed(got) - want.r) <= 1.5, qPrintable(QString::number(qRed(got)) + " vs " + QString::number(want.r)));
    QVERIFY2(std::abs(qGreen(got) - want.g) <= 1.5, qPrintable(QString::number(qGreen(got)) + " vs " + QString::number(want.g)));
    QVERIFY2(std::abs(qBlue(got) - want.b) <= 1.5, qPrintable(QString::number(qBlue(got)) + " vs " + QString::number(want.b)));
  }

  void keepsTheAlphaOfTranslucentPictures() {
    QImage picture(2, 2, QImage::Format_ARGB32);
    picture.fill(qRgba(0, 0, 0, 128));
    const QImage filtered = QNLookupFilter(handMadeTable()).apply(picture.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    const QRgb got = filtered.convertToFormat(QImage::Format_ARGB32).pixel(0, 0);
    QCOMPARE(qAlpha(got), 128);
    QVERIFY(std::abs(qBlue(got) - 255) <= 2); // black maps to blue 255
  }

  void replacingTheTableChangesTheMapping() {
    QNLookupFilter filter(handMadeTable());
    QImage picture(1, 1, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 0));
    QImage red(512, 512, QImage::Format_RGB32);
    red.fill(qRgb(200, 0, 0));
    filter.setLookupImage(red);
    QCOMPARE(filter.apply(picture).pixel(0, 0), qRgb(200, 0, 0));
  }

  void aTableOfTheWrongSizeFiltersNeutrally() {
    QImage wrong(256, 256, QImage::Format_RGB32);
    wrong.fill(Qt::red);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("lookup table: size"));
    const QNLookupFilter filter(wrong);
    QVERIFY(!filter.hasTable());
    QVERIFY(filter.channelTables() && filter.channelTables()->isIdentity());
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    QCOMPARE(filter.apply(picture), picture);
  }

  void brokenTableFilesFilterNeutrally_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("logged");
    QImage small(64, 64, QImage::Format_RGB32);
    small.fill(Qt::green);
    QByteArray png;
    {
      QBuffer buffer(&png);
      buffer.open(QIODevice::WriteOnly);
      small.save(&buffer, "PNG");
    }
    QTest::newRow("wrong size") << png << "lookup table: size";
    QTest::newRow("truncated") << png.left(40) << "lookup table: size";
  }
  void brokenTableFilesFilterNeutrally() {
    QFETCH(QByteArray, content);
    QFETCH(QString, logged);
    QTemporaryDir resources;
    QVERIFY(QDir(resources.path()).mkdir("filter"));
    QFile file(resources.filePath("filter/bad.png"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    const QString before = resourceFolder();
    setResourceFolder(resources.path());
    FilterResources::shared().clear();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(logged));
    const QNLookupFilter filter(QStringLiteral("bad.png"));
    setResourceFolder(before);
    FilterResources::shared().clear();
    QVERIFY(!filter.hasTable());
  }
};

QUILL_TEST(LookupFilterTest)
#include "LookupFilterTest.moc"
