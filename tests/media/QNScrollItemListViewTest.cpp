#include "QuillTest.h"

#include "SceneHarness.h"
#include "common/FolderPaths.h"
#include "media/QNScrollItemListView.h"
#include "media/QNScrollItemListViewDelegate.h"

#include <QTest>

namespace {
struct Recorder : QNScrollItemListViewDelegate {
  QList<int> chosen;
  QList<int> selectedWhenTold;
  void ScrollItemListView(QNScrollItemListView *view, int index) override {
    chosen.append(index);
    selectedWhenTold.append(view->selectedIndex());
  }
};

QVariantList items(int count) {
  QVariantList list;
  for (int i = 0; i < count; ++i)
    list.append(QVariantMap{{"image", QString("filter_%1.jpg").arg(i)}, {"selectedImage", QString()}, {"title", QString::number(i)}});
  return list;
}
} // namespace

class QNScrollItemListViewTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void initTestCase() { setResourceFolder(QUILL_RESOURCE_DIR); }
  void init() { QuillTest::failOnUnexpectedWarnings(); }

  void laysOutItemsInARow() {
    QNScrollItemListView strip("filter");
    strip.resize(320, 90);
    strip.setItems(items(10));
    QCOMPARE(strip.contentWidth(), 660.0);
    QCOMPARE(strip.buttonRect(0), QRectF(8, 10, 50, 50));
    QCOMPARE(strip.buttonRect(3), QRectF(8 + 198, 10, 50, 50));
    QCOMPARE(strip.selectedIndex(), 0);
    QCOMPARE(strip.selectionCentre(), QPointF(33, 35));
    QCOMPARE(strip.selectedItem().value("title").toString(), QString("0"));
    strip.setSelectedIndex(12);
    QVERIFY(strip.selectedItem().isEmpty());
  }

  void aTapTellsTheDelegateThenCentresTheItem_data() {
    QTest::addColumn<int>("tapped");
    QTest::addColumn<qreal>("offset");
    // Centre 66·i + 33, less half the 320-point strip, kept within 0..660-320.
    QTest::newRow("first items stay put") << 1 << 0.0;
    QTest::newRow("middle item centred") << 4 << 4 * 66.0 + 33 - 160;
  }
  void aTapTellsTheDelegateThenCentresTheItem() {
    QFETCH(int, tapped);
    QFETCH(qreal, offset);
    SceneHarness harness;
    auto *strip = new QNScrollItemListView("filter");
    harness.scene.addItem(strip);
    strip->setGeometry(0, 900, 320, 90);
    strip->setItems(items(10));
    Recorder recorder;
    strip->setDelegate(&recorder);
    harness.tap(strip->mapToScene(strip->buttonRect(tapped).center()));
    QCOMPARE(recorder.chosen, QList<int>{tapped});
    QCOMPARE(recorder.selectedWhenTold, QList<int>{0}); // told before the selection moves
    QCOMPARE(strip->selectedIndex(), tapped);
    QTRY_COMPARE(strip->contentOffset(), offset);
    QTRY_COMPARE(strip->selectionCentre(), QPointF(66.0 * tapped + 33, 35));
  }

  void aDragScrollsWithoutChoosing() {
    SceneHarness harness;
    auto *strip = new QNScrollItemListView("filter");
    harness.scene.addItem(strip);
    strip->setGeometry(0, 900, 320, 90);
    strip->setItems(items(10));
    Recorder recorder;
    strip->setDelegate(&recorder);
    harness.drag(QPointF(300, 935), QPointF(100, 935));
    QVERIFY(recorder.chosen.isEmpty());
    QCOMPARE(strip->contentOffset(), 200.0);
    harness.drag(QPointF(300, 935), QPointF(50, 935)); // no further than the content's end
    QCOMPARE(strip->contentOffset(), 340.0);
  }
};

QUILL_TEST(QNScrollItemListViewTest)
#include "QNScrollItemListViewTest.moc"
