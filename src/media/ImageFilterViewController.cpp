#include "ImageFilterViewController.h"

#include "FilterGroup.h"
#include "FilterLooks.h"
#include "ImageFilterViewControllerDelegate.h"
#include "QNFilterLine.h"
#include "QNScrollItemListView.h"
#include "common/Localization.h"
#include "common/UsageAnalytics.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QtConcurrent/QtConcurrentRun>

namespace {
// The page canvas at scale 2: no preview needs more pixels.
constexpr QSize kPreviewPixels(1514, 1900);

QVariantList lookItems() {
  QVariantList items;
  for (int look = 0; look < FilterLooks::count(); ++look)
    items.append(QVariantMap{{"image", FilterLooks::thumbnail(look)},
                             {"selectedImage", QString()},
                             {"title", localizedString(FilterLooks::title(look))}});
  return items;
}
} // namespace

ImageFilterViewController::ImageFilterViewController(const QImage &image, QGraphicsItem *parent)
    : QGraphicsWidget(parent), itemStrip(new QNScrollItemListView(QStringLiteral("filter"), this)) {
  setFlag(ItemClipsChildrenToShape);
  itemStrip->setItems(lookItems());
  itemStrip->setDelegate(this);
  connect(&previewWatcher, &QFutureWatcher<QImage>::finished, this, &ImageFilterViewController::previewDone);
  setOriginImage(image);
}

ImageFilterViewController::~ImageFilterViewController() { previewWatcher.waitForFinished(); }

QString ImageFilterViewController::title() const { return localizedString("Image Filter"); }

QString ImageFilterViewController::rightButtonTitle() const { return localizedString("OK"); }

void ImageFilterViewController::setOriginImage(const QImage &image) {
  origin = image;
  filtered = QImage();
  const bool large = image.width() > kPreviewPixels.width() || image.height() > kPreviewPixels.height();
  staticPicture = large ? image.scaled(kPreviewPixels, Qt::KeepAspectRatio, Qt::SmoothTransformation) : image;
  refreshPreview();
}

void ImageFilterViewController::viewWillAppear() {
  filterLine = std::make_unique<QNFilterLine>(type);
  refreshPreview();
}

QVariant ImageFilterViewController::itemChange(GraphicsItemChange change, const QVariant &value) {
  if ((change == ItemSceneHasChanged && value.value<QGraphicsScene *>()) ||
      (change == ItemVisibleHasChanged && value.toBool() && scene()))
    viewWillAppear();
  return QGraphicsWidget::itemChange(change, value);
}

void ImageFilterViewController::resizeEvent(QGraphicsSceneResizeEvent *event) {
  QGraphicsWidget::resizeEvent(event);
  itemStrip->setGeometry(0, size().height() - kStripHeight, size().width(), kStripHeight);
}

void ImageFilterViewController::ScrollItemListView(QNScrollItemListView *, int index) {
  if (index == type)
    return;
  type = index;
  if (filterLine)
    filterLine->setFilterType(index);
  refreshPreview();
}

void ImageFilterViewController::refreshPreview() {
  if (!filterLine || staticPicture.isNull())
    return;
  if (previewWatcher.isRunning()) {
    previewStale = true;
    return;
  }
  previewStale = false;
  const std::shared_ptr<const FilterGroup> chain = filterLine->chain();
  const QImage source = staticPicture;
  previewWatcher.setFuture(QtConcurrent::run([chain, source] { return chain->apply(source); }));
}

void ImageFilterViewController::previewDone() {
  shown = previewWatcher.result();
  update();
  Q_EMIT previewChanged();
  if (previewStale)
    refreshPreview();
}

QRectF ImageFilterViewController::shownRect(const QSizeF &pictureSize) const {
  const QRectF view = rect();
  if (pictureSize.isEmpty())
    return {};
  const qreal scale = std::min(view.height() / pictureSize.height(), view.width() / pictureSize.width());
  QRectF frame(QPointF(), pictureSize * scale);
  frame.moveCenter(view.center());
  return frame;
}

void ImageFilterViewController::commit() {
  UsageAnalytics::shared().event("filterComfirm", {{"title", itemStrip->selectedItem().value("title")}});
  if (!filterLine || origin.isNull())
    return;
  filtered = filterLine->imageByFilteringImage(origin);
  if (filtered.isNull())
    return;
  const QVariantMap info{{"kFilteredImage", filtered},
                         {"UIImagePickerControllerMediaType", QStringLiteral("public.image")},
                         {"kFrameInWindow", mapRectToScene(shownRect(filtered.size()))}};
  if (controllerDelegate)
    controllerDelegate->filterController(this, info);
}

void ImageFilterViewController::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  painter->fillRect(rect(), Qt::black);
  if (shown.isNull())
    return;
  painter->setRenderHint(QPainter::SmoothPixmapTransform);
  painter->drawImage(shownRect(shown.size()), shown);
}
