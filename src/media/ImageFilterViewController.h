#pragma once

#include "QNScrollItemListViewDelegate.h"

#include <QFutureWatcher>
#include <QGraphicsWidget>
#include <QImage>
#include <memory>

class FilterGroup;
class ImageFilterViewControllerDelegate;
class QNFilterLine;
class QNScrollItemListView;

// The filter screen: the photo fills the screen with the chosen look applied
// live, over a strip of the 36 looks along the bottom; OK (commit) hands the
// photo, filtered at full size, to the delegate. A scene item; main thread.
//
// The preview runs the look over a copy of the photo scaled once to at most
// 1514 by 1900 pixels, on the thread pool; a choice made while one runs is
// filtered when it ends, so the shown look always catches up with the latest.
class ImageFilterViewController : public QGraphicsWidget, private QNScrollItemListViewDelegate {
  Q_OBJECT
public:
  static constexpr qreal kStripHeight = 90;

  explicit ImageFilterViewController(const QImage &image, QGraphicsItem *parent = nullptr);
  ~ImageFilterViewController() override;

  QString title() const;
  // The navigation bar's right button, which runs commit().
  QString rightButtonTitle() const;
  static QSizeF popoverSize() { return {320, 480}; }

  QImage originImage() const { return origin; }
  void setOriginImage(const QImage &image);
  // The photo with the look of the last OK; empty until then and after the
  // photo changes.
  QImage filteredImage() const { return filtered; }
  int filterType() const { return type; }
  void setDelegate(ImageFilterViewControllerDelegate *delegate) { controllerDelegate = delegate; }

  QNScrollItemListView *strip() const { return itemStrip; }
  // The picture the preview shows now.
  QImage previewImage() const { return shown; }
  // Where the preview shows a picture of the given size, in this screen's coordinates.
  QRectF shownRect(const QSizeF &pictureSize) const;

  // Builds the chain anew for the current look, as on every appearance.
  void viewWillAppear();
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

public Q_SLOTS:
  void commit();

Q_SIGNALS:
  // The preview shows a newly filtered picture.
  void previewChanged();

protected:
  QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
  void resizeEvent(QGraphicsSceneResizeEvent *event) override;

private:
  void ScrollItemListView(QNScrollItemListView *view, int didSelectItemAtIndex) override;
  void refreshPreview();
  void previewDone();

  QImage origin;
  QImage filtered;
  QImage staticPicture;
  QImage shown;
  int type = 0;
  std::unique_ptr<QNFilterLine> filterLine;
  QNScrollItemListView *itemStrip;
  QFutureWatcher<QImage> previewWatcher;
  bool previewStale = false;
  ImageFilterViewControllerDelegate *controllerDelegate = nullptr;
};
