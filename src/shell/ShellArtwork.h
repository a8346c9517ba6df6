#pragma once

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
// The picture at its own size, or, when it is missing, a dark rounded plate of
// fallbackSize that a button's title reads well on.
QPixmap pictureOrPlate(const QString &name, const QSizeF &fallbackSize);
} // namespace ShellArtwork
