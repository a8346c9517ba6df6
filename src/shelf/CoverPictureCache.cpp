#include "CoverPictureCache.h"

#include "ShelfArtwork.h"
#include "store/BookTemplate.h"
#include "store/NoteBook.h"
#include "store/StoredPicture.h"

#include <QFileInfo>
#include <QPainter>

namespace {
constexpr qreal kScale = 2;

} // namespace

QPixmap CoverPictureCache::scaledCover(const QImage &cover) {
  ++loadCount;
  if (cover.isNull())
    return ShelfArtwork::plainCover(size);
  QImage image((size * kScale).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRectF(QPointF(), size * kScale), cover);
  painter.end();
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(kScale);
  return pixmap;
}

CoverPictureCache::CoverPictureCache(const QSizeF &coverSize, int capacity)
    : size(coverSize), pictures(capacity) {}

QPixmap CoverPictureCache::pictureFor(NoteBook &book) {
  if (const QPixmap *picture = pictures.object(book.identifier()))
    return *picture;
  // The stored cover is read straight from its file, so the notebook keeps no
  // full-size copy; a notebook that has none yet shows its template's cover,
  // scaled once for all notebooks of that template.
  const QString path = book.coverPath();
  QPixmap picture;
  if (!path.isEmpty() && QFileInfo::exists(path)) {
    picture = scaledCover(StoredPicture::read(path));
  } else {
    const QString templateCover = book.bookTemplate()->bookCoverPath();
    auto it = templateCovers.find(templateCover);
    if (it == templateCovers.end())
      it = templateCovers.insert(templateCover, scaledCover(StoredPicture::read(templateCover)));
    picture = *it;
  }
  pictures.insert(book.identifier(), new QPixmap(picture));
  return picture;
}
