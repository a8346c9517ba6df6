#include "PhotoFilterPanel.h"

#include "common/QNButton.h"
#include "media/ImageFilterViewController.h"

#include <QPainter>

namespace {
constexpr qreal kButtonWidth = 64;
constexpr qreal kButtonHeight = 30;
} // namespace

PhotoFilterPanel::PhotoFilterPanel(const QImage &image, ImageFilterViewControllerDelegate *delegate,
                                   QGraphicsItem *parent)
    : QGraphicsObject(parent), m_controller(new ImageFilterViewController(image, this)),
      m_ok(new QNButton(QPixmap(), QPixmap(), this)) {
  const QSizeF size = ImageFilterViewController::popoverSize();
  m_controller->setDelegate(delegate);
  m_controller->setGeometry(QRectF(0, kBarHeight, size.width(), size.height() - kBarHeight));
  m_ok->setTitle(m_controller->rightButtonTitle());
  m_ok->setSize(QSizeF(kButtonWidth, kButtonHeight));
  m_ok->setCenter(QPointF(size.width() - 8 - kButtonWidth / 2, kBarHeight / 2));
  connect(m_ok, &QNButton::clicked, m_controller, &ImageFilterViewController::commit);
}

QRectF PhotoFilterPanel::boundingRect() const {
  return QRectF(QPointF(0, 0), ImageFilterViewController::popoverSize());
}

void PhotoFilterPanel::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  const QRectF bar(0, 0, boundingRect().width(), kBarHeight);
  painter->fillRect(bar, QColor(48, 48, 52));
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(Qt::NoPen);
  painter->setBrush(QColor(70, 110, 220));
  painter->drawRoundedRect(m_ok->mapRectToParent(m_ok->boundingRect()), 5, 5);
  QFont font = painter->font();
  font.setPixelSize(17);
  font.setBold(true);
  painter->setFont(font);
  painter->setPen(Qt::white);
  painter->drawText(bar, Qt::AlignCenter, m_controller->title());
}
