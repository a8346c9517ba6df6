#pragma once

#include <QPixmap>
#include <QString>

// The editor's pictures ("widget_box_bg", "text_delete_btn",
// "scaling_right_arrow", ...): the shipped picture (artworkImageIfPresent)
// drawn at the size the layout expects when there is one, otherwise drawn
// here. Cached by name. Main thread.
namespace EditorArtwork {
QPixmap picture(const QString &name);
// The page's background until a page is set: "template_1.jpg" of the
// resource folder, else the plain paper of the templates.
QImage defaultBackground();
} // namespace EditorArtwork
