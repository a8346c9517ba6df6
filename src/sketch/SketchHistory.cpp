#include "SketchHistory.h"

#include <QPainter>
#include <algorithm>

namespace {
QImage transparentImage(const QSize &size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// Copies source's pixels in rect over target's, alpha included.
void blit(QImage &target, const QImage &source, const QRect &rect, const QPoint &from) {
  QPainter painter(&target);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(rect.topLeft(), source, QRect(from, rect.size()));
}
} // namespace

SketchHistory::SketchHistory(const QSizeF &size, qreal scale) : m_size(size), m_scale(scale) {
  setSize(size);
}

QRectF SketchHistory::setSize(const QSizeF &size) {
  m_size = size;
  const QSize pixels(qRound(size.width() * m_scale), qRound(size.height() * m_scale));
  m_cache = transparentImage(pixels);
  m_picture = transparentImage(pixels);
  if (!m_base.isNull() && m_base.size() != pixels) {
    QImage stretched = transparentImage(pixels);
    QPainter painter(&stretched);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(stretched.rect(), m_base);
    m_base = stretched;
  }
  dropSnapshots();
  redrawCache(m_cache.rect());
  showCache(m_cache.rect());
  paintTemps(m_cache.rect());
  return bounds();
}

QRectF SketchHistory::initContentImage(const QImage &image) {
  if (image.isNull())
    return bounds();
  if (image.size() == m_cache.size()) // the stored picture is the layer's pixels as they are
    return setBaseImage(image);
  QImage bitmap = transparentImage(m_cache.size());
  QPainter painter(&bitmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(bitmap.rect(), image);
  painter.end();
  return setBaseImage(bitmap);
}

QRectF SketchHistory::setBaseImage(const QImage &bitmap) {
  m_base = bitmap.isNull() ? QImage() : bitmap.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  m_base.setDevicePixelRatio(1); // the raster is drawn pixel for pixel
  if (!m_base.isNull() && m_base.size() != m_cache.size())
    m_base = m_base.scaled(m_cache.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  dropSnapshots();
  redrawCache(m_cache.rect());
  showCache(m_cache.rect());
  paintTemps(m_cache.rect());
  return bounds();
}

QImage SketchHistory::contentImage() const {
  if (m_drawables.empty() && m_temps.empty())
    return m_base;
  return m_picture.copy();
}

QRectF SketchHistory::appendDrawable(const DrawablePtr &item) {
  const QRect pixels = pixelRect(item->frame());
  keepSnapshot(item.get(), pixels);
  if (!pixels.isEmpty()) {
    QPainter painter(&m_cache);
    painter.setClipRect(pixels);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(m_scale, m_scale);
    item->draw(painter);
  }
  m_drawables.push_back(item);
  showCache(pixels);
  paintTemps(pixels);
  return item->frame();
}

QRectF SketchHistory::removeDrawable(const DrawablePtr &itemRef) {
  const DrawablePtr item = itemRef; // the caller's reference may point into the list
  auto found = std::find(m_drawables.begin(), m_drawables.end(), item);
  if (found == m_drawables.end())
    return {};
  const bool newest = found + 1 == m_drawables.end();
  m_drawables.erase(found);
  const QRect pixels = pixelRect(item->frame());
  if (newest && !m_snapshots.empty() && m_snapshots.back().item == item.get()) {
    const Snapshot &under = m_snapshots.back();
    blit(m_cache, under.under, under.pixels, QPoint(0, 0));
    m_snapshotBytes -= under.under.sizeInBytes();
    m_snapshots.pop_back();
  } else if (newest) {
    refillSnapshots(pixels);
  } else {
    // Pixels saved under later items included this one.
    dropSnapshots();
    redrawCache(pixels);
  }
  showCache(pixels);
  paintTemps(pixels);
  return item->frame();
}

QRectF SketchHistory::appendTemp(const DrawPathPtr &piece) {
  const QRectF frame = piece->frame();
  m_temps.push_back(piece);
  m_tempsFrame = m_tempsFrame.isEmpty() ? frame : m_tempsFrame.united(frame);
  const QRect pixels = pixelRect(frame);
  if (!pixels.isEmpty()) {
    QPainter painter(&m_picture);
    painter.setClipRect(pixels);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(m_scale, m_scale);
    piece->draw(painter);
  }
  return frame;
}

QRectF SketchHistory::clearTemps() {
  const QRectF frame = m_tempsFrame;
  m_temps.clear();
  m_tempsFrame = QRectF();
  showCache(pixelRect(frame));
  return frame;
}

std::vector<DrawPathPtr> SketchHistory::takeTemps() {
  std::vector<DrawPathPtr> pieces = m_temps;
  clearTemps();
  return pieces;
}

QRectF SketchHistory::reset() {
  m_base = QImage();
  m_drawables.clear();
  m_temps.clear();
  m_tempsFrame = QRectF();
  dropSnapshots();
  m_cache.fill(Qt::transparent);
  m_picture.fill(Qt::transparent);
  return bounds();
}

void SketchHistory::setSnapshotBudget(qint64 bytes) {
  m_snapshotBudget = bytes;
  while (!m_snapshots.empty() && m_snapshotBytes > m_snapshotBudget) {
    m_snapshotBytes -= m_snapshots.front().under.sizeInBytes();
    m_snapshots.pop_front();
  }
}

QRect SketchHistory::pixelRect(const QRectF &rect) const {
  if (rect.isEmpty())
    return {};
  const QRectF scaled(rect.x() * m_scale, rect.y() * m_scale, rect.width() * m_scale,
                      rect.height() * m_scale);
  // One pixel more on every side for the anti-aliased fringe.
  return scaled.toAlignedRect().adjusted(-1, -1, 1, 1).intersected(m_cache.rect());
}

// The newest item went without saved pixels: the history is redrawn once in
// the union of its frame and the frames of the items just before it, and
// those items are painted again one by one, saving the pixels under each, so
// that the next undo steps restore instead of redrawing.
void SketchHistory::refillSnapshots(const QRect &removedPixels) {
  dropSnapshots();
  const size_t count = m_drawables.size();
  const size_t first = count > kRefillItems ? count - kRefillItems : 0;
  QRect area = removedPixels;
  for (size_t i = first; i < count; ++i)
    area = area.united(pixelRect(m_drawables[i]->frame()));
  redrawCache(area, first);
  for (size_t i = first; i < count; ++i) {
    const QRect pixels = pixelRect(m_drawables[i]->frame());
    keepSnapshot(m_drawables[i].get(), pixels);
    if (pixels.isEmpty())
      continue;
    QPainter painter(&m_cache);
    painter.setClipRect(pixels);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(m_scale, m_scale);
    m_drawables[i]->draw(painter);
  }
}

void SketchHistory::redrawCache(const QRect &pixels, size_t count) {
  if (pixels.isEmpty())
    return;
  QPainter painter(&m_cache);
  painter.setClipRect(pixels);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  if (m_base.isNull())
    painter.fillRect(pixels, Qt::transparent);
  else
    painter.drawImage(pixels.topLeft(), m_base, pixels);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(m_scale, m_scale);
  const QRectF dirty(pixels.x() / m_scale, pixels.y() / m_scale, pixels.width() / m_scale,
                     pixels.height() / m_scale);
  count = qMin(count, m_drawables.size());
  for (size_t i = 0; i < count; ++i)
    m_drawables[i]->drawRect(painter, dirty);
}

void SketchHistory::showCache(const QRect &pixels) {
  if (!pixels.isEmpty())
    blit(m_picture, m_cache, pixels, pixels.topLeft());
}

void SketchHistory::paintTemps(const QRect &pixels) {
  if (m_temps.empty() || pixels.isEmpty())
    return;
  QPainter painter(&m_picture);
  painter.setClipRect(pixels);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(m_scale, m_scale);
  const QRectF dirty(pixels.x() / m_scale, pixels.y() / m_scale, pixels.width() / m_scale,
                     pixels.height() / m_scale);
  for (const DrawPathPtr &piece : m_temps)
    piece->drawRect(painter, dirty);
}

void SketchHistory::keepSnapshot(const Drawable *item, const QRect &pixels) {
  if (pixels.isEmpty())
    return;
  Snapshot snapshot{item, pixels, m_cache.copy(pixels)};
  m_snapshotBytes += snapshot.under.sizeInBytes();
  m_snapshots.push_back(std::move(snapshot));
  setSnapshotBudget(m_snapshotBudget);
}

void SketchHistory::dropSnapshots() {
  m_snapshots.clear();
  m_snapshotBytes = 0;
}
