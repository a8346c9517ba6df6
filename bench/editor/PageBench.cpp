// Page canvas benchmarks on a stored page of 50 styled text boxes and a sketch
// picture: opening it (page file read and parsed, widgets built from their
// records and styled-text files, background and sketch decoded, first frame
// painted), against the bare decode of its pictures plus the JSON parse in the
// same run; and saving it after one pen stroke.
#include "common/FolderPaths.h"
#include "editor/NotePageView.h"
#include "editor/NotePageViewDelegate.h"
#include "editor/TextWidget.h"
#include "sketch/NoteBookToolDelegate.h"
#include "sketch/PenTool.h"
#include "sketch/SketchView.h"
#include "store/NoteBook.h"
#include "store/NoteBookManager.h"
#include "store/NotePage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGraphicsScene>
#include <QJsonDocument>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {
struct Editor : NotePageViewDelegate, NoteBookToolDelegate {
  NotePageView *page = nullptr;
  NoteBookTool *tool = nullptr;
  NoteBookTool *activeTool() override { return tool; }
  QGraphicsObject *viewForEdit(NoteBookTool *) override { return page->sketchView(); }
};

// One pen stroke of 40 samples in a wave across the page.
void stroke(NotePageView &page, qreal y) {
  PenTool *pen = PenTool::sharedPenTool();
  QPointF last(60, y);
  pen->touchesBegan({ToolTouch{ToolTouch::Down, last, last}});
  for (int i = 1; i <= 40; ++i) {
    const QPointF next(60 + i * 15, y + 30 * std::sin(i / 4.0));
    pen->touchesMoved({ToolTouch{ToolTouch::Move, next, last}});
    last = next;
  }
  pen->touchesEnded({ToolTouch{ToolTouch::Up, last, last}});
  page.setSketched(true);
}

// A home folder with one notebook whose one page holds `boxes` text boxes
// (two styled runs each) and a sketch of 30 strokes, saved as the editor saves it.
struct StoredPage {
  QTemporaryDir home;
  std::shared_ptr<NoteBook> book;
  QString identifier;

  explicit StoredPage(int boxes) {
    setHomeFolder(home.path());
    setResourceFolder(QUILL_RESOURCE_DIR);
    QDir().mkpath(temporaryPathWithName(QString()));
    NoteBookManager &manager = NoteBookManager::sharedNoteBookManager();
    manager.initData();
    book = std::make_shared<NoteBook>(manager.newNoteBookIdentifier());
    manager.addNoteBook(book);
    manager.setEditingNote(book);
    auto page = book->pageWithIdentifer(book->newPageIdentifier());
    identifier = page->identifier();
    book->addPage(*page);
    Editor editor;
    NotePageView view;
    editor.page = &view;
    view.setPageDelegate(&editor);
    view.setNotePage(std::move(page));
    for (int i = 0; i < boxes; ++i) {
      auto *box = new TextWidget(QRectF(20 + (i % 2) * 370, 20 + (i / 2) * 34, 350, 40));
      box->setText(QStringLiteral("Text box %1 with a few words on it").arg(i));
      QFont big = box->font();
      big.setPointSizeF(24);
      box->setFont(big);
      view.addWidget(box, false);
    }
    PenTool::sharedPenTool()->setToolDelegate(&editor);
    for (int i = 0; i < 30; ++i)
      stroke(view, 40 + i * 29);
    view.savePageData();
    PenTool::sharedPenTool()->deactivate();
    PenTool::sharedPenTool()->setToolDelegate(nullptr);
  }
};

void renderFrame(QGraphicsScene &scene, QImage &frame) {
  QPainter painter(&frame);
  scene.render(&painter, QRectF(0, 0, 768, 1024), QRectF(0, 0, 768, 1024));
}

void page_open(benchmark::State &state) {
  StoredPage stored(int(state.range(0)));
  QGraphicsScene scene(0, 0, 768, 1024);
  Editor editor;
  auto *view = new NotePageView();
  editor.page = view;
  view->setPageDelegate(&editor);
  scene.addItem(view);
  QImage frame(768 * 2, 1024 * 2, QImage::Format_ARGB32_Premultiplied);
  frame.setDevicePixelRatio(2);
  auto probe = stored.book->pageWithIdentifer(stored.identifier);
  const QString pageFile = probe->dataPath(), sketchFile = probe->sketchImagePath();
  const QString backgroundFile = stored.book->backgroundForPage(0);
  double baselineTotal = 0;
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    {
      QFile file(pageFile);
      file.open(QIODevice::ReadOnly);
      benchmark::DoNotOptimize(QJsonDocument::fromJson(file.readAll()));
      benchmark::DoNotOptimize(QImage(sketchFile).isNull());
      benchmark::DoNotOptimize(QImage(backgroundFile).isNull());
    }
    const double baseline = timer.nsecsElapsed() / 1e9;
    timer.restart();
    view->setNotePage(stored.book->pageWithIdentifer(stored.identifier));
    frame.fill(Qt::white);
    renderFrame(scene, frame);
    state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    baselineTotal += baseline;
    if (view->widgets().size() != size_t(state.range(0)))
      state.SkipWithError("the page did not load its boxes");
  }
  state.counters["baseline_ms"] = benchmark::Counter(baselineTotal * 1e3 / state.iterations());
}
BENCHMARK(page_open)->Arg(50)->UseManualTime()->Unit(benchmark::kMillisecond);

void page_save(benchmark::State &state) {
  StoredPage stored(int(state.range(0)));
  QGraphicsScene scene(0, 0, 768, 1024);
  Editor editor;
  auto *view = new NotePageView();
  editor.page = view;
  editor.tool = PenTool::sharedPenTool();
  view->setPageDelegate(&editor);
  scene.addItem(view);
  view->setNotePage(stored.book->pageWithIdentifer(stored.identifier));
  PenTool::sharedPenTool()->setToolDelegate(&editor);
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    stroke(*view, 100 + (round++ % 20) * 40);
    state.ResumeTiming();
    if (!view->savePageData())
      state.SkipWithError("the save failed");
  }
  PenTool::sharedPenTool()->deactivate();
  PenTool::sharedPenTool()->setToolDelegate(nullptr);
}
BENCHMARK(page_save)->Arg(50)->Unit(benchmark::kMillisecond);
} // namespace
