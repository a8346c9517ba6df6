#include "EditorFixture.h"
#include "QuillTest.h"

#include "common/FolderPaths.h"
#include "common/QNButton.h"
#include "editor/EditMenu.h"
#include "editor/EditMenuBar.h"
#include "editor/NotePageView.h"
#include "editor/PhotoFilterPanel.h"
#include "editor/PhotoTipView.h"
#include "editor/PhotoTool.h"
#include "editor/PhotoWidget.h"
#include "editor/TextWidget.h"
#include "media/ImageFilterViewController.h"
#include "sketch/PopoverItem.h"
#include "sketch/UndoManager.h"
#include "store/NotePage.h"
#include "store/PhotoWidgetData.h"
#include "store/StoredPicture.h"

#include <QClipboard>
#include <QDateTime>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPointingDevice>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QtMath>

namespace {
// A picture of w by h points, its left half red and its right half blue.
QImage halves(int w, int h, qreal scale = 1) {
  QImage image(QSize(w, h) * scale, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::blue);
  QPainter painter(&image);
  painter.fillRect(QRectF(0, 0, w / 2.0, h), Qt::red);
  return image;
}

// The angle in (-π, π].
qreal normalized(qreal radians) {
  return std::remainder(radians, 2 * M_PI);
}

QRectF box(const PhotoWidget *photo) {
  return photo->mapRectToParent(photo->boundingRect());
}

bool near(qreal a, qreal b, qreal tolerance = 0.01) {
  return std::abs(a - b) <= tolerance;
}

// Two fingers on the screen, in the page view's coordinates.
class Fingers {
public:
  explicit Fingers(EditorFixture &f) : f(f) {}
  void press(const QPointF &a, const QPointF &b) {
    QTest::touchEvent(f.view.viewport(), device()).press(0, at(a));
    QTest::touchEvent(f.view.viewport(), device()).stationary(0).press(1, at(b));
  }
  void move(const QPointF &a, const QPointF &b) {
    QTest::touchEvent(f.view.viewport(), device()).move(0, at(a)).move(1, at(b));
  }
  void release(const QPointF &a, const QPointF &b) {
    QTest::touchEvent(f.view.viewport(), device()).release(0, at(a)).release(1, at(b));
  }
  // Both fingers go from their start to their end in steps, then lift.
  void gesture(QPointF a0, QPointF b0, QPointF a1, QPointF b1, int steps) {
    press(a0, b0);
    for (int i = 1; i <= steps; ++i) {
      const qreal t = qreal(i) / steps;
      move(a0 + (a1 - a0) * t, b0 + (b1 - b0) * t);
    }
    release(a1, b1);
  }

private:
  static QPointingDevice *device() {
    static QPointingDevice *screen = QTest::createTouchDevice();
    return screen;
  }
  QPoint at(const QPointF &p) const { return f.view.mapFromScene(f.page->mapToScene(p)); }
  EditorFixture &f;
};

PhotoWidget *placePhoto(EditorFixture &f, const QImage &image, const QPointF &centre) {
  auto *photo = new PhotoWidget(image);
  photo->setCenter(centre);
  f.page->addWidget(photo);
  return photo;
}

QPointF inPage(EditorFixture &f, const QRectF &sceneRect) {
  return f.page->mapFromScene(sceneRect.center());
}

// Taps the menu item with that key's title.
bool chooseMenuItem(EditorFixture &f, const QString &title) {
  EditMenuBar *menu = EditMenuBar::sharedMenu();
  const int index = int(menu->titles().indexOf(title));
  if (!menu->isMenuVisible() || index < 0)
    return false;
  f.tap(inPage(f, menu->itemSceneRect(index)));
  return true;
}
} // namespace

class PhotoWidgetTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void cleanup() { EditMenuBar::sharedMenu()->hideMenu(); }

  void madeFromPicture_data() {
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QSizeF>("expected");
    QTest::newRow("wide, capped") << halves(3000, 1500) << QSizeF(1000, 500);
    QTest::newRow("tall, capped") << halves(600, 2400) << QSizeF(250, 1000);
    QTest::newRow("fits") << halves(800, 600) << QSizeF(800, 600);
    QTest::newRow("fits at scale 2") << halves(900, 700, 2) << QSizeF(900, 700);
    QTest::newRow("no picture") << QImage() << QSizeF(50, 50);
  }
  void madeFromPicture() {
    QFETCH(QImage, picture);
    QFETCH(QSizeF, expected);
    EditorFixture f;
    PhotoWidget photo(picture);
    QCOMPARE(photo.size(), expected);
    QCOMPARE(photo.pos(), QPointF(0, 0));
    QCOMPARE(photo.image().deviceIndependentSize(), picture.isNull() ? QSizeF(0, 0) : expected);
    // A picture is named and waits in the temporary folder; no picture, no file.
    QCOMPARE(photo.imageFile().isEmpty(), picture.isNull());
    if (!picture.isNull())
      QVERIFY(QFile::exists(temporaryPathWithName(photo.imageFile())));
    QCOMPARE(photo.toolForWidget(), static_cast<NoteBookTool *>(PhotoTool::sharedPhotoTool()));
  }

  // One finger: a corner scales about the centre, keeping the aspect; elsewhere it moves.
  void oneFinger_data() {
    QTest::addColumn<QPointF>("grab"); // in the photo's own coordinates
    QTest::addColumn<QPointF>("offset");
    QTest::addColumn<bool>("scales");
    QTest::newRow("bottom-right corner") << QPointF(380, 280) << QPointF(60, 30) << true;
    QTest::newRow("top-left corner") << QPointF(20, 20) << QPointF(-40, -40) << true;
    QTest::newRow("corner, shrinking") << QPointF(380, 280) << QPointF(-80, -50) << true;
    QTest::newRow("middle") << QPointF(200, 150) << QPointF(60, 30) << false;
    QTest::newRow("top-right corner") << QPointF(380, 20) << QPointF(60, -30) << false;
  }
  void oneFinger() {
    QFETCH(QPointF, grab);
    QFETCH(QPointF, offset);
    QFETCH(bool, scales);
    EditorFixture f;
    f.showNewPage();
    PhotoWidget *photo = placePhoto(f, halves(400, 300), QPointF(350, 400));
    const QPointF centre = photo->center();
    const QPointF from = photo->mapToParent(grab);
    f.drag(from, from + offset);
    QCOMPARE(f.page->activeWidget(), static_cast<NoteBookWidget *>(photo));
    QCOMPARE(f.tool, static_cast<NoteBookTool *>(PhotoTool::sharedPhotoTool()));
    if (!scales) {
      QCOMPARE(photo->size(), QSizeF(400, 300));
      QCOMPARE(photo->center(), centre + offset);
      return;
    }
    const qreal grown = QLineF(centre, from + offset).length() - QLineF(centre, from).length();
    QVERIFY(near(photo->diagonal(), 500 + grown));
    QVERIFY(near(photo->size().width() / photo->size().height(), 4.0 / 3.0, 1e-6));
    QVERIFY(near(photo->center().x(), centre.x()) && near(photo->center().y(), centre.y()));
  }

  void twoFingersMoveScaleAndTurn_data() {
    QTest::addColumn<QPointF>("aEnd"); // offsets of the fingers' ends from their starts
    QTest::addColumn<QPointF>("bEnd");
    QTest::addColumn<QPointF>("moved");
    QTest::addColumn<qreal>("grown");
    QTest::newRow("both move") << QPointF(50, 30) << QPointF(50, 30) << QPointF(50, 30) << 0.0;
    QTest::newRow("spread") << QPointF(-40, 0) << QPointF(40, 0) << QPointF(0, 0) << 80.0;
    QTest::newRow("pinch") << QPointF(30, 0) << QPointF(-30, 0) << QPointF(0, 0) << -60.0;
    QTest::newRow("spread while moving")
        << QPointF(0, 20) << QPointF(60, 20) << QPointF(30, 20) << 60.0;
  }
  void twoFingersMoveScaleAndTurn() {
    QFETCH(QPointF, aEnd);
    QFETCH(QPointF, bEnd);
    QFETCH(QPointF, moved);
    QFETCH(qreal, grown);
    EditorFixture f;
    f.showNewPage();
    PhotoWidget *photo = placePhoto(f, halves(400, 300), QPointF(350, 400));
    const QPointF a(300, 400), b(400, 400);
    Fingers(f).gesture(a, b, a + aEnd, b + bEnd, 4);
    QVERIFY(near(photo->diagonal(), 500 + grown));
    QVERIFY(near(photo->center().x(), 350 + moved.x()) &&
            near(photo->center().y(), 400 + moved.y()));
    QVERIFY(near(normalized(photo->rotate()), 0));
  }

  // Fingers turning clockwise on screen turn the photo clockwise, by the same angle.
  void twoFingersTurnWithTheScreen_data() {
    QTest::addColumn<qreal>("degrees"); // clockwise on screen
    QTest::newRow("clockwise") << 30.0;
    QTest::newRow("anticlockwise") << -45.0;
  }
  void twoFingersTurnWithTheScreen() {
    QFETCH(qreal, degrees);
    EditorFixture f;
    f.showNewPage();
    PhotoWidget *photo = placePhoto(f, halves(400, 300), QPointF(350, 400));
    Fingers fingers(f);
    const QPointF middle(350, 400);
    const auto around = [&](qreal clockwise, qreal radius) {
      const qreal r = qDegreesToRadians(clockwise + 10);          // start a little below the x axis
      return middle + QPointF(std::cos(r), std::sin(r)) * radius; // y down: clockwise on screen
    };
    fingers.press(around(0, 80), around(180, 80));
    const int steps = 6;
    for (int i = 1; i <= steps; ++i)
      fingers.move(around(degrees * i / steps, 80), around(180 + degrees * i / steps, 80));
    fingers.release(around(degrees, 80), around(180 + degrees, 80));
    // Whole-point touch positions leave a little error.
    QVERIFY2(near(normalized(photo->rotate()), qDegreesToRadians(degrees), 0.03),
             qPrintable(QString::number(photo->rotate())));
    QVERIFY(near(photo->rotation(), qRadiansToDegrees(photo->rotate()), 1e-6));
  }

  // Pinching stops growing past a diagonal of 1500 and shrinking below 100; turning goes on.
  void pinchLimits_data() {
    QTest::addColumn<QSizeF>("start");
    QTest::addColumn<qreal>("spread"); // per finger, per step
    QTest::addColumn<qreal>("low");
    QTest::addColumn<qreal>("high");
    QTest::newRow("largest") << QSizeF(1164, 873) << 10.0 << 1500.0 << 1520.0;
    QTest::newRow("smallest") << QSizeF(96, 72) << -4.0 << 90.0 << 100.0;
  }
  void pinchLimits() {
    QFETCH(QSizeF, start);
    QFETCH(qreal, spread);
    QFETCH(qreal, low);
    QFETCH(qreal, high);
    EditorFixture f;
    f.showNewPage();
    PhotoWidget *photo = placePhoto(f, halves(400, 300), QPointF(380, 450));
    photo->setSize(start);
    photo->setCenter(QPointF(380, 450));
    Fingers fingers(f);
    QPointF a(340, 450), b(420, 450);
    fingers.press(a, b);
    for (int i = 0; i < 8; ++i) {
      a -= QPointF(spread, 0);
      b += QPointF(spread, 0);
      fingers.move(a, b);
    }
    QVERIFY2(photo->diagonal() > low && photo->diagonal() < high,
             qPrintable(QString::number(photo->diagonal())));
    const qreal limit = photo->diagonal();
    // At the limit the fingers still turn the photo (a quarter turn clockwise on screen).
    const QPointF middle = (a + b) / 2, half = (b - a) / 2;
    const QPointF turned(-half.y(), half.x());
    fingers.move(middle - turned, middle + turned);
    fingers.release(middle - turned, middle + turned);
    QVERIFY(near(photo->diagonal(), limit));
    QVERIFY2(near(normalized(photo->rotate()), M_PI / 2, 0.03),
             qPrintable(QString::number(photo->rotate())));
  }

  // When the finger lifts, the box around the (rotated) photo is brought back onto the page.
  void snapsBackOntoThePage_data() {
    QTest::addColumn<qreal>("rotate");
    QTest::addColumn<QPointF>("offset");
    QTest::addColumn<QString>("edge");
    QTest::addColumn<qreal>("expected");
    QTest::newRow("off the left") << 0.0 << QPointF(-500, 0) << "right" << 40.0;
    QTest::newRow("off the right") << 0.0 << QPointF(600, 0) << "left" << 717.0;
    QTest::newRow("above the top") << 0.0 << QPointF(0, -500) << "bottom" << 40.0;
    QTest::newRow("below the page") << 0.0 << QPointF(0, 600) << "top" << 860.0;
    QTest::newRow("rotated, off the left") << M_PI / 4 << QPointF(-500, 0) << "right" << 40.0;
    QTest::newRow("rotated, below the page") << M_PI / 4 << QPointF(0, 600) << "top" << 860.0;
    QTest::newRow("on the page stays") << 0.0 << QPointF(100, 200) << "left" << 350.0;
    QTest::newRow("partly off the left stays") << 0.0 << QPointF(-300, 0) << "left" << -50.0;
  }
  void snapsBackOntoThePage() {
    QFETCH(qreal, rotate);
    QFETCH(QPointF, offset);
    QFETCH(QString, edge);
    QFETCH(qreal, expected);
    EditorFixture f;
    f.showNewPage();
    PhotoWidget *photo = placePhoto(f, halves(200, 100), QPointF(350, 400));
    photo->setRotate(rotate);
    f.drag(QPointF(350, 400), QPointF(350, 400) + offset, 8);
    const QRectF frame = box(photo);
    const QHash<QString, qreal> edges{{"left", frame.left()},
                                      {"right", frame.right()},
                                      {"top", frame.top()},
                                      {"bottom", frame.bottom()}};
    QVERIFY2(near(edges.value(edge), expected), qPrintable(QString::number(edges.value(edge))));
  }

  // A touch in the gap between a rotated photo and its box misses it.
  void rotatedShapeHits() {
    EditorFixture f;
    f.showNewPage();
    PhotoWidget *photo = placePhoto(f, halves(200, 200), QPointF(300, 300));
    photo->setRotate(M_PI / 4);
    const QRectF frame = box(photo);
    QVERIFY(!photo->containsPoint(frame.topLeft() + QPointF(15, 15), f.page));
    QCOMPARE(f.page->hitTest(frame.topLeft() + QPointF(15, 15)),
             static_cast<QGraphicsItem *>(f.page));
    QCOMPARE(f.page->hitTest(frame.topLeft() + QPointF(5, frame.height() / 2)),
             static_cast<QGraphicsItem *>(photo));
  }

  void doubleTapOpensMenu() {
    EditorFixture f;
    f.showNewPage();
    PhotoWidget *photo = placePhoto(f, halves(400, 300), QPointF(350, 400));
    f.doubleTap(QPointF(350, 400));
    EditMenuBar *menu = EditMenuBar::sharedMenu();
    QVERIFY(menu->isMenuVisible());
    QCOMPARE(menu->titles(), QStringList({"Filter", "Reset", "Copy", "Delete", "Share"}));
    QCOMPARE(menu->owner(), static_cast<const QObject *>(photo));
    QVERIFY(photo->tipView()->isVisible());
    // The page leaves the menu's touches to it.
    QVERIFY(EditMenu::isVisible());
    QVERIFY(EditMenu::frame().contains(menu->itemSceneRect(0).center()));
    // The next touch on the photo hides it; so does deactivation.
    f.tap(QPointF(300, 420));
    QVERIFY(!menu->isMenuVisible());
    QVERIFY(!EditMenu::isVisible());
    f.doubleTap(QPointF(350, 400));
    QVERIFY(menu->isMenuVisible());
    f.page->setActiveWidget(nullptr);
    QVERIFY(!menu->isMenuVisible());
    QVERIFY(!photo->tipView()->isVisible());
  }

  void resetBringsItUprightToTheMiddle() {
    EditorFixture f;
    f.showNewPage();
    PhotoWidget *photo = placePhoto(f, halves(400, 300), QPointF(250, 300));
    photo->setRotate(0.7);
    photo->setDiagonal(800);
    f.doubleTap(QPointF(250, 300));
    QVERIFY(chooseMenuItem(f, "Reset"));
    QVERIFY(!EditMenuBar::sharedMenu()->isMenuVisible());
    QCOMPARE(photo->rotate(), 0.0);
    QCOMPARE(photo->rotation(), 0.0);
    QCOMPARE(photo->size(), QSizeF(400, 300));
    QCOMPARE(photo->center(), f.page->contaninerView()->boundingRect().center());
  }

  void copyAndDelete() {
    EditorFixture f;
    f.showNewPage();
    PhotoWidget *photo = placePhoto(f, halves(120, 80), QPointF(350, 400));
    f.doubleTap(QPointF(350, 400));
    QVERIFY(chooseMenuItem(f, "Copy"));
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(120, 80));
    QCOMPARE(copied.pixelColor(10, 10), QColor(Qt::red));
    f.doubleTap(QPointF(320, 380)); // away from the last taps, or it counts as a third
    QVERIFY(chooseMenuItem(f, "Delete"));
    QVERIFY(f.page->widgets().isEmpty());
    QVERIFY(f.page->dataToClean().contains(temporaryPathWithName(photo->imageFile())));
    QVERIFY(f.page->undoManager()->undo());
    QCOMPARE(f.page->widgets(), QList<NoteBookWidget *>{photo});
  }

  void readOnlyTakesNoTouches() {
    EditorFixture f;
    f.showNewPage();
    PhotoWidget *photo = placePhoto(f, halves(400, 300), QPointF(350, 400));
    f.page->setReadOnly(true);
    f.drag(QPointF(350, 400), QPointF(450, 500));
    Fingers(f).gesture(QPointF(300, 400), QPointF(400, 400), QPointF(250, 380), QPointF(450, 440),
                       3);
    f.doubleTap(QPointF(350, 400));
    QCOMPARE(photo->center(), QPointF(350, 400));
    QCOMPARE(photo->size(), QSizeF(400, 300));
    QCOMPARE(photo->rotate(), 0.0);
    QVERIFY(!EditMenuBar::sharedMenu()->isMenuVisible());
    QVERIFY(f.page->hitTest(QPointF(350, 400)) == nullptr);
    photo->showMenuAtPoint(QPointF(10, 10));
    QVERIFY(!EditMenuBar::sharedMenu()->isMenuVisible());
  }

  // Photos and text boxes made within one second get names of their own,
  // also past files that are already there.
  void namesAreUnique() {
    EditorFixture f;
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    QFile(f.resourcePath() + "/" + QString::number(now + 1)).open(QIODevice::WriteOnly);
    QFile(temporaryPathWithName(QString::number(now + 2) + ".png")).open(QIODevice::WriteOnly);
    QFile(f.resourcePath() + "/" + QString::number(now + 3) + ".plist").open(QIODevice::WriteOnly);
    PhotoWidget first(halves(40, 40));
    PhotoWidget second(halves(40, 40));
    TextWidget box(QRectF(0, 0, 200, 100));
    PhotoWidget third(halves(40, 40));
    const QStringList names{first.imageFile(), second.imageFile(), box.textName(),
                            third.imageFile()};
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 4);
    for (const QString &name : names) {
      QVERIFY(name.toLongLong() >= now);
      for (qint64 taken : {now + 1, now + 2, now + 3})
        QVERIFY(name != QString::number(taken));
    }
    QVERIFY(QFile::exists(temporaryPathWithName(first.imageFile())));
    QVERIFY(QFile::exists(temporaryPathWithName(second.imageFile())));
    // A stored photo's name is not given out again.
    PhotoWidgetData stored;
    stored.setFrame(QRectF(0, 0, 40, 40));
    stored.setPhotoName(QString::number(now + 20));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("photo: load"));
    PhotoWidget loaded(stored);
    QCOMPARE(loaded.imageFile(), QString::number(now + 20));
    for (int i = 0; i < 20; ++i)
      QVERIFY(PhotoWidget(halves(10, 10)).imageFile() != loaded.imageFile());
  }

  void roundTripThroughThePage() {
    EditorFixture f;
    NotePage *page = f.showNewPage();
    PhotoWidget *photo = placePhoto(f, halves(300, 200), QPointF(360, 420));
    photo->setRotate(0.5);
    photo->setDiagonal(std::hypot(450, 300));
    const QString name = photo->imageFile();
    QVERIFY(f.page->savePageData());
    QVERIFY(QFile::exists(f.resourcePath() + "/" + name));
    QVERIFY(!QFile::exists(temporaryPathWithName(name)));
    QVERIFY(f.fileChanges().contains("ADD " + name));

    f.page->setNotePage(f.reread(page->identifier()));
    QCOMPARE(f.page->widgets().size(), 1);
    auto *loaded = qobject_cast<PhotoWidget *>(f.page->widgets().first());
    QVERIFY(loaded);
    QCOMPARE(loaded->imageFile(), name);
    QVERIFY(near(loaded->rotate(), 0.5, 1e-6));
    QVERIFY(near(loaded->size().width(), 450, 1e-3) && near(loaded->size().height(), 300, 1e-3));
    QVERIFY(near(loaded->center().x(), 360, 1e-3) && near(loaded->center().y(), 420, 1e-3));
    const QImage picture = loaded->image();
    QCOMPARE(picture.deviceIndependentSize(), QSizeF(300, 200));
    const qreal scale = picture.devicePixelRatio();
    QCOMPARE(picture.pixelColor(QPoint(40, 100) * scale), QColor(Qt::red));
    QCOMPARE(picture.pixelColor(QPoint(260, 100) * scale), QColor(Qt::blue));
    // The shown page has the picture turned: red at the rotated left part.
    const QImage shown = f.render();
    const QPointF redPoint = f.page->mapToScene(loaded->mapToParent(QPointF(60, 150)));
    QCOMPARE(shown.pixelColor(redPoint.toPoint()), QColor(Qt::red));
    // Saving again without a change writes nothing.
    f.notifications.clear();
    f.page->setPageEdited(true);
    QVERIFY(f.page->savePageData());
    QVERIFY(!f.fileChanges().contains("ADD " + name));
  }

  // FILTER opens the filter screen over the photo; its OK replaces the picture,
  // which the next save writes over the file already in the resource folder.
  void filteredPictureReplacesTheStoredOne() {
    EditorFixture f;
    f.showNewPage();
    PhotoWidget *photo = placePhoto(f, halves(200, 150), QPointF(370, 300));
    QVERIFY(f.page->savePageData());
    const QString file = f.resourcePath() + "/" + photo->imageFile();
    QImage green(QSize(200, 150), QImage::Format_ARGB32_Premultiplied);
    green.fill(Qt::green);
    QVERIFY(StoredPicture::writePng(file, green)); // what a stale file would hold

    f.doubleTap(QPointF(370, 300));
    QVERIFY(chooseMenuItem(f, "Filter"));
    PopoverItem *popover = photo->popOver();
    QVERIFY(popover && popover->isPopoverVisible());
    auto *panel = qobject_cast<PhotoFilterPanel *>(popover->contentItem());
    QVERIFY(panel);
    QCOMPARE(panel->controller()->originImage(), photo->image());
    // The bubble hangs from the photo's centre.
    QVERIFY(near(popover->bubbleRect().center().x(), f.page->mapToScene(photo->center()).x(), 1));
    popover->setOpacity(1); // the fade-in is not what is tested
    f.tap(inPage(f, panel->okButton()->sceneBoundingRect()));
    QVERIFY(photo->imageChanged());
    QVERIFY(!photo->popOver());
    QVERIFY(!popover->isPopoverVisible());

    f.notifications.clear();
    f.page->setPageEdited(true);
    QVERIFY(f.page->savePageData());
    QVERIFY(!photo->imageChanged());
    QVERIFY(f.fileChanges().contains("ADD " + photo->imageFile()));
    const QImage stored = StoredPicture::read(file);
    QCOMPARE(stored.pixelColor(QPoint(20, 75) * stored.devicePixelRatio()), QColor(Qt::red));
  }

  void filterResultAndCancel() {
    EditorFixture f;
    f.showNewPage();
    PhotoWidget *photo = placePhoto(f, halves(100, 100), QPointF(300, 300));
    photo->filterControllerCanceled(nullptr);
    QVERIFY(!photo->imageChanged());
    photo->filterController(nullptr, {{"UIImagePickerControllerMediaType", "public.image"}});
    QVERIFY(!photo->imageChanged());
    QImage green(QSize(100, 100), QImage::Format_ARGB32_Premultiplied);
    green.fill(Qt::green);
    photo->filterController(nullptr, {{"kFilteredImage", green}});
    QVERIFY(photo->imageChanged());
    QCOMPARE(photo->image().pixelColor(5, 5), QColor(Qt::green));
    const QImage waiting = StoredPicture::read(temporaryPathWithName(photo->imageFile()));
    QCOMPARE(waiting.pixelColor(5, 5), QColor(Qt::green));
  }

  // Pictures for a look: QUILL_SNAPSHOT_DIR keeps them.
  void snapshots() {
    EditorFixture f;
    f.showNewPage();
    QImage picture = halves(300, 200);
    {
      QPainter painter(&picture);
      painter.fillRect(QRectF(100, 60, 100, 80), Qt::yellow);
    }
    PhotoWidget *photo = placePhoto(f, picture, QPointF(380, 330));
    photo->setRotate(-0.35);
    f.tap(QPointF(380, 330));
    QVERIFY(photo->tipView()->isVisible());
    const QImage page = f.render();
    f.doubleTap(QPointF(380, 330));
    const QImage menu = f.render();
    const QRectF firstItem = EditMenuBar::sharedMenu()->itemSceneRect(0);
    QVERIFY(chooseMenuItem(f, "Filter"));
    photo->popOver()->setOpacity(1);
    auto *panel = qobject_cast<PhotoFilterPanel *>(photo->popOver()->contentItem());
    QVERIFY(panel);
    QSignalSpy shown(panel->controller(), &ImageFilterViewController::previewChanged);
    QVERIFY(shown.wait(5000));
    const QImage filter = f.render();
    QuillTest::keepSnapshot(page, QStringLiteral("photo-page"));
    QuillTest::keepSnapshot(filter, QStringLiteral("photo-filter"));
    QuillTest::keepSnapshot(menu, QStringLiteral("photo-menu"));
    // The photo's red half shows turned on the page; the panel's bar is dark.
    QCOMPARE(page.pixelColor(f.page->mapToScene(photo->mapToParent(QPointF(40, 100))).toPoint()),
             QColor(Qt::red));
    // The menu is a dark bar above the tap.
    QVERIFY(firstItem.bottom() < f.page->mapToScene(QPointF(380, 330)).y());
    QVERIFY(qGray(menu.pixel((firstItem.topLeft() + QPointF(4, 4)).toPoint())) < 80);
    const QPointF bar = panel->mapToScene(QPointF(20, 10));
    QVERIFY(qGray(filter.pixel(bar.toPoint())) < 80);
  }
};

QUILL_TEST(PhotoWidgetTest)
#include "PhotoWidgetTest.moc"
