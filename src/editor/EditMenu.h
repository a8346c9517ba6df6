#pragma once

class QRectF;

// Where the widgets' edit menu (the "DELETE" and similar items of photos,
// videos and stickers) is showing, in scene coordinates, so the page view can
// leave touches on it to the menu. At most one menu shows at a time. Main thread.
namespace EditMenu {
void setVisibleFrame(const QRectF &sceneFrame);
void hide();
bool isVisible();
QRectF frame();
} // namespace EditMenu
