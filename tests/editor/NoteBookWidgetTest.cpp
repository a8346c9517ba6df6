#include "EditorFixture.h"
#include "QuillTest.h"

#include "editor/NoteBookWidget.h"
#include "editor/NotePageView.h"
#include "editor/PhotoTipView.h"
#include "editor/TextTool.h"
#include "editor/TextWidget.h"
#include "store/NoteBook.h"
#include "store/TextWidgetData.h"
#include "store/VideoWidgetData.h"

#include <QPainter>
#include <QTest>

class NoteBookWidgetTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void snapRule_data() {
    QTest::addColumn<QRectF>("frame");
    QTest::addColumn<QPointF>("snapped");
    QTest::newRow("10 points show") << QRectF(-190, 50, 200, 80) << QPointF(-160, 50);
    QTest::newRow("exactly 40 show") << QRectF(-160, 50, 200, 80) << QPointF(-160, 50);
    QTest::newRow("41 show") << QRectF(-159, 50, 200, 80) << QPointF(-159, 50);
    QTest::newRow("beyond the right") << QRectF(740, 50, 200, 80) << QPointF(728, 50);
    QTest::newRow("at the right limit") << QRectF(728, 50, 200, 80) << QPointF(728, 50);
    QTest::newRow("inside") << QRectF(300, -20, 200, 80) << QPointF(300, -20);
  }
  void snapRule() {
    QFETCH(QRectF, frame);
    QFETCH(QPointF, snapped);
    QCOMPARE(NoteBookWidget::snapFrame(frame).topLeft(), snapped);
  }

  // A text box dragged by a finger on the page; the drag ends with the snap.
  void textDragLimits_data() {
    QTest::addColumn<QPointF>("start");
    QTest::addColumn<QPointF>("offset");
    QTest::addColumn<QPointF>("end");
    QTest::newRow("left until 10 show") << QPointF(100, 300) << QPointF(-290, 0) << QPointF(-160, 300);
    QTest::newRow("right beyond 728") << QPointF(600, 300) << QPointF(200, 0) << QPointF(728, 300);
    QTest::newRow("up stops at -25") << QPointF(300, 10) << QPointF(0, -60) << QPointF(300, -20);
    QTest::newRow("down stops at the bottom") << QPointF(300, 800) << QPointF(0, 100) << QPointF(300, 850);
    QTest::newRow("free move") << QPointF(300, 300) << QPointF(-50, 70) << QPointF(250, 370);
  }
  void textDragLimits() {
    QFETCH(QPointF, start);
    QFETCH(QPointF, offset);
    QFETCH(QPointF, end);
    EditorFixture f;
    f.showNewPage();
    auto *box = new TextWidget(QRectF(start, QSizeF(200, 60)));
    box->setSize(QSizeF(200, 60));
    f.page->addWidget(box, false);
    f.setCurrentTool(TextTool::sharedTextTool());
    const QPointF grip = start + QPointF(20, 30);
    f.drag(grip, grip + offset, 10);
    QCOMPARE(f.page->activeWidget(), static_cast<NoteBookWidget *>(box));
    QCOMPARE(box->pos(), end);
  }

  // One sticking out above the top already can still be moved.
  void boxAboveTheTopStillMoves() {
    EditorFixture f;
    f.showNewPage();
    auto *box = new TextWidget(QRectF(300, -40, 200, 60));
    f.page->addWidget(box, false);
    box->setActive(true);
    box->moveByOffset(0, -5);
    QCOMPARE(box->pos(), QPointF(300, -45));
  }

  void deactivationStopsADrag() {
    EditorFixture f;
    f.showNewPage();
    auto *box = new TextWidget(QRectF(100, 100, 200, 60));
    f.page->addWidget(box, false);
    f.setCurrentTool(TextTool::sharedTextTool());
    f.press(QPointF(120, 130));
    f.move(QPointF(140, 130));
    QCOMPARE(box->pos(), QPointF(120, 100));
    QVERIFY(box->isMoving());
    f.page->setActiveWidget(nullptr);
    QVERIFY(!box->isMoving());
    f.move(QPointF(200, 130));
    f.release(QPointF(200, 130));
    QCOMPARE(box->pos(), QPointF(120, 100));
  }

  void baseResizeKeepsCentre() {
    NoteBookWidget widget(QRectF(100, 100, 100, 50));
    widget.resizeByOffset(-40, -40);
    QCOMPARE(widget.size(), QSizeF(80, 30));
    QCOMPARE(widget.center(), QPointF(150, 125));
  }

  void widgetWithDataDispatchesByClassName() {
    EditorFixture f;
    TextWidgetData text;
    text.setFrame(QRectF(10, 20, 200, 60));
    text.setText("hi");
    std::unique_ptr<NoteBookWidget> made(NoteBookWidget::widgetWithData(text));
    QVERIFY(qobject_cast<TextWidget *>(made.get()));
    QCOMPARE(made->frame().topLeft(), QPointF(10, 20));
    QVERIFY(NoteBookWidget::widgetWithData(VideoWidgetData()) == nullptr);
  }

  void photoTipDrawsFrameAndCorners() {
    QGraphicsScene scene(0, 0, 200, 200);
    auto *tip = new PhotoTipView(QSizeF(200, 200));
    scene.addItem(tip);
    QVERIFY(!tip->isVisible());
    QCOMPARE(tip->data(0).toInt(), 100);
    tip->setVisible(true);
    QImage out(200, 200, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::white);
    QPainter painter(&out);
    scene.render(&painter);
    painter.end();
    QCOMPARE(out.pixelColor(100, 0).red(), 255);
    QVERIFY(out.pixelColor(100, 0).blue() < 230);
    QVERIFY(out.pixelColor(5, 5) != QColor(Qt::white));     // top-left arrow
    QVERIFY(out.pixelColor(194, 194) != QColor(Qt::white)); // bottom-right arrow
  }
};

QUILL_TEST(NoteBookWidgetTest)
#include "NoteBookWidgetTest.moc"
