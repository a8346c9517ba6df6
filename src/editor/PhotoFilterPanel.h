#pragma once

#include <QGraphicsObject>
#include <QImage>

class ImageFilterViewController;
class ImageFilterViewControllerDelegate;
class QNButton;

// The filter screen as a photo's popover shows it: a navigation bar with the
// screen's title and its OK button over the screen itself, together
// ImageFilterViewController::popoverSize(). Owns the screen; the delegate is not owned.
class PhotoFilterPanel : public QGraphicsObject {
  Q_OBJECT
public:
  static constexpr qreal kBarHeight = 44;

  PhotoFilterPanel(const QImage &image, ImageFilterViewControllerDelegate *delegate,
                   QGraphicsItem *parent = nullptr);

  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

  ImageFilterViewController *controller() const { return m_controller; }
  QNButton *okButton() const { return m_ok; }

private:
  ImageFilterViewController *m_controller;
  QNButton *m_ok;
};
