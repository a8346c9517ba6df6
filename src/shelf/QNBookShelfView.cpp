#include "QNBookShelfView.h"

#include "common/ValueAnimation.h"

#include "BookShelfViewDataSource.h"
#include "BookShelfViewDelegate.h"
#include "QNBookCoverView.h"
#include "QNBookShelfCell.h"

#include <QDateTime>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QPauseAnimation>
#include <QPropertyAnimation>
#include <QSequentialAnimationGroup>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>

namespace {
// Takes a view off the scene for good; later, so a view may be dropped from
// inside its own touch handler.
void discard(QGraphicsObject *view) {
  view->setParentItem(nullptr);
  if (view->scene())
    view->scene()->removeItem(view);
  view->deleteLater();
}

void takeOffScene(QGraphicsObject *view) {
  view->setParentItem(nullptr);
  if (view->scene())
    view->scene()->removeItem(view);
}
} // namespace

QNBookShelfView::QNBookShelfView(QGraphicsItem *parent)
    : QGraphicsWidget(parent), m_content(new QGraphicsWidget(this)),
      m_cellLayer(new QGraphicsWidget(m_content)), m_coverLayer(new QGraphicsWidget(m_content)) {
  setFlag(ItemClipsChildrenToShape);
  setAcceptedMouseButtons(Qt::LeftButton);
  m_content->setFlag(ItemHasNoContents);
  m_cellLayer->setFlag(ItemHasNoContents);
  m_coverLayer->setFlag(ItemHasNoContents);
  m_autoscrollTimer.setInterval(1000 / 60);
  connect(&m_autoscrollTimer, &QTimer::timeout, this, &QNBookShelfView::autoscrollTimerFired);
}

QNBookShelfView::~QNBookShelfView() {
  for (QNBookCoverView *cover : m_recycledCovers)
    delete cover;
  for (QNBookShelfCell *cell : m_recycledCellBgs)
    delete cell;
}

void QNBookShelfView::setDataSource(BookShelfViewDataSource *source) {
  if (source == m_dataSource)
    return;
  m_dataSource = source;
  for (QNBookCoverView *cover : m_recycledCovers)
    delete cover;
  for (QNBookShelfCell *cell : m_recycledCellBgs)
    delete cell;
  m_recycledCovers.clear();
  m_recycledCellBgs.clear();
  reloadData();
}

void QNBookShelfView::discardAll() {
  for (QNBookCoverView *cover : m_covers)
    discard(cover);
  for (QNBookShelfCell *cell : m_cellBgs)
    discard(cell);
  m_covers.clear();
  m_cellBgs.clear();
}

void QNBookShelfView::reloadData() {
  discardAll();
  updateShelfFlags();
  setContentOffset(std::min(m_offset, largestOffset()));
  if (!m_dataSource)
    return;
  tileRows();
  tileItems();
}

void QNBookShelfView::updateShelfFlags() {
  const qreal width = size().width();
  m_cellLayer->resize(width, m_cellLayer->size().height());
  m_coverLayer->resize(width, m_coverLayer->size().height());
  if (m_dataSource) {
    m_coverCount = std::max(0, m_dataSource->numberOfBookInShelf(this));
    m_numberPerRow = std::max(1, m_dataSource->numberOfBookPerRowForShelf(this));
    m_rowHight = m_dataSource->rowHightOfShelfView(this);
    m_paddingHeight = m_dataSource->shelfViewPaddingHightOfRow(this, 0);
    m_marginWidth = m_dataSource->shelfViewLeftPaddingOfRow(this, 0);
    const std::optional<QSizeF> size = m_dataSource->shelfViewCoverViewSizeInRow(this, 0);
    m_coverSize = size ? *size
                       : QSizeF((width - 2 * m_marginWidth) / m_numberPerRow, m_rowHight - m_paddingHeight);
  } else {
    m_coverCount = 0;
  }
  if (m_rowHight <= 0)
    m_rowHight = 1;
  m_rowCount = (m_coverCount + m_numberPerRow - 1) / m_numberPerRow;
  const qreal height = m_headerHight + m_rowCount * m_rowHight;
  m_contentHeight = height > size().height() ? height : size().height() + 1;
  m_content->resize(width, m_contentHeight);
  m_cellLayer->resize(width, m_contentHeight);
  m_coverLayer->resize(width, m_contentHeight);
  // One cover per row has no gap to spread.
  m_paddingWidth = m_numberPerRow > 1 ? std::max(0.0, (width - 2 * m_marginWidth -
                                                       m_numberPerRow * m_coverSize.width()) /
                                                          (m_numberPerRow - 1))
                                      : 0;
  updateVisibleRange();
}

QNBookShelfView::Range QNBookShelfView::rowsForOffset(qreal offset) const {
  const int first = std::max(0, int(std::floor(offset / m_rowHight)));
  const int last = int(std::floor((offset + size().height()) / m_rowHight));
  return {first, std::max(0, last - first + 1)};
}

void QNBookShelfView::updateVisibleRange() {
  m_visibleRows = rowsForOffset(m_offset);
  const int location = m_numberPerRow * m_visibleRows.location;
  if (location >= m_coverCount) {
    m_visibleRange = {location, 0};
    return;
  }
  m_visibleRange = {location, std::min(m_numberPerRow * m_visibleRows.length, m_coverCount - location)};
}

QRectF QNBookShelfView::frameForIndex(int index) const {
  const int column = index % m_numberPerRow;
  const int row = index / m_numberPerRow;
  return QRectF(QPointF(m_marginWidth + column * (m_coverSize.width() + m_paddingWidth),
                        m_headerHight + m_paddingHeight + row * m_rowHight),
                m_coverSize);
}

QRectF QNBookShelfView::frameForCell(int row) const {
  return QRectF(0, m_headerHight + row * m_rowHight, m_cellLayer->size().width(), m_rowHight);
}

int QNBookShelfView::indexOfRect(const QRectF &rect) const {
  const QPointF centre = rect.center();
  const qreal step = m_paddingWidth + m_coverSize.width();
  const int column = step > 0 ? std::clamp(int(std::floor((centre.x() - m_marginWidth) / step)), 0,
                                           m_numberPerRow - 1)
                              : 0;
  const int row = int(std::floor((centre.y() - m_headerHight) / m_rowHight));
  return std::clamp(column + m_numberPerRow * row, 0, std::max(0, m_coverCount - 1));
}

qreal QNBookShelfView::largestOffset() const { return std::max(0.0, m_contentHeight - size().height()); }

void QNBookShelfView::setContentOffset(qreal y) {
  y = std::clamp(y, 0.0, largestOffset());
  if (y == m_offset && m_content->pos().y() == -y)
    return;
  m_offset = y;
  m_content->setPos(0, -y);
  scrollViewDidScroll();
  Q_EMIT scrolled(y);
}

void QNBookShelfView::scrollViewDidScroll() {
  if (rowsForOffset(m_offset) == m_visibleRows)
    return;
  updateVisibleRange();
  tileRows();
  tileItems();
}

void QNBookShelfView::scrollToIndex(int index, bool animated) {
  qreal y = std::max(0.0, frameForIndex(index).center().y() - size().height() / 2);
  y = std::min(y, m_contentHeight - size().height());
  if (m_scrollAnimation)
    m_scrollAnimation->stop();
  if (!animated) {
    setContentOffset(y);
    return;
  }
  m_scrollAnimation = animateValue(
      this, m_offset, y, 300, [this](qreal to) { setContentOffset(to); }, {}, QEasingCurve::InOutQuad);
}

bool QNBookShelfView::isShowingIndex(int index) {
  for (auto it = m_covers.begin(); it != m_covers.end(); ++it) {
    if ((*it)->index() != index)
      continue;
    if ((*it)->parentItem() == m_coverLayer)
      return true;
    m_covers.erase(it);
    return false;
  }
  return false;
}

bool QNBookShelfView::isShowingRow(int row) const {
  return std::any_of(m_cellBgs.begin(), m_cellBgs.end(),
                     [row](const QNBookShelfCell *cell) { return cell->index() == row; });
}

void QNBookShelfView::recycleCover(QNBookCoverView *cover) {
  takeOffScene(cover);
  cover->setIndex(-1);
  cover->setDelegate(nullptr);
  m_recycledCovers.push_back(cover);
}

void QNBookShelfView::tileItems() {
  if (!m_dataSource)
    return;
  for (auto it = m_covers.begin(); it != m_covers.end();) {
    if (m_visibleRange.contains((*it)->index())) {
      ++it;
      continue;
    }
    recycleCover(*it);
    it = m_covers.erase(it);
  }
  while (int(m_recycledCovers.size()) > kMaxRecycledCovers) {
    delete m_recycledCovers.back();
    m_recycledCovers.pop_back();
  }
  for (int i = m_visibleRange.location; i < m_visibleRange.location + m_visibleRange.length; ++i) {
    if (isShowingIndex(i))
      continue;
    QNBookCoverView *cover = m_dataSource->shelfViewCoverForBookAtIndex(this, i);
    if (!cover)
      continue;
    cover->setIndex(i);
    cover->setIsEditing(m_editing);
    cover->setFrame(frameForIndex(i));
    cover->setHome(cover->frame());
    cover->setScale(1);
    cover->setVisible(true);
    cover->setOpacity(1);
    cover->setParentItem(m_coverLayer);
    cover->setDelegate(this);
    m_covers.push_back(cover);
  }
}

void QNBookShelfView::tileRows() {
  if (!m_dataSource)
    return;
  for (auto it = m_cellBgs.begin(); it != m_cellBgs.end();) {
    if (m_visibleRows.contains((*it)->index())) {
      ++it;
      continue;
    }
    takeOffScene(*it);
    m_recycledCellBgs.push_back(*it);
    it = m_cellBgs.erase(it);
  }
  while (int(m_recycledCellBgs.size()) > kMaxRecycledCells) {
    delete m_recycledCellBgs.back();
    m_recycledCellBgs.pop_back();
  }
  for (int row = m_visibleRows.location; row < m_visibleRows.location + m_visibleRows.length; ++row) {
    if (isShowingRow(row))
      continue;
    QNBookShelfCell *cell = m_dataSource->shelfViewBackgroundOfRow(this, row);
    if (!cell)
      continue;
    cell->setIndex(row);
    cell->setFrame(frameForCell(row));
    cell->setParentItem(m_cellLayer);
    m_cellBgs.push_back(cell);
  }
}

template <typename View>
static View *takeRecycled(std::vector<View *> &recycled, const QString &identifier) {
  const auto it = std::find_if(recycled.begin(), recycled.end(),
                               [&](const View *view) { return view->identifier() == identifier; });
  if (it == recycled.end())
    return nullptr;
  View *view = *it;
  recycled.erase(it);
  return view;
}

QNBookCoverView *QNBookShelfView::dequeueReusableCoverWithIdentifier(const QString &identifier) {
  return takeRecycled(m_recycledCovers, identifier);
}

QNBookShelfCell *QNBookShelfView::dequeueReusableCellWithIdentifier(const QString &identifier) {
  return takeRecycled(m_recycledCellBgs, identifier);
}

QNBookCoverView *QNBookShelfView::coverAtIndex(int index) const {
  for (QNBookCoverView *cover : m_covers) {
    if (cover->index() == index && cover->parentItem() == m_coverLayer)
      return cover;
  }
  return nullptr;
}

void QNBookShelfView::setEditing(bool editing) {
  if (editing == m_editing)
    return;
  m_editing = editing;
  for (QNBookCoverView *cover : m_covers) {
    cover->setIsEditing(editing);
    cover->select(false);
  }
}

void QNBookShelfView::deleteCover(QNBookCoverView *cover) {
  const int index = cover->index();
  if (m_delegate)
    m_delegate->shelfViewRemoveBookAtIndex(this, index);
  updateShelfFlags();
  m_covers.erase(std::remove(m_covers.begin(), m_covers.end(), cover), m_covers.end());
  discard(cover);
  for (QNBookCoverView *other : m_covers) {
    if (other->index() <= index)
      continue;
    other->setIndex(other->index() - 1);
    other->setHome(frameForIndex(other->index()));
    other->goHome();
  }
  setContentOffset(std::min(m_offset, largestOffset()));
  tileRows();
  tileItems();
}

void QNBookShelfView::hideCovers() {
  for (QNBookCoverView *cover : m_covers)
    cover->setVisible(false);
}

void QNBookShelfView::showCoversAnimated(bool animated) {
  std::vector<QNBookCoverView *> shown = m_covers;
  std::sort(shown.begin(), shown.end(),
            [](const QNBookCoverView *a, const QNBookCoverView *b) { return a->index() < b->index(); });
  if (!animated || shown.empty()) {
    for (QNBookCoverView *cover : shown) {
      cover->setOpacity(1);
      cover->setVisible(true);
    }
    Q_EMIT coversShown();
    return;
  }
  const int first = shown.front()->index();
  for (QNBookCoverView *cover : shown) {
    cover->setOpacity(0);
    cover->setVisible(true);
    auto *group = new QSequentialAnimationGroup(cover);
    group->addPause(250 * (cover->index() - first));
    auto *fade = new QPropertyAnimation(cover, "opacity");
    fade->setDuration(250);
    fade->setEndValue(1.0);
    group->addAnimation(fade);
    if (cover == shown.back())
      connect(group, &QAbstractAnimation::finished, this, &QNBookShelfView::coversShown);
    group->start(QAbstractAnimation::DeleteWhenStopped);
  }
}

void QNBookShelfView::adjustViews(Qt::ScreenOrientation orientation) {
  if (orientation == m_orientation || !m_orientationSensitive)
    return;
  m_orientation = orientation;
  if (m_covers.empty()) {
    reloadData();
    return;
  }
  const qreal y = m_offset;
  const int oldPerRow = m_numberPerRow;
  const qreal oldRowHight = m_rowHight;
  updateShelfFlags();
  setContentOffset(m_rowHight * (y * oldPerRow / oldRowHight) / m_numberPerRow);
  reLayoutViews();
}

void QNBookShelfView::reLayoutViews() {
  tileRows();
  tileItems();
  for (QNBookCoverView *cover : m_covers) {
    cover->setHome(frameForIndex(cover->index()));
    cover->setFrame(cover->home());
  }
  for (QNBookShelfCell *cell : m_cellBgs)
    cell->setFrame(frameForCell(cell->index()));
}

void QNBookShelfView::resizeEvent(QGraphicsSceneResizeEvent *event) {
  QGraphicsWidget::resizeEvent(event);
  updateShelfFlags();
  setContentOffset(std::min(m_offset, largestOffset()));
  reLayoutViews();
}

// Touches of the covers.

void QNBookShelfView::coverViewStartedTracking(QNBookCoverView *cover) {
  if (m_scrollAnimation)
    m_scrollAnimation->stop();
  m_velocity = 0;
  m_lastPanTime = QDateTime::currentMSecsSinceEpoch();
  cover->setZValue(++m_topZ);
}

void QNBookShelfView::coverViewMoved(QNBookCoverView *cover) {
  autoscrollForThumb(cover);
  const QRectF visible(0, m_offset, size().width(), size().height());
  if (!cover->frame().intersects(visible))
    return;
  const int to = indexOfRect(cover->frame());
  const int from = cover->index();
  if (to == from)
    return;
  if (m_delegate && !m_delegate->shelfViewCanMoveCover(this, from, to))
    return;
  const int low = std::max(0, std::min(to, from));
  const int high = std::min(std::max(to, from), m_coverCount);
  const int step = to < from ? 1 : -1;
  for (QNBookCoverView *other : m_covers) {
    if (other == cover || other->index() < low || other->index() > high)
      continue;
    other->setIndex(other->index() + step);
    other->setHome(frameForIndex(other->index()));
    other->goHome();
  }
  cover->setHome(frameForIndex(to));
  if (m_delegate)
    m_delegate->shelfViewMoveIndex(this, from, to);
  cover->setIndex(to);
}

void QNBookShelfView::coverViewStoppedTracking(QNBookCoverView *) { stopAutoscroll(); }

void QNBookShelfView::coverViewWasTapped(QNBookCoverView *cover) {
  if (m_delegate)
    m_delegate->shelfViewDidSelectBook(this, cover->index());
}

void QNBookShelfView::coverViewPanned(QNBookCoverView *, const QPointF &delta) { panBy(delta.y()); }

void QNBookShelfView::coverViewPanEnded(QNBookCoverView *) { flick(); }

void QNBookShelfView::autoscrollForThumb(QNBookCoverView *cover) {
  m_autoscrollDistance = 0;
  const QRectF visible(0, m_offset, size().width(), size().height());
  if (cover->frame().intersects(visible)) {
    const qreal p = cover->mapToItem(this, cover->touchLocation()).y();
    const qreal top = 0;
    const qreal bottom = size().height();
    if (p - top < kAutoscrollMargin)
      m_autoscrollDistance = -std::ceil((kAutoscrollMargin - (p - top)) / 5);
    else if (bottom - p < kAutoscrollMargin)
      m_autoscrollDistance = std::ceil((kAutoscrollMargin - (bottom - p)) / 5);
  }
  if (m_autoscrollDistance == 0) {
    stopAutoscroll();
    return;
  }
  m_autoscrollCover = cover;
  if (!m_autoscrollTimer.isActive())
    m_autoscrollTimer.start();
}

void QNBookShelfView::autoscrollTimerFired() {
  if (!m_autoscrollCover) {
    stopAutoscroll();
    return;
  }
  const qreal distance =
      std::clamp(m_autoscrollDistance, -m_offset, std::max(0.0, m_contentHeight - (m_offset + size().height())));
  setContentOffset(m_offset + distance);
  m_autoscrollCover->moveByOffset(QPointF(0, distance));
}

void QNBookShelfView::stopAutoscroll() {
  m_autoscrollDistance = 0;
  m_autoscrollTimer.stop();
  m_autoscrollCover = nullptr;
}

// Scrolling by the finger, with a short glide after a flick.

void QNBookShelfView::panBy(qreal dy) {
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  const qint64 elapsed = std::max<qint64>(1, now - m_lastPanTime);
  m_velocity = 0.6 * m_velocity + 0.4 * (-dy / elapsed);
  m_lastPanTime = now;
  setContentOffset(m_offset - dy);
}

void QNBookShelfView::flick() {
  const bool recent = QDateTime::currentMSecsSinceEpoch() - m_lastPanTime < 100;
  if (!recent || std::abs(m_velocity) < 0.1)
    return;
  m_scrollAnimation = animateValue(
      this, m_offset, std::clamp(m_offset + m_velocity * 350, 0.0, largestOffset()), 700,
      [this](qreal to) { setContentOffset(to); }, {}, QEasingCurve::OutCubic);
}

void QNBookShelfView::mousePressEvent(QGraphicsSceneMouseEvent *event) {
  if (m_scrollAnimation)
    m_scrollAnimation->stop();
  m_velocity = 0;
  m_lastPanTime = QDateTime::currentMSecsSinceEpoch();
  event->accept();
}

void QNBookShelfView::mouseMoveEvent(QGraphicsSceneMouseEvent *event) {
  panBy(event->scenePos().y() - event->lastScenePos().y());
}

void QNBookShelfView::mouseReleaseEvent(QGraphicsSceneMouseEvent *) { flick(); }

void QNBookShelfView::wheelEvent(QGraphicsSceneWheelEvent *event) {
  setContentOffset(m_offset - event->delta() * m_rowHight / 360.0);
  event->accept();
}
