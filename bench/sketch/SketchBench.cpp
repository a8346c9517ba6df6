// Handwriting benchmarks: the cost of one pen and marker sample as the tools
// handle it (piece built, painted into the layer's picture at scale 2), of
// flattening the layer for saving, and of one undo plus redo, on pages whose
// history holds many committed strokes over the same area.
#include "sketch/DrawPathGroup.h"
#include "sketch/MarkPenTool.h"
#include "sketch/NoteBookToolDelegate.h"
#include "sketch/PenTool.h"
#include "sketch/SketchHistory.h"
#include "sketch/SketchView.h"
#include "sketch/SketchViewHost.h"
#include "sketch/StrokeGeometry.h"
#include "sketch/UndoCounts.h"
#include "sketch/UndoManager.h"

#include <QPainter>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {
const QPointF kCentre(378, 455);

// A page view as far as the sketch layer and the tools need one.
struct BenchPage : SketchViewHost, NoteBookToolDelegate {
  SketchView sketch;
  UndoManager manager;
  UndoCounts counts;
  BenchPage() { sketch.setNotePageView(this); }
  ~BenchPage() override { manager.removeAllActions(); }
  UndoManager *undoManager() override { return &manager; }
  void registUndoAction() override { counts.registUndoAction(manager); }
  void setPageEdited(bool) override {}
  void setSketched(bool) override {}
  QGraphicsObject *viewForEdit(NoteBookTool *) override { return &sketch; }
};

// A pen stroke of 20 smoothed pieces across the area around the centre.
DrawablePtr crossingStroke(QRandomGenerator &random) {
  const qreal a = random.bounded(2 * M_PI);
  const QPointF dir(std::cos(a), std::sin(a));
  const QPointF normal(-dir.y(), dir.x());
  const qreal offset = random.bounded(120.0) - 60;
  std::vector<DrawPathPtr> pieces;
  QPointF p0, p1, p2;
  for (int i = 0; i <= 21; ++i) {
    const QPointF point = kCentre + normal * offset + dir * (i * 14.0 - 150);
    p0 = i < 2 ? point : p1;
    p1 = i < 1 ? point : p2;
    p2 = point;
    if (i >= 2)
      pieces.push_back(DrawPath::pathWithPath(StrokeGeometry::smoothingSegment(p0, p1, p2),
                                              QColor(20, 20, 20), 2.5f + random.bounded(2.0),
                                              false));
  }
  return std::make_shared<const DrawPathGroup>(std::move(pieces));
}

void fillHistory(BenchPage &page, int strokes) {
  QRandomGenerator random(42);
  for (int i = 0; i < strokes; ++i)
    page.sketch.addDrawable(crossingStroke(random));
}

// The finger's path: a circle around the centre, 3 points a sample.
QPointF circlePoint(int sample) {
  const qreal a = sample * 3.0 / 110;
  return kCentre + QPointF(110 * std::cos(a), 110 * std::sin(a));
}

ToolTouch touch(ToolTouch::Phase phase, const QPointF &at, const QPointF &previous) {
  ToolTouch t;
  t.phase = phase;
  t.position = at;
  t.previousPosition = previous;
  t.touchId = 0;
  return t;
}

void penSample(benchmark::State &state) {
  BenchPage page;
  fillHistory(page, int(state.range(0)));
  page.manager.removeAllActions();
  PenTool *pen = PenTool::sharedPenTool();
  pen->setStrokeWidth(6);
  pen->setToolDelegate(&page);
  int sample = 0;
  pen->touchesBegan({touch(ToolTouch::Down, circlePoint(0), circlePoint(0))});
  for (auto _ : state) {
    ++sample;
    pen->touchesMoved({touch(ToolTouch::Move, circlePoint(sample), circlePoint(sample - 1))});
    if (sample % 2000 == 0) { // keep the stroke in progress from growing without end
      state.PauseTiming();
      pen->cancel();
      pen->touchesBegan({touch(ToolTouch::Down, circlePoint(sample), circlePoint(sample))});
      state.ResumeTiming();
    }
  }
  pen->cancel();
  pen->setToolDelegate(nullptr);
}

// QPainter alone stroking the pen's kind of segment into a picture of the layer's size.
void strokeFloor(benchmark::State &state) {
  QImage picture(1514, 1820, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  int sample = 2;
  for (auto _ : state) {
    ++sample;
    const QPainterPath segment = StrokeGeometry::smoothingSegment(
        circlePoint(sample - 2), circlePoint(sample - 1), circlePoint(sample));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(2, 2);
    painter.strokePath(segment, QPen(Qt::black, 4.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
}

void markerSample(benchmark::State &state) {
  BenchPage page;
  MarkPenTool *marker = MarkPenTool::sharedMarkPenTool();
  marker->setLineWidth(12);
  marker->setToolDelegate(&page);
  const int length = int(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    marker->touchesBegan({touch(ToolTouch::Down, circlePoint(0), circlePoint(0))});
    for (int i = 1; i <= length; ++i)
      marker->touchesMoved({touch(ToolTouch::Move, circlePoint(i), circlePoint(i - 1))});
    state.ResumeTiming();
    marker->touchesMoved({touch(ToolTouch::Move, circlePoint(length + 1), circlePoint(length))});
    state.PauseTiming();
    marker->cancel();
    state.ResumeTiming();
  }
  marker->setToolDelegate(nullptr);
}

void flatten(benchmark::State &state) {
  BenchPage page;
  fillHistory(page, int(state.range(0)));
  for (auto _ : state) {
    QImage picture = page.sketch.contentImage();
    benchmark::DoNotOptimize(picture.constBits());
  }
}

// One undo and one redo of the newest stroke through the page's undo manager.
void undoRedo(benchmark::State &state) {
  BenchPage page;
  fillHistory(page, int(state.range(0)));
  for (auto _ : state) {
    page.manager.undo();
    page.manager.redo();
  }
}

// The same on a history that keeps no saved pixels (as when the newest
// strokes' pixels were dropped for memory): the undo redraws the history
// within the stroke's frame.
void undoRedoRedraw(benchmark::State &state) {
  SketchHistory history;
  history.setSnapshotBudget(0);
  QRandomGenerator random(42);
  for (int i = 0; i < state.range(0); ++i)
    history.appendDrawable(crossingStroke(random));
  const DrawablePtr newest = history.drawables().back();
  for (auto _ : state) {
    history.removeDrawable(newest);
    history.appendDrawable(newest);
  }
}
// Undo after undo, ever further back through the page's history (beyond the
// pixels saved for the newest strokes).
void undoDeep(benchmark::State &state) {
  BenchPage page;
  fillHistory(page, int(state.range(0)));
  for (auto _ : state)
    page.manager.undo();
}
} // namespace

BENCHMARK(penSample)->Name("pen_sample")->Arg(0)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(strokeFloor)->Name("stroke_floor")->Unit(benchmark::kMicrosecond);
BENCHMARK(markerSample)
    ->Name("marker_sample")
    ->Arg(200)
    ->Iterations(40)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(flatten)->Name("flatten")->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(undoRedo)->Name("undo_redo")->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(undoDeep)->Name("undo_deep")->Arg(10000)->Iterations(320)->Unit(benchmark::kMillisecond);
BENCHMARK(undoRedoRedraw)->Name("undo_redo_redraw")->Arg(10000)->Unit(benchmark::kMillisecond);
