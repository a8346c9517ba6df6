#include "QNScrollItemListView.h"

#include "QNScrollItemListViewDelegate.h"
#include "common/FolderPaths.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QVariantAnimation>
#include <algorithm>

namespace {
constexpr qreal kPitch = 66;
constexpr qreal kButton = 50;
constexpr qreal kButtonLeft = 8;
constexpr qreal kButtonTop = 10;
constexpr qreal kCaptionTop = 60;
constexpr qreal kCaptionLeft = 5;
constexpr QSizeF kCaption(56, 20);
constexpr qreal kFrameCentreY = 35;
constexpr qreal kTapSlop = 10; // a press that moves less than this is a tap
constexpr int kFrameSlideMs = 250;
constexpr int kScrollMs = 300;
} // namespace

QNScrollItemListView::QNScrollItemListView(const QString &imageFolder, QGraphicsItem *parent)
    : QGraphicsWidget(parent), folder(imageFolder), scrollAnimation(new QVariantAnimation(this)),
      frameAnimation(new QVariantAnimation(this)) {
  setFlag(ItemClipsToShape);
  setFlag(ItemClipsChildrenToShape);
  frameImage = picture(QStringLiteral("cam_lomo_selected.png"));
  frameCentre = QPointF(kPitch / 2, kFrameCentreY);
  scrollAnimation->setDuration(kScrollMs);
  scrollAnimation->setEasingCurve(QEasingCurve::OutCubic);
  connect(scrollAnimation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
    offset = value.toReal();
    update();
  });
  frameAnimation->setDuration(kFrameSlideMs);
  connect(frameAnimation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
    frameCentre = value.toPointF();
    update();
  });
}

QNScrollItemListView::~QNScrollItemListView() = default;

QImage QNScrollItemListView::picture(const QString &name) const {
  if (name.isEmpty() || !isPlainFileName(name))
    return {};
  return QImage(resourcePathWithName(folder + QLatin1Char('/') + name));
}

void QNScrollItemListView::setItems(const QVariantList &items) {
  itemList = items;
  images.clear();
  pressedImages.clear();
  for (const QVariant &item : items) {
    const QVariantMap map = item.toMap();
    images.append(picture(map.value("image").toString()));
    pressedImages.append(picture(map.value("selectedImage").toString()));
  }
  offset = clampedOffset(offset);
  update();
}

void QNScrollItemListView::setSelectedIndex(int index) {
  selected = index;
  frameAnimation->stop();
  frameCentre = QPointF(kPitch * index + kPitch / 2, kFrameCentreY);
  update();
}

QVariantMap QNScrollItemListView::selectedItem() const {
  return selected >= 0 && selected < itemList.size() ? itemList.at(selected).toMap() : QVariantMap();
}

QRectF QNScrollItemListView::buttonRect(int index) const {
  return QRectF(kButtonLeft + kPitch * index - offset, kButtonTop, kButton, kButton);
}

qreal QNScrollItemListView::contentWidth() const { return kPitch * itemList.size(); }

qreal QNScrollItemListView::clampedOffset(qreal wanted) const {
  return std::max<qreal>(0, std::min(wanted, contentWidth() - size().width()));
}

int QNScrollItemListView::indexAt(const QPointF &position) const {
  for (int i = 0; i < itemList.size(); ++i)
    if (buttonRect(i).contains(position))
      return i;
  return -1;
}

void QNScrollItemListView::choose(int index) {
  if (listDelegate)
    listDelegate->ScrollItemListView(this, index);
  selected = index;
  const qreal centre = kPitch * index + kPitch / 2;
  scrollAnimation->stop();
  scrollAnimation->setStartValue(offset);
  scrollAnimation->setEndValue(clampedOffset(centre - size().width() / 2));
  scrollAnimation->start();
  frameAnimation->stop();
  frameAnimation->setStartValue(frameCentre);
  frameAnimation->setEndValue(QPointF(centre, kFrameCentreY));
  frameAnimation->start();
}

void QNScrollItemListView::mousePressEvent(QGraphicsSceneMouseEvent *event) {
  scrollAnimation->stop();
  pressPosition = event->pos();
  pressOffset = offset;
  dragging = false;
  pressed = indexAt(event->pos());
  update();
}

void QNScrollItemListView::mouseMoveEvent(QGraphicsSceneMouseEvent *event) {
  const qreal moved = event->pos().x() - pressPosition.x();
  if (!dragging && std::abs(moved) < kTapSlop)
    return;
  dragging = true;
  pressed = -1;
  offset = clampedOffset(pressOffset - moved);
  update();
}

void QNScrollItemListView::mouseReleaseEvent(QGraphicsSceneMouseEvent *event) {
  const int index = dragging ? -1 : indexAt(event->pos());
  const bool tapped = index >= 0 && index == pressed;
  pressed = -1;
  update();
  if (tapped)
    choose(index);
}

void QNScrollItemListView::resizeEvent(QGraphicsSceneResizeEvent *event) {
  QGraphicsWidget::resizeEvent(event);
  offset = clampedOffset(offset);
}

void QNScrollItemListView::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  const QRectF bounds = rect();
  painter->fillRect(bounds, QColor(0, 0, 0, 77));
  painter->setClipRect(bounds);
  painter->setRenderHint(QPainter::SmoothPixmapTransform);
  painter->setRenderHint(QPainter::Antialiasing);
  QFont font = painter->font();
  font.setPixelSize(12);
  painter->setFont(font);
  painter->setPen(Qt::white);
  for (int i = 0; i < itemList.size(); ++i) {
    const QRectF button = buttonRect(i);
    if (button.right() < 0 || button.left() > bounds.right())
      continue;
    const QImage &shown = (i == pressed && !pressedImages.at(i).isNull()) ? pressedImages.at(i) : images.at(i);
    if (!shown.isNull())
      painter->drawImage(button, shown);
    const QRectF caption(QPointF(kPitch * i + kCaptionLeft - offset, kCaptionTop), kCaption);
    painter->drawText(caption, Qt::AlignCenter, itemList.at(i).toMap().value("title").toString());
  }
  if (!frameImage.isNull()) {
    const QSizeF frameSize = frameImage.deviceIndependentSize() / 2.0; // drawn at scale 2
    const QPointF centre = frameCentre - QPointF(offset, 0);
    painter->drawImage(QRectF(centre - QPointF(frameSize.width(), frameSize.height()) / 2, frameSize), frameImage);
  }
}
