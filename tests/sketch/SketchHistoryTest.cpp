#include "QuillTest.h"

#include "sketch/DrawClear.h"
#include "sketch/DrawPathGroup.h"
#include "sketch/SketchHistory.h"

#include <QPainter>
#include <QTest>

namespace {
DrawablePtr stroke(const QPointF &from, const QPointF &to, const QColor &color, float width,
                   bool rubber = false) {
  QPainterPath path(from);
  path.quadTo((from + to) / 2 + QPointF(0, 30), to);
  return std::make_shared<const DrawPathGroup>(
      std::vector<DrawPathPtr>{DrawPath::pathWithPath(path, color, width, rubber)});
}

// What the layer must show: the base, then every item drawn in order, at scale 2.
QImage drawnInOrder(const SketchHistory &history) {
  QImage image(history.picture().size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  if (!history.baseImage().isNull())
    painter.drawImage(0, 0, history.baseImage());
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(history.scale(), history.scale());
  for (const DrawablePtr &item : history.drawables())
    item->draw(painter);
  for (const DrawPathPtr &piece : history.temps())
    piece->draw(painter);
  return image;
}

QImage basePicture() {
  QImage base(757, 910, QImage::Format_ARGB32);
  base.fill(QColor(30, 90, 200));
  return base;
}
} // namespace

// The layer's cached rasters always show what drawing the history in order
// shows, through strokes, rubber strokes, clears, undo and redo.
class SketchHistoryTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void flattensAtScaleTwo() {
    SketchHistory history(QSizeF(757, 910));
    QVERIFY(history.contentImage().isNull());
    history.appendDrawable(stroke({10, 10}, {300, 400}, Qt::black, 4));
    const QImage flat = history.contentImage();
    QCOMPARE(flat.size(), QSize(1514, 1820));
    QCOMPARE(flat.format(), QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(qAlpha(flat.pixel(0, 1819)), 0);
  }

  void emptyHistoryFlattensToTheBaseItself() {
    SketchHistory history;
    history.initContentImage(basePicture());
    const QImage base = history.baseImage();
    QCOMPARE(history.contentImage().cacheKey(), base.cacheKey());
    QCOMPARE(base.size(), QSize(1514, 1820));
  }

  void cacheMatchesDrawingInOrder_data() {
    QTest::addColumn<qint64>("snapshotBudget");
    QTest::newRow("undo from saved pixels") << qint64(96) * 1024 * 1024;
    QTest::newRow("undo by redrawing the frame") << qint64(0);
  }
  void cacheMatchesDrawingInOrder() {
    QFETCH(qint64, snapshotBudget);
    SketchHistory history;
    history.setSnapshotBudget(snapshotBudget);
    history.initContentImage(basePicture());
    const DrawablePtr a = stroke({50, 50}, {400, 300}, Qt::black, 5);
    const DrawablePtr b = stroke({60, 300}, {420, 60}, QColor(255, 0, 0, 128), 12);
    const DrawablePtr rubber = stroke({40, 100}, {500, 200}, Qt::white, 16, true);
    const DrawablePtr clear = std::make_shared<const DrawClear>(history.bounds());
    const DrawablePtr c = stroke({100, 500}, {600, 800}, QColor(0, 140, 208), 3);
    for (const DrawablePtr &item : {a, b, rubber})
      history.appendDrawable(item);
    QCOMPARE(history.picture(), drawnInOrder(history));
    history.appendDrawable(clear);
    history.appendDrawable(c);
    QCOMPARE(history.picture(), drawnInOrder(history));
    QCOMPARE(qAlpha(history.picture().pixel(2 * 60, 2 * 60)), 0); // the clear hides the base
    history.removeDrawable(c);
    history.removeDrawable(clear);
    QCOMPARE(history.picture(), drawnInOrder(history));
    QCOMPARE(history.picture().pixel(1400, 100), history.baseImage().pixel(1400, 100));
    history.removeDrawable(rubber);
    QCOMPARE(history.picture(), drawnInOrder(history));
    history.appendDrawable(rubber);
    history.removeDrawable(a); // not the newest
    QCOMPARE(history.picture(), drawnInOrder(history));
  }

  // Undoing far back, past the saved pixels, stays exact step by step.
  void deepUndoStaysExact() {
    SketchHistory history;
    history.setSnapshotBudget(3 << 20); // room for a few strokes only
    history.initContentImage(basePicture());
    for (int i = 0; i < 90; ++i) {
      const QPointF from(30 + (i * 37) % 600, 40 + (i * 53) % 700);
      history.appendDrawable(stroke(from, from + QPointF(120, 60 - i % 120),
                                    QColor(i * 2, 0, 255 - i * 2, 200), 3 + i % 7, i % 11 == 5));
    }
    QVERIFY(history.picture() == drawnInOrder(history));
    for (int step = 1; step <= 90; ++step) {
      history.removeDrawable(history.drawables().back());
      if (step % 9 == 0)
        QVERIFY2(history.picture() == drawnInOrder(history), qPrintable(QString::number(step)));
    }
    QCOMPARE(history.picture(), history.baseImage());
  }

  void piecesInProgressShowOverTheHistory() {
    SketchHistory history;
    history.appendDrawable(stroke({50, 50}, {400, 300}, Qt::black, 5));
    QPainterPath path(QPointF(60, 300));
    path.lineTo(420, 60);
    history.appendTemp(DrawPath::pathWithPath(path, Qt::red, 6, false));
    history.appendTemp(DrawPath::pathWithPath(path.translated(0, 40), Qt::red, 6, true));
    QCOMPARE(history.picture(), drawnInOrder(history));
    QCOMPARE(history.contentImage(), drawnInOrder(history));
    history.clearTemps();
    QVERIFY(history.temps().empty());
    QCOMPARE(history.picture(), drawnInOrder(history));
  }

  void rubberErasesTheBase() {
    SketchHistory history;
    history.initContentImage(basePicture());
    history.appendDrawable(stroke({100, 100}, {300, 100}, Qt::white, 20, true));
    QCOMPARE(qAlpha(history.contentImage().pixel(2 * 100, 2 * 100)), 0);
    QCOMPARE(qAlpha(history.contentImage().pixel(2 * 100, 2 * 300)), 255);
  }
};

QUILL_TEST(SketchHistoryTest)
#include "SketchHistoryTest.moc"
