#pragma once

#include <QString>

class QGraphicsWidget;
class QNPagingView;

// What a pager asks of its owner: the number of pages and a page view (with
// its reuse identifier) for each index it shows. A page view handed over
// becomes the pager's. The data source must answer a view for every index.
class QNPageingViewDataSource {
public:
  virtual ~QNPageingViewDataSource() = default;
  virtual int NumberOfPageInPagingView(QNPagingView *pager) = 0;
  virtual QGraphicsWidget *PagingViewViewAtIndex(QNPagingView *pager, int index, QString *identifier) = 0;
};
