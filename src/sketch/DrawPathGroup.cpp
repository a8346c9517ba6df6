#include "DrawPathGroup.h"

DrawPathGroup::DrawPathGroup(std::vector<DrawPathPtr> paths) : m_paths(std::move(paths)) {}

void DrawPathGroup::draw(QPainter &painter) const {
  for (const DrawPathPtr &piece : m_paths)
    piece->draw(painter);
}

QRectF DrawPathGroup::frame() const {
  if (m_frame.isEmpty() && !m_paths.empty()) {
    QRectF united = m_paths.front()->frame();
    for (const DrawPathPtr &piece : m_paths)
      united = united.united(piece->frame());
    m_frame = united;
  }
  return m_frame;
}

void DrawPathGroup::drawRect(QPainter &painter, const QRectF &dirty) const {
  if (!dirty.intersects(frame()))
    return;
  for (const DrawPathPtr &piece : m_paths)
    piece->drawRect(painter, dirty);
}
