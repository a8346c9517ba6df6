#include "QuillTest.h"

#include "common/ApplicationNotifications.h"
#include "common/FolderPaths.h"
#include "common/Localization.h"
#include "common/NotificationCenter.h"
#include "common/QNAlertCenter.h"
#include "common/QNAlertView.h"
#include "common/QNButton.h"
#include "common/QNSwitch.h"
#include "editor/NotePageBottomBar.h"
#include "editor/NotePageController.h"
#include "editor/NotePageView.h"
#include "editor/PhotoWidget.h"
#include "editor/TextTool.h"
#include "editor/TextWidget.h"
#include "shell/BaseViewController.h"
#include "shell/QNNavigationController.h"
#include "sketch/PenTool.h"
#include "sketch/SketchView.h"
#include "sketch/PopoverItem.h"
#include "sketch/UndoManager.h"
#include "store/NoteBook.h"
#include "store/NoteBookManager.h"
#include "store/FileChangeNotification.h"
#include "store/NotePage.h"
#include "store/PageSaveJob.h"
#include "store/WidgetData.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSemaphore>
#include <QThread>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <thread>
#include <unistd.h>

namespace {
constexpr int kTurnTimeoutMs = 5000;

// A fresh home folder with one notebook of pageCount pages, and the app's
// scene: a navigation controller over 768 by 1024 points whose root is a
// plain screen, with the editor jumped to for that notebook. Touches travel
// through the real view as mouse events, in scene coordinates.
struct EditorScreen {
  explicit EditorScreen(int pageCount, int pageIndex = 0) {
    setHomeFolder(home.path());
    QDir().mkpath(temporaryPathWithName(QString()));
    setResourceFolder(QUILL_RESOURCE_DIR);
    NoteBookManager &manager = NoteBookManager::sharedNoteBookManager();
    manager.initData();
    book = std::make_shared<NoteBook>(manager.newNoteBookIdentifier());
    book->setName(QStringLiteral("Journal"));
    manager.addNoteBook(book);
    for (int i = 0; i < pageCount; ++i)
      book->addPage(NotePage(book.get(), book->newPageIdentifier()));

    scene.setSceneRect(0, 0, 768, 1024);
    view.setScene(&scene);
    view.setFrameShape(QFrame::NoFrame);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setFixedSize(768, 1024);
    navigation = new QNNavigationController(new BaseViewController);
    navigation->setGeometry(0, 0, 768, 1024);
    scene.addItem(navigation);
    QNAlertCenter::sharedQNAlertCenter().setScene(&scene);
    view.show();
    (void)QTest::qWaitForWindowExposed(&view);
    editor = new NotePageController;
    navigation->pageJump(editor, QVariantMap{{QStringLiteral("notebook"), QVariant::fromValue(book)},
                                             {QStringLiteral("notePageIndex"), pageIndex}});
    navigation->finishTransition();
  }

  ~EditorScreen() {
    PopoverItem::sharedPopover()->dismiss(false);
    for (QNAlertView *alert : QNAlertCenter::sharedQNAlertCenter().alerts())
      QNAlertCenter::sharedQNAlertCenter().dismissAlert(alert, false);
    QNAlertCenter::sharedQNAlertCenter().setScene(nullptr);
    delete navigation;
    NoteBookManager::sharedNoteBookManager().setEditingNote(nullptr);
  }

  NotePageView *page() const { return editor->pageView(); }

  void send(QEvent::Type type, const QPointF &scenePoint, Qt::MouseButton button, Qt::MouseButtons buttons) {
    const QPointF local = view.mapFromScene(scenePoint);
    QMouseEvent event(type, local, view.viewport()->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &event);
  }
  void tap(const QPointF &scenePoint) {
    send(QEvent::MouseButtonPress, scenePoint, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, scenePoint, Qt::LeftButton, Qt::NoButton);
  }
  void tap(const QGraphicsItem *item) { tap(item->sceneBoundingRect().center()); }
  // A drag in the page view's coordinates.
  void drawOnPage(const QPointF &from, const QPointF &to) {
    const QPointF a = page()->mapToScene(from), b = page()->mapToScene(to);
    send(QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= 8; ++i)
      send(QEvent::MouseMove, a + (b - a) * (i / 8.0), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, b, Qt::LeftButton, Qt::NoButton);
  }
  void makeEditable() {
    tap(editor->modeSwitchView());
    QVERIFY(!page()->isReadOnly());
  }
  void drawStroke() {
    tap(editor->item(NotePageController::kPenTag));
    PopoverItem::sharedPopover()->dismiss(false);
    drawOnPage({100, 200}, {400, 260});
  }
  void key(int keyCode, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, keyCode, modifiers);
    QApplication::sendEvent(&scene, &press);
  }
  bool waitForTurn() {
    QSignalSpy turned(editor, &NotePageController::pageTurned);
    return turned.count() > 0 || turned.wait(kTurnTimeoutMs);
  }
  QStringList alertTexts() const {
    QStringList texts;
    for (const QNAlertView *alert : QNAlertCenter::sharedQNAlertCenter().alerts())
      texts.append(alert->title() + QLatin1Char('|') + alert->tip());
    return texts;
  }
  QByteArray fileBytes(const QString &path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }

  QTemporaryDir home;
  std::shared_ptr<NoteBook> book;
  QGraphicsScene scene;
  QGraphicsView view;
  QNNavigationController *navigation = nullptr;
  NotePageController *editor = nullptr;
};

// A save's writing held on the worker until the test lets it go on.
struct HeldSave {
  // Declared after the screen, so a failed check lets the worker go before the editor waits for it.
  ~HeldSave() { proceed.release(); }
  NotePageController::SaveWorker worker() {
    return [this](const PageSaveJob &job) {
      entered.release();
      proceed.acquire();
      PageSaveJob::Result result = job.run();
      written = true;
      return result;
    };
  }
  QSemaphore entered;
  QSemaphore proceed;
  std::atomic<bool> written{false};
};

QImage red(int size) {
  QImage picture(size, size, QImage::Format_RGB32);
  picture.fill(Qt::red);
  return picture;
}

QString tip(const char *key) {
  return localizedString(QStringLiteral("TIP")) + QLatin1Char('|') + localizedString(QLatin1String(key));
}

// Whether withoutWriteAccess can work here: root must be able to act as "nobody".
bool canDropWriteAccess() {
  if (::geteuid() != 0)
    return true;
  if (::seteuid(65534) != 0)
    return false;
  return ::seteuid(0) == 0;
}

// Runs the body with the folders unwritable, for root too (root ignores the
// mode bits, so the body then runs as the unprivileged "nobody" user).
void withoutWriteAccess(const QStringList &folders, const std::function<void()> &body) {
  const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
  for (const QString &folder : folders)
    QFile::setPermissions(folder, readable);
  const bool asRoot = ::geteuid() == 0;
  if (asRoot)
    QVERIFY(::seteuid(65534) == 0);
  body();
  if (asRoot)
    QVERIFY(::seteuid(0) == 0);
  for (const QString &folder : folders)
    QFile::setPermissions(folder, readable | QFile::WriteOwner);
}
} // namespace

// The page editor screen, driven through the real scene.
class NotePageControllerTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void entryIsReadOnlyAndSwitchMakesEditable() {
    EditorScreen s(2);
    QVERIFY(s.page()->isReadOnly());
    QCOMPARE(s.editor->title(), QStringLiteral("Journal"));
    QCOMPARE(s.editor->pageLabelText(), QStringLiteral("1/2"));
    QVERIFY(!s.editor->item(NotePageController::kPenTag));
    s.makeEditable();
    for (int tag : {100, 113, 102, 103, 104, 105, 106, 108})
      QVERIFY2(s.editor->item(tag), qPrintable(QString::number(tag)));
    QCOMPARE(NoteBookManager::sharedNoteBookManager().editingNote(), s.book);
  }

  void lastPageRightArrow_data() {
    QTest::addColumn<bool>("editable");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("alerts");
    QTest::newRow("editable appends and turns") << true << 2 << "2/2" << QStringList();
    QTest::newRow("read-only tells") << false << 1 << "1/1" << QStringList{tip("Already Be Last Page")};
  }
  void lastPageRightArrow() {
    QFETCH(bool, editable);
    QFETCH(int, pages);
    EditorScreen s(1);
    if (editable)
      s.makeEditable();
    s.tap(s.editor->nextPageButton());
    if (editable)
      QVERIFY(s.waitForTurn());
    QTEST(s.book->pageCount(), "pages");
    QTEST(s.editor->pageLabelText(), "label");
    QTEST(s.alertTexts(), "alerts");
    QCOMPARE(s.page()->notePage()->identifier(), s.book->pageIdentifierAtIndex(pages - 1));
  }

  void firstPageLeftArrowTells() {
    EditorScreen s(3);
    s.tap(s.editor->prePageButton());
    QCOMPARE(s.alertTexts(), QStringList{tip("Already Be First Page")});
    QCOMPARE(s.editor->pageLabelText(), QStringLiteral("1/3"));
  }

  void openingEmptyNotebookMakesFirstPage() {
    EditorScreen s(0);
    QCOMPARE(s.book->pageCount(), 1);
    QCOMPARE(s.page()->notePage()->identifier(), s.book->pageIdentifierAtIndex(0));
    QCOMPARE(s.editor->pageLabelText(), QStringLiteral("1/1"));
  }

  void turningWaysAndTheirSaving_data() {
    QTest::addColumn<bool>("drawFirst");
    QTest::addColumn<bool>("noticeShown");
    QTest::newRow("unchanged page with thumbnail") << false << false;
    QTest::newRow("drawn page") << true << true;
  }
  void turningWaysAndTheirSaving() {
    QFETCH(bool, drawFirst);
    QFETCH(bool, noticeShown);
    EditorScreen s(2);
    QVERIFY(s.page()->savePageData()); // the first page has its thumbnail
    const QString first = s.book->pageIdentifierAtIndex(0);
    s.makeEditable();
    if (drawFirst)
      s.drawStroke();
    bool sawNotice = false;
    QMetaObject::Connection watch = connect(s.editor, &NotePageController::saveFinished, this, [&] { sawNotice = true; });
    const bool noticeWhileSaving = [&] {
      s.tap(s.editor->nextPageButton());
      return s.alertTexts().contains(localizedString(QStringLiteral("SAVING")) + QLatin1Char('|'));
    }();
    QVERIFY(s.waitForTurn());
    disconnect(watch);
    QCOMPARE(noticeWhileSaving, noticeShown);
    QCOMPARE(sawNotice, noticeShown);
    QCOMPARE(s.editor->pageLabelText(), QStringLiteral("2/2"));
    NotePage stored(s.book.get(), first);
    QCOMPARE(!stored.sketchImage().isNull(), drawFirst);
  }

  void pageKeysTurnBothWays() {
    EditorScreen s(3, 1);
    s.key(Qt::Key_PageDown);
    QVERIFY(s.waitForTurn());
    QCOMPARE(s.editor->pageLabelText(), QStringLiteral("3/3"));
    s.key(Qt::Key_PageUp);
    QVERIFY(s.waitForTurn());
    s.key(Qt::Key_PageUp);
    QVERIFY(s.waitForTurn());
    QCOMPARE(s.editor->pageLabelText(), QStringLiteral("1/3"));
  }

  void undoKeysOnAnEditablePage() {
    EditorScreen s(1);
    s.key(Qt::Key_Z, Qt::ControlModifier); // read-only: nothing to undo, nothing happens
    s.makeEditable();
    s.drawStroke();
    QCOMPARE(s.page()->undoCount(), 1);
    s.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(s.page()->undoCount(), 0);
    QCOMPARE(s.page()->redoCount(), 1);
    s.key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(s.page()->undoCount(), 1);
  }

  void swipeOnBottomBarTurns() {
    EditorScreen s(2);
    const QRectF bar = s.editor->bottomBar()->sceneBoundingRect();
    const QPointF from(bar.center().x() + 120, bar.center().y()), to(bar.center().x() - 120, bar.center().y());
    s.send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    s.send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    s.send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    QVERIFY(s.waitForTurn());
    QCOMPARE(s.editor->pageLabelText(), QStringLiteral("2/2"));
  }

  void textBoxActivatedWhilePenSwitchesToText() {
    EditorScreen s(1);
    s.makeEditable();
    s.tap(s.editor->item(NotePageController::kPenTag));
    QCOMPARE(s.editor->currentTool(), static_cast<NoteBookTool *>(PenTool::sharedPenTool()));
    QVERIFY(s.page()->isSketchShowing());
    auto *box = new TextWidget(QRectF(100, 100, 300, 80));
    s.page()->addWidget(box);
    s.page()->setActiveWidget(box);
    QCOMPARE(s.editor->currentTool(), static_cast<NoteBookTool *>(TextTool::sharedTextTool()));
    QVERIFY(!s.page()->isSketchShowing());
    QCOMPARE(s.editor->selectedItem(), s.editor->item(NotePageController::kTextTag));
  }

  void readOnlyDropsTheTool() {
    EditorScreen s(1);
    s.makeEditable();
    s.tap(s.editor->item(NotePageController::kMarkPenTag));
    QVERIFY(s.editor->currentTool());
    PopoverItem::sharedPopover()->dismiss(false);
    s.tap(s.editor->modeSwitchView());
    QVERIFY(s.page()->isReadOnly());
    QVERIFY(!s.editor->currentTool());
    QVERIFY(!s.editor->selectedItem());
  }

  void pastedPictureBecomesActivePhoto() {
    EditorScreen s(1);
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(picture);
    s.key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(s.page()->widgets().size(), 1);
    auto *photo = qobject_cast<PhotoWidget *>(s.page()->widgets().first());
    QVERIFY(photo);
    QCOMPARE(s.page()->activeWidget(), photo);
    QCOMPARE(photo->center(), s.page()->boundingRect().center());
    QVERIFY(!s.page()->isReadOnly());
    s.page()->undoManager()->undo();
    QVERIFY(s.page()->widgets().isEmpty());
  }

  void backSavesThenLeaves() {
    EditorScreen s(1);
    s.makeEditable();
    s.drawStroke();
    const QString first = s.book->pageIdentifierAtIndex(0);
    QSignalSpy saved(s.editor, &NotePageController::saveFinished);
    s.editor->back();
    QVERIFY(saved.wait(kTurnTimeoutMs));
    QCOMPARE(saved.first().first().toBool(), true);
    s.navigation->finishTransition();
    QVERIFY(s.navigation->currentController() != s.editor);
    QVERIFY(!NotePage(s.book.get(), first).sketchImage().isNull());
  }

  // A save that fails leaves the stored page as it was, says so, keeps the
  // user on the page and keeps it marked as needing a save.
  void failedSaveKeepsThePage_data() {
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::newRow("notes folder not writable") << true;
    QTest::newRow("interrupted between files") << false;
  }
  void failedSaveKeepsThePage() {
    QFETCH(bool, readOnlyFolder);
    if (readOnlyFolder && !canDropWriteAccess())
      QSKIP("this process cannot give up its write access");
    EditorScreen s(2);
    s.makeEditable();
    auto *box = new TextWidget(QRectF(100, 100, 300, 80));
    box->setText(QStringLiteral("kept"));
    s.page()->addWidget(box);
    QVERIFY(s.page()->savePageData());
    NotePage *shown = s.page()->notePage();
    const QByteArray oldPage = s.fileBytes(shown->dataPath());
    const QByteArray oldSketch = s.fileBytes(shown->sketchImagePath());
    s.drawStroke();
    box->setText(QStringLiteral("changed"));
    QSignalSpy finished(s.editor, &NotePageController::saveFinished);
    const auto turn = [&] {
      s.tap(s.editor->nextPageButton());
      QVERIFY(finished.count() || finished.wait(kTurnTimeoutMs));
    };
    if (readOnlyFolder) {
      QFile::setPermissions(s.home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadOther | QFile::ExeOther);
      // Not even the notebook's folders can be reached: the save writes nothing.
      QuillTest::expectLogLine("page save: no folder for the page", qPrintable(shown->identifier()));
      withoutWriteAccess({s.book->homePath(), s.book->resourcePath()}, turn);
    } else {
      // Something in the way of the sketch file: the page file is written
      // before it would be replaced, and must not be.
      QFile::remove(shown->sketchImagePath());
      QVERIFY(QDir().mkpath(shown->sketchImagePath() + QStringLiteral("/blocked")));
      QuillTest::expectLogLine("rename into place", qPrintable(shown->sketchImagePath()));
      turn();
    }
    QCOMPARE(finished.first().first().toBool(), false);
    QTRY_VERIFY(s.alertTexts().contains(tip("SAVE FAILED")));
    QCOMPARE(s.editor->pageLabelText(), QStringLiteral("1/2"));
    QCOMPARE(s.page()->notePage(), shown);
    QVERIFY(s.page()->needSave());
    QCOMPARE(s.fileBytes(shown->dataPath()), oldPage);
    if (readOnlyFolder)
      QCOMPARE(s.fileBytes(shown->sketchImagePath()), oldSketch);
    QVERIFY(QDir(s.book->resourcePath()).entryList({QStringLiteral("*.staged")}).isEmpty());
  }

  void comingBackKeepsEditing() {
    EditorScreen s(1);
    s.makeEditable();
    s.navigation->pageJump(new BaseViewController, QVariant());
    s.navigation->finishTransition();
    s.navigation->pageBack();
    s.navigation->finishTransition();
    QCOMPARE(s.navigation->currentController(), s.editor);
    QVERIFY(!s.page()->isReadOnly());
  }

  void backgroundFromFile_data() {
    QTest::addColumn<bool>("picture");
    QTest::newRow("picture") << true;
    QTest::newRow("not a picture") << false;
  }
  void backgroundFromFile() {
    QFETCH(bool, picture);
    EditorScreen s(1);
    const QString path = s.home.filePath(QStringLiteral("chosen.png"));
    if (picture) {
      QImage green(100, 100, QImage::Format_RGB32);
      green.fill(Qt::green);
      QVERIFY(green.save(path));
    } else {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("not a picture");
    }
    s.editor->didSelectBackground(path);
    QCOMPARE(s.page()->pageEdited(), picture);
    QImage shown(s.page()->boundingRect().size().toSize(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&shown);
    s.scene.render(&painter, shown.rect(), s.page()->sceneBoundingRect());
    const QColor probe = shown.pixelColor(300, 400); // stored as JPEG: nearly green
    QCOMPARE(probe.green() > 200 && probe.red() < 60 && probe.blue() < 60, picture);
  }

  void leavingTheAppSaves() {
    EditorScreen s(1);
    s.makeEditable();
    s.drawStroke();
    NotificationCenter::defaultCenter().postNotification(kApplicationDidEnterBackgroundNotification);
    QVERIFY(!NotePage(s.book.get(), s.book->pageIdentifierAtIndex(0)).sketchImage().isNull());
  }

  void quittingWaitsForTheRunningSave() {
    EditorScreen s(2);
    s.makeEditable();
    s.drawStroke();
    const QString first = s.book->pageIdentifierAtIndex(0);
    HeldSave held;
    s.editor->setSaveWorker(held.worker());
    s.tap(s.editor->nextPageButton());
    QVERIFY(held.entered.tryAcquire(1, kTurnTimeoutMs));
    // The save is let go only after quitting has begun: quitting must wait for it.
    std::thread releaser([&held] {
      QThread::msleep(200);
      held.proceed.release();
    });
    NotificationCenter::defaultCenter().postNotification(kApplicationWillTerminateNotification);
    const bool waited = held.written;
    releaser.join();
    QVERIFY(waited);
    QVERIFY(!s.editor->isSaving());
    QVERIFY(!NotePage(s.book.get(), first).sketchImage().isNull());
  }

  // While a save is written nothing reaches the page; the stored page is the
  // page as it was when the save began, with its sketch at its true size, and
  // every file announcement is made on the main thread.
  void nothingReachesAPageWhileItSaves() {
    EditorScreen s(2);
    s.makeEditable();
    s.drawStroke();
    const QString first = s.book->pageIdentifierAtIndex(0);
    QList<QThread *> announcedOn;
    NotificationObservation announcements(QuillSyncFileChangedNotification, nullptr, s.editor,
                                          [&](const Notification &) { announcedOn.append(QThread::currentThread()); });
    HeldSave held;
    s.editor->setSaveWorker(held.worker());
    const int undos = s.page()->undoCount();
    const QImage sketch = s.page()->sketchView()->contentImage();
    s.tap(s.editor->nextPageButton());
    QVERIFY(held.entered.tryAcquire(1, kTurnTimeoutMs));
    QVERIFY(s.editor->isSaving());

    QGuiApplication::clipboard()->setImage(red(40));
    s.key(Qt::Key_V, Qt::ControlModifier);
    s.key(Qt::Key_Z, Qt::ControlModifier);
    s.key(Qt::Key_PageDown);
    s.key(Qt::Key_A);
    s.drawOnPage({100, 600}, {400, 650});
    QPointingDevice *touchScreen = QTest::createTouchDevice();
    const QPoint onPage = s.view.mapFromScene(s.page()->mapToScene(QPointF(300, 700)));
    QTest::touchEvent(s.view.viewport(), touchScreen).press(0, onPage);
    QTest::touchEvent(s.view.viewport(), touchScreen).move(0, onPage + QPoint(120, 40));
    QTest::touchEvent(s.view.viewport(), touchScreen).release(0, onPage + QPoint(120, 40));
    QCOMPARE(s.page()->undoCount(), undos);
    QVERIFY(s.page()->widgets().isEmpty());
    QCOMPARE(s.page()->sketchView()->contentImage(), sketch);
    QCOMPARE(s.editor->pageLabelText(), QStringLiteral("1/2"));

    held.proceed.release();
    QVERIFY(s.waitForTurn());
    QVERIFY(!s.editor->isSaving());
    QCOMPARE(s.editor->pageLabelText(), QStringLiteral("2/2"));
    NotePage stored(s.book.get(), first);
    QVERIFY(stored.widgets().empty());
    QCOMPARE(QImageReader(stored.sketchImagePath()).size(), QSize(1514, 1820));
    const QImage storedSketch = stored.sketchImage();
    QCOMPARE(storedSketch.size(), sketch.size());
    QVERIFY(storedSketch.pixelColor(2 * 250, 2 * 230).alpha() > 0); // the stroke drawn before
    QCOMPARE(storedSketch.pixelColor(2 * 250, 2 * 625).alpha(), 0); // nothing drawn during the save
    QVERIFY(!announcedOn.isEmpty());
    QCOMPARE(announcedOn.count(QThread::currentThread()), announcedOn.size());
    // Once the result is applied, the page takes input again.
    s.editor->setSaveWorker({});
    s.key(Qt::Key_PageUp);
    QVERIFY(s.waitForTurn());
    QCOMPARE(s.editor->pageLabelText(), QStringLiteral("1/2"));
  }

  // A page is saved when it changed since it was stored, and only then: a tap
  // that just chooses a widget, or a turn after a save, writes nothing.
  void onlyAChangedPageIsSaved() {
    EditorScreen s(2);
    s.makeEditable();
    auto *box = new TextWidget(QRectF(100, 500, 300, 80));
    box->setText(QStringLiteral("note"));
    s.page()->addWidget(box);
    QSignalSpy saves(s.editor, &NotePageController::saveFinished);
    s.tap(s.editor->nextPageButton()); // page 1 changed
    QVERIFY(s.waitForTurn());
    s.tap(s.editor->prePageButton()); // page 2 has no thumbnail yet
    QVERIFY(s.waitForTurn());
    QCOMPARE(saves.count(), 2);
    QVERIFY(!s.page()->needSave());
    s.editor->setCurrentTool(nullptr);
    auto *loaded = qobject_cast<TextWidget *>(s.page()->widgets().value(0));
    QVERIFY(loaded);
    s.page()->setActiveWidget(loaded);
    s.tap(loaded->mapToScene(loaded->boundingRect().center())); // on the chosen box
    s.tap(s.page()->mapToScene(QPointF(600, 200)));             // beside it
    QVERIFY(!s.page()->needSave());
    s.tap(s.editor->nextPageButton());
    QVERIFY(s.waitForTurn());
    s.tap(s.editor->prePageButton());
    QVERIFY(s.waitForTurn());
    QCOMPARE(saves.count(), 2);
    // Moving the box is a change.
    s.editor->setCurrentTool(nullptr);
    loaded = qobject_cast<TextWidget *>(s.page()->widgets().value(0));
    s.page()->setActiveWidget(loaded);
    loaded->moveByOffset(0, 30);
    QVERIFY(s.page()->needSave());
  }

  // A photo whose picture file is gone keeps its record, and the page still saves.
  void aPhotoWithoutItsFileDoesNotBlockTheSave() {
    EditorScreen s(2);
    s.makeEditable();
    auto *photo = new PhotoWidget(red(60));
    s.page()->addWidget(photo);
    QVERIFY(s.page()->savePageData());
    const QString first = s.book->pageIdentifierAtIndex(0);
    const QString name = photo->imageFile();
    QVERIFY(QFile::remove(s.book->resourcePath() + QLatin1Char('/') + name));
    s.page()->setNotePage(s.book->pageAtIndex(1));
    QuillTest::expectLogLine("photo: load", qPrintable(name));
    s.page()->setNotePage(s.book->pageAtIndex(0));
    QuillTest::expectLogLine("page save: widget file missing", qPrintable(name));
    s.drawStroke();
    QSignalSpy saves(s.editor, &NotePageController::saveFinished);
    s.tap(s.editor->nextPageButton());
    QVERIFY(s.waitForTurn());
    QCOMPARE(saves.first().first().toBool(), true);
    NotePage stored(s.book.get(), first);
    QCOMPARE(stored.widgets().size(), size_t(1));
    QVERIFY(stored.widgets().front()->resourceFileNames().contains(name));
    QVERIFY(!stored.sketchImage().isNull());
  }

  // Records of kinds the editor does not show stay in the page file as they
  // were read, in their place.
  void recordsTheEditorCannotShowAreKept() {
    EditorScreen s(2);
    const QString first = s.book->pageIdentifierAtIndex(0);
    const QByteArray sticker = R"({"className":"EmojiWidgetData","center":"{100, 100}","emojiIndex":2,"size":"{80, 80}"})";
    const QByteArray future = R"({"className":"FutureWidgetData", "center" : "{5, 6}", "x": 1.50})";
    QFile file(s.book->homePath() + QLatin1Char('/') + first + QStringLiteral(".json"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\"widgets\": [" + sticker + ", " + future + "]}");
    file.close();
    s.page()->setNotePage(s.book->pageAtIndex(1));
    QuillTest::expectLogLine("page: widget record of no known kind, kept as it is", "FutureWidgetData");
    s.page()->setNotePage(s.book->pageAtIndex(0));
    s.makeEditable();
    auto *box = new TextWidget(QRectF(100, 500, 300, 80));
    box->setText(QStringLiteral("added"));
    s.page()->addWidget(box);
    s.tap(s.editor->nextPageButton());
    QVERIFY(s.waitForTurn());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray stored = file.readAll();
    QVERIFY2(stored.contains("[" + sticker + "," + future + ",{"), stored.constData());
    QCOMPARE(QJsonDocument::fromJson(stored).object().value("widgets").toArray().size(), 3);
  }
};

QUILL_TEST(NotePageControllerTest)
#include "NotePageControllerTest.moc"
