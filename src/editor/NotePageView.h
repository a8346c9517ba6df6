#pragma once

#include "sketch/QNRewindGestureRecognizerDelegate.h"
#include "sketch/SketchViewHost.h"
#include "sketch/ToolTouchAdapter.h"
#include "sketch/UndoCounts.h"
#include "store/PageSaveJob.h"

#include <QGraphicsObject>
#include <QImage>
#include <QPointer>
#include <QStringList>
#include <memory>

class NoteBackgroundView;
class NoteBookTool;
class NoteBookWidget;
class NotePage;
class NotePageViewDelegate;
class QNRewindGestureRecognizer;
class QNRewindView;
class SketchView;
class UndoManager;

// The page canvas: one NotePage shown as three stacked layers, the tiled
// background, the widget layer (clipping its widgets, 40 points shorter than
// the page) and the handwriting layer on top. It owns its page, widgets,
// sketch view and the page's one undo manager (shared with the sketch view);
// adding and removing widgets are undoable, and files of removed widgets are
// deleted only at the next successful save. It decides which item a touch
// belongs to (hitTest) and routes the rest to the delegate's active tool as
// ToolTouch samples. The delegate (the editor) is not owned. Main thread.
class NotePageView : public QGraphicsObject, public SketchViewHost, public QNRewindGestureRecognizerDelegate {
  Q_OBJECT
public:
  explicit NotePageView(const QRectF &frame = QRectF(0, 4, 757, 950), QGraphicsItem *parent = nullptr);
  ~NotePageView() override;

  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

  NotePageViewDelegate *pageDelegate() const { return m_pageDelegate; }
  void setPageDelegate(NotePageViewDelegate *delegate) { m_pageDelegate = delegate; }

  NotePage *notePage() const { return m_notePage.get(); }
  // Empties the view and builds it from the page (a different page only).
  void setNotePage(std::unique_ptr<NotePage> page);
  void setBackground(const QImage &image);

  NoteBackgroundView *backgroundView() const { return m_backgroundView; }
  QGraphicsObject *contaninerView() const { return m_containerView; }
  SketchView *sketchView() const { return m_sketchView; }
  const QList<NoteBookWidget *> &widgets() const { return m_widgets; }
  NoteBookWidget *activeWidget() const { return m_activeWidget; }
  QStringList dataToClean() const { return m_dataToClean; }

  void addWidget(NoteBookWidget *widget) { addWidget(widget, true); }
  void addWidget(NoteBookWidget *widget, const QRectF &frame);
  // Takes ownership; isNew registers the removal as the undo step.
  void addWidget(NoteBookWidget *widget, bool isNew);
  // Takes the widget off the page (undoable); the view keeps it for undo.
  void removeWidget(NoteBookWidget *widget);
  void bringWidgetToFront(NoteBookWidget *widget);
  void setActiveWidget(NoteBookWidget *widget);

  bool isReadOnly() const { return m_readOnly; }
  void setReadOnly(bool readOnly);
  void showSketchView(bool show);
  bool isSketchShowing() const { return m_sketchShowing; }
  // The active tool is the pen, the marker or the rubber.
  bool isSketching() const;
  bool isEmoji() const;
  // The sticker tool, made known by the sticker kind.
  static void setEmojiTool(NoteBookTool *tool);

  // Whether the page differs from what is stored: its records, background,
  // sketch or a widget's file changed, or it has no thumbnail yet.
  bool needSave() const;
  // Writes the page (and the thumbnail, the widgets' files and the deletion of
  // removed widgets' files); true only when everything it had to write was
  // written. The widgets' files are written first and the page only when they
  // all were, so the stored page never lists a file that is not there; files
  // of removed widgets stay listed until a save succeeds. The three steps
  // below at once.
  bool savePageData();
  // The save in three steps, so that encoding and writing can leave the main
  // thread: prepareSave (main thread) renders the thumbnail and gathers
  // everything to write as values; the job runs on any thread; applySave
  // (main thread) takes its result: flags, files to clean, announcements.
  PageSaveJob prepareSave();
  void applySave(const PageSaveJob &job, const PageSaveJob::Result &result);
  // The records of the page as it is now, each as its page-file text.
  QList<QByteArray> recordTexts() const;

  bool pageEdited() const { return m_pageEdited; }
  void setPageEdited(bool edited) override { m_pageEdited = edited; }
  bool sketched() const { return m_sketched; }
  void setSketched(bool sketched) override { m_sketched = sketched; }
  bool isScreenShoting() const { return m_screenShoting; }
  void setScreenShoting(bool screenShoting) { m_screenShoting = screenShoting; }

  UndoManager *undoManager() override { return m_undoManager.get(); }
  void registUndoAction() override;
  int undoCount() const { return m_undoCounts.undoCount(); }
  int redoCount() const { return m_undoCounts.redoCount(); }

  // The item that takes a touch at point (this view's coordinates): this view
  // (the touch goes to the active tool), a widget, an item inside a widget that
  // takes Qt input itself, or null (nobody).
  QGraphicsItem *hitTest(const QPointF &point);

  QNRewindGestureRecognizer *rewindGestureRecognizer() const { return m_rewindRecognizer; }
  QNRewindView *rewindView() const { return m_rewindView; }
  bool isRewinding() const { return m_rewinding; }
  bool rewindGestureShouldBegin(QNRewindGestureRecognizer *recognizer) override;
  void rewindGestureDidBegin(QNRewindGestureRecognizer *recognizer) override;
  void rewindGestureDidEnd(QNRewindGestureRecognizer *recognizer) override;
  void rewindGestureRotated(QNRewindGestureRecognizer *recognizer, float angle) override;
  void startRewind();
  void stopRewind();

protected:
  bool sceneEvent(QEvent *event) override;
  bool sceneEventFilter(QGraphicsItem *watched, QEvent *event) override;

private:
  enum class Route { None, Page, Widget, Native };

  void cleanPageView();
  void initViewWithNotePage();
  NoteBookTool *activeTool() const;
  // Handles a pointer event that reached receiver; false lets Qt deliver it.
  bool routePointer(QGraphicsItem *receiver, QEvent *event);
  void beginRoute(const QPointF &point);
  void deliver(const QList<ToolTouch> &samples);
  void passToTool(const QList<ToolTouch> &samples);
  QImage thumbnail();
  QByteArray pageFileData() const;
  bool widgetFilesChanged() const;
  void animateGhost(bool show);

  QSizeF m_size;
  NoteBackgroundView *m_backgroundView = nullptr;
  QGraphicsObject *m_containerView = nullptr;
  SketchView *m_sketchView = nullptr;
  QList<NoteBookWidget *> m_widgets;
  QList<NoteBookWidget *> m_detached;
  QPointer<NoteBookWidget> m_activeWidget;
  std::unique_ptr<NotePage> m_notePage;
  NotePageViewDelegate *m_pageDelegate = nullptr;
  std::unique_ptr<UndoManager> m_undoManager;
  UndoCounts m_undoCounts;
  QStringList m_dataToClean;
  // Per record read from the page: the widget made for it, or its text kept
  // as read when no widget shows its kind.
  struct LoadedRecord {
    QPointer<NoteBookWidget> widget;
    QByteArray keptText;
  };
  QList<LoadedRecord> m_loaded;
  QByteArray m_storedPageData;           // the page file as last read or written
  QList<QPointer<NoteBookWidget>> m_saving; // the widgets of the save being written
  QNRewindGestureRecognizer *m_rewindRecognizer = nullptr;
  QNRewindView *m_rewindView = nullptr;
  ToolTouchAdapter m_adapter;
  Route m_route = Route::None;
  QPointer<NoteBookWidget> m_routeWidget;
  QPointer<QGraphicsObject> m_routeNative;
  qreal m_topZ = 0;
  bool m_forwarding = false;
  bool m_sketchShowing = true;
  bool m_screenShoting = false;
  bool m_pageEdited = false;
  bool m_sketched = false;
  bool m_readOnly = false;
  bool m_rewinding = false;
};
