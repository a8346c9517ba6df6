// Opening the shelf with many notebooks, and scrolling it by one row.
#include "common/FolderPaths.h"
#include "common/Identifiers.h"
#include "common/PropertyList.h"
#include "shelf/MyNotesViewController.h"
#include "shelf/QNBookShelfView.h"
#include "shell/QNNavigationController.h"
#include "store/NoteBookManager.h"
#include "store/TemplateManager.h"

#include <QDateTime>
#include <QDir>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <optional>

namespace {
// A home folder whose catalogue lists count notebooks, as an installed app leaves it.
std::unique_ptr<QTemporaryDir> sampleHome(int count) {
  auto home = std::make_unique<QTemporaryDir>();
  setHomeFolder(home->path());
  setResourceFolder(QStringLiteral(QUILL_RESOURCE_DIR));
  const QString notes = libraryPathWithName(QStringLiteral("Notes"));
  QDir().mkpath(notes);
  QVariantList notebooks;
  const QDateTime first(QDate(2026, 1, 5), QTime(9, 0));
  for (int i = 0; i < count; ++i)
    notebooks.append(QVariantMap{{"notename_key", QStringLiteral("Notebook %1").arg(i + 1)},
                                 {"identifier_key", QStringLiteral("com.quill.") + md5StringOfString(QString::number(i))},
                                 {"editDate_key", first.addSecs(qint64(i) * 3600)},
                                 {"pagecount_key", qint64(0)}});
  PropertyList::write(notes + QStringLiteral("/NoteBooks.plist"), QVariantMap{{"notebooks", notebooks}});
  TemplateManager::sharedTemplateManager().initData();
  return home;
}

// The app's scene with the shelf as the navigation root, laid out at the window's size.
struct ShelfScene {
  QGraphicsScene scene{0, 0, 768, 1024};
  MyNotesViewController *shelf = new MyNotesViewController;
  QNNavigationController *navigation = new QNNavigationController(shelf);
  QGraphicsView view{&scene};
  QImage frame{768, 1024, QImage::Format_ARGB32_Premultiplied};

  ShelfScene() {
    scene.addItem(navigation);
    navigation->setGeometry(0, 0, 768, 1024);
    view.setFrameShape(QFrame::NoFrame);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.resize(768, 1024);
    view.setSceneRect(0, 0, 768, 1024);
    navigation->viewWillAppear(false);
  }
  // One frame as the window's view draws it (item caches included).
  void render() {
    QPainter painter(&frame);
    view.render(&painter);
  }
};

// Start-up to the first shelf frame: the catalogue read, the screen built, one frame drawn.
// A start-up has no screen and no catalogue to tear down first, so the last
// round's are dropped outside the timing.
void shelf_open(benchmark::State &state) {
  const auto home = sampleHome(int(state.range(0)));
  const QTemporaryDir empty;
  NoteBookManager &catalogue = NoteBookManager::sharedNoteBookManager();
  std::optional<ShelfScene> shelf;
  for (auto _ : state) {
    catalogue.initData();
    shelf.emplace();
    shelf->render();
    benchmark::DoNotOptimize(shelf->frame.constBits());
    state.PauseTiming();
    shelf.reset();
    setHomeFolder(empty.path());
    catalogue.initData();
    setHomeFolder(home->path());
    state.ResumeTiming();
  }
}
BENCHMARK(shelf_open)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);

// One frame of scrolling by one row, over rows whose cover pictures are cached.
void shelf_scroll(benchmark::State &state) {
  const auto home = sampleHome(int(state.range(0)));
  NoteBookManager::sharedNoteBookManager().initData();
  ShelfScene shelf;
  QNBookShelfView *view = shelf.shelf->bookShelf();
  constexpr int kRows = 10;
  for (int row = 0; row <= kRows; ++row) {
    view->setContentOffset(row * MyNotesViewController::kRowHeight);
    shelf.render();
  }
  int row = 0;
  for (auto _ : state) {
    row = (row + 1) % kRows;
    view->setContentOffset(row * MyNotesViewController::kRowHeight);
    shelf.render();
    benchmark::DoNotOptimize(shelf.frame.constBits());
  }
}
BENCHMARK(shelf_scroll)->Arg(1000)->Unit(benchmark::kMillisecond);
} // namespace
