#pragma once

#include <QBrush>
#include <QPixmap>
#include <QString>

// The pictures of the bookshelf screens that are drawn rather than shipped:
// the wooden shelf plank under each row of covers, the linen backdrop, plain
// plates for buttons and fields, and the artwork icons at their own size.
// Everything is drawn once per size and kept for the run. Main thread.
namespace ShelfArtwork {
// A row picture of width by height points: transparent above, a wooden plank
// whose top surface lies at plankTop, with a soft shadow under it.
QPixmap shelfRow(qreal width, qreal height, qreal plankTop);
// The repeated "bookshelf_bg.jpg" tile of the artwork folder, as a brush.
QBrush backdrop();
// The named artwork picture at its own size (null when missing).
QPixmap icon(const QString &name);
// A rounded plate of size, filled with colour, for buttons and fields.
QPixmap plate(const QSizeF &size, const QColor &fill, const QColor &border, qreal radius);
// The plain cover of a notebook without a cover picture ("book_cover").
QPixmap plainCover(const QSizeF &size);
} // namespace ShelfArtwork
