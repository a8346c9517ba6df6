#pragma once

#include <QVariantMap>

class ImageFilterViewController;

// The owner of a filter screen. The screen does not own its delegate, and it
// never closes itself: the delegate removes it.
class ImageFilterViewControllerDelegate {
public:
  // For owners that offer a cancel of their own; the screen never sends it.
  virtual void filterControllerCanceled(ImageFilterViewController *controller) = 0;
  // OK: info holds "kFilteredImage" (QImage), "UIImagePickerControllerMediaType"
  // ("public.image") and "kFrameInWindow" (QRectF, where the picture is shown,
  // in scene coordinates).
  virtual void filterController(ImageFilterViewController *controller, const QVariantMap &finishWithImageInfo) = 0;

protected:
  ~ImageFilterViewControllerDelegate() = default;
};
