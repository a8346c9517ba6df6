#include "TemplateBackgroundSelectView.h"

#include "BackgroundSelectViewDelegate.h"

#include "store/BookTemplate.h"
#include "store/StoredPicture.h"
#include "store/TemplateManager.h"

#include "common/FolderPaths.h"
#include "common/ValueAnimation.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>

namespace {
constexpr qreal kDragSlack = 6;

void paintArrow(QPainter *painter, const QPointF &centre, bool up) {
  QPainterPath chevron;
  const qreal dy = up ? 5 : -5;
  chevron.moveTo(centre + QPointF(-12, dy));
  chevron.lineTo(centre + QPointF(0, -dy));
  chevron.lineTo(centre + QPointF(12, dy));
  painter->setPen(QPen(QColor(255, 255, 255, 230), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter->drawPath(chevron);
  painter->setPen(QPen(QColor(70, 52, 40), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter->drawPath(chevron);
}
} // namespace

TemplateBackgroundSelectView::TemplateBackgroundSelectView(QGraphicsItem *parent) : QGraphicsWidget(parent) {
  setFlag(ItemClipsChildrenToShape);
  setAcceptedMouseButtons(Qt::LeftButton);
  const TemplateManager &templates = TemplateManager::sharedTemplateManager();
  m_backgrounds = templates.builtInBackgrounds();
  m_thumbs = templates.builtInBackgroundThumbs();
  m_pictures.resize(size_t(m_backgrounds.size()));
}

TemplateBackgroundSelectView::~TemplateBackgroundSelectView() = default;

void TemplateBackgroundSelectView::setSelectedIndex(int index) {
  if (index == m_selectedIndex || index < 0 || index >= pageCount())
    return;
  m_selectedIndex = index;
  if (m_delegate)
    m_delegate->selectViewDidSelectBackground(this, m_backgrounds.at(index));
}

void TemplateBackgroundSelectView::setSelectedBackground(const QString &name) {
  const int index = int(m_backgrounds.indexOf(name));
  if (index < 0)
    return;
  setSelectedIndex(index);
  scrollToIndex(index, false);
}

void TemplateBackgroundSelectView::setContentOffset(qreal y) {
  const qreal height = size().height();
  m_offset = std::clamp(y, 0.0, std::max(0.0, height * (pageCount() - 1)));
  update();
  // Only the user's own scrolling chooses; placing the list chooses nothing.
  if (!m_userScroll || height <= 0 || pageCount() == 0)
    return;
  setSelectedIndex(std::clamp(int(std::floor(m_offset / height + 1e-6)), 0, pageCount() - 1));
}

void TemplateBackgroundSelectView::scrollToIndex(int index, bool animated, bool byUser) {
  const qreal target = std::clamp(index, 0, std::max(0, pageCount() - 1)) * size().height();
  if (m_animation)
    m_animation->stop();
  m_userScroll = byUser;
  if (!animated) {
    setContentOffset(target);
    m_userScroll = false;
    return;
  }
  m_animation = animateValue(
      this, m_offset, target, 300, [this](qreal y) { setContentOffset(y); },
      [this] { m_userScroll = false; }, QEasingCurve::OutCubic);
}

void TemplateBackgroundSelectView::resizeEvent(QGraphicsSceneResizeEvent *event) {
  QGraphicsWidget::resizeEvent(event);
  std::fill(m_pictures.begin(), m_pictures.end(), QPixmap());
  scrollToIndex(std::max(0, m_selectedIndex), false);
}

QRectF TemplateBackgroundSelectView::thumbnailRect(int index) const {
  const QRectF page(0, index * size().height() - m_offset, size().width(), size().height());
  const QRectF room = page.adjusted(20, kArrowBand, -20, -kArrowBand);
  // Pages are 757 by 950: keep that shape inside the room.
  QSizeF shape(757, 950);
  shape.scale(room.size(), Qt::KeepAspectRatio);
  return QRectF(room.center() - QPointF(shape.width() / 2, shape.height() / 2), shape);
}

QPixmap TemplateBackgroundSelectView::thumbnail(int index) {
  QPixmap &picture = m_pictures[size_t(index)];
  if (picture.isNull() && index < m_thumbs.size()) {
    const QString path = BookTemplate::templateFolder() + QLatin1Char('/') + m_thumbs.at(index);
    const QImage image = isPlainFileName(m_thumbs.at(index)) ? StoredPicture::read(path) : QImage();
    if (!image.isNull()) {
      const QSizeF pixels = thumbnailRect(index).size() * 2;
      picture = QPixmap::fromImage(
          image.scaled(pixels.toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
      picture.setDevicePixelRatio(2);
    }
  }
  return picture;
}

void TemplateBackgroundSelectView::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  const qreal height = size().height();
  if (height <= 0)
    return;
  painter->setRenderHint(QPainter::Antialiasing);
  const int first = std::max(0, int(std::floor(m_offset / height)));
  for (int index = first; index < std::min(pageCount(), first + 2); ++index) {
    const QRectF box = thumbnailRect(index);
    painter->fillRect(box.translated(0, 3), QColor(0, 0, 0, 45));
    const QPixmap picture = thumbnail(index);
    if (picture.isNull())
      painter->fillRect(box, Qt::white);
    else
      painter->drawPixmap(box, picture, picture.rect());
  }
  if (m_offset > 0.5)
    paintArrow(painter, QPointF(size().width() / 2, kArrowBand / 2), true);
  if (m_offset < height * (pageCount() - 1) - 0.5)
    paintArrow(painter, QPointF(size().width() / 2, height - kArrowBand / 2), false);
}

void TemplateBackgroundSelectView::mousePressEvent(QGraphicsSceneMouseEvent *event) {
  if (m_animation)
    m_animation->stop();
  m_pressPos = event->scenePos();
  m_dragging = false;
  m_lastDelta = 0;
  event->accept();
}

void TemplateBackgroundSelectView::mouseMoveEvent(QGraphicsSceneMouseEvent *event) {
  if (!m_dragging && std::abs(event->scenePos().y() - m_pressPos.y()) <= kDragSlack)
    return;
  m_dragging = true;
  m_userScroll = true;
  m_lastDelta = event->scenePos().y() - event->lastScenePos().y();
  setContentOffset(m_offset - m_lastDelta);
}

void TemplateBackgroundSelectView::mouseReleaseEvent(QGraphicsSceneMouseEvent *event) {
  const qreal height = size().height();
  if (m_dragging) {
    m_dragging = false;
    int index = int(std::lround(m_offset / height));
    if (std::abs(m_lastDelta) > 4)
      index = int(m_lastDelta < 0 ? std::ceil(m_offset / height) : std::floor(m_offset / height));
    scrollToIndex(index, true, true);
    return;
  }
  // The arrows step one background up or down from the one in view.
  const int shown = int(std::lround(m_offset / height));
  if (event->pos().y() < kArrowBand)
    scrollToIndex(shown - 1, true, true);
  else if (event->pos().y() > height - kArrowBand)
    scrollToIndex(shown + 1, true, true);
}
