#pragma once

#include <QSizeF>
#include <optional>

class QNBookCoverView;
class QNBookShelfCell;
class QNBookShelfView;

// What a shelf asks of its owner: the number of covers, the row geometry and
// one cover (and optionally one row background) per index. The operations
// with a body are optional: the shelf takes their answer as "not implemented".
// Covers and row views handed over become the shelf's.
class BookShelfViewDataSource {
public:
  virtual ~BookShelfViewDataSource() = default;

  virtual int numberOfBookInShelf(QNBookShelfView *shelf) = 0;
  // 0 is taken as 1.
  virtual int numberOfBookPerRowForShelf(QNBookShelfView *shelf) = 0;
  virtual qreal rowHightOfShelfView(QNBookShelfView *shelf) = 0;
  // Normally a cover from dequeueReusableCoverWithIdentifier, refilled.
  virtual QNBookCoverView *shelfViewCoverForBookAtIndex(QNBookShelfView *shelf, int index) = 0;
  // A background for the row, or null for a bare row.
  virtual QNBookShelfCell *shelfViewBackgroundOfRow(QNBookShelfView *shelf, int row) = 0;

  // Distance from a row's top to its covers' top.
  virtual qreal shelfViewPaddingHightOfRow(QNBookShelfView *, int) { return 10; }
  // The left (and right) margin of a row.
  virtual qreal shelfViewLeftPaddingOfRow(QNBookShelfView *, int) { return 10; }
  // The size of every cover; none lets the covers fill the row.
  virtual std::optional<QSizeF> shelfViewCoverViewSizeInRow(QNBookShelfView *, int) { return {}; }
};
