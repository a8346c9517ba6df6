#include "QuillTest.h"

#include "common/FolderPaths.h"
#include "media/ChannelTables.h"
#include "media/FilterLooks.h"
#include "media/FilterResources.h"
#include "media/QNFilterLine.h"

#include <QFileInfo>
#include <QImage>
#include <QTest>

namespace {
// A small picture with every kind of content the looks react to: hues across,
// light to dark downwards, and a hard edge.
QImage fixturePicture() {
  QImage picture(48, 36, QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      picture.setPixelColor(x, y, x > 40 ? QColor(Qt::white) : QColor::fromHsv(x * 8, 160, 255 - y * 6));
  return picture;
}
} // namespace

class QNFilterLineTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void initTestCase() {
    setResourceFolder(QUILL_RESOURCE_DIR);
    FilterResources::shared().clear();
  }

  void thereAreThirtySixLooksWithTheirResources() {
    QCOMPARE(FilterLooks::count(), 36);
    QCOMPARE(FilterLooks::title(0), QString("Normal"));
    QCOMPARE(FilterLooks::title(35), QString("Relief"));
    QCOMPARE(FilterLooks::thumbnail(0), QString("filter_0.png"));
    for (int look = 0; look < FilterLooks::count(); ++look)
      QVERIFY2(QFileInfo::exists(FilterResources::pathWithName(FilterLooks::thumbnail(look))),
               qPrintable(FilterLooks::thumbnail(look)));
  }

  void everyLookFiltersThePicture_data() {
    QTest::addColumn<int>("look");
    for (int look = 1; look < FilterLooks::count(); ++look)
      QTest::addRow("%d %s", look, qPrintable(FilterLooks::title(look))) << look;
  }
  void everyLookFiltersThePicture() {
    QFETCH(int, look);
    const QImage picture = fixturePicture();
    QNFilterLine line(look);
    // A look whose files did not load would fall back to neutral.
    for (const auto &filter : line.filters())
      QVERIFY(!filter->channelTables() || !filter->channelTables()->isIdentity());
    const QImage pristine = picture.copy();
    const QImage filtered = line.imageByFilteringImage(picture);
    QCOMPARE(filtered.size(), picture.size());
    QVERIFY(filtered != picture);
    QCOMPARE(picture, pristine); // steps that work in place never touch the source
    // Running the chain's filters one by one gives the same picture.
    QImage stepwise = picture;
    for (const auto &filter : line.filters())
      stepwise = filter->apply(stepwise);
    QCOMPARE(filtered, stepwise);
  }

  void theNormalLookReturnsThePictureUnchanged_data() {
    QTest::addColumn<int>("look");
    QTest::newRow("Normal") << 0;
    QTest::newRow("past the last look") << 36;
    QTest::newRow("negative") << -1;
  }
  void theNormalLookReturnsThePictureUnchanged() {
    QFETCH(int, look);
    QNFilterLine line(look);
    QCOMPARE(line.filters().size(), size_t(1)); // the neutral filter
    QVERIFY(line.filters().front()->channelTables()->isIdentity());
    const QImage picture = fixturePicture();
    QCOMPARE(line.imageByFilteringImage(picture), picture);
  }

  void choosingNormalAfterALookShowsThePictureUnchanged() {
    QNFilterLine line(0);
    line.setFilterType(31);
    const QImage picture = fixturePicture();
    QVERIFY(line.imageByFilteringImage(picture) != picture);
    line.setFilterType(0);
    QCOMPARE(line.imageByFilteringImage(picture), picture);
  }

  void settingTheSameTypeKeepsTheChain() {
    QNFilterLine line(5);
    const auto chain = line.chain();
    line.setFilterType(5);
    QCOMPARE(line.chain(), chain);
    line.setFilterType(6);
    QVERIFY(line.chain() != chain);
    QCOMPARE(line.filterType(), 6);
    QCOMPARE(line.filters().size(), size_t(2)); // lookup, then vignette
  }

  void translucentPicturesKeepTheirAlpha() {
    QImage picture(8, 8, QImage::Format_ARGB32);
    picture.fill(qRgba(200, 120, 40, 100));
    const QImage filtered = QNFilterLine(7).imageByFilteringImage(picture).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(filtered.pixel(3, 3)), 100);
  }
};

QUILL_TEST(QNFilterLineTest)
#include "QNFilterLineTest.moc"
