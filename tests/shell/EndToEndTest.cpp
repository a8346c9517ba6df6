#include "QuillTest.h"

#include "common/ApplicationNotifications.h"
#include "common/FolderPaths.h"
#include "common/NotificationCenter.h"
#include "common/QNAlertCenter.h"
#include "common/QNAlertView.h"
#include "common/QNSwitch.h"
#include "editor/NotePageBottomBar.h"
#include "editor/NotePageController.h"
#include "editor/NotePageView.h"
#include "editor/TextWidget.h"
#include "shelf/MyNotesViewController.h"
#include "shelf/QNBookCoverView.h"
#include "shelf/QNBookShelfView.h"
#include "shell/AppDelegate.h"
#include "shell/LaunchOptions.h"
#include "shell/QNNavigationItem.h"
#include "shell/QNNavigationController.h"
#include "shell/QNWindow.h"
#include "shell/ShellFolders.h"
#include "sketch/PopoverItem.h"
#include "store/NoteBook.h"
#include "store/NoteBookManager.h"
#include "store/NotePage.h"

#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kTyped = QStringLiteral("Written by the road test");
const QPointF kStrokeFrom(120, 840), kStrokeTo(420, 870);

// The app as a user runs it: started on a home folder, driven with the
// mouse through its window at 1:1 scale.
class RunningApp {
public:
  explicit RunningApp(const QString &home) {
    NotePageController::registerScreen();
    const bool prepared = prepareHomeFolder(home);
    Q_ASSERT(prepared);
    setResourceFolder(QUILL_RESOURCE_DIR);
    delegate = std::make_unique<AppDelegate>();
    QSignalSpy shown(delegate.get(), &AppDelegate::firstScreenShown);
    delegate->didFinishLaunchingWithOptions(LaunchOptions());
    // The catalogue is loaded once per process; a new run reads it from disk
    // as a new process would.
    NoteBookManager::sharedNoteBookManager().initData();
    delegate->rootScreen()->reloadData();
    delegate->window()->resize(QNWindow::pointSize);
    started = shown.wait(10000);
  }
  ~RunningApp() {
    // Quitting: what the application announces when its window closes.
    NotificationCenter::defaultCenter().postNotification(kApplicationWillTerminateNotification);
    delegate.reset();
  }

  QNNavigationController *navigation() const { return delegate->viewController(); }
  NotePageController *editor() const {
    return qobject_cast<NotePageController *>(navigation()->currentController());
  }

  void send(QEvent::Type type, const QPointF &scenePoint, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QWidget *viewport = delegate->window()->viewport();
    const QPointF local = delegate->window()->mapFromScene(scenePoint);
    QMouseEvent event(type, local, viewport->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
  }
  void click(const QGraphicsItem *item) {
    const QPointF at = item->sceneBoundingRect().center();
    send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
  }
  // A drag over the page, in the page view's coordinates.
  void dragOnPage(const QPointF &from, const QPointF &to) {
    const QPointF a = editor()->pageView()->mapToScene(from), b = editor()->pageView()->mapToScene(to);
    send(QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= 10; ++i)
      send(QEvent::MouseMove, a + (b - a) * (i / 10.0), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, b, Qt::LeftButton, Qt::NoButton);
  }
  bool waitForScreen() {
    QSignalSpy changed(navigation(), &QNNavigationController::screenChanged);
    return changed.wait(5000);
  }
  bool openFirstNotebook() {
    click(delegate->rootScreen()->bookShelf()->coverAtIndex(0));
    return waitForScreen() && editor();
  }
  bool turn(QNButton *arrow) {
    QSignalSpy turned(editor(), &NotePageController::pageTurned);
    click(arrow);
    return turned.wait(5000);
  }
  TextWidget *typedBox() const {
    for (NoteBookWidget *widget : editor()->pageView()->widgets()) {
      auto *box = qobject_cast<TextWidget *>(widget);
      if (box && box->text().contains(kTyped))
        return box;
    }
    return nullptr;
  }
  QImage renderPage() const {
    NotePageView *page = editor()->pageView();
    QImage image(page->boundingRect().size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    page->scene()->render(&painter, QRectF(QPointF(), image.size()), page->sceneBoundingRect());
    return image;
  }

  std::unique_ptr<AppDelegate> delegate;
  bool started = false;
};
} // namespace

// The whole road a user takes, from start-up to the next start.
class EndToEndTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void drawTypeTurnReturnAndFindItAgain() {
    QTemporaryDir dir;
    const QString home = dir.path() + QStringLiteral("/home");
    QString pageFile;
    {
      RunningApp app(home);
      QVERIFY(app.started);
      QVERIFY(app.openFirstNotebook());
      NotePageController *editor = app.editor();
      QCOMPARE(editor->pageLabelText().section('/', 0, 0), QStringLiteral("1"));
      app.click(editor->modeSwitchView());
      QVERIFY(!editor->pageView()->isReadOnly());

      app.click(editor->item(NotePageController::kPenTag));
      PopoverItem::sharedPopover()->dismiss(false);
      app.dragOnPage(kStrokeFrom, kStrokeTo);

      app.click(editor->item(NotePageController::kTextTag));
      PopoverItem::sharedPopover()->dismiss(false);
      app.dragOnPage({500, 200}, {720, 320}); // beside the tutorial's boxes
      auto *box = qobject_cast<TextWidget *>(editor->pageView()->activeWidget());
      QVERIFY(box);
      box->textView()->setFocus();
      QTest::keyClicks(app.delegate->window()->viewport(), kTyped);
      QVERIFY(box->text().contains(kTyped));
      pageFile = editor->pageView()->notePage()->dataPath();

      QVERIFY(app.turn(editor->nextPageButton()));
      QCOMPARE(editor->pageLabelText().section('/', 0, 0), QStringLiteral("2"));
      app.click(editor->qnNavigationItem()->leftBarItems().first()); // back
      QVERIFY(app.waitForScreen());
      QCOMPARE(app.navigation()->currentController(), app.delegate->rootScreen());
    }

    QFile stored(pageFile);
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QVERIFY(stored.readAll().contains("TextWidget"));

    RunningApp again(home);
    QVERIFY(again.started);
    QVERIFY(again.openFirstNotebook());
    // The notebook opens where it was left: on its second page.
    QCOMPARE(again.editor()->pageLabelText().section('/', 0, 0), QStringLiteral("2"));
    QVERIFY(again.turn(again.editor()->prePageButton()));
    QVERIFY2(again.typedBox(), "the typed text box is back");
    const QImage page = again.renderPage();
    const QPointF middle = (kStrokeFrom + kStrokeTo) / 2;
    QVERIFY2(page.pixelColor(middle.toPoint()).lightness() < 100, "the stroke is back");
    NoteBook *book = again.editor()->book();
    QVERIFY(QFile::exists(NotePage(book, book->pageIdentifierAtIndex(0)).sketchImagePath()));
  }

  // A catalogue and an info file that cannot be read: the shelf comes back
  // from the notebook folders, and the user is told once.
  void unreadableFilesAreKeptAndTheUserToldOnce() {
    QTemporaryDir dir;
    const QString home = dir.path() + QStringLiteral("/home");
    QStringList shelved;
    {
      RunningApp app(home);
      QVERIFY(app.started);
      for (const NoteBookPtr &book : NoteBookManager::sharedNoteBookManager().allBook())
        shelved.append(book->identifier());
    }
    QVERIFY(!shelved.isEmpty());
    const QString catalogue = NoteBookManager::cataloguePath();
    const QString info = NoteBookManager::notesFolder() + "/" + shelved.first() + "/info.plist";
    for (const QString &path : {catalogue, info}) {
      QFile file(path);
      QVERIFY(file.open(QIODevice::ReadWrite));
      QVERIFY(file.resize(file.size() / 2));
    }

    QuillTest::expectLogLine("stored dictionary: read", "\"notebooks\"");
    QuillTest::expectLogLine("stored dictionary: read", "\"page_key\"");
    RunningApp again(home);
    QVERIFY(again.started);
    NoteBookManager &manager = NoteBookManager::sharedNoteBookManager();
    QStringList rebuilt;
    for (const NoteBookPtr &book : manager.allBook())
      rebuilt.append(book->identifier());
    QCOMPARE(QSet<QString>(rebuilt.begin(), rebuilt.end()),
             QSet<QString>(shelved.begin(), shelved.end()));
    // The pages of the notebook come from its page files.
    QVERIFY(manager.bookWithIdentifier(shelved.first())->pageCount() > 0);
    QCoreApplication::processEvents();
    const QList<QNAlertView *> alerts = QNAlertCenter::sharedQNAlertCenter().alerts();
    QCOMPARE(alerts.size(), 1);
    QCOMPARE(alerts.first()->type(), int(QNAlertTypeMessage));
    QVERIFY2(alerts.first()->tip().contains("NoteBooks.plist.unreadable-"),
             qPrintable(alerts.first()->tip()));
  }
};

QUILL_TEST(EndToEndTest)
#include "EndToEndTest.moc"
