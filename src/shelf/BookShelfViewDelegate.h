#pragma once

class QNBookShelfView;

// What a shelf tells its owner. Every operation is optional; the defaults do
// nothing and allow every move.
class BookShelfViewDelegate {
public:
  virtual ~BookShelfViewDelegate() = default;

  // A cover was tapped outside edit mode.
  virtual void shelfViewDidSelectBook(QNBookShelfView *, int) {}
  // Asked before a dragged cover takes a new index; false leaves all in place.
  virtual bool shelfViewCanMoveCover(QNBookShelfView *, int, int) { return true; }
  // A dragged cover moved from one index to another; the owner moves its item the same way.
  virtual void shelfViewMoveIndex(QNBookShelfView *, int, int) {}
  // A cover is being deleted; the owner removes its item (before the shelf re-counts).
  virtual void shelfViewRemoveBookAtIndex(QNBookShelfView *, int) {}
};
