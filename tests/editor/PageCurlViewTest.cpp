#include "QuillTest.h"

#include "editor/PageCurlView.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QTest>

namespace {
QImage filled(const QColor &color) {
  QImage image(200, 300, QImage::Format_ARGB32_Premultiplied);
  image.fill(color);
  return image;
}

QImage render(PageCurlView &curl) {
  QImage image(200, 300, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  QPainter painter(&image);
  curl.paint(&painter, nullptr, nullptr);
  return image;
}

bool near(const QColor &a, const QColor &b) {
  return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
         std::abs(a.blue() - b.blue()) < 40;
}
} // namespace

// The page-turn picture: which page shows where as the fold sweeps the page.
class PageCurlViewTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void foldSweepsFromBottomRight_data() {
    QTest::addColumn<qreal>("progress");
    QTest::addColumn<QColor>("topLeft");
    QTest::addColumn<QColor>("bottomRight");
    QTest::newRow("flat") << 0.0 << QColor(Qt::blue) << QColor(Qt::blue);
    QTest::newRow("halfway") << 0.5 << QColor(Qt::blue) << QColor(Qt::red);
    QTest::newRow("gone") << 1.0 << QColor(Qt::red) << QColor(Qt::red);
  }
  void foldSweepsFromBottomRight() {
    QFETCH(qreal, progress);
    PageCurlView curl(filled(Qt::red), filled(Qt::blue), true, nullptr);
    curl.setProgress(progress);
    const QImage picture = render(curl);
    QTEST(picture.pixelColor(2, 2), "topLeft");
    // The corner lifts first; the page beneath shows there (shaded near the fold).
    QVERIFY(near(picture.pixelColor(197, 297), QTest::currentDataTag() == QByteArray("flat")
                                                   ? QColor(Qt::blue)
                                                   : QColor(Qt::red)));
  }

  void foldedPartShowsThePaleBack() {
    PageCurlView curl(filled(Qt::red), filled(Qt::blue), true, nullptr);
    curl.setProgress(0.4);
    const QImage picture = render(curl);
    // Along the sweep, from the corner: the page beneath, then the folded back
    // (paler than either page), then the flat leaving page.
    bool sawBack = false;
    for (int y = 299; y >= 0 && !sawBack; --y) {
      const QColor c = picture.pixelColor(150, y);
      sawBack = c.red() > 150 && c.green() > 150 && c.blue() > 150;
    }
    QVERIFY(sawBack);
  }

  void curlDownRunsBackwards() {
    PageCurlView curl(filled(Qt::red), filled(Qt::blue), false, nullptr);
    QCOMPARE(curl.progress(), 1.0);
    QCOMPARE(render(curl).pixelColor(100, 150), QColor(Qt::red));
  }
};

QUILL_TEST(PageCurlViewTest)
#include "PageCurlViewTest.moc"
