#include "NoteBookWidget.h"

#include "NotePageView.h"
#include "WidgetKinds.h"
#include "store/NoteBook.h"
#include "store/NoteBookManager.h"
#include "store/WidgetData.h"

#include <QHash>
#include <algorithm>

namespace {
QHash<QString, NoteBookWidget::Factory> &registry() {
  static QHash<QString, NoteBookWidget::Factory> kinds;
  return kinds;
}
} // namespace

NoteBookWidget *NoteBookWidget::widgetWithData(const WidgetData &data) {
  WidgetKinds::registerAll();
  const auto factory = registry().constFind(data.widgetClassname());
  return factory == registry().constEnd() ? nullptr : (*factory)(data);
}

void NoteBookWidget::registerWidgetClass(const QString &className, Factory factory) {
  registry().insert(className, std::move(factory));
}

NoteBookWidget::NoteBookWidget(const QRectF &frame, QGraphicsItem *parent)
    : QGraphicsObject(parent), m_size(frame.size()) {
  setPos(frame.topLeft());
  // The page view hands touches over itself; Qt's own delivery passes by.
  setAcceptedMouseButtons(Qt::NoButton);
}

NoteBookWidget::~NoteBookWidget() = default;

QRectF NoteBookWidget::boundingRect() const { return QRectF(QPointF(0, 0), m_size); }

void NoteBookWidget::paint(QPainter *, const QStyleOptionGraphicsItem *, QWidget *) {}

QRectF NoteBookWidget::frame() const { return QRectF(pos(), m_size); }

void NoteBookWidget::setFrame(const QRectF &frame) {
  setPos(frame.topLeft());
  setSize(frame.size());
}

void NoteBookWidget::setSize(const QSizeF &size) {
  if (size == m_size)
    return;
  prepareGeometryChange();
  m_size = size;
  sizeChanged();
}

QPointF NoteBookWidget::center() const { return mapToParent(boundingRect().center()); }

void NoteBookWidget::setCenter(const QPointF &center) { setPos(pos() + center - this->center()); }

void NoteBookWidget::addFilesToSave(PageSaveJob &, int, const QString &) const {}

void NoteBookWidget::removeFromPage() {
  if (m_page)
    m_page->removeWidget(this);
}

void NoteBookWidget::setActive(bool active) {
  m_active = active;
  if (!active)
    forgetTouches();
}

void NoteBookWidget::setReadOnly(bool readOnly) { m_readOnly = readOnly; }

bool NoteBookWidget::containsPoint(const QPointF &point, const QGraphicsItem *other) const {
  return contains(other ? mapFromItem(other, point) : mapFromScene(point));
}

QGraphicsItem *NoteBookWidget::hitTest(const QPointF &point) {
  return contains(point) ? this : nullptr;
}

const ToolTouch *NoteBookWidget::tracked(const QList<ToolTouch> &touches,
                                         const std::optional<int> &id) const {
  if (!id)
    return nullptr;
  const auto it = std::find_if(touches.begin(), touches.end(),
                               [&](const ToolTouch &t) { return t.touchId == *id; });
  return it == touches.end() ? nullptr : &*it;
}

void NoteBookWidget::touchesBegan(const QList<ToolTouch> &touches) {
  if (m_readOnly || m_moving || m_resizing || touches.isEmpty())
    return;
  const ToolTouch &touch = touches.first();
  if (beginsResizing(mapFromParent(touch.position)))
    m_resizing = touch.touchId;
  else
    m_moving = touch.touchId;
}

void NoteBookWidget::touchesMoved(const QList<ToolTouch> &touches) {
  if (m_readOnly)
    return;
  if (const ToolTouch *touch = tracked(touches, m_moving)) {
    const QPointF offset = touch->position - touch->previousPosition;
    moveByOffset(offset.x(), offset.y());
  } else if (const ToolTouch *touch = tracked(touches, m_resizing)) {
    const QPointF offset = touch->position - touch->previousPosition;
    resizeByOffset(offset.x(), offset.y());
  }
}

void NoteBookWidget::touchesEnded(const QList<ToolTouch> &touches) {
  if (tracked(touches, m_moving)) {
    m_moving.reset();
    snapAfterMove();
  } else if (tracked(touches, m_resizing)) {
    m_resizing.reset();
  }
}

void NoteBookWidget::touchesCancelled(const QList<ToolTouch> &touches) {
  if (tracked(touches, m_moving))
    m_moving.reset();
  if (tracked(touches, m_resizing))
    m_resizing.reset();
}

void NoteBookWidget::moveByOffset(qreal dx, qreal dy) { setCenter(center() + QPointF(dx, dy)); }

void NoteBookWidget::resizeByOffset(qreal dx, qreal dy) {
  const QPointF keep = center();
  setSize(QSizeF(std::max<qreal>(80, m_size.width() + dx), std::max<qreal>(30, m_size.height() + dy)));
  setCenter(keep);
}

QRectF NoteBookWidget::snapFrame(const QRectF &frame, qreal rightLimit) {
  QRectF snapped = frame;
  if (frame.x() + frame.width() <= 40)
    snapped.moveLeft(40 - frame.width());
  else if (frame.x() > rightLimit)
    snapped.moveLeft(rightLimit);
  return snapped;
}

QString NoteBookWidget::resourcePath() {
  const NoteBookPtr book = NoteBookManager::sharedNoteBookManager().editingNote();
  return book ? book->resourcePath() : QString();
}

bool NoteBookWidget::beginsResizing(const QPointF &) const { return false; }

bool NoteBookWidget::verticalStepAllowed(qreal dy, qreal topLimit) const {
  const QRectF now = frame();
  const qreal top = now.y(), bottom = now.y() + now.height(), height = layerHeight();
  const bool crossesTop = top >= topLimit && top + dy < topLimit;
  const bool crossesBottom = bottom <= height && bottom + dy > height;
  return !crossesTop && !crossesBottom;
}

qreal NoteBookWidget::layerHeight() const {
  return parentItem() ? parentItem()->boundingRect().height() : 0;
}

void NoteBookWidget::forgetTouches() {
  m_moving.reset();
  m_resizing.reset();
}
