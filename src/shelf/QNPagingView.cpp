#include "QNPagingView.h"

#include "common/ValueAnimation.h"

#include "PageContainerView.h"
#include "QNPageingViewDataSource.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>

namespace {
constexpr qreal kSwipeSlack = 10;
constexpr qreal kDotSize = 8;
constexpr qreal kDotGap = 16;
} // namespace

QNPagingView::QNPagingView(QGraphicsItem *parent) : QGraphicsWidget(parent), m_strip(new QGraphicsWidget(this)) {
  setFlag(ItemClipsChildrenToShape);
  setFiltersChildEvents(true);
  setAcceptedMouseButtons(Qt::LeftButton);
  m_strip->setFlag(ItemHasNoContents);
}

QNPagingView::~QNPagingView() {
  for (auto &views : m_recycledObjects) {
    for (QGraphicsWidget *view : views)
      delete view;
  }
}

QRectF QNPagingView::scrollBounds() const {
  return QRectF(0, 0, size().width(), std::max(0.0, size().height() - kDotsHeight));
}

void QNPagingView::setDataSource(QNPageingViewDataSource *source) {
  if (source == m_dataSource)
    return;
  m_dataSource = source;
  reloadPages();
}

void QNPagingView::reloadPages() {
  if (!m_dataSource)
    return;
  if (m_animation)
    m_animation->stop();
  m_pageCount = std::max(0, m_dataSource->NumberOfPageInPagingView(this));
  for (PageContainerView *container : containers())
    delete container;
  m_currentPage = 0;
  m_offset = 0;
  m_strip->setPos(0, 0);
  m_strip->resize(scrollBounds().width() * m_pageCount, scrollBounds().height());
  if (m_pageCount > 0)
    tilePages();
  update();
}

std::vector<PageContainerView *> QNPagingView::containers() const {
  std::vector<PageContainerView *> found;
  for (QGraphicsItem *child : m_strip->childItems()) {
    if (auto *container = qobject_cast<PageContainerView *>(child->toGraphicsObject()))
      found.push_back(container);
  }
  return found;
}

QGraphicsWidget *QNPagingView::pageAtIndex(int index) const {
  for (PageContainerView *container : containers()) {
    if (container->index() == index)
      return container->view();
  }
  return nullptr;
}

void QNPagingView::tilePages() {
  recyclePages();
  const int previous = std::max(m_currentPage - 1, 0);
  const int next = std::min(m_currentPage + 1, std::max(m_pageCount - 1, 0));
  setUpPage(m_currentPage);
  setUpPage(next);
  setUpPage(previous);
}

void QNPagingView::recyclePages() {
  const int previous = m_currentPage - 1;
  const int next = m_currentPage + 1;
  for (PageContainerView *container : containers()) {
    const int index = container->index();
    if (index == m_currentPage || index == previous || index == next)
      continue;
    container->setIndex(-1);
    if (!container->identifier().isEmpty()) {
      if (QGraphicsWidget *view = container->takeView())
        m_recycledObjects[container->identifier()].push_back(view);
    }
    delete container;
  }
}

void QNPagingView::setUpPage(int index) {
  if (index < 0 || index >= m_pageCount || pageAtIndex(index))
    return;
  QString identifier;
  QGraphicsWidget *view = m_dataSource->PagingViewViewAtIndex(this, index, &identifier);
  auto *container = new PageContainerView(m_strip);
  container->setGeometry(scrollBounds().translated(scrollBounds().width() * index, 0));
  container->setIndex(index);
  container->setIdentifier(identifier);
  container->setView(view);
}

QGraphicsWidget *QNPagingView::dequeueReusablePageWithIdentifier(const QString &identifier) {
  auto it = m_recycledObjects.find(identifier);
  if (it == m_recycledObjects.end())
    return nullptr;
  QGraphicsWidget *view = it->back();
  it->pop_back();
  if (it->empty())
    m_recycledObjects.erase(it);
  return view;
}

void QNPagingView::setContentOffset(qreal x) {
  const qreal widest = std::max(0.0, scrollBounds().width() * (m_pageCount - 1));
  m_offset = std::clamp(x, 0.0, widest);
  m_strip->setPos(-m_offset, 0);
  scrollViewDidScroll();
}

void QNPagingView::scrollViewDidScroll() {
  const qreal width = scrollBounds().width();
  if (width <= 0 || m_pageCount == 0)
    return;
  const int page = std::clamp(int(std::floor(m_offset / width + 1e-6)), 0, m_pageCount - 1);
  if (page == m_currentPage)
    return;
  m_currentPage = page;
  tilePages();
  update();
}

void QNPagingView::scrollToPage(int page, bool animated) {
  if (m_pageCount == 0)
    return;
  page = std::clamp(page, 0, m_pageCount - 1);
  const qreal target = page * scrollBounds().width();
  if (m_animation)
    m_animation->stop();
  if (!animated) {
    setContentOffset(target);
    return;
  }
  m_animation = animateValue(
      this, m_offset, target, 300, [this](qreal x) { setContentOffset(x); }, {}, QEasingCurve::OutCubic);
}

void QNPagingView::snap(qreal velocity) {
  const qreal width = scrollBounds().width();
  int page = int(std::lround(m_offset / width));
  // A quick sideways flick turns the page even when it went less than half way.
  if (std::abs(velocity) > 4)
    page = int(velocity < 0 ? std::ceil(m_offset / width) : std::floor(m_offset / width));
  scrollToPage(page);
}

void QNPagingView::resizeEvent(QGraphicsSceneResizeEvent *event) {
  QGraphicsWidget::resizeEvent(event);
  reloadPages();
}

QRectF QNPagingView::dotRect(int page) const {
  const qreal total = m_pageCount * kDotSize + std::max(0, m_pageCount - 1) * (kDotGap - kDotSize);
  const qreal left = (size().width() - total) / 2;
  const qreal y = size().height() - kDotsHeight / 2 - kDotSize / 2;
  return QRectF(left + page * kDotGap, y, kDotSize, kDotSize);
}

void QNPagingView::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  if (m_pageCount < 1)
    return;
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(Qt::NoPen);
  for (int page = 0; page < m_pageCount; ++page) {
    painter->setBrush(page == m_currentPage ? QColor(70, 52, 40) : QColor(70, 52, 40, 70));
    painter->drawEllipse(dotRect(page));
  }
}

// Swipes: from the pager itself, or taken over from a page's controls.

bool QNPagingView::sceneEventFilter(QGraphicsItem *, QEvent *event) {
  auto *mouse = static_cast<QGraphicsSceneMouseEvent *>(event);
  switch (event->type()) {
  case QEvent::GraphicsSceneMousePress:
    m_pressPos = mouse->scenePos();
    m_swiping = false;
    return false;
  case QEvent::GraphicsSceneMouseMove: {
    const QPointF moved = mouse->scenePos() - m_pressPos;
    if (!m_swiping && std::abs(moved.x()) > kSwipeSlack && std::abs(moved.x()) > 2 * std::abs(moved.y())) {
      m_swiping = true;
      if (m_animation)
        m_animation->stop();
      grabMouse();
      return true;
    }
    return m_swiping;
  }
  default:
    return false;
  }
}

void QNPagingView::mousePressEvent(QGraphicsSceneMouseEvent *event) {
  m_pressPos = event->scenePos();
  m_swiping = false;
  m_lastDelta = 0;
  event->accept();
}

void QNPagingView::mouseMoveEvent(QGraphicsSceneMouseEvent *event) {
  const QPointF moved = event->scenePos() - m_pressPos;
  if (!m_swiping && std::abs(moved.x()) <= kSwipeSlack)
    return;
  m_swiping = true;
  m_lastDelta = event->scenePos().x() - event->lastScenePos().x();
  setContentOffset(m_offset - m_lastDelta);
}

void QNPagingView::mouseReleaseEvent(QGraphicsSceneMouseEvent *event) {
  if (m_swiping) {
    m_swiping = false;
    ungrabMouse();
    snap(m_lastDelta);
    return;
  }
  // A tap on the dots' band moves one page towards the tapped side.
  if (event->pos().y() >= size().height() - kDotsHeight)
    changePage(event->pos().x() < size().width() / 2 ? m_currentPage - 1 : m_currentPage + 1);
}
