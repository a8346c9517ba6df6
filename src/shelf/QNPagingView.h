#pragma once

#include <QGraphicsWidget>
#include <QHash>
#include <QPointer>
#include <vector>

class PageContainerView;
class QNPageingViewDataSource;
class QVariantAnimation;

// A horizontal pager with page dots under it: pages a page-width apart in a
// strip that the finger swipes (snapping to whole pages) or the dots move.
// Only the current, previous and next pages are in the strip; pages leaving
// it wait for reuse under their identifier. A swipe that starts on a page's
// own controls is taken over once it is plainly sideways. The pager clips its
// content and owns its pages; the data source is not owned. Main thread only.
class QNPagingView : public QGraphicsWidget {
  Q_OBJECT
public:
  static constexpr qreal kDotsHeight = 20;

  explicit QNPagingView(QGraphicsItem *parent = nullptr);
  ~QNPagingView() override;

  QNPageingViewDataSource *dataSource() const { return m_dataSource; }
  void setDataSource(QNPageingViewDataSource *source);
  void reloadPages();
  // A page view waiting for reuse with that identifier, now the caller's; null when none.
  QGraphicsWidget *dequeueReusablePageWithIdentifier(const QString &identifier);
  void scrollToPage(int page, bool animated = true);
  // The dots' action: goes to the tapped page.
  void changePage(int page) { scrollToPage(page); }

  int pageCount() const { return m_pageCount; }
  int currentPage() const { return m_currentPage; }
  qreal contentOffset() const { return m_offset; }
  void setContentOffset(qreal x);
  // The page containers now in the strip.
  std::vector<PageContainerView *> containers() const;
  // The page view shown for index, or null when it is not in the strip.
  QGraphicsWidget *pageAtIndex(int index) const;
  QRectF dotRect(int page) const;

  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
  void resizeEvent(QGraphicsSceneResizeEvent *event) override;
  bool sceneEventFilter(QGraphicsItem *watched, QEvent *event) override;
  void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
  void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
  void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
  QRectF scrollBounds() const;
  void tilePages();
  void recyclePages();
  void setUpPage(int index);
  void scrollViewDidScroll();
  void snap(qreal velocity);

  QNPageingViewDataSource *m_dataSource = nullptr;
  QGraphicsWidget *m_strip;
  QHash<QString, std::vector<QGraphicsWidget *>> m_recycledObjects;
  int m_pageCount = 0;
  int m_currentPage = 0;
  qreal m_offset = 0;
  bool m_swiping = false;
  QPointF m_pressPos;
  qreal m_lastDelta = 0;
  QPointer<QVariantAnimation> m_animation;
};
