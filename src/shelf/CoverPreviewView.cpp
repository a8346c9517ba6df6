#include "CoverPreviewView.h"

#include "ShelfArtwork.h"

#include <QPainter>

namespace {
const QColor kInk(56, 37, 32);
constexpr QSizeF kCoverShape{205, 255};
} // namespace

CoverPreviewView::CoverPreviewView(QGraphicsItem *parent)
    : QGraphicsWidget(parent),
      m_titleUpdates(QStringLiteral("bookCoverTitleUpdateNotifi"), nullptr, this, [this](const Notification &note) {
        setTitle(note.userInfo.value(QStringLiteral("title")).toString());
      }) {}

void CoverPreviewView::setCover(const QImage &cover) {
  m_cover = cover;
  update();
  if (coverUpdateAction)
    coverUpdateAction();
}

void CoverPreviewView::setTitle(const QString &title) {
  m_title = title;
  update();
}

QRectF CoverPreviewView::coverRect() const {
  QSizeF shape = kCoverShape;
  shape.scale(size() - QSizeF(24, 24), Qt::KeepAspectRatio);
  return QRectF(rect().center() - QPointF(shape.width() / 2, shape.height() / 2), shape);
}

void CoverPreviewView::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  const QRectF box = coverRect();
  if (box.isEmpty())
    return;
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setRenderHint(QPainter::SmoothPixmapTransform);
  painter->setPen(Qt::NoPen);
  painter->setBrush(QColor(0, 0, 0, 50));
  painter->drawRoundedRect(box.translated(3, 5), 8, 8);
  if (m_cover.isNull())
    painter->drawPixmap(box, ShelfArtwork::plainCover(kCoverShape), QRectF(QPointF(), kCoverShape * 2));
  else
    painter->drawImage(box, m_cover);
  // The name plate and title at the shelf's proportions, scaled to the preview.
  painter->save();
  painter->translate(box.topLeft());
  painter->scale(box.width() / kCoverShape.width(), box.height() / kCoverShape.height());
  const QPixmap plate = ShelfArtwork::icon(QStringLiteral("name_cover"));
  if (!plate.isNull())
    painter->drawPixmap(QRectF(QPointF(), kCoverShape), plate, plate.rect());
  QFont font;
  font.setPixelSize(22);
  painter->setFont(font);
  painter->setPen(kInk);
  painter->drawText(QRectF(16, 146, 173, 90), Qt::AlignCenter | Qt::TextWordWrap, m_title);
  painter->restore();
}
