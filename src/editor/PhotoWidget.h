#pragma once

#include "NoteBookWidget.h"
#include "media/ImageFilterViewControllerDelegate.h"

#include <QImage>
#include <QPointer>

class PhotoTipView;
class PhotoWidgetData;
class PopoverItem;
class QTimer;

// A picture on a page. One finger moves it, or scales it (aspect kept, centre
// kept) when it lands within 50 points of the top-left or bottom-right
// corner; two fingers move, scale and rotate it together. rotate() turns it
// about its centre (radians, clockwise on screen as Qt's rotation); size() is
// the unrotated size and the hit shape is the rotated rectangle. A double tap
// or a still hold opens its edit menu (filter, reset, copy, delete, share).
// The picture is kept as the PNG file imageFile(): in the temporary folder
// from when it is set (or filtered) until the page is saved, then in the
// editing notebook's resource folder.
class PhotoWidget : public NoteBookWidget, public ImageFilterViewControllerDelegate {
  Q_OBJECT
public:
  static void registerKind();

  // A photo of the picture's size, its longer side capped at 1000 points; a
  // picture without size gives a 50 by 50 photo at the origin.
  explicit PhotoWidget(const QImage &image, QGraphicsItem *parent = nullptr);
  explicit PhotoWidget(const PhotoWidgetData &data, QGraphicsItem *parent = nullptr);
  ~PhotoWidget() override;

  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

  QImage image() const { return m_image; }
  // Shows the picture; the first picture also names the photo and goes to the temporary folder.
  void setImage(const QImage &image);
  // Replaces the picture (a filter's result); it is written at the next save.
  void setNewImage(const QImage &image);
  QString imageFile() const { return m_imageFile; }
  bool imageChanged() const { return m_imageChanged; }
  qreal rotate() const { return m_rotate; }
  void setRotate(qreal radians);
  qreal diagonal() const;
  // Scales to the diagonal, keeping the aspect and the centre.
  void setDiagonal(qreal diagonal);
  void showTip(bool show);
  PhotoTipView *tipView() const { return m_tipView; }
  // Opens the edit menu at point (own coordinates).
  void showMenuAtPoint(const QPointF &point);

  void filter();
  void reset();
  void copy1();
  void delete1();
  void share();
  // The popover of the open filter screen; null while none is open.
  PopoverItem *popOver() const;

  void filterControllerCanceled(ImageFilterViewController *controller) override;
  void filterController(ImageFilterViewController *controller,
                        const QVariantMap &finishWithImageInfo) override;

  NoteBookTool *toolForWidget() const override;
  WidgetDataPtr data() const override;
  void addFilesToSave(PageSaveJob &job, int owner, const QString &resourceFolder) const override;
  bool filesChanged() const override { return m_imageChanged; }
  void filesSaved() override { m_imageChanged = false; }
  QStringList dataToClean() const override;
  void setActive(bool active) override;
  void setReadOnly(bool readOnly) override;
  QGraphicsItem *hitTest(const QPointF &point) override;
  void touchesBegan(const QList<ToolTouch> &touches) override;
  void touchesMoved(const QList<ToolTouch> &touches) override;
  void touchesEnded(const QList<ToolTouch> &touches) override;
  void touchesCancelled(const QList<ToolTouch> &touches) override;

protected:
  void sizeChanged() override;

private:
  struct Finger {
    int id;
    QPointF position; // last known, in the widget layer
  };

  void build();
  void showPicture(const QImage &image);
  void dismissFilter();
  void snapToPage();
  void moveOneFinger(const Finger &finger, const QPointF &now);
  void moveTwoFingers(const QPointF &aNow, const QPointF &bNow);
  int followed(int touchId) const;
  void stopFollowing();
  void openMenuFromHold();

  QImage m_image;
  QString m_imageFile;
  qreal m_rotate = 0;
  QList<Finger> m_fingers; // at most 2
  bool m_resizing = false;
  bool m_imageChanged = false;
  PhotoTipView *m_tipView = nullptr;
  QPointer<PopoverItem> m_popOver;
  QTimer *m_holdTimer = nullptr;
  QPointF m_holdStart; // in the widget layer
};
