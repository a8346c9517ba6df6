#include "QuillTest.h"

#include "common/ImageHelpers.h"

#include <QImage>
#include <QTest>

class ImageHelpersTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void scaleImageToSize_data() {
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<qreal>("side");
    QTest::addColumn<QSize>("expectedPixels");
    QTest::newRow("fits already") << QSize(600, 400) << 1.0 << 900.0 << QSize(600, 400);
    QTest::newRow("exactly fits") << QSize(900, 300) << 1.0 << 900.0 << QSize(900, 300);
    QTest::newRow("landscape") << QSize(1800, 1200) << 1.0 << 900.0 << QSize(900, 600);
    QTest::newRow("portrait") << QSize(1000, 2000) << 1.0 << 900.0 << QSize(450, 900);
    // 1800 x 1200 pixels at scale 2 are 900 x 600 points: they fit.
    QTest::newRow("retina fits") << QSize(1800, 1200) << 2.0 << 900.0 << QSize(1800, 1200);
    QTest::newRow("retina scaled") << QSize(3600, 2400) << 2.0 << 900.0 << QSize(1800, 1200);
  }
  void scaleImageToSize() {
    QFETCH(QSize, pixels);
    QFETCH(qreal, scale);
    QFETCH(qreal, side);
    QFETCH(QSize, expectedPixels);
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.setDevicePixelRatio(scale);
    const QImage scaled = ::scaleImageToSize(image, side);
    QCOMPARE(scaled.size(), expectedPixels);
    QCOMPARE(scaled.devicePixelRatio(), scale);
    QCOMPARE(scaled.pixelColor(scaled.width() / 2, scaled.height() / 2), QColor(Qt::red));
    if (expectedPixels == pixels)
      QCOMPARE(scaled.cacheKey(), image.cacheKey()); // the picture itself, not a copy
  }

  void scaledPictureKeepsTransparency() {
    QImage image(400, 200, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const QImage scaled = ::scaleImageToSize(image, 100);
    QCOMPARE(scaled.size(), QSize(100, 50));
    QCOMPARE(scaled.pixelColor(50, 25).alpha(), 0);
  }

  void degenerateInputsGiveNothingOrThemselves() {
    QVERIFY(::scaleImageToSize(QImage(), 900).isNull());
    QVERIFY(::scaleImageToSize(QImage(10, 10, QImage::Format_RGB32), 0).isNull());
  }

  void missingArtworkIsNull() {
    QuillTest::expectLogLine("artwork: missing", "no_such_artwork_picture");
    QVERIFY(artworkImage("no_such_artwork_picture").isNull());
  }
};

QUILL_TEST(ImageHelpersTest)
#include "ImageHelpersTest.moc"
