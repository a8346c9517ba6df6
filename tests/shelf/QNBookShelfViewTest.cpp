#include "QuillTest.h"

#include "shelf/BookShelfViewDataSource.h"
#include "shelf/QNBookCoverView.h"
#include "shelf/QNBookShelfView.h"

#include <QGraphicsScene>
#include <QTest>

namespace {
// Plain covers of a fixed size, counted as they are made.
class CountingSource : public BookShelfViewDataSource {
public:
  int count = 0;
  int perRow = 3;
  std::optional<QSizeF> size = QSizeF(200, 250);
  int made = 0;
  int numberOfBookInShelf(QNBookShelfView *) override { return count; }
  int numberOfBookPerRowForShelf(QNBookShelfView *) override { return perRow; }
  qreal rowHightOfShelfView(QNBookShelfView *) override { return 300; }
  QNBookCoverView *shelfViewCoverForBookAtIndex(QNBookShelfView *shelf, int) override {
    if (QNBookCoverView *cover = shelf->dequeueReusableCoverWithIdentifier("plain"))
      return cover;
    ++made;
    auto *cover = new QNBookCoverView;
    cover->setIdentifier("plain");
    return cover;
  }
  QNBookShelfCell *shelfViewBackgroundOfRow(QNBookShelfView *, int) override { return nullptr; }
  std::optional<QSizeF> shelfViewCoverViewSizeInRow(QNBookShelfView *, int) override { return size; }
};
} // namespace

class QNBookShelfViewTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void gapBetweenCovers_data() {
    QTest::addColumn<int>("perRow");
    QTest::addColumn<qreal>("coverWidth");
    QTest::addColumn<int>("expectedPerRow");
    QTest::addColumn<qreal>("expectedGap");
    QTest::newRow("three covers spread") << 3 << 200.0 << 3 << (768.0 - 20 - 600) / 2;
    QTest::newRow("one per row has no gap") << 1 << 200.0 << 1 << 0.0;
    QTest::newRow("zero per row is one") << 0 << 200.0 << 1 << 0.0;
    QTest::newRow("covers too wide give no gap") << 4 << 300.0 << 4 << 0.0;
  }
  void gapBetweenCovers() {
    QFETCH(int, perRow);
    QFETCH(qreal, coverWidth);
    QFETCH(int, expectedPerRow);
    QFETCH(qreal, expectedGap);
    QGraphicsScene scene;
    auto *shelf = new QNBookShelfView;
    scene.addItem(shelf);
    shelf->resize(768, 979);
    CountingSource source;
    source.count = 7;
    source.perRow = perRow;
    source.size = QSizeF(coverWidth, 250);
    shelf->setDataSource(&source);
    QCOMPARE(shelf->numberPerRow(), expectedPerRow);
    QCOMPARE(shelf->paddingWidth(), expectedGap);
    QCOMPARE(shelf->rowCount(), (7 + expectedPerRow - 1) / expectedPerRow);
    QVERIFY(std::isfinite(shelf->frameForIndex(6).x()));
    // Few covers still scroll (and bounce) by one point.
    if (expectedPerRow > 1)
      QCOMPARE(shelf->contentHeight(), 979.0 + 1);
    shelf->setDataSource(nullptr);
  }

  void onlyVisibleCoversExist() {
    QGraphicsScene scene;
    auto *shelf = new QNBookShelfView;
    scene.addItem(shelf);
    shelf->resize(768, 979);
    CountingSource source;
    source.count = 1000;
    shelf->setDataSource(&source);
    const int visibleRows = int(979 / 300) + 1;
    QCOMPARE(shelf->coverLayer()->childItems().size(), visibleRows * 3);
    for (int step = 1; step <= 200; ++step)
      shelf->setContentOffset(step * 150.0);
    QCOMPARE(shelf->coverLayer()->childItems().size(), visibleRows * 3);
    // Scrolling a whole shelf down made only a few covers beyond the first screen.
    QVERIFY2(source.made <= visibleRows * 3 + 6, qPrintable(QString::number(source.made)));
    for (QNBookCoverView *cover : shelf->covers())
      QVERIFY(shelf->visibleRange().contains(cover->index()));
    shelf->setContentOffset(shelf->contentHeight());
    QCOMPARE(shelf->covers().back()->index() / 3, 999 / 3);
    shelf->setDataSource(nullptr);
  }

  void indexOfRectTargetsEnds() {
    QGraphicsScene scene;
    auto *shelf = new QNBookShelfView;
    scene.addItem(shelf);
    shelf->resize(768, 979);
    CountingSource source;
    source.count = 8;
    shelf->setDataSource(&source);
    QCOMPARE(shelf->indexOfRect(QRectF(-100, -400, 200, 250)), 0);
    QCOMPARE(shelf->indexOfRect(QRectF(700, 2000, 200, 250)), 7);
    QCOMPARE(shelf->indexOfRect(shelf->frameForIndex(4)), 4);
    shelf->setDataSource(nullptr);
  }
};

QUILL_TEST(QNBookShelfViewTest)
#include "QNBookShelfViewTest.moc"
