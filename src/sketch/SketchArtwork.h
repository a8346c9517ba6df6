#pragma once

#include <QPixmap>
#include <QString>

// The artwork of the drawing tools' panels and the rewind dial ("size_btn",
// "hour_hand", ...): the shipped picture (artworkImageIfPresent) when the
// resource folder has one, otherwise drawn here at the size the layout
// expects. Cached; main thread.
namespace SketchArtwork {
QPixmap picture(const QString &name);
}
