#pragma once

#include <QtGlobal>

class QImage;
class QPixmap;
class QSizeF;
class QString;

// The picture made to fit a square of side longestSide points (a picture's
// points are its pixels over its devicePixelRatio): unchanged when it fits
// already, else scaled down keeping its aspect, drawn at the picture's own
// scale on a transparent canvas. A null picture for a side of zero or less.
QImage scaleImageToSize(const QImage &image, qreal longestSide);

// The artwork picture called name: looked for in the resource folder's
// "artwork" folder, then at its top level, as "<name>.svg" (drawn at scale 2),
// "<name>@2x.png" (scale 2), "<name>.png", or the file itself when name has a
// suffix. A null picture, logged once per name, when none exists.
QImage artworkImage(const QString &name);
// A clear picture of points at the house scale of 2 pixels a point, to draw
// artwork into.
QPixmap transparentPixmap(const QSizeF &points);
// The same without the log line, for callers that draw their own picture when
// the resource folder has none.
QImage artworkImageIfPresent(const QString &name);
