#pragma once

#include <QCache>
#include <QHash>
#include <QPixmap>
#include <QSizeF>
#include <QString>

class NoteBook;

// Notebook covers scaled to the shelf's cover size, ready to draw, so that a
// cover scrolled back into view costs no decoding. Keyed by notebook
// identifier; holds at most capacity pictures (the least recently used go
// first), which covers several screens of rows. A notebook without a
// cover picture gets the plain cover. Owned by the shelf's screen; main thread.
class CoverPictureCache {
public:
  explicit CoverPictureCache(const QSizeF &coverSize, int capacity = 60);

  QPixmap pictureFor(NoteBook &book);
  // Forgets one notebook's picture (its cover changed), or all of them.
  void forget(const QString &identifier) { pictures.remove(identifier); }
  void clear() { pictures.clear(); }
  int count() const { return pictures.count(); }
  // How many pictures were decoded and scaled since the cache was made.
  int loads() const { return loadCount; }

private:
  QPixmap scaledCover(const QImage &cover);

  QSizeF size;
  QHash<QString, QPixmap> templateCovers;
  QCache<QString, QPixmap> pictures;
  int loadCount = 0;
};
