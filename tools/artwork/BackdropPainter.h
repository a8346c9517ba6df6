#pragma once

class QImage;

// The screens' backdrop "bookshelf_bg.jpg": a warm linen tile that repeats
// seamlessly in both directions (every thread and fleck wraps at the edges),
// laid behind the shelf and around the page in the editor.
class BackdropPainter {
public:
  static QImage linenTile();
};
