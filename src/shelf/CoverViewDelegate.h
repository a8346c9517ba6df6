#pragma once

#include <QPointF>

class QNBookCoverView;

// What a cover reports to the shelf that shows it.
class CoverViewDelegate {
public:
  virtual ~CoverViewDelegate() = default;

  virtual void coverViewStartedTracking(QNBookCoverView *cover) = 0;
  virtual void coverViewMoved(QNBookCoverView *cover) = 0;
  virtual void coverViewStoppedTracking(QNBookCoverView *cover) = 0;
  virtual void coverViewWasTapped(QNBookCoverView *cover) = 0;
  // A finger that moved on a cover without holding it scrolls the shelf by delta.
  virtual void coverViewPanned(QNBookCoverView *cover, const QPointF &delta) = 0;
  virtual void coverViewPanEnded(QNBookCoverView *cover) = 0;
  virtual void didSelectCover(QNBookCoverView *) {}
  virtual void didDeselectCover(QNBookCoverView *) {}
  // Sent by a cover after the user confirmed its deletion.
  virtual void deleteCover(QNBookCoverView *cover) = 0;
  virtual bool isEditing() const = 0;
};
