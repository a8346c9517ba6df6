#include "ShelfFixture.h"

#include "common/FolderPaths.h"
#include "common/Identifiers.h"
#include "common/PropertyList.h"
#include "common/QNAlertCenter.h"
#include "common/UsageAnalytics.h"
#include "shelf/MyNotesViewController.h"
#include "shelf/QNBookCoverView.h"
#include "shell/QNNavigationController.h"
#include "store/NoteBook.h"
#include "store/NoteBookManager.h"
#include "store/TemplateManager.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTest>

void ShelfFixture::writeCatalogue(int count) {
  const QString notes = libraryPathWithName(QStringLiteral("Notes"));
  QDir().mkpath(notes);
  const QDateTime first(QDate(2026, 2, 3), QTime(9, 0), Qt::LocalTime);
  QVariantList notebooks;
  for (int i = 0; i < count; ++i) {
    const QString identifier = QStringLiteral("com.quill.") + md5StringOfString(QString::number(i));
    notebooks.append(QVariantMap{{"notename_key", QStringLiteral("Notebook %1").arg(i + 1)},
                                 {"identifier_key", identifier},
                                 {"editDate_key", first.addDays(i)},
                                 {"pagecount_key", qint64(0)}});
  }
  PropertyList::write(notes + QStringLiteral("/NoteBooks.plist"), QVariantMap{{"notebooks", notebooks}});
  NoteBookManager::sharedNoteBookManager().initData();
  // Each notebook with a home folder, as installed notebooks have.
  for (const NoteBookPtr &book : NoteBookManager::sharedNoteBookManager().allBook()) {
    if (count <= 20)
      book->saveData();
  }
}

ShelfFixture::ShelfFixture(int count) : scene(0, 0, 768, 1024), view(&scene) {
  setHomeFolder(home.path());
  QDir().mkpath(libraryPathWithName(QStringLiteral("Caches")));
  QDir().mkpath(temporaryPathWithName(QString()));
  setResourceFolder(QStringLiteral(QUILL_RESOURCE_DIR));
  UsageAnalytics::shared().setLogFile(libraryPathWithName(QStringLiteral("Caches/analytics.jsonl")));
  TemplateManager::sharedTemplateManager().initData();
  writeCatalogue(count);
  QNAlertCenter::sharedQNAlertCenter().setScene(&scene);
  shelf = new MyNotesViewController;
  navigation = new QNNavigationController(shelf);
  scene.addItem(navigation);
  navigation->setGeometry(0, 0, 768, 1024);
  view.setFrameShape(QFrame::NoFrame);
  view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view.resize(768, 1024);
  view.setSceneRect(0, 0, 768, 1024);
  navigation->viewWillAppear(false);
  view.show();
  (void)QTest::qWaitForWindowExposed(&view);
  navigation->viewDidAppear(false);
}

ShelfFixture::~ShelfFixture() {
  QNAlertCenter::sharedQNAlertCenter().setScene(nullptr);
  scene.clear();
  UsageAnalytics::shared().setLogFile({});
}

QStringList ShelfFixture::catalogueNames() const {
  const QVariantMap file = PropertyList::read(NoteBookManager::cataloguePath()).toMap();
  QStringList names;
  for (const QVariant &record : file.value(QStringLiteral("notebooks")).toList())
    names.append(record.toMap().value(QStringLiteral("notename_key")).toString());
  return names;
}

QPoint ShelfFixture::at(const QPointF &scenePoint) const { return view.mapFromScene(scenePoint); }

void ShelfFixture::press(const QPointF &p) { QTest::mousePress(view.viewport(), Qt::LeftButton, {}, at(p)); }

void ShelfFixture::moveTo(const QPointF &p) {
  const QPoint point = at(p);
  QMouseEvent move(QEvent::MouseMove, point, view.viewport()->mapToGlobal(point), Qt::NoButton, Qt::LeftButton, {});
  QApplication::sendEvent(view.viewport(), &move);
}

void ShelfFixture::release(const QPointF &p) { QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, at(p)); }

// QTest's mouse events reach the viewport straight, and their timestamps lie a double-click
// interval apart: two clicks never make a double click.
void ShelfFixture::click(const QPointF &p) {
  press(p);
  release(p);
}

void ShelfFixture::holdCover(const QPointF &p) {
  QPointer<QNBookCoverView> cover;
  for (QGraphicsItem *item : scene.items(p)) {
    if ((cover = dynamic_cast<QNBookCoverView *>(item)))
      break;
  }
  if (!cover)
    qWarning("no cover at (%g, %g) to hold", p.x(), p.y());
  press(p);
  if (!QTest::qWaitFor([&] { return cover && cover->isHold(); }, 3000))
    qWarning("the cover at (%g, %g) was not lifted", p.x(), p.y());
}

void ShelfFixture::holdAndDrag(const QPointF &from, const QPointF &to, int steps) {
  holdCover(from);
  for (int i = 1; i <= steps; ++i)
    moveTo(from + (to - from) * (qreal(i) / steps));
  release(to);
}

bool ShelfFixture::waitForTransition() {
  return QTest::qWaitFor([this] { return !navigation->isInTransition(); }, 3000);
}

QImage ShelfFixture::render() {
  QImage image(768 * 2, 1024 * 2, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(2);
  image.fill(Qt::white);
  QPainter painter(&image);
  scene.render(&painter, QRectF(0, 0, 768, 1024), QRectF(0, 0, 768, 1024));
  painter.end();
  return image;
}
