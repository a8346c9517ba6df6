#pragma once

#include <QImage>

class QString;

// Saving the generated pictures. Every file is encoded in memory and written
// atomically, so a run that stops half-way never leaves a truncated picture.
namespace ArtworkImage {

// A blank picture of size (points) at scale, its device pixel ratio set so a
// painter on it draws in points. Opaque pictures start white, others clear.
QImage blank(const QSizeF &points, qreal scale, bool opaque);

// Writes image as JPEG at quality (0 to 100). False when it could not be written.
bool writeJpeg(const QImage &image, const QString &path, int quality);

// Writes image as PNG (converted once to a straight-alpha format first).
bool writePng(const QImage &image, const QString &path);

// image scaled smoothly to fit size (pixels), keeping its aspect ratio.
QImage scaledTo(const QImage &image, const QSize &size);

} // namespace ArtworkImage
