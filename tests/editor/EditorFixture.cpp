#include "EditorFixture.h"

#include "common/FolderPaths.h"
#include "editor/NotePageView.h"
#include "editor/TextWidget.h"
#include "sketch/MarkPenTool.h"
#include "sketch/PenTool.h"
#include "sketch/RubberTool.h"
#include "sketch/SketchView.h"
#include "store/FileChangeNotification.h"
#include "store/NoteBook.h"
#include "store/NoteBookManager.h"
#include "store/NotePage.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QTest>

EditorFixture::EditorFixture()
    : observation(QuillSyncFileChangedNotification, nullptr,
                  [this](const Notification &n) { notifications.push_back(n); }) {
  setHomeFolder(home.path());
  QDir().mkpath(temporaryPathWithName(QString()));
  setResourceFolder(QUILL_RESOURCE_DIR);
  NoteBookManager &manager = NoteBookManager::sharedNoteBookManager();
  manager.initData();
  book = std::make_shared<NoteBook>(manager.newNoteBookIdentifier());
  manager.addNoteBook(book);
  manager.setEditingNote(book);
  TextWidget::setStyledMode(true);

  view.setFrameShape(QFrame::NoFrame);
  view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view.setFixedSize(768, 1024);
  view.setSceneRect(0, 0, 768, 1024);
  page = new NotePageView();
  scene.addItem(page);
  page->setPageDelegate(this);
  view.show();
  (void)QTest::qWaitForWindowExposed(&view);
  view.activateWindow();
  notifications.clear();
}

EditorFixture::~EditorFixture() {
  setCurrentTool(nullptr);
  NoteBookManager::sharedNoteBookManager().setEditingNote(nullptr);
}

QGraphicsObject *EditorFixture::viewForEdit(NoteBookTool *forTool) {
  const bool drawing = forTool == PenTool::sharedPenTool() || forTool == MarkPenTool::sharedMarkPenTool() ||
                       forTool == RubberTool::sharedRubberTool();
  return drawing ? static_cast<QGraphicsObject *>(page->sketchView()) : page;
}

void EditorFixture::notePageDidActiveWidget(NotePageView *, NoteBookWidget *widget) {
  if (NoteBookTool *own = widget->toolForWidget())
    setCurrentTool(own);
}

void EditorFixture::setCurrentTool(NoteBookTool *next) {
  if (next == tool)
    return;
  const bool drawing = !next || next == PenTool::sharedPenTool() || next == MarkPenTool::sharedMarkPenTool() ||
                       next == RubberTool::sharedRubberTool();
  page->showSketchView(drawing);
  if (next)
    next->setToolDelegate(this);
  if (tool) {
    tool->deactivate();
    tool->setToolDelegate(nullptr);
  }
  if (next)
    next->activate();
  tool = next;
}

NotePage *EditorFixture::showNewPage() {
  auto fresh = book->pageWithIdentifer(book->newPageIdentifier());
  book->addPage(*fresh);
  page->setNotePage(std::move(fresh));
  return page->notePage();
}

std::unique_ptr<NotePage> EditorFixture::reread(const QString &identifier) {
  return book->pageWithIdentifer(identifier);
}

QString EditorFixture::resourcePath() const { return book->resourcePath(); }

void EditorFixture::send(QEvent::Type type, const QPointF &point, Qt::MouseButton button,
                         Qt::MouseButtons buttons) {
  const QPointF local = view.mapFromScene(page->mapToScene(point));
  QMouseEvent event(type, local, view.viewport()->mapToGlobal(local), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(view.viewport(), &event);
}

void EditorFixture::press(const QPointF &point, bool doubleClick) {
  send(doubleClick ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress, point, Qt::LeftButton,
       Qt::LeftButton);
}

void EditorFixture::move(const QPointF &point) { send(QEvent::MouseMove, point, Qt::NoButton, Qt::LeftButton); }

void EditorFixture::release(const QPointF &point) {
  send(QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
}

void EditorFixture::tap(const QPointF &point) {
  press(point);
  release(point);
}

void EditorFixture::doubleTap(const QPointF &point) {
  tap(point);
  press(point, true);
  release(point);
}

void EditorFixture::drag(const QPointF &from, const QPointF &to, int steps) {
  press(from);
  for (int i = 1; i <= steps; ++i)
    move(from + (to - from) * (qreal(i) / steps));
  release(to);
}

QImage EditorFixture::render() {
  QImage image(768, 1024, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  scene.render(&painter, QRectF(0, 0, 768, 1024), QRectF(0, 0, 768, 1024));
  return image;
}

QStringList EditorFixture::fileChanges() const {
  QStringList changes;
  for (const Notification &n : notifications)
    changes.append(n.userInfo.value(kFileMethod).toString() + " " +
                   QFileInfo(n.userInfo.value(kFilePath).toString()).fileName());
  return changes;
}
