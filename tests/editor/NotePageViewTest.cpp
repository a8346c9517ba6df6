#include "EditorFixture.h"
#include "QuillTest.h"

#include "common/FolderPaths.h"
#include "editor/EditMenu.h"
#include "editor/NoteBackgroundView.h"
#include "editor/NoteBookWidget.h"
#include "editor/NotePageView.h"
#include "editor/TextTool.h"
#include "editor/TextWidget.h"
#include "sketch/PenTool.h"
#include "sketch/QNRewindView.h"
#include "sketch/SketchView.h"
#include "sketch/UndoManager.h"
#include "store/NoteBook.h"
#include "store/NotePage.h"
#include "store/PhotoWidgetData.h"
#include "store/VideoWidgetData.h"

#include <QDir>
#include <QFile>
#include <QPointingDevice>
#include <QGraphicsPixmapItem>
#include <QTest>

namespace {
// A stored widget with one file of its own in the resource folder, as a photo has.
class FileWidget : public NoteBookWidget {
public:
  FileWidget(const QRectF &frame, const QString &name) : NoteBookWidget(frame), name(name) {}
  WidgetDataPtr data() const override {
    auto record = std::make_shared<PhotoWidgetData>();
    record->setFrame(frame());
    record->setPhotoName(name);
    return record;
  }
  QStringList dataToClean() const override {
    return {resourcePath() + "/" + name, temporaryPathWithName(name)};
  }
  QString name;
};

// Stands in for the sticker kind, which the page view knows by its class name.
class EmojiWidget : public NoteBookWidget {
  Q_OBJECT
public:
  using NoteBookWidget::NoteBookWidget;
  void touchesBegan(const QList<ToolTouch> &touches) override { received += touches.size(); }
  int received = 0;
};

void writeFile(const QString &path) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("picture");
}

int count(const QStringList &list, const QString &entry) { return int(list.count(entry)); }
} // namespace

class NotePageViewTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void buildsThreeLayers() {
    EditorFixture f;
    const QList<QGraphicsItem *> layers = f.page->childItems();
    QCOMPARE(layers.size(), 3);
    QCOMPARE(layers[0], static_cast<QGraphicsItem *>(f.page->backgroundView()));
    QCOMPARE(layers[1], static_cast<QGraphicsItem *>(f.page->contaninerView()));
    QCOMPARE(layers[2], static_cast<QGraphicsItem *>(f.page->sketchView()));
    QVERIFY(f.page->contaninerView()->flags() & QGraphicsItem::ItemClipsChildrenToShape);
    QCOMPARE(f.page->contaninerView()->boundingRect(), QRectF(0, 0, 757, 910));
  }

  void penOverWidgetDraws() {
    EditorFixture f;
    f.showNewPage();
    auto *box = new TextWidget(QRectF(100, 100, 300, 100));
    f.page->addWidget(box, false);
    f.page->setPageEdited(false);
    f.setCurrentTool(PenTool::sharedPenTool());
    f.drag(QPointF(120, 130), QPointF(300, 160));
    QCOMPARE(f.page->sketchView()->drawables().size(), size_t(1));
    QVERIFY(f.page->activeWidget() == nullptr);
    QVERIFY(f.page->sketched());
    QVERIFY(!f.page->pageEdited());
  }

  void textToolActivatesWidget() {
    EditorFixture f;
    f.showNewPage();
    auto *lower = new TextWidget(QRectF(100, 100, 300, 100));
    auto *upper = new TextWidget(QRectF(150, 120, 300, 100));
    f.page->addWidget(lower, false);
    f.page->addWidget(upper, false);
    f.setCurrentTool(TextTool::sharedTextTool());
    f.tap(QPointF(160, 130));
    QCOMPARE(f.page->activeWidget(), static_cast<NoteBookWidget *>(upper));
    QVERIFY(f.page->pageEdited());
    QVERIFY(f.page->sketchView()->drawables().empty());
    f.tap(QPointF(110, 110));
    QCOMPARE(f.page->activeWidget(), static_cast<NoteBookWidget *>(lower));
    QCOMPARE(f.page->widgets().last(), static_cast<NoteBookWidget *>(lower));
    // A tap on the empty page deactivates and goes to the tool.
    f.tap(QPointF(600, 700));
    QVERIFY(f.page->activeWidget() == nullptr);
  }

  // A finger on the screen reaches the tool as our own samples.
  void touchesReachTheTool() {
    EditorFixture f;
    f.showNewPage();
    RecordingTool tool;
    f.setCurrentTool(&tool);
    QPointingDevice *screen = QTest::createTouchDevice();
    const auto at = [&](const QPointF &p) { return f.view.mapFromScene(f.page->mapToScene(p)); };
    QTest::touchEvent(f.view.viewport(), screen).press(0, at(QPointF(200, 300)));
    QTest::touchEvent(f.view.viewport(), screen).move(0, at(QPointF(240, 320)));
    QTest::touchEvent(f.view.viewport(), screen).release(0, at(QPointF(240, 320)));
    QCOMPARE(tool.samples.size(), 3);
    QCOMPARE(tool.samples[0].phase, ToolTouch::Down);
    QCOMPARE(tool.samples[0].position, QPointF(200, 300));
    QCOMPARE(tool.samples[1].previousPosition, QPointF(200, 300));
    QCOMPARE(tool.samples[2].phase, ToolTouch::Up);
  }

  void emojiToolTakesStickersOnly() {
    EditorFixture f;
    f.showNewPage();
    RecordingTool stickers;
    NotePageView::setEmojiTool(&stickers);
    auto *sticker = new EmojiWidget(QRectF(100, 100, 60, 60));
    auto *box = new TextWidget(QRectF(300, 300, 200, 60));
    f.page->addWidget(sticker, false);
    f.page->addWidget(box, false);
    f.setCurrentTool(&stickers);
    f.tap(QPointF(120, 120));
    QCOMPARE(sticker->received, 1);
    QVERIFY(f.page->activeWidget() == nullptr);
    f.tap(QPointF(600, 700));
    QCOMPARE(stickers.samples.size(), 2);
    // Another kind is activated, and the editor switches to its tool.
    f.tap(QPointF(320, 320));
    QCOMPARE(f.page->activeWidget(), static_cast<NoteBookWidget *>(box));
    QCOMPARE(f.tool, static_cast<NoteBookTool *>(TextTool::sharedTextTool()));
    NotePageView::setEmojiTool(nullptr);
  }

  void editMenuKeepsItsTouches() {
    EditorFixture f;
    f.showNewPage();
    EditMenu::setVisibleFrame(f.page->mapRectToScene(QRectF(100, 100, 200, 40)));
    QVERIFY(f.page->hitTest(QPointF(150, 120)) == nullptr);
    QCOMPARE(f.page->hitTest(QPointF(150, 200)), static_cast<QGraphicsItem *>(f.page));
    EditMenu::hide();
    QCOMPARE(f.page->hitTest(QPointF(150, 120)), static_cast<QGraphicsItem *>(f.page));
  }

  void readOnlyTakesNoTouches() {
    EditorFixture f;
    f.showNewPage();
    RecordingTool tool;
    f.setCurrentTool(&tool);
    auto *box = new TextWidget(QRectF(100, 100, 300, 100));
    f.page->addWidget(box, false);
    f.page->setReadOnly(true);
    QVERIFY(box->isReadOnly());
    f.tap(QPointF(500, 500));
    f.drag(QPointF(120, 130), QPointF(200, 300));
    QVERIFY(tool.samples.isEmpty());
    QVERIFY(f.page->activeWidget() == nullptr);
    QCOMPARE(box->pos(), QPointF(100, 100));
    f.page->setReadOnly(false);
    f.tap(QPointF(500, 500));
    QCOMPARE(tool.samples.size(), 2);
    QCOMPARE(tool.samples[0].position, QPointF(500, 500));
  }

  void removeThenUndoKeepsFiles() {
    EditorFixture f;
    f.showNewPage();
    writeFile(f.resourcePath() + "/1000.png");
    auto *photo = new FileWidget(QRectF(50, 50, 100, 100), "1000.png");
    f.page->addWidget(photo);
    QVERIFY(f.page->savePageData());
    f.page->removeWidget(photo);
    QVERIFY(f.page->dataToClean().contains(f.resourcePath() + "/1000.png"));
    QVERIFY(f.page->undoManager()->undo());
    QCOMPARE(f.page->widgets().size(), 1);
    QVERIFY(f.page->dataToClean().isEmpty());
    f.notifications.clear();
    QVERIFY(f.page->savePageData());
    QVERIFY(QFile::exists(f.resourcePath() + "/1000.png"));
    QCOMPARE(count(f.fileChanges(), "DELETE 1000.png"), 0);
  }

  void removeThenSaveDeletesFiles() {
    EditorFixture f;
    NotePage *page = f.showNewPage();
    writeFile(f.resourcePath() + "/1000.png");
    writeFile(temporaryPathWithName("1000.png"));
    f.page->addWidget(new FileWidget(QRectF(50, 50, 100, 100), "1000.png"));
    f.page->addWidget(new FileWidget(QRectF(250, 50, 100, 100), "2000.png"));
    QVERIFY(f.page->savePageData());
    f.page->removeWidget(f.page->widgets().first());
    f.notifications.clear();
    QVERIFY(f.page->savePageData());
    QVERIFY(!QFile::exists(f.resourcePath() + "/1000.png"));
    QVERIFY(!QFile::exists(temporaryPathWithName("1000.png")));
    const QStringList changes = f.fileChanges();
    QCOMPARE(count(changes, "DELETE 1000.png"), 2); // the resource copy and the temporary one
    QCOMPARE(changes.filter("DELETE").size(), 2);
    QCOMPARE(f.notifications.back().userInfo.value("kNotebookIdentifier").toString(), f.book->identifier());
    QVERIFY(f.page->dataToClean().isEmpty());
    const auto stored = f.reread(page->identifier());
    QCOMPARE(stored->widgets().size(), size_t(1));
  }

  void failedSaveKeepsFilesAndSaysSo() {
    EditorFixture f;
    NotePage *page = f.showNewPage();
    writeFile(f.resourcePath() + "/1000.png");
    f.page->addWidget(new FileWidget(QRectF(50, 50, 100, 100), "1000.png"));
    QVERIFY(f.page->savePageData());
    f.page->removeWidget(f.page->widgets().first());
    // A folder where the page file goes makes its write fail.
    QFile::remove(page->dataPath());
    QVERIFY(QDir().mkpath(page->dataPath() + "/blocker"));
    QuillTest::expectLogLine("rename into place", qPrintable(page->dataPath()));
    QVERIFY(!f.page->savePageData());
    QVERIFY(QFile::exists(f.resourcePath() + "/1000.png"));
    QVERIFY(f.page->needSave());
    QVERIFY(QDir(page->dataPath()).removeRecursively());
    QVERIFY(f.page->savePageData());
    QVERIFY(!QFile::exists(f.resourcePath() + "/1000.png"));
  }

  void firstSaveWritesThumbnail() {
    EditorFixture f;
    NotePage *page = f.showNewPage();
    QVERIFY(!page->thumbCached());
    QVERIFY(f.page->needSave());
    QVERIFY(f.page->savePageData());
    QVERIFY(page->thumbCached());
    QVERIFY(!f.page->needSave());
    const QImage thumb(page->thumbImagePath());
    QVERIFY(!thumb.isNull());
    QVERIFY(qAbs(thumb.width() - 757 * 2 * 0.2) < 2);
  }

  void setNotePageRebuilds() {
    EditorFixture f;
    NotePage *first = f.showNewPage();
    f.page->addWidget(new TextWidget(QRectF(10, 10, 200, 60)));
    f.page->addWidget(new TextWidget(QRectF(10, 300, 200, 60)));
    std::vector<WidgetDataPtr> records;
    for (NoteBookWidget *widget : f.page->widgets())
      records.push_back(widget->data());
    records.push_back(std::make_shared<VideoWidgetData>()); // a kind this build does not show
    first->setWidgets(records);
    first->setPageEdited(true);
    QVERIFY(first->save());
    const QString id = first->identifier();
    f.showNewPage();
    QVERIFY(f.page->widgets().isEmpty());
    QCOMPARE(f.page->undoCount(), 0);
    f.page->setNotePage(f.reread(id));
    QCOMPARE(f.page->widgets().size(), 2);
    QCOMPARE(f.page->widgets()[1]->pos(), QPointF(10, 300));
    QCOMPARE(f.page->widgets()[1]->size().width(), 200.0);
    QCOMPARE(f.page->undoCount(), 0);
    QVERIFY(!f.page->pageEdited());
    QVERIFY(!f.page->sketched());
  }

  void addingAndRemovingAreUndoable() {
    EditorFixture f;
    f.showNewPage();
    auto *box = new TextWidget(QRectF(10, 10, 200, 60));
    f.page->addWidget(box);
    QCOMPARE(f.page->undoCount(), 1);
    QVERIFY(f.page->undoManager()->undo());
    QVERIFY(f.page->widgets().isEmpty());
    QVERIFY(box->page() == nullptr);
    QCOMPARE(f.page->redoCount(), 1);
    QVERIFY(f.page->undoManager()->redo());
    QCOMPARE(f.page->widgets().size(), 1);
    QCOMPARE(box->parentItem(), static_cast<QGraphicsItem *>(f.page->contaninerView()));
  }

  void rewindKeepsTouchesFromTheTool() {
    EditorFixture f;
    f.showNewPage();
    RecordingTool tool;
    f.setCurrentTool(&tool);
    f.page->startRewind();
    QVERIFY(f.page->isRewinding());
    QCOMPARE(tool.cancels, 1);
    QVERIFY(f.page->rewindView()->isVisible());
    QCOMPARE(f.page->rewindView()->pos() + QPointF(130, 130), f.page->boundingRect().center());
    f.drag(QPointF(100, 100), QPointF(200, 200));
    QVERIFY(tool.samples.isEmpty());
    f.page->stopRewind();
    f.tap(QPointF(100, 100));
    QCOMPARE(tool.samples.size(), 2);
    QTRY_VERIFY(!f.page->rewindView()->isVisible());
  }

  void dimmingShowsAGhost() {
    EditorFixture f;
    f.showNewPage();
    const int before = f.page->childItems().size();
    f.page->showSketchView(false);
    QCOMPARE(f.page->sketchView()->opacity(), 0.3);
    QCOMPARE(f.page->childItems().size(), before + 1);
    QTRY_COMPARE(f.page->childItems().size(), before);
    f.page->showSketchView(true);
    QCOMPARE(f.page->childItems().size(), before + 1);
    QTRY_COMPARE(f.page->sketchView()->opacity(), 1.0);
    QCOMPARE(f.page->childItems().size(), before);
  }

  void rendersHandwritingOverText() {
    EditorFixture f;
    f.showNewPage();
    auto *box = new TextWidget(QRectF(100, 100, 400, 100));
    box->setText("Handwriting lies over this text box");
    f.page->addWidget(box);
    f.setCurrentTool(PenTool::sharedPenTool());
    f.drag(QPointF(90, 110), QPointF(520, 150), 20);
    const QImage image = f.render();
    QuillTest::keepSnapshot(image, "editor_page");
    // The ink (black pen) lies over the box's text at the stroke's middle.
    const QColor ink = image.pixelColor(305, 4 + 130);
    QVERIFY2(ink.lightness() < 80, qPrintable(ink.name()));
    // The active box shows its frame, delete button and resize handle under the dimmed ink.
    f.setCurrentTool(TextTool::sharedTextTool());
    f.tap(QPointF(300, 120));
    QTRY_COMPARE(f.page->sketchView()->opacity(), 0.3);
    // The ghost leaves once the dimming is over.
    const auto ghostShown = [&] {
      const QList<QGraphicsItem *> children = f.page->childItems();
      return std::any_of(children.cbegin(), children.cend(),
                         [](QGraphicsItem *child) { return qgraphicsitem_cast<QGraphicsPixmapItem *>(child); });
    };
    QTRY_VERIFY(!ghostShown());
    const QImage active = f.render();
    QuillTest::keepSnapshot(active, "editor_active_box");
    QVERIFY(active.pixelColor(305, 4 + 130).lightness() > ink.lightness());
  }

  // The ghost that dims or shows the handwriting covers the layer, whatever the picture's scale.
  void ghostCoversTheSketchLayer() {
    EditorFixture f;
    f.showNewPage();
    f.setCurrentTool(PenTool::sharedPenTool());
    f.drag(QPointF(90, 110), QPointF(520, 150), 10);
    f.setCurrentTool(TextTool::sharedTextTool());
    QGraphicsPixmapItem *ghost = nullptr;
    for (QGraphicsItem *child : f.page->childItems())
      ghost = ghost ? ghost : qgraphicsitem_cast<QGraphicsPixmapItem *>(child);
    QVERIFY(ghost);
    QCOMPARE(ghost->boundingRect().size(), f.page->sketchView()->boundingRect().size());
  }
};

QUILL_TEST(NotePageViewTest)
#include "NotePageViewTest.moc"
