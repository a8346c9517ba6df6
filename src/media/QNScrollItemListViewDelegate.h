#pragma once

class QNScrollItemListView;

// What a strip tells its owner. The strip does not own its delegate.
class QNScrollItemListViewDelegate {
public:
  // An item was tapped; sent before the selection moves to it.
  virtual void ScrollItemListView(QNScrollItemListView *view, int didSelectItemAtIndex) = 0;

protected:
  ~QNScrollItemListViewDelegate() = default;
};
