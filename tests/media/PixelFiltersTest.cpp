#include "QuillTest.h"

#include "media/BoxBlurFilter.h"
#include "media/ChannelTableFilter.h"
#include "media/EdgeFilter.h"
#include "media/FilterGroup.h"
#include "media/HalftoneFilter.h"
#include "media/SaturationFilter.h"
#include "media/VignetteFilter.h"

#include <QImage>
#include <QTest>
#include <cmath>
#include <functional>

using MakeFilter = std::function<std::shared_ptr<const ImageFilter>()>;
Q_DECLARE_METATYPE(MakeFilter)
Q_DECLARE_METATYPE(FilterList)

namespace {
QImage filled(int width, int height, QRgb colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}
int channelValue(double v) { return int(std::lround(std::clamp(v, 0.0, 255.0))); }
bool near(QRgb got, QRgb want, int tolerance) {
  return std::abs(qRed(got) - qRed(want)) <= tolerance && std::abs(qGreen(got) - qGreen(want)) <= tolerance &&
         std::abs(qBlue(got) - qBlue(want)) <= tolerance;
}
// Colours that change in both directions, with translucent pixels when asked.
QImage varied(int width, int height, bool translucent) {
  QImage image(width, height, translucent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, qRgba((x * 37 + y * 11) % 256, (x * x + 3 * y) % 256, (y * 29) % 256,
                                 translucent ? (x * 7 + y * 13) % 256 : 255));
  return translucent ? image.convertToFormat(QImage::Format_ARGB32_Premultiplied) : image;
}
QString text(QRgb c) { return QString("(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)); }
} // namespace

class PixelFiltersTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  // Expected colours are worked out from the filters' definitions.
  void colourFiltersMapEveryPixel_data() {
    QTest::addColumn<MakeFilter>("make");
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<QRgb>("expected");
    const double lum = 0.2125 * 200 + 0.7154 * 100 + 0.0721 * 50;
    const int grey = channelValue(lum);
    QTest::newRow("inversion") << MakeFilter([] { return ChannelTableFilter::colourInversion(); })
                               << qRgb(10, 200, 30) << qRgb(245, 55, 225);
    QTest::newRow("grey scale") << MakeFilter([] { return SaturationFilter::greyScale(); })
                                << qRgb(200, 100, 50) << qRgb(grey, grey, grey);
    QTest::newRow("saturation 0") << MakeFilter([] { return std::make_shared<SaturationFilter>(0.0f); })
                                  << qRgb(200, 100, 50) << qRgb(grey, grey, grey);
    QTest::newRow("saturation 0.5")
        << MakeFilter([] { return std::make_shared<SaturationFilter>(0.5f); }) << qRgb(200, 100, 50)
        << qRgb(channelValue((lum + 200) / 2), channelValue((lum + 100) / 2), channelValue((lum + 50) / 2));
    QTest::newRow("saturation 1") << MakeFilter([] { return std::make_shared<SaturationFilter>(1.0f); })
                                  << qRgb(200, 100, 50) << qRgb(200, 100, 50);
    QTest::newRow("brightness -0.01") << MakeFilter([] { return ChannelTableFilter::brightness(-0.01f); })
                                      << qRgb(100, 0, 255) << qRgb(channelValue(100 - 2.55), 0, channelValue(255 - 2.55));
    QTest::newRow("brightness 0.5") << MakeFilter([] { return ChannelTableFilter::brightness(0.5f); })
                                    << qRgb(200, 20, 0) << qRgb(255, channelValue(20 + 127.5), 128);
    QTest::newRow("contrast 1.5") << MakeFilter([] { return ChannelTableFilter::contrast(1.5f); })
                                  << qRgb(100, 200, 128) << qRgb(86, 236, 128);
    QTest::newRow("contrast 2") << MakeFilter([] { return ChannelTableFilter::contrast(2.0f); })
                                << qRgb(200, 30, 0) << qRgb(255, 0, 0);
  }
  void colourFiltersMapEveryPixel() {
    QFETCH(MakeFilter, make);
    QFETCH(QRgb, colour);
    QFETCH(QRgb, expected);
    const QImage out = make()->apply(filled(5, 3, colour));
    QCOMPARE(out.size(), QSize(5, 3));
    QVERIFY2(near(out.pixel(4, 2), expected, 1), qPrintable(text(out.pixel(4, 2)) + " vs " + text(expected)));
  }

  void edgesOfAStep_data() {
    QTest::addColumn<int>("drawing");
    QTest::addColumn<int>("atEdge");
    QTest::addColumn<int>("awayFromEdge");
    // Left half black, right half grey 51: across the step the horizontal
    // kernel sums (1 + 2 + 1) · 51 = 204; the vertical one sees nothing.
    QTest::newRow("Sobel") << int(EdgeFilter::Drawing::Sobel) << 204 << 0;
    QTest::newRow("sketch") << int(EdgeFilter::Drawing::Sketch) << 255 - 204 << 255;
  }
  void edgesOfAStep() {
    QFETCH(int, drawing);
    QFETCH(int, atEdge);
    QFETCH(int, awayFromEdge);
    QImage step = filled(8, 6, qRgb(0, 0, 0));
    for (int y = 0; y < 6; ++y)
      for (int x = 4; x < 8; ++x)
        step.setPixel(x, y, qRgb(51, 51, 51));
    const QImage out = EdgeFilter(EdgeFilter::Drawing(drawing)).apply(step);
    for (int y : {0, 3, 5}) {
      QCOMPARE(qRed(out.pixel(3, y)), atEdge);
      QCOMPARE(qRed(out.pixel(4, y)), atEdge);
      QCOMPARE(qGreen(out.pixel(4, y)), atEdge);
      QCOMPARE(qRed(out.pixel(1, y)), awayFromEdge);
      QCOMPARE(qRed(out.pixel(6, y)), awayFromEdge);
    }
  }

  void boxBlurAveragesItsSquare() {
    QImage dot = filled(5, 5, qRgb(0, 0, 0));
    dot.setPixel(2, 2, qRgb(255, 90, 0));
    const QImage out = BoxBlurFilter(1, 1).apply(dot);
    QVERIFY(near(out.pixel(2, 2), qRgb(28, 10, 0), 1));
    QVERIFY(near(out.pixel(1, 3), qRgb(28, 10, 0), 1));
    QCOMPARE(out.pixel(0, 0), qRgb(0, 0, 0));
  }

  void vignetteDarkensTowardsTheCorners() {
    const QImage out = VignetteFilter(0.6f, 0.8f).apply(filled(101, 101, qRgb(200, 200, 200)));
    QCOMPARE(out.pixel(50, 50), qRgb(200, 200, 200));
    // The corner pixel lies 0.700 from the centre: halfway from 0.6 to 0.8,
    // where the smooth step is 0.5.
    QVERIFY2(near(out.pixel(0, 0), qRgb(100, 100, 100), 2), qPrintable(text(out.pixel(0, 0))));
  }

  void halftoneDrawsDotsOfTheCellCentre() {
    QImage picture(200, 100, QImage::Format_RGB32);
    for (int x = 0; x < 200; ++x)
      for (int y = 0; y < 100; ++y)
        picture.setPixel(x, y, qRgb(x, y, 100));
    // Cells of 0.1 · 200 = 20 pixels; the dot is 18 across.
    const QImage out = HalftoneFilter(0.1f).apply(picture);
    QCOMPARE(out.pixel(23, 27), picture.pixel(30, 30)); // inside the dot of cell (1, 1)
    QCOMPARE(out.pixel(20, 20), qRgb(0, 0, 0));        // the cell's corner
  }

  void consecutiveTableFiltersFuseIntoOne() {
    const QImage picture = filled(4, 4, qRgb(60, 120, 240));
    const FilterList chain{ChannelTableFilter::colourInversion(), ChannelTableFilter::brightness(0.1f),
                           ChannelTableFilter::colourInversion()};
    const QImage out = FilterGroup::run(chain, picture);
    const QImage stepwise = chain[2]->apply(chain[1]->apply(chain[0]->apply(picture)));
    QCOMPARE(out, stepwise);
    QVERIFY(near(out.pixel(0, 0), qRgb(60 - 26, 120 - 26, 240 - 26), 1));
  }

  // A chain runs pixel-wise filters in one pass, or within the blur after
  // them; either way the picture is the one the filters make one by one.
  void fusedChainsMatchTheirFiltersOneByOne_data() {
    QTest::addColumn<FilterList>("chain");
    QTest::addColumn<bool>("translucent");
    const FilterList sunset{std::make_shared<SaturationFilter>(0.5f), ChannelTableFilter::brightness(-0.01f),
                            ChannelTableFilter::contrast(2.0f), BoxBlurFilter::ofSize(0.25f)};
    QTest::newRow("colour steps, then a narrow blur") << sunset << false;
    // Composed tables unpremultiply translucent pixels once, not per table,
    // so the translucent chain has one table between its other steps.
    const FilterList split{ChannelTableFilter::contrast(2.0f), std::make_shared<SaturationFilter>(0.5f),
                           ChannelTableFilter::brightness(-0.1f), BoxBlurFilter::ofSize(0.5f)};
    QTest::newRow("colour steps, then a narrow blur, translucent") << split << true;
    const FilterList wide{std::make_shared<VignetteFilter>(0.2f, 0.6f), SaturationFilter::greyScale(),
                          std::make_shared<BoxBlurFilter>(9, 3)};
    QTest::newRow("vignette and grey, then a wide blur") << wide << false;
    QTest::newRow("vignette and grey, then a wide blur, translucent") << wide << true;
    const FilterList rowsOnly{ChannelTableFilter::colourInversion(), std::make_shared<SaturationFilter>(1.5f),
                              ChannelTableFilter::contrast(1.5f), std::make_shared<VignetteFilter>(0.3f, 0.7f)};
    QTest::newRow("pixel-wise steps only") << rowsOnly << false;
    QTest::newRow("pixel-wise steps only, translucent") << rowsOnly << true;
  }
  void fusedChainsMatchTheirFiltersOneByOne() {
    QFETCH(FilterList, chain);
    QFETCH(bool, translucent);
    // Tall enough for several row bands, so that bands meet inside the blur.
    const QImage picture = varied(53, 150, translucent);
    const QImage pristine = picture.copy();
    QImage stepwise = picture;
    for (const auto &filter : chain)
      stepwise = filter->apply(stepwise);
    const QImage fused = FilterGroup::run(chain, picture);
    QCOMPARE(fused, stepwise);
    QCOMPARE(picture, pristine);
  }
};

QUILL_TEST(PixelFiltersTest)
#include "PixelFiltersTest.moc"
