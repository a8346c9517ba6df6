#pragma once

#include <QColor>
#include <QPixmap>
#include <QSizeF>
#include <QString>

// The bars' pictures ("tool_bar_bg", "back_btn_bg", ...): "artwork/<name>.svg"
// in the resource folder, rendered at the size asked for. A missing or broken
// picture has no natural size and renders as a null pixmap, so callers draw
// their own stand-in. Rendered pictures are cached by name and size. Main thread.
namespace ShellArtwork {
// The picture's own size in points, or an empty size when it is missing.
QSizeF naturalSize(const QString &name);
// The picture stretched to size points, at devicePixelRatio pixels a point.
QPixmap picture(const QString &name, const QSizeF &size, qreal devicePixelRatio = 2);
// The picture at its own size, or, when it is missing, a light rounded plate
// of fallbackSize in the look of the bars' artwork.
QPixmap pictureOrPlate(const QString &name, const QSizeF &fallbackSize);
// A button face: the named plate stretched to fit the title (at least to the
// plate's own or the fallback size), the title drawn on it in the bars' ink,
// leftInset points in from the left edge and centred in the rest.
QPixmap titledPlate(const QString &name, const QString &title, const QSizeF &fallbackSize,
                    qreal leftInset);
// The dark ink of the bars' titles and icons.
QColor barInk();
} // namespace ShellArtwork
