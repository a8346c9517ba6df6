#include "QuillTest.h"
#include "SketchTestScene.h"

#include "common/FolderPaths.h"

#include "sketch/MarkPenTool.h"
#include "sketch/MarkToolSettingController.h"
#include "sketch/PanelButton.h"
#include "sketch/PenTool.h"
#include "sketch/PenToolSettingController.h"
#include "sketch/PopoverItem.h"
#include "sketch/RubberSettingController.h"
#include "sketch/RubberTool.h"
#include "sketch/SketchView.h"
#include "sketch/StrokeSampleView.h"

#include <QTest>

namespace {
void tap(SketchTestScene &window, QGraphicsItem *item) {
  const QPoint at = window.view().mapFromScene(item->mapToScene(item->boundingRect().center()));
  QTest::mouseClick(window.view().viewport(), Qt::LeftButton, {}, at);
}

template <typename Panel> Panel *present(SketchTestScene &window, const QRectF &anchor) {
  auto *panel = new Panel;
  PopoverItem *popover = PopoverItem::sharedPopover();
  popover->setContentItem(panel, panel->contentSizeForViewInPopover());
  popover->presentFromRect(anchor, &window.scene(), false);
  return panel;
}

QList<QPointF> wave(qreal x0, qreal y0, qreal length, qreal amplitude) {
  QList<QPointF> points;
  for (qreal x = 0; x <= length; x += 5)
    points.append({x0 + x, y0 + amplitude * std::sin(x / 40)});
  return points;
}
} // namespace

// The pen, marker and rubber panels in the shared popover, used by tapping.
class ToolSettingsTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void initTestCase() { setResourceFolder(QUILL_RESOURCE_DIR); }

  void init() {
    QuillTest::failOnUnexpectedWarnings();
    PenTool::sharedPenTool()->setStrokeWidth(6);
    PenTool::sharedPenTool()->setCurrentColor(Qt::black);
    MarkPenTool::sharedMarkPenTool()->setLineWidth(12);
    MarkPenTool::sharedMarkPenTool()->setCurrentColor(QColor::fromRgbF(0.4f, 0.5f, 0.6f, 0.5f));
    RubberTool::sharedRubberTool()->setLineWidth(10);
  }

  void popoverOpensWhereItFits_data() {
    QTest::addColumn<QRectF>("anchor");
    QTest::addColumn<bool>("below");
    QTest::newRow("room below") << QRectF(300, 40, 40, 40) << true;
    QTest::newRow("room only above") << QRectF(300, 900, 40, 40) << false;
  }
  void popoverOpensWhereItFits() {
    QFETCH(QRectF, anchor);
    QFETCH(bool, below);
    SketchTestScene window;
    PenToolSettingController *panel = present<PenToolSettingController>(window, anchor);
    const QRectF bubble = PopoverItem::sharedPopover()->bubbleRect();
    QCOMPARE(bubble.top() > anchor.bottom(), below);
    QCOMPARE(bubble.bottom() < anchor.top(), !below);
    QVERIFY(window.scene().sceneRect().contains(bubble));
    QVERIFY(panel->sceneBoundingRect().intersects(bubble));
    PopoverItem::sharedPopover()->dismiss(false);
  }

  void sharedToolsAreSingle() {
    QCOMPARE(PenTool::sharedPenTool(), PenTool::sharedPenTool());
    QVERIFY(static_cast<void *>(MarkPenTool::sharedMarkPenTool()) !=
            static_cast<void *>(RubberTool::sharedRubberTool()));
  }

  void defaultsSelectTheirSize() {
    PenToolSettingController pen;
    MarkToolSettingController marker;
    RubberSettingController rubber;
    QCOMPARE(pen.selectedSizeBtn()->tag(), 202);
    QCOMPARE(marker.selectedSizeBtn()->tag(), 203);
    QVERIFY(!rubber.selectedSizeBtn());
    QCOMPARE(pen.preview()->lineWidth(), 6.0f);
    QCOMPARE(pen.preview()->sampleType(), int(StrokeSampleView::Curve));
    QCOMPARE(marker.preview()->sampleType(), int(StrokeSampleView::Line));
  }

  void penPanelSetsColourAndSize() {
    SketchTestScene window;
    auto *panel = present<PenToolSettingController>(window, QRectF(300, 0, 40, 40));
    tap(window, panel->swatch(1));
    QCOMPARE(PenTool::sharedPenTool()->currentColor(), QColor(204, 0, 14));
    QCOMPARE(panel->preview()->strokeColor(), QColor(204, 0, 14));
    QCOMPARE(panel->sizeButtonDot(panel->selectedSizeBtn())->strokeColor(), QColor(204, 0, 14));
    PanelButton *old = panel->selectedSizeBtn();
    tap(window, panel->sizeButton(207));
    QCOMPARE(PenTool::sharedPenTool()->strokeWidth(), 16.0f);
    QCOMPARE(panel->preview()->lineWidth(), 16.0f);
    QCOMPARE(panel->selectedSizeBtn(), panel->sizeButton(207));
    QCOMPARE(panel->sizeButtonDot(old)->strokeColor(), QColor(Qt::black));
    PopoverItem::sharedPopover()->dismiss(false);
  }

  void markerColoursAreTranslucent() {
    SketchTestScene window;
    auto *panel = present<MarkToolSettingController>(window, QRectF(300, 0, 40, 40));
    tap(window, panel->swatch(9)); // white
    QColor expected(Qt::white);
    expected.setAlphaF(0.5f);
    QCOMPARE(MarkPenTool::sharedMarkPenTool()->currentColor(), expected);
    tap(window, panel->sizeButton(207));
    QCOMPARE(MarkPenTool::sharedMarkPenTool()->lineWidth(), 26.0f);
    PopoverItem::sharedPopover()->dismiss(false);
  }

  void rubberShownSizeDiffersFromWidth_data() {
    QTest::addColumn<int>("tag");
    QTest::addColumn<float>("width");
    QTest::newRow("shown 10") << 204 << 16.0f;
    QTest::newRow("shown 16") << 207 << 26.0f;
    QTest::newRow("shown 2") << 200 << 2.0f;
  }
  void rubberShownSizeDiffersFromWidth() {
    QFETCH(int, tag);
    QFETCH(float, width);
    SketchTestScene window;
    auto *panel = present<RubberSettingController>(window, QRectF(300, 0, 40, 40));
    tap(window, panel->sizeButton(tag));
    QCOMPARE(RubberTool::sharedRubberTool()->lineWidth(), width);
    QVERIFY(panel->sizeButton(tag)->isChosen());
    QCOMPARE(panel->selectedSizeBtn(), panel->sizeButton(tag));
    PopoverItem::sharedPopover()->dismiss(false);
  }

  void cleanPageClosesThePopoverAndClearsUndoably() {
    SketchTestScene window;
    window.page().setActiveTool(PenTool::sharedPenTool());
    window.touchStroke(wave(100, 300, 300, 30));
    const QImage drawn = window.page().sketchView()->contentImage();
    window.page().setActiveTool(RubberTool::sharedRubberTool());
    auto *panel = present<RubberSettingController>(window, QRectF(300, 0, 40, 40));
    tap(window, panel->cleanButton());
    QVERIFY(!PopoverItem::sharedPopover()->isPopoverVisible());
    QCOMPARE(window.page().sketchView()->drawables().size(), size_t(2));
    QCOMPARE(qAlpha(window.page().sketchView()->contentImage().pixel(200, 600)), 0);
    QVERIFY(window.page().undoManager()->undo());
    QCOMPARE(window.page().sketchView()->contentImage(), drawn);
  }

  void tapOutsideDismisses() {
    SketchTestScene window;
    present<PenToolSettingController>(window, QRectF(300, 0, 40, 40));
    QTest::mouseClick(window.view().viewport(), Qt::LeftButton, {}, QPoint(600, 900));
    QTRY_VERIFY(!PopoverItem::sharedPopover()->isPopoverVisible());
  }

  // A page with ink of every tool and the pen panel open, written for a person to look at.
  void renderPageWithPanel() {
    SketchTestScene window;
    window.page().setActiveTool(PenTool::sharedPenTool());
    PenTool::sharedPenTool()->setStrokeWidth(8);
    window.touchStroke(wave(80, 250, 560, 40));
    PenTool::sharedPenTool()->setCurrentColor(QColor(29, 49, 143));
    PenTool::sharedPenTool()->setStrokeWidth(4);
    QList<QPointF> fast;
    for (int i = 0; i <= 60; ++i) // a loop drawn quickly in the middle, slowly at the ends
      fast.append({380 + 150 * std::sin(i / 9.5), 520 - 100 * std::cos(i / 9.5) + i * 3});
    window.touchStroke(fast);
    MarkPenTool::sharedMarkPenTool()->setCurrentColor(QColor(255, 220, 0, 128));
    MarkPenTool::sharedMarkPenTool()->setLineWidth(24);
    window.page().setActiveTool(MarkPenTool::sharedMarkPenTool());
    QList<QPointF> mark = wave(60, 420, 600, 10);
    mark += wave(60, 440, 600, -60).mid(0).toList();
    std::reverse(mark.begin() + mark.size() / 2, mark.end());
    window.touchStroke(mark);
    RubberTool::sharedRubberTool()->setLineWidth(20);
    window.page().setActiveTool(RubberTool::sharedRubberTool());
    window.touchStroke({{300, 180}, {320, 260}, {340, 340}, {360, 420}, {380, 500}});
    window.page().setActiveTool(PenTool::sharedPenTool());
    present<PenToolSettingController>(window, QRectF(560, 0, 44, 44));
    QuillTest::keepSnapshot(window.grabWindow(), QStringLiteral("sketch-page"));
    PopoverItem::sharedPopover()->dismiss(false);
    present<RubberSettingController>(window, QRectF(640, 0, 44, 44));
    QuillTest::keepSnapshot(window.grabWindow(), QStringLiteral("sketch-rubber"));
    PopoverItem::sharedPopover()->dismiss(false);
  }
};

QUILL_TEST(ToolSettingsTest)
#include "ToolSettingsTest.moc"
