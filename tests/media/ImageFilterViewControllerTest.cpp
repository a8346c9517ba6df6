#include "QuillTest.h"

#include "SceneHarness.h"
#include "common/FolderPaths.h"
#include "media/FilterResources.h"
#include "media/ImageFilterViewController.h"
#include "media/ImageFilterViewControllerDelegate.h"
#include "media/QNFilterLine.h"
#include "media/QNScrollItemListView.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {
struct Recorder : ImageFilterViewControllerDelegate {
  QList<QVariantMap> finished;
  int canceled = 0;
  void filterControllerCanceled(ImageFilterViewController *) override { ++canceled; }
  void filterController(ImageFilterViewController *, const QVariantMap &info) override { finished.append(info); }
};

QImage photo(const QSize &size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  QLinearGradient sky(0, 0, 0, size.height());
  sky.setColorAt(0, QColor(40, 100, 180));
  sky.setColorAt(1, QColor(240, 200, 140));
  painter.fillRect(image.rect(), sky);
  painter.setBrush(QColor(60, 140, 60));
  painter.setPen(Qt::NoPen);
  painter.drawRect(0, size.height() * 2 / 3, size.width(), size.height() / 3);
  painter.setBrush(QColor(255, 220, 100));
  painter.drawEllipse(QPointF(size.width() * 0.7, size.height() * 0.3), size.height() * 0.1, size.height() * 0.1);
  return image;
}

struct Screen {
  SceneHarness harness;
  ImageFilterViewController *controller;
  Recorder recorder;
  explicit Screen(const QImage &image, const QRectF &geometry = QRectF(0, 0, 768, 1024)) {
    controller = new ImageFilterViewController(image);
    controller->setGeometry(geometry);
    controller->setDelegate(&recorder);
    harness.scene.addItem(controller);
    QTRY_VERIFY(!controller->previewImage().isNull());
  }
  void tapLook(int look) {
    QNScrollItemListView *strip = controller->strip();
    harness.tap(strip->mapToScene(strip->buttonRect(look).center()));
  }
};
} // namespace

class ImageFilterViewControllerTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void initTestCase() {
    setResourceFolder(QUILL_RESOURCE_DIR);
    FilterResources::shared().clear();
  }

  void showsThePhotoOverTheStrip() {
    Screen screen(photo(QSize(600, 800)));
    QCOMPARE(screen.controller->title(), QString("Image Filter"));
    QCOMPARE(screen.controller->rightButtonTitle(), QString("OK"));
    QCOMPARE(ImageFilterViewController::popoverSize(), QSizeF(320, 480));
    QCOMPARE(screen.controller->filterType(), 0);
    QCOMPARE(screen.controller->previewImage(), screen.controller->originImage());
    QCOMPARE(screen.controller->strip()->geometry(), QRectF(0, 1024 - 90, 768, 90));
    QCOMPARE(screen.controller->strip()->items().size(), 36);
  }

  void aTapOnALookChangesThePreview() {
    Screen screen(photo(QSize(600, 800)));
    const QImage before = screen.controller->previewImage();
    QSignalSpy changed(screen.controller, &ImageFilterViewController::previewChanged);
    screen.tapLook(3);
    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(screen.controller->filterType(), 3);
    const QImage after = screen.controller->previewImage();
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after, QNFilterLine(3).imageByFilteringImage(screen.controller->originImage()));
    // The same look again rebuilds nothing: the next preview is already Normal's.
    screen.tapLook(3);
    QCOMPARE(changed.count(), 1);
    // Normal shows the photo unchanged again.
    screen.tapLook(0);
    QTRY_COMPARE(changed.count(), 2);
    QCOMPARE(screen.controller->previewImage(), before);
  }

  void okHandsBackTheFilteredPhotoAndWhereItIsShown() {
    // A 1600 by 1200 photo in a 320 by 390 preview is shown 320 by 240,
    // centred; the screen itself sits at (100, 50) in the window.
    Screen screen(photo(QSize(1600, 1200)), QRectF(100, 50, 320, 390));
    // Negative lies far to the right: drag the strip until it shows.
    QNScrollItemListView *strip = screen.controller->strip();
    while (strip->buttonRect(31).right() > strip->size().width())
      screen.harness.drag(strip->mapToScene(QPointF(300, 45)), strip->mapToScene(QPointF(20, 45)));
    screen.tapLook(31);
    QTRY_COMPARE(screen.controller->filterType(), 31);
    screen.controller->commit();
    QCOMPARE(screen.recorder.finished.size(), 1);
    const QVariantMap info = screen.recorder.finished.first();
    const QImage filtered = info.value("kFilteredImage").value<QImage>();
    QCOMPARE(filtered.size(), QSize(1600, 1200));
    const QRgb original = screen.controller->originImage().pixel(800, 100);
    QCOMPARE(filtered.pixel(800, 100), qRgb(255 - qRed(original), 255 - qGreen(original), 255 - qBlue(original)));
    QCOMPARE(info.value("kFrameInWindow").toRectF(), QRectF(100, 50 + 75, 320, 240));
    QCOMPARE(info.value("UIImagePickerControllerMediaType").toString(), QString("public.image"));
    QCOMPARE(screen.controller->filteredImage(), filtered);
    QCOMPARE(screen.recorder.canceled, 0);
    // A new photo clears the filtered one.
    screen.controller->setOriginImage(photo(QSize(40, 30)));
    QVERIFY(screen.controller->filteredImage().isNull());
  }

  void okWithoutAPhotoHandsBackNothing() {
    Screen screen(photo(QSize(10, 10)));
    screen.controller->setOriginImage(QImage());
    screen.controller->commit();
    QVERIFY(screen.recorder.finished.isEmpty());
  }

  void rendersTheScreen() {
    Screen screen(photo(QSize(1200, 1600)));
    screen.tapLook(6);
    QTRY_COMPARE(screen.controller->filterType(), 6);
    // The strip has slid the chosen look to its middle, under the frame.
    QNScrollItemListView *strip = screen.controller->strip();
    QTRY_COMPARE(strip->buttonRect(6).center().x(), strip->size().width() / 2);
    QTRY_COMPARE(strip->selectionCentre().x() - strip->contentOffset(),
                 strip->buttonRect(6).center().x());
    QImage shot(768, 1024, QImage::Format_ARGB32_Premultiplied);
    shot.fill(Qt::transparent);
    QPainter painter(&shot);
    screen.harness.scene.render(&painter);
    painter.end();
    QuillTest::keepSnapshot(shot, QStringLiteral("filter-screen"));
    // The strip's first thumbnail is drawn, not the black screen.
    QVERIFY(qGray(shot.pixel(33, 1024 - 90 + 20)) > 40);
  }
};

QUILL_TEST(ImageFilterViewControllerTest)
#include "ImageFilterViewControllerTest.moc"
