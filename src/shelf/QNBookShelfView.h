#pragma once

#include "CoverViewDelegate.h"

#include <QGraphicsWidget>
#include <QPointer>
#include <QTimer>
#include <vector>

class BookShelfViewDataSource;
class BookShelfViewDelegate;
class QNBookShelfCell;
class QVariantAnimation;

// A vertically scrolling grid of covers on shelf rows, filled by a data
// source like a table: only the covers and row views of the visible rows
// exist in the layers (tiling runs only when the set of visible rows
// changes); covers and rows scrolled away wait for reuse by identifier (at
// most 5 covers and 2 rows). It offers an edit mode, reordering by holding a
// cover and dragging it (with automatic scrolling near the top and bottom
// edges) and animated deletion in which the following covers slide up.
//
// The shelf owns every cover and row view it shows or keeps for reuse; the
// data source and delegate are not owned. All geometry is in points, in the
// content's coordinates (the content scrolls by contentOffset). Main thread.
class QNBookShelfView : public QGraphicsWidget, public CoverViewDelegate {
  Q_OBJECT
public:
  static constexpr int kMaxRecycledCovers = 5;
  static constexpr int kMaxRecycledCells = 2;
  static constexpr qreal kAutoscrollMargin = 30;

  struct Range {
    int location = 0;
    int length = 0;
    bool contains(int i) const { return i >= location && i < location + length; }
    bool operator==(const Range &) const = default;
  };

  explicit QNBookShelfView(QGraphicsItem *parent = nullptr);
  ~QNBookShelfView() override;

  BookShelfViewDataSource *dataSource() const { return m_dataSource; }
  void setDataSource(BookShelfViewDataSource *source);
  BookShelfViewDelegate *shelfDelegate() const { return m_delegate; }
  void setShelfDelegate(BookShelfViewDelegate *delegate) { m_delegate = delegate; }

  void reloadData();
  // A view waiting for reuse with that identifier, now the caller's; null when none.
  QNBookCoverView *dequeueReusableCoverWithIdentifier(const QString &identifier);
  QNBookShelfCell *dequeueReusableCellWithIdentifier(const QString &identifier);
  // The shown cover with that index, or null when it is not shown.
  QNBookCoverView *coverAtIndex(int index) const;
  const std::vector<QNBookCoverView *> &covers() const { return m_covers; }
  const std::vector<QNBookShelfCell *> &cellBgs() const { return m_cellBgs; }

  QRectF frameForIndex(int index) const;
  QRectF frameForCell(int row) const;
  int indexOfRect(const QRectF &rect) const;
  void scrollToIndex(int index, bool animated);

  qreal contentOffset() const { return m_offset; }
  void setContentOffset(qreal y);
  qreal contentHeight() const { return m_contentHeight; }
  Range visibleRange() const { return m_visibleRange; }
  Range visibleRows() const { return m_visibleRows; }
  int numberPerRow() const { return m_numberPerRow; }
  int coverCount() const { return m_coverCount; }
  int rowCount() const { return m_rowCount; }
  qreal paddingWidth() const { return m_paddingWidth; }
  QSizeF coverSize() const { return m_coverSize; }
  qreal autoscrollDistance() const { return m_autoscrollDistance; }

  bool isEditing() const override { return m_editing; }
  void setEditing(bool editing);

  void deleteCover(QNBookCoverView *cover) override;
  void hideCovers();
  // Fades the shown covers in one after another, 0.25 s apart in index order;
  // coversShown follows the last.
  void showCoversAnimated(bool animated);

  Qt::ScreenOrientation orientation() const { return m_orientation; }
  void setOrientation(Qt::ScreenOrientation orientation) { adjustViews(orientation); }
  void adjustViews(Qt::ScreenOrientation orientation);
  bool orientationSensitive() const { return m_orientationSensitive; }
  void setOrientationSensitive(bool sensitive) { m_orientationSensitive = sensitive; }
  void reLayoutViews();

  qreal headerHight() const { return m_headerHight; }
  void setHeaderHight(qreal height) { m_headerHight = height; }
  QGraphicsItem *headerView() const { return m_headerView; }
  void setHeaderView(QGraphicsItem *view) { m_headerView = view; }
  QGraphicsItem *footerView() const { return m_footerView; }
  void setFooterView(QGraphicsItem *view) { m_footerView = view; }
  QGraphicsWidget *coverLayer() const { return m_coverLayer; }
  QGraphicsWidget *cellLayer() const { return m_cellLayer; }

  // CoverViewDelegate
  void coverViewStartedTracking(QNBookCoverView *cover) override;
  void coverViewMoved(QNBookCoverView *cover) override;
  void coverViewStoppedTracking(QNBookCoverView *cover) override;
  void coverViewWasTapped(QNBookCoverView *cover) override;
  void coverViewPanned(QNBookCoverView *cover, const QPointF &delta) override;
  void coverViewPanEnded(QNBookCoverView *cover) override;

Q_SIGNALS:
  void coversShown();
  void scrolled(qreal offset);

protected:
  void resizeEvent(QGraphicsSceneResizeEvent *event) override;
  void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
  void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
  void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
  void wheelEvent(QGraphicsSceneWheelEvent *event) override;

private:
  void updateShelfFlags();
  void updateVisibleRange();
  Range rowsForOffset(qreal offset) const;
  void scrollViewDidScroll();
  void tileItems();
  void tileRows();
  bool isShowingIndex(int index);
  bool isShowingRow(int row) const;
  void recycleCover(QNBookCoverView *cover);
  void discardAll();
  void autoscrollForThumb(QNBookCoverView *cover);
  void autoscrollTimerFired();
  void stopAutoscroll();
  void panBy(qreal dy);
  void flick();
  qreal largestOffset() const;

  BookShelfViewDataSource *m_dataSource = nullptr;
  BookShelfViewDelegate *m_delegate = nullptr;
  QGraphicsWidget *m_content;
  QGraphicsWidget *m_cellLayer;
  QGraphicsWidget *m_coverLayer;
  std::vector<QNBookCoverView *> m_covers;
  std::vector<QNBookShelfCell *> m_cellBgs;
  std::vector<QNBookCoverView *> m_recycledCovers;
  std::vector<QNBookShelfCell *> m_recycledCellBgs;
  QTimer m_autoscrollTimer;
  QPointer<QNBookCoverView> m_autoscrollCover;
  qreal m_autoscrollDistance = 0;
  Range m_visibleRange;
  Range m_visibleRows;
  int m_numberPerRow = 1;
  int m_coverCount = 0;
  int m_rowCount = 0;
  qreal m_rowHight = 1;
  qreal m_marginWidth = 10;
  qreal m_paddingWidth = 0;
  qreal m_paddingHeight = 10;
  QSizeF m_coverSize;
  bool m_editing = false;
  qreal m_headerHight = 0;
  QGraphicsItem *m_headerView = nullptr;
  QGraphicsItem *m_footerView = nullptr;
  Qt::ScreenOrientation m_orientation = Qt::PortraitOrientation;
  bool m_orientationSensitive = true;
  qreal m_offset = 0;
  qreal m_contentHeight = 0;
  qreal m_topZ = 0;
  qreal m_velocity = 0;
  qint64 m_lastPanTime = 0;
  QPointer<QVariantAnimation> m_scrollAnimation;
};
