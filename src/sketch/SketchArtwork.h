#pragma once

#include <QPixmap>
#include <QString>

// The artwork of the drawing tools' panels and the rewind dial ("size_btn",
// "hour_hand", ...): the house's "artwork/<name>.svg" rendered at scale 2, or
// "<name>@2x.png" or "<name>.png" from the resource folder when present,
// otherwise drawn here at the size the layout expects. Cached; main thread.
namespace SketchArtwork {
QPixmap picture(const QString &name);
}
