// Page canvas benchmarks on a stored page of 50 styled text boxes and a sketch
// picture: opening it (page file read and parsed, widgets built from their
// records and styled-text files, background and sketch decoded, first frame
// painted), against the bare decode of its pictures plus the JSON parse in the
// same run; saving it after one pen stroke; and turning from it in the
// editor screen, from the tap on the right arrow to the next page's first
// frame, with the page needing a save.
#include "common/FolderPaths.h"
#include "common/QNAlertCenter.h"
#include "editor/NotePageController.h"
#include "editor/NotePageView.h"
#include "editor/NotePageViewDelegate.h"
#include "editor/TextWidget.h"
#include "sketch/NoteBookToolDelegate.h"
#include "shell/BaseViewController.h"
#include "shell/QNNavigationController.h"
#include "sketch/PenTool.h"
#include "sketch/PopoverItem.h"
#include "sketch/SketchView.h"
#include "store/NoteBook.h"
#include "store/NoteBookManager.h"
#include "store/NotePage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QTimer>
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

void tap(QGraphicsView &view, const QGraphicsItem *item) {
  const QPointF at = view.mapFromScene(item->sceneBoundingRect().center());
  for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, at, view.viewport()->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &event);
  }
}

// Runs the event loop until done answers true.
void runUntil(const std::function<bool()> &done) {
  while (!done())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// The editor screen in a shown window over the stored page and an empty
// second page, editable, with the pen. Each turn follows a new stroke (second
// argument 1) or no edit at all (0); the turn back to the first page is not
// measured. The main thread's longest
// stall is the longest gap between the beats of a 1 ms timer during the turn.
void page_turn(benchmark::State &state) {
  StoredPage stored(int(state.range(0)));
  stored.book->addPage(NotePage(stored.book.get(), stored.book->newPageIdentifier()));
  QGraphicsScene scene(0, 0, 768, 1024);
  QGraphicsView window(&scene);
  window.setFixedSize(768, 1024);
  window.setFrameShape(QFrame::NoFrame);
  window.show();
  auto *navigation = new QNNavigationController(new BaseViewController);
  navigation->setGeometry(0, 0, 768, 1024);
  scene.addItem(navigation);
  QNAlertCenter::sharedQNAlertCenter().setScene(&scene);
  auto *editor = new NotePageController;
  navigation->pageJump(editor, QVariantMap{{QStringLiteral("notebook"), QVariant::fromValue(stored.book)},
                                           {QStringLiteral("notePageIndex"), 0}});
  navigation->finishTransition();
  editor->pageView()->setReadOnly(false);
  editor->itemClick(editor->item(NotePageController::kPenTag));
  PopoverItem::sharedPopover()->dismiss(false);

  QElapsedTimer clock;
  clock.start();
  qint64 lastBeat = 0, longestStall = 0;
  bool turning = false;
  QTimer beat;
  beat.setInterval(1);
  QObject::connect(&beat, &QTimer::timeout, [&] {
    const qint64 now = clock.nsecsElapsed();
    if (turning)
      longestStall = std::max(longestStall, now - lastBeat);
    lastBeat = now;
  });
  beat.start();
  bool turned = false;
  QObject::connect(editor, &NotePageController::pageTurned, [&] { turned = true; });
  int round = 0;
  for (auto _ : state) {
    if (state.range(1))
      stroke(*editor->pageView(), 100 + (round++ % 20) * 40);
    QCoreApplication::processEvents();
    turned = false;
    lastBeat = clock.nsecsElapsed();
    turning = true;
    const qint64 start = clock.nsecsElapsed();
    tap(window, editor->nextPageButton());
    runUntil([&] { return editor->isTurning(); });
    window.viewport()->repaint();
    state.SetIterationTime((clock.nsecsElapsed() - start) / 1e9);
    turning = false;
    runUntil([&] { return turned; });
    turned = false;
    editor->prePage();
    runUntil([&] { return turned; });
  }
  state.counters["longest_stall_ms"] = benchmark::Counter(longestStall / 1e6);
  // What the turn renders on the main thread for its save, on its own.
  stroke(*editor->pageView(), 120);
  QElapsedTimer prepare;
  prepare.start();
  const PageSaveJob job = editor->pageView()->prepareSave();
  state.counters["prepare_ms"] = benchmark::Counter(prepare.nsecsElapsed() / 1e6);
  editor->pageView()->applySave(job, job.run());
  QNAlertCenter::sharedQNAlertCenter().setScene(nullptr);
  delete navigation;
}
BENCHMARK(page_turn)->Args({50, 1})->Args({50, 0})->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
} // namespace
