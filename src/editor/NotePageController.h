#pragma once

#include "NotePageViewDelegate.h"
#include "PageCurlView.h"
#include "common/QNButton.h"
#include "common/NotificationCenter.h"
#include "shell/BaseViewController.h"
#include "sketch/NoteBookToolDelegate.h"
#include "store/PageSaveJob.h"

#include <QFuture>
#include <QHash>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class NoteBook;
class NotePageBottomBar;
class NotePageView;
class QNSwitch;
class QGraphicsObject;
class QNAlertView;
class TextWidget;

// The page editor screen: one page of the open notebook in a NotePageView
// at (0, 4), the bottom bar with the page number and the arrows, the bar items
// (back, the read/edit switch, the tool buttons, list and share) and the
// active tool. Every fresh entry starts read-only. Turning and leaving save
// the page first when it needs it, under the "SAVING" notice: the main thread
// renders the thumbnail and gathers a PageSaveJob of values, a worker encodes
// and writes it, and its result is applied back on the main thread. From the
// start of a save until its result is applied, nothing reaches the page: the
// notice's mask takes the mouse, touches and keys, and the editor's own keys
// wait for isSaving(). A failed save keeps the user on the page with a notice
// (the page stays marked as needing a save). Going to the background saves;
// quitting waits for a running save and saves once more. Main thread.
class NotePageController : public BaseViewController,
                           public NotePageViewDelegate,
                           public NoteBookToolDelegate {
  Q_OBJECT
public:
  // The bar items' tags.
  enum Tag {
    kTextTag = 100,
    kDictationTag = 101,
    kPenTag = 102,
    kMarkPenTag = 103,
    kEraserTag = 104,
    kInsertTag = 105,
    kScreenshotTag = 106,
    kPageLabelTag = 107,
    kSettingsTag = 108,
    kShareTag = 109,
    kListTag = 110,
    kExcerptTag = 112,
    kEmojiTag = 113,
  };
  static constexpr int kCurlMs = 500;

  // Makes the editor known to the shelf under "NotePageController".
  static void registerScreen();

  explicit NotePageController(QGraphicsItem *parent = nullptr);
  ~NotePageController() override;

  NotePageView *pageView() const { return m_pageView; }
  NoteBook *book() const { return m_book.get(); }
  // Shows the page of book at index; the notebook becomes the editing one.
  void setNoteBook(const std::shared_ptr<NoteBook> &book, int page);
  void setPageIndex(int index);
  QString pageLabelText() const;

  NoteBookTool *currentTool() const { return m_currentTool; }
  void setCurrentTool(NoteBookTool *tool);
  QNButton *selectedItem() const { return m_selectedItem; }
  void setSelectedItem(QNButton *item);
  // The bar item with that tag, or null (the tool buttons exist only while editable).
  QNButton *item(int tag) const;
  QNSwitch *modeSwitchView() const { return m_modeSwitch; }
  QNButton *nextPageButton() const;
  QNButton *prePageButton() const;
  NotePageBottomBar *bottomBar() const { return m_bottomBar; }
  // While the page curl runs.
  bool isTurning() const;
  // From the start of a save under the notice until its result is applied.
  bool isSaving() const { return m_saveInFlight; }
  // How a save's job is written on the worker: PageSaveJob::run unless set
  // (tests hold a save on the worker this way).
  using SaveWorker = std::function<PageSaveJob::Result(const PageSaveJob &)>;
  void setSaveWorker(SaveWorker worker) { m_saveWorker = std::move(worker); }

  void itemClick(QNButton *item);
  void back();
  void nextPage();
  void prePage();
  // Saves now, waiting for a save that is running: the background and quit path.
  bool savePage();
  // A picture becomes a photo centred on the page; anything else is ignored.
  void pasteData(const QVariant &object);
  // The template screen's choice of a background file: a picture becomes the
  // page's own background; a missing file or one that is not a picture is ignored.
  void didSelectBackground(const QString &path);

  // NotePageViewDelegate
  NoteBookTool *activeTool() override { return m_currentTool; }
  void notePageDidActiveWidget(NotePageView *view, NoteBookWidget *widget) override;
  void notePageReadOnlyChanged(NotePageView *view, bool readOnly) override;
  // NoteBookToolDelegate
  QGraphicsObject *viewForEdit(NoteBookTool *tool) override;

  void viewWillAppear(bool animated) override;
  void viewDidAppear(bool animated) override;
  void viewWillDisappear(bool animated) override;
  bool shouldAutorotateToInterfaceOrientation(Qt::ScreenOrientation orientation) const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

Q_SIGNALS:
  // A page turn has ended: the new page is shown and its curl is over.
  void pageTurned();
  // A save under the "SAVING" notice has ended, with its result.
  void saveFinished(bool saved);

protected:
  void resizeEvent(QGraphicsSceneResizeEvent *event) override;
  // Page Up and Page Down turn, Ctrl+V pastes a picture, and on an editable
  // page Ctrl+Z and Ctrl+Shift+Z undo and redo, unless a text is being edited.
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void buildBar();
  void setButtons();
  QNButton *makeItem(int tag, const QString &picture);
  void modeSwitch(QNSwitch *control);
  void turnTo(int index, QNButton *from);
  void showPage(int index, bool upwards, QNButton *from);
  // Runs then after saving under the "SAVING" notice when the page needs it,
  // else at once; a failed save shows a notice and drops then.
  void saveThen(std::function<void()> then);
  // Applies the running save's result once it is written (waiting for it);
  // runs its follow-up only when asked to.
  void finishSave(bool runThen);
  void showTip(const QString &messageKey);
  // Appends a new page; false when the notebook refused it.
  static bool appendPage(NoteBook &book);
  void keyboardChangeFrame();
  void textViewBeginEdit(TextWidget *box);
  void layoutScroll();

  QGraphicsWidget *m_scrollView;
  QGraphicsWidget *m_content;
  NotePageView *m_pageView;
  NotePageBottomBar *m_bottomBar;
  QNButton *m_excerptButton;
  QNSwitch *m_modeSwitch = nullptr;
  QHash<int, QPointer<QNButton>> m_items;
  QPointer<QNButton> m_selectedItem;
  QPointer<PageCurlView> m_curl;
  std::shared_ptr<NoteBook> m_book;
  NoteBookTool *m_currentTool = nullptr;
  // The save under the notice, from its start until its result is applied.
  struct RunningSave {
    PageSaveJob job;
    std::function<void()> then;
    QPointer<QNAlertView> notice;
  };
  QFuture<PageSaveJob::Result> m_saving;
  std::unique_ptr<RunningSave> m_running;
  SaveWorker m_saveWorker;
  bool m_saveInFlight = false;
  qreal m_contentHeight = 0;
  qreal m_contentOffset = 0;
  std::vector<NotificationObservation> m_appObservations;
  QMetaObject::Connection m_keyboardConnection;
};
