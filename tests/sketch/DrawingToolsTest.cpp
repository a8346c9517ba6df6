#include "QuillTest.h"
#include "SketchTestScene.h"

#include "common/FolderPaths.h"

#include "sketch/DrawPathGroup.h"
#include "sketch/MarkPenTool.h"
#include "sketch/PenTool.h"
#include "sketch/RubberTool.h"
#include "sketch/SketchView.h"
#include "sketch/ToolTouchAdapter.h"

#include <QTabletEvent>
#include <QTest>
#include <cmath>

namespace {
// Page points along a straight line, every step points.
QList<QPointF> line(const QPointF &from, const QPointF &to, qreal step = 4) {
  const int n = qMax(1, int(QLineF(from, to).length() / step));
  QList<QPointF> points;
  for (int i = 0; i <= n; ++i)
    points.append(from + (to - from) * (qreal(i) / n));
  return points;
}

// Width in pixels of the run of covered pixels (alpha > half) through (x, y) along the row.
int coveredRun(const QImage &image, int x, int y) {
  int left = x, right = x;
  while (left > 0 && qAlpha(image.pixel(left - 1, y)) > 127)
    --left;
  while (right < image.width() - 1 && qAlpha(image.pixel(right + 1, y)) > 127)
    ++right;
  return qAlpha(image.pixel(x, y)) > 127 ? right - left + 1 : 0;
}

QImage solidBase(const QColor &color) {
  QImage image(757, 910, QImage::Format_ARGB32);
  image.fill(color);
  return image;
}
} // namespace

// The pen, the marker and the rubber driven as a person draws: synthesized
// touches and mouse drags on the view, results read from the layer's pixels.
class DrawingToolsTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void initTestCase() { setResourceFolder(QUILL_RESOURCE_DIR); }

  void init() {
    QuillTest::failOnUnexpectedWarnings();
    PenTool::sharedPenTool()->setStrokeWidth(6);
    PenTool::sharedPenTool()->setCurrentColor(Qt::black);
    MarkPenTool::sharedMarkPenTool()->setLineWidth(12);
    RubberTool::sharedRubberTool()->setLineWidth(10);
  }

  void penTapLeavesRoundDot_data() {
    QTest::addColumn<float>("strokeWidth");
    QTest::addColumn<bool>("mouse");
    QTest::newRow("2 touch") << 2.0f << false;
    QTest::newRow("6 touch") << 6.0f << false;
    QTest::newRow("16 touch") << 16.0f << false;
    QTest::newRow("16 mouse") << 16.0f << true;
  }
  void penTapLeavesRoundDot() {
    QFETCH(float, strokeWidth);
    QFETCH(bool, mouse);
    SketchTestScene window;
    PenTool::sharedPenTool()->setStrokeWidth(strokeWidth);
    window.page().setActiveTool(PenTool::sharedPenTool());
    const QPointF at(200, 300);
    if (mouse)
      window.mouseStroke({at});
    else
      window.touchStroke({at});
    QCOMPARE(window.page().sketchView()->drawables().size(), size_t(1));
    const QImage flat = window.page().sketchView()->contentImage();
    const int diameter = qRound(2 * strokeWidth); // pixels at scale 2
    QVERIFY(qAbs(coveredRun(flat, 400, 600) - diameter) <= 1);
    // Round, not square: the corner of the enclosing square stays empty.
    const int corner = qCeil(strokeWidth * 0.85);
    QCOMPARE(qAlpha(flat.pixel(400 + corner, 600 + corner)), 0);
    QCOMPARE(qAlpha(flat.pixel(400, 600)), 255);
    // And the screen shows it.
    const QImage screen = window.grabWindow();
    QVERIFY(qGray(screen.pixel(window.toViewport(at))) < 60);
  }

  // The marker's tap is a translucent dot and the rubber's a clear spot, each of lineWidth.
  void markerAndRubberTapsLeaveRoundSpots() {
    SketchTestScene window;
    SketchView *sketch = window.page().sketchView();
    sketch->initContentImage(solidBase(QColor(200, 180, 120)));
    MarkPenTool::sharedMarkPenTool()->setCurrentColor(QColor(0, 0, 255, 128));
    MarkPenTool::sharedMarkPenTool()->setLineWidth(20);
    window.page().setActiveTool(MarkPenTool::sharedMarkPenTool());
    window.touchStroke({{200, 300}});
    RubberTool::sharedRubberTool()->setLineWidth(16);
    window.page().setActiveTool(RubberTool::sharedRubberTool());
    window.touchStroke({{400, 300}});
    QCOMPARE(sketch->drawables().size(), size_t(2));
    const QImage flat = sketch->contentImage();
    const QColor marked = QColor::fromRgba(flat.pixel(400, 600));
    QVERIFY(marked.blue() > marked.red()); // blue laid over the base, translucent
    QVERIFY(marked.red() > 60);
    QCOMPARE(qAlpha(flat.pixel(800, 600)), 0);
    QCOMPARE(qAlpha(flat.pixel(800 + 14, 600 + 14)), 255); // outside the round spot
    int clearRun = 0;
    for (int x = 760; x < 840; ++x)
      clearRun += qAlpha(flat.pixel(x, 600)) < 128;
    QVERIFY(qAbs(clearRun - 32) <= 1);
  }

  void penStrokeCommitsWhenTheFingerLifts() {
    SketchTestScene window;
    window.page().setActiveTool(PenTool::sharedPenTool());
    SketchView *sketch = window.page().sketchView();
    const QList<QPointF> points = line({100, 100}, {300, 200});
    window.touchPress(0, points.first());
    for (const QPointF &p : points.mid(1))
      window.touchMove(0, p);
    QVERIFY(sketch->drawables().empty());
    QCOMPARE(sketch->temps().size(), size_t(points.size() - 1));
    window.touchRelease(0, points.last());
    QVERIFY(sketch->temps().empty());
    QCOMPARE(sketch->drawables().size(), size_t(1));
    QCOMPARE(window.page().counts().undoCount(), 1);
    QVERIFY(window.page().sketched());
    const auto *group = dynamic_cast<const DrawPathGroup *>(sketch->drawables().front().get());
    QVERIFY(group);
    QCOMPARE(group->paths().size(), size_t(points.size())); // one per move and the closing one
  }

  void penWidthFollowsSpeedWithinBounds() {
    SketchTestScene window;
    window.page().setActiveTool(PenTool::sharedPenTool());
    QList<QPointF> points{{100, 400}};
    qreal x = 100;
    for (qreal step : {2, 2, 3, 6, 12, 24, 40, 40, 30, 10, 4, 2, 1, 1, 1}) {
      x += step;
      points.append({x, 400 + step});
    }
    window.touchStroke(points);
    const auto *group =
        dynamic_cast<const DrawPathGroup *>(window.page().sketchView()->drawables().front().get());
    const auto &pieces = group->paths();
    QCOMPARE(pieces.front()->lineWidth(), 0.8f * 6);
    float thinnest = 6, thickest = 0;
    for (const DrawPathPtr &piece : pieces) {
      QVERIFY(piece->lineWidth() >= 0.2f * 6 && piece->lineWidth() <= 0.8f * 6);
      thinnest = qMin(thinnest, piece->lineWidth());
      thickest = qMax(thickest, piece->lineWidth());
    }
    QVERIFY(thinnest < thickest); // the speed changed the width
  }

  void markerCrossingKeepsOneCoat() {
    SketchTestScene window;
    MarkPenTool *marker = MarkPenTool::sharedMarkPenTool();
    marker->setCurrentColor(QColor(0, 0, 255, 128));
    marker->setLineWidth(20);
    window.page().setActiveTool(marker);
    // Right, up, then down-left across the first leg: the stroke crosses itself at (300, 300).
    QList<QPointF> points = line({100, 300}, {400, 300});
    points += line({400, 300}, {400, 150}).mid(1);
    points += line({400, 150}, {250, 450}).mid(1);
    window.touchStroke(points);
    QCOMPARE(window.page().sketchView()->drawables().size(), size_t(1));
    const QImage flat = window.page().sketchView()->contentImage();
    const int single = qAlpha(flat.pixel(2 * 150, 2 * 300));
    QVERIFY(qAbs(single - 128) <= 2);
    int darkest = 0;
    for (int y = 2 * 280; y < 2 * 320; ++y)
      for (int x = 2 * 280; x < 2 * 330; ++x)
        darkest = qMax(darkest, qAlpha(flat.pixel(x, y)));
    QCOMPARE(darkest, single);
  }

  void rubberLeavesTransparentPixels() {
    SketchTestScene window;
    SketchView *sketch = window.page().sketchView();
    sketch->initContentImage(solidBase(QColor(200, 180, 120)));
    window.page().setActiveTool(PenTool::sharedPenTool());
    window.touchStroke(line({100, 200}, {100, 500}));
    RubberTool::sharedRubberTool()->setLineWidth(26);
    window.page().setActiveTool(RubberTool::sharedRubberTool());
    window.touchStroke(line({50, 350}, {400, 350}));
    const QImage flat = sketch->contentImage();
    QCOMPARE(qAlpha(flat.pixel(2 * 100, 2 * 350)), 0); // over the stroke
    QCOMPARE(qAlpha(flat.pixel(2 * 300, 2 * 350)), 0); // over the base only
    QCOMPARE(qAlpha(flat.pixel(2 * 300, 2 * 300)), 255);
    QCOMPARE(qGray(flat.pixel(2 * 100, 2 * 250)), 0);
    QCOMPARE(window.page().counts().undoCount(), 2);
  }

  void clearAndItsUndo() {
    SketchTestScene window;
    SketchView *sketch = window.page().sketchView();
    sketch->initContentImage(solidBase(QColor(200, 180, 120)));
    window.page().setActiveTool(PenTool::sharedPenTool());
    window.touchStroke(line({100, 200}, {300, 200}));
    const QImage before = sketch->contentImage();
    sketch->clearView();
    QImage cleared = sketch->contentImage();
    QImage transparent(cleared.size(), cleared.format());
    transparent.fill(Qt::transparent);
    transparent.setDevicePixelRatio(2);
    QCOMPARE(cleared, transparent);
    QCOMPARE(cleared.deviceIndependentSize(), sketch->boundingRect().size());
    window.touchStroke(line({100, 400}, {300, 400})); // drawn on the cleared layer
    QCOMPARE(qGray(sketch->contentImage().pixel(2 * 200, 2 * 400)), 0);
    QVERIFY(window.page().undoManager()->undo());
    QVERIFY(window.page().undoManager()->undo());
    QCOMPARE(sketch->contentImage(), before);
    QVERIFY(window.page().undoManager()->redo());
    QCOMPARE(sketch->contentImage(), transparent);
  }

  void secondFingerNeitherStartsNorDisturbs() {
    SketchTestScene window;
    window.page().setActiveTool(PenTool::sharedPenTool());
    const QList<QPointF> first = line({100, 100}, {100, 400}, 6);
    const QList<QPointF> second = line({400, 100}, {600, 300}, 6);
    window.touchPress(0, first.first());
    for (int i = 1; i < first.size(); ++i) {
      if (i == 5)
        window.touchPress(1, second.first());
      if (i > 5 && i < 30)
        window.touchMove(1, second.at(i - 5));
      if (i == 30)
        window.touchRelease(1, second.at(25));
      window.touchMove(0, first.at(i));
    }
    window.touchRelease(0, first.last());
    SketchView *sketch = window.page().sketchView();
    QCOMPARE(sketch->drawables().size(), size_t(1));
    QVERIFY(sketch->drawables().front()->frame().right() < 120);
    const QImage flat = sketch->contentImage();
    for (const QPointF &p : second)
      QCOMPARE(qAlpha(flat.pixel((2 * p).toPoint())), 0);
    for (int y = 2 * 110; y < 2 * 390; y += 7)
      QVERIFY2(qAlpha(flat.pixel(200, y)) > 200, qPrintable(QString::number(y)));
  }

  void mouseAndTabletAreOneFinger() {
    ToolTouchAdapter adapter;
    const QPointingDevice *pen = QPointingDevice::primaryPointingDevice();
    QTabletEvent press(QEvent::TabletPress, pen, QPointF(10, 20), QPointF(10, 20), 0.4, 0, 0, 0, 0,
                       0, Qt::NoModifier, Qt::LeftButton, Qt::LeftButton);
    QTabletEvent move(QEvent::TabletMove, pen, QPointF(15, 25), QPointF(15, 25), 0.6, 0, 0, 0, 0, 0,
                      Qt::NoModifier, Qt::NoButton, Qt::LeftButton);
    const QList<ToolTouch> down = adapter.translate(&press);
    const QList<ToolTouch> moved = adapter.translate(&move);
    QCOMPARE(down.size(), 1);
    QCOMPARE(down.first().phase, ToolTouch::Down);
    QCOMPARE(down.first().touchId, ToolTouch::kPointerId);
    QCOMPARE(down.first().pressure, 0.4);
    QCOMPARE(moved.first().phase, ToolTouch::Move);
    QCOMPARE(moved.first().previousPosition, QPointF(10, 20));
    // A mouse move while the pointer is down continues the same finger.
    QMouseEvent mouseMove(QEvent::MouseMove, QPointF(20, 30), QPointF(20, 30), Qt::NoButton,
                          Qt::LeftButton, Qt::NoModifier);
    QCOMPARE(adapter.translate(&mouseMove).first().touchId, ToolTouch::kPointerId);
    QMouseEvent hover(QEvent::MouseMove, QPointF(20, 30), QPointF(20, 30), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(20, 30), QPointF(20, 30),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCOMPARE(adapter.translate(&release).first().phase, ToolTouch::Up);
    QVERIFY(adapter.translate(&hover).isEmpty());
  }
};

QUILL_TEST(DrawingToolsTest)
#include "DrawingToolsTest.moc"
