#include "QuillTest.h"
#include "SketchTestScene.h"

#include "common/FolderPaths.h"

#include "sketch/MarkPenTool.h"
#include "sketch/PenTool.h"
#include "sketch/QNRewindGestureRecognizer.h"
#include "sketch/QNRewindView.h"
#include "sketch/SketchView.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QTest>
#include <cmath>

namespace {
constexpr qreal kRadius = 200;

// The page point at angle degrees anticlockwise from the right of the page's centre.
QPointF around(const TestPageItem &page, qreal degrees) {
  const qreal a = qDegreesToRadians(degrees);
  return page.boundingRect().center() + QPointF(kRadius * std::cos(a), -kRadius * std::sin(a));
}

void drawStrokes(SketchTestScene &window, int count) {
  window.page().setActiveTool(PenTool::sharedPenTool());
  for (int i = 0; i < count; ++i)
    window.touchStroke({{100.0 + 20 * i, 100}, {110.0 + 20 * i, 160}, {120.0 + 20 * i, 220}});
}

// Turns finger 0 from one angle to another in steps of at most 10 degrees.
void turn(SketchTestScene &window, qreal from, qreal to) {
  const int steps = qCeil(qAbs(to - from) / 10);
  for (int i = 1; i <= steps; ++i)
    window.touchMove(0, around(window.page(), from + (to - from) * i / steps));
}

void holdTwoFingers(SketchTestScene &window, qreal startAngle) {
  window.touchPress(0, around(window.page(), startAngle));
  window.touchPress(1, QPointF(120, 880));
  QVERIFY(window.page().recognizer()->isHolding());
  QTRY_VERIFY_WITH_TIMEOUT(!window.page().recognizer()->isHolding(), 5000);
}
} // namespace

// Undo and redo by turning two fingers around the page's centre, and by keys.
class RewindGestureTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void initTestCase() { setResourceFolder(QUILL_RESOURCE_DIR); }
  void init() { QuillTest::failOnUnexpectedWarnings(); }

  void directionIsAnticlockwiseOnScreen_data() {
    QTest::addColumn<QPointF>("vector");
    QTest::addColumn<qreal>("angle");
    QTest::newRow("right") << QPointF(5, 0) << 0.0;
    QTest::newRow("up") << QPointF(0, -5) << M_PI / 2;
    QTest::newRow("left") << QPointF(-5, 0) << M_PI;
    QTest::newRow("down") << QPointF(0, 5) << 3 * M_PI / 2;
    QTest::newRow("zero") << QPointF(0, 0) << 0.0;
  }
  void directionIsAnticlockwiseOnScreen() {
    QFETCH(QPointF, vector);
    QFETCH(qreal, angle);
    QVERIFY(qAbs(QNRewindGestureRecognizer::direction(vector) - angle) < 1e-9);
  }

  void rotationReadsTheSmallTurn_data() {
    QTest::addColumn<qreal>("from");
    QTest::addColumn<qreal>("to");
    QTest::addColumn<qreal>("turn");
    QTest::newRow("anticlockwise") << 30.0 << 50.0 << 20.0;
    QTest::newRow("clockwise") << 50.0 << 30.0 << -20.0;
    QTest::newRow("across the axis anticlockwise") << 350.0 << 10.0 << 20.0;
    QTest::newRow("across the axis clockwise") << 10.0 << 350.0 << -20.0;
  }
  void rotationReadsTheSmallTurn() {
    QFETCH(qreal, from);
    QFETCH(qreal, to);
    QFETCH(qreal, turn);
    auto at = [](qreal d) {
      return QPointF(100 * std::cos(qDegreesToRadians(d)), -100 * std::sin(qDegreesToRadians(d)));
    };
    const qreal x = QNRewindGestureRecognizer::rotation(QPointF(0, 0), at(from), at(to));
    QVERIFY2(qAbs(x - qDegreesToRadians(turn)) < 1e-9, qPrintable(QString::number(x)));
    QCOMPARE(QNRewindGestureRecognizer::rotation(QPointF(0, 0), QPointF(3, 0), QPointF(0, 5)), 0.0);
  }

  void halfTurnsUndoAndRedo() {
    SketchTestScene window;
    drawStrokes(window, 3);
    SketchView *sketch = window.page().sketchView();
    const QImage withThree = sketch->contentImage();
    holdTwoFingers(window, 340);
    QVERIFY(window.page().recognizer()->rewindBegin());
    QVERIFY(window.page().rewindView()->isVisible());
    QCOMPARE(window.page().rewindView()->rewindStep(), 3u);
    turn(window, 340, 340 + 170); // crosses the positive x axis; a little less than half a turn
    QCOMPARE(sketch->drawables().size(), size_t(3));
    turn(window, 510, 340 + 190);
    QCOMPARE(sketch->drawables().size(), size_t(2));
    QCOMPARE(window.page().counts().redoCount(), 1);
    turn(window, 530, 370); // back clockwise, not yet to where the undo happened
    QCOMPARE(sketch->drawables().size(), size_t(2));
    turn(window, 370, 330); // back past the half turn that undid the step
    QCOMPARE(sketch->drawables().size(), size_t(3));
    QCOMPARE(window.page().counts().redoCount(), 0);
    window.touchRelease(0, around(window.page(), 350));
    window.touchRelease(1, QPointF(120, 880));
    QVERIFY(!window.page().recognizer()->rewindBegin());
    QVERIFY(!window.page().rewindView()->isVisible());
    // The fingers of the gesture drew nothing.
    QCOMPARE(sketch->contentImage(), withThree);
  }

  void turningPastAllStepsDoesNothingMore() {
    SketchTestScene window;
    drawStrokes(window, 1);
    holdTwoFingers(window, 0);
    turn(window, 0, 720);
    QVERIFY(window.page().sketchView()->drawables().empty());
    QCOMPARE(window.page().rewindView()->progress(), 1.0f);
    turn(window, 720,
         720 - 170); // the dial stopped at 1: less than half a turn back redoes nothing
    QVERIFY(window.page().sketchView()->drawables().empty());
    window.touchRelease(0, around(window.page(), 0));
    window.touchRelease(1, QPointF(120, 880));
  }

  void rewindCancelsTheMarkerStroke() {
    SketchTestScene window;
    window.page().setActiveTool(MarkPenTool::sharedMarkPenTool());
    holdTwoFingers(window, 90);
    QVERIFY(window.page().recognizer()->rewindBegin());
    turn(window, 90, 150);
    window.touchRelease(0, around(window.page(), 150));
    window.touchRelease(1, QPointF(120, 880));
    QVERIFY(window.page().sketchView()->drawables().empty());
    QVERIFY(window.page().sketchView()->temps().empty());
  }

  void movingBeforeTheHoldDoesNotStart() {
    SketchTestScene window;
    drawStrokes(window, 2);
    window.touchPress(0, around(window.page(), 0));
    window.touchPress(1, QPointF(120, 880));
    QVERIFY(window.page().recognizer()->isHolding());
    window.touchMove(1, QPointF(125, 880));
    // The hold is given up, so its time passing cannot start the rewind.
    QCOMPARE(window.page().recognizer()->state(), QNRewindGestureRecognizer::Failed);
    QVERIFY(!window.page().recognizer()->isHolding());
    QVERIFY(!window.page().recognizer()->rewindBegin());
    window.touchRelease(0, around(window.page(), 0));
    window.touchRelease(1, QPointF(125, 880));
    // No rewind: the first finger's tap stays as the dot it made, nothing was undone.
    QCOMPARE(window.page().counts().undoCount(), 3);
    QCOMPARE(window.page().sketchView()->drawables().size(), size_t(3));
  }

  void undoKeys() {
    SketchTestScene window;
    drawStrokes(window, 2);
    SketchView *sketch = window.page().sketchView();
    window.pressKey(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(sketch->drawables().size(), size_t(1));
    window.pressKey(Qt::Key_Z, Qt::ControlModifier);
    window.pressKey(Qt::Key_Z, Qt::ControlModifier); // nothing left
    QCOMPARE(sketch->drawables().size(), size_t(0));
    window.pressKey(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(sketch->drawables().size(), size_t(1));
    QCOMPARE(window.page().counts().undoCount(), 1);
    QCOMPARE(window.page().counts().redoCount(), 1);
  }

  void dialShowsStepsAndSectors() {
    QNRewindView dial;
    QImage image(260, 260, QImage::Format_ARGB32_Premultiplied);
    auto render = [&] {
      image.fill(Qt::transparent);
      QPainter painter(&image);
      dial.paint(&painter, nullptr, nullptr);
    };
    render();
    QCOMPARE(qAlpha(image.pixel(130, 130)), 128); // the face only
    QCOMPARE(qAlpha(image.pixel(130, 14)), 128);  // no dot
    dial.setRewindStep(30);
    dial.setProgress(40);
    QCOMPARE(dial.progress(), 30.0f);
    dial.setProgress(0);
    render();
    QCOMPARE(qRed(image.pixel(130, 14)), 255); // the first dot, at twelve o'clock
    const qreal a = 2 * M_PI / 20;             // twenty dots however many steps
    QCOMPARE(qRed(image.pixel(qRound(130 + 116 * std::sin(a)), qRound(130 - 116 * std::cos(a)))),
             255);
    QVERIFY(qAlpha(image.pixel(130, 60)) > 160); // the whole disc still to rewind
    dial.setProgress(15);
    render();
    // From twelve o'clock clockwise to the hour hand (at six) is still to rewind.
    QVERIFY(qAlpha(image.pixel(160, 130)) > 160);
    QCOMPARE(qAlpha(image.pixel(100, 130)), 128);
  }

  // The dial with its hands mid-rewind, written for a person to look at.
  void renderDial() {
    QGraphicsScene scene(0, 0, 300, 300);
    scene.setBackgroundBrush(QColor(252, 250, 240));
    auto *dial = new QNRewindView(QRectF(20, 20, 260, 260));
    scene.addItem(dial);
    dial->setRewindStep(8);
    dial->setProgress(2.4f);
    QImage image(600, 600, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter);
    painter.end();
    QuillTest::keepSnapshot(image, QStringLiteral("rewind-dial"));
  }
};

QUILL_TEST(RewindGestureTest)
#include "RewindGestureTest.moc"
