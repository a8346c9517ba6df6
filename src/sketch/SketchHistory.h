#pragma once

#include "DrawPath.h"
#include "Drawable.h"

#include <QImage>
#include <QSizeF>
#include <cstdint>
#include <deque>
#include <vector>

// The pixels and lists behind one page's handwriting layer: a base image, the
// committed history of this visit (oldest first) and the pieces of the stroke
// in progress, all rendered at a fixed scale into two premultiplied rasters:
//  - the committed cache: base image plus history, pixel for pixel what
//    drawing the history in order gives;
//  - the picture: the committed cache plus the pieces in progress, which is
//    what the screen shows and what flattening returns.
// A new piece paints only itself into the picture, so a sample costs the same
// however long the stroke or the history. A committed item is baked into the
// cache once. Removing the newest item restores the pixels saved under it when
// a snapshot is still held (bounded memory); otherwise it redraws the history
// once, in the frames of that item and the few before it, and saves their
// pixels again for the next steps. Every change returns the rect (points) to
// repaint.
// Main thread only; the model never talks to a view.
class SketchHistory {
public:
  explicit SketchHistory(const QSizeF &size = QSizeF(757, 910), qreal scale = 2.0);

  QSizeF size() const { return m_size; }
  qreal scale() const { return m_scale; }
  QRectF bounds() const { return QRectF(QPointF(0, 0), m_size); }
  // Resizes both rasters and redraws everything; returns the new bounds.
  QRectF setSize(const QSizeF &size);

  // Draws image stretched over the bounds into a new transparent bitmap at the
  // scale and makes it the base; a null image leaves the base as it is.
  QRectF initContentImage(const QImage &image);
  // Replaces the base bitmap as given (a null image for none).
  QRectF setBaseImage(const QImage &bitmap);
  const QImage &baseImage() const { return m_base; }
  // The flattened layer: the base itself when nothing is drawn, otherwise a new
  // transparent bitmap of the bounds at the scale (Format_ARGB32_Premultiplied).
  QImage contentImage() const;
  // What the screen shows, at the scale.
  const QImage &picture() const { return m_picture; }

  QRectF appendDrawable(const DrawablePtr &item);
  // Removes the item wherever it stands; a null rect when it is not in the history.
  QRectF removeDrawable(const DrawablePtr &item);
  const std::vector<DrawablePtr> &drawables() const { return m_drawables; }

  QRectF appendTemp(const DrawPathPtr &piece);
  QRectF clearTemps();
  std::vector<DrawPathPtr> takeTemps();
  const std::vector<DrawPathPtr> &temps() const { return m_temps; }
  // Union of the pieces' frames.
  QRectF tempsFrame() const { return m_tempsFrame; }

  // Empties the history, the pieces and the base image.
  QRectF reset();

  // Bytes of saved pixels kept for fast undo of the newest items.
  void setSnapshotBudget(qint64 bytes);

private:
  struct Snapshot {
    const Drawable *item;
    QRect pixels;
    QImage under;
  };
  QRect pixelRect(const QRectF &rect) const;
  // Base plus the oldest count items, within pixels.
  void redrawCache(const QRect &pixels, size_t count = SIZE_MAX);
  void refillSnapshots(const QRect &removedPixels);
  void showCache(const QRect &pixels);
  void paintTemps(const QRect &pixels);
  void keepSnapshot(const Drawable *item, const QRect &pixels);
  void dropSnapshots();

  QSizeF m_size;
  qreal m_scale;
  QImage m_base;
  QImage m_cache;
  QImage m_picture;
  std::vector<DrawablePtr> m_drawables;
  std::vector<DrawPathPtr> m_temps;
  QRectF m_tempsFrame;
  std::deque<Snapshot> m_snapshots;
  qint64 m_snapshotBytes = 0;
  qint64 m_snapshotBudget = 96ll << 20;
  // How many items before a newest one without saved pixels get theirs again.
  static constexpr size_t kRefillItems = 32;
};
