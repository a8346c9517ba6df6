#pragma once

#include "BookShelfViewDataSource.h"
#include "BookShelfViewDelegate.h"
#include "CoverPictureCache.h"

#include "shell/BaseViewController.h"

#include <QPointer>
#include <memory>

class NoteBook;
class QGraphicsPixmapItem;
class QNBookShelfView;
class QNButton;

// The root screen: every notebook of the catalogue as a cover on wooden
// shelves, three to a row. A tap opens the notebook in the page editor at its
// current page; the add button opens the new-notebook screen and a cover's
// edit button the same screen for that notebook; in edit mode a cover's delete
// button removes the notebook after a confirmation; holding a cover and
// dragging it reorders the catalogue. At start-up it plays a short splash over
// the window (beginSplash), which leaves nothing behind that could take a touch.
//
// The catalogue is the shared NoteBookManager; the shelf and its covers are
// child items of the screen. Main thread only.
class MyNotesViewController : public BaseViewController,
                              public BookShelfViewDataSource,
                              public BookShelfViewDelegate {
  Q_OBJECT
public:
  static constexpr qreal kRowHeight = 300;
  static constexpr qreal kHeaderHeight = 50;
  static constexpr int kSplashStepMs = 1500;

  explicit MyNotesViewController(QGraphicsItem *parent = nullptr);
  ~MyNotesViewController() override;

  QNBookShelfView *bookShelf() const { return m_bookShelf; }
  QGraphicsPixmapItem *bird() const { return m_bird; }
  CoverPictureCache &coverPictures() { return m_pictures; }
  QNButton *addButton() const { return m_addButton; }
  QNButton *editButton() const { return m_editButton; }

  // The start-up animation; splashFinished follows once the covers are shown.
  void beginSplash();
  // The screen as it stands once the splash is over, without the animation
  // (a start that only takes a picture of the first screen); splashFinished
  // follows from the event loop.
  void skipSplash();
  bool isSplashing() const { return m_splashing; }
  void setEditState(bool editing);
  void edit();
  void addBook();
  // Opens the new-notebook screen for an existing notebook.
  void editBook(const std::shared_ptr<NoteBook> &book);
  void reloadData();

  void viewWillAppear(bool animated) override;
  void viewWillDisappear(bool animated) override;
  bool shouldAutorotateToInterfaceOrientation(Qt::ScreenOrientation orientation) const override;

  // BookShelfViewDataSource
  int numberOfBookInShelf(QNBookShelfView *shelf) override;
  int numberOfBookPerRowForShelf(QNBookShelfView *shelf) override;
  qreal rowHightOfShelfView(QNBookShelfView *shelf) override;
  QNBookCoverView *shelfViewCoverForBookAtIndex(QNBookShelfView *shelf, int index) override;
  QNBookShelfCell *shelfViewBackgroundOfRow(QNBookShelfView *shelf, int row) override;
  qreal shelfViewLeftPaddingOfRow(QNBookShelfView *shelf, int row) override;
  std::optional<QSizeF> shelfViewCoverViewSizeInRow(QNBookShelfView *shelf, int row) override;

  // BookShelfViewDelegate
  void shelfViewDidSelectBook(QNBookShelfView *shelf, int index) override;
  bool shelfViewCanMoveCover(QNBookShelfView *shelf, int from, int to) override;
  void shelfViewMoveIndex(QNBookShelfView *shelf, int from, int to) override;
  void shelfViewRemoveBookAtIndex(QNBookShelfView *shelf, int index) override;

  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

Q_SIGNALS:
  void splashFinished();

protected:
  void resizeEvent(QGraphicsSceneResizeEvent *event) override;

private:
  void finishSplash();
  void placeBird();

  QNBookShelfView *m_bookShelf;
  QGraphicsPixmapItem *m_bird;
  QNButton *m_addButton;
  QNButton *m_editButton = nullptr;
  CoverPictureCache m_pictures;
  bool m_splashing = false;
};
