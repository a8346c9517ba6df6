#include "EditMenuBar.h"

#include "EditMenu.h"
#include "common/ViewHelpers.h"

#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTouchEvent>

namespace {
constexpr qreal kBarHeight = 38;
constexpr qreal kArrow = 9;
constexpr qreal kPadding = 14;
constexpr qreal kScreenEdge = 4;
constexpr qreal kFontPixels = 15;

QPointer<EditMenuBar> &instance() {
  static QPointer<EditMenuBar> shared;
  return shared;
}

QFont menuFont() {
  QFont font;
  font.setPixelSize(int(kFontPixels));
  font.setBold(true);
  return font;
}
} // namespace

EditMenuBar::EditMenuBar() {
  setZValue(9000); // over the page, under the popover
  setAcceptedMouseButtons(Qt::LeftButton);
  setAcceptTouchEvents(true);
  setVisible(false);
}

EditMenuBar *EditMenuBar::sharedMenu() {
  QPointer<EditMenuBar> &shared = instance();
  if (!shared)
    shared = new EditMenuBar;
  return shared;
}

void EditMenuBar::hideMenuOf(const QObject *owner) {
  EditMenuBar *menu = instance();
  if (menu && menu->isMenuVisible() && menu->m_owner == owner)
    menu->hideMenu();
}

QRectF EditMenuBar::boundingRect() const {
  return m_bar.united(QRectF(m_arrowTip - QPointF(kArrow, kArrow), QSizeF(2 * kArrow, 2 * kArrow)));
}

void EditMenuBar::showMenu(const QList<Item> &items, const QPointF &scenePoint,
                           QGraphicsScene *scene, const QObject *owner) {
  if (!scene || items.isEmpty())
    return;
  moveToScene(this, scene);
  prepareGeometryChange();
  m_items = items;
  m_owner = owner;
  m_pressed = -1;
  const QFontMetricsF metrics(menuFont());
  m_itemRects.clear();
  qreal x = 0;
  for (const Item &item : items) {
    const qreal width = metrics.horizontalAdvance(item.title) + 2 * kPadding;
    m_itemRects.append(QRectF(x, 0, width, kBarHeight));
    x += width;
  }
  const QRectF area = scene->sceneRect();
  const qreal left = qBound(area.left() + kScreenEdge, scenePoint.x() - x / 2,
                            std::max(area.left() + kScreenEdge, area.right() - kScreenEdge - x));
  m_pointsUp = scenePoint.y() - kArrow - kBarHeight < area.top() + kScreenEdge;
  const qreal top = m_pointsUp ? scenePoint.y() + kArrow : scenePoint.y() - kArrow - kBarHeight;
  setPos(0, 0);
  m_bar = QRectF(left, top, x, kBarHeight);
  for (QRectF &rect : m_itemRects)
    rect.translate(m_bar.topLeft());
  m_arrowTip =
      QPointF(qBound(m_bar.left() + 2 * kArrow, scenePoint.x(), m_bar.right() - 2 * kArrow),
              scenePoint.y());
  setVisible(true);
  EditMenu::setVisibleFrame(mapRectToScene(boundingRect()));
  update();
}

void EditMenuBar::hideMenu() {
  m_items.clear();
  m_owner = nullptr;
  m_pressed = -1;
  setVisible(false);
  EditMenu::hide();
}

QStringList EditMenuBar::titles() const {
  QStringList list;
  for (const Item &item : m_items)
    list.append(item.title);
  return list;
}

QRectF EditMenuBar::itemSceneRect(int index) const {
  if (!isMenuVisible() || index < 0 || index >= m_itemRects.size())
    return {};
  return mapRectToScene(m_itemRects[index]);
}

int EditMenuBar::itemAt(const QPointF &point) const {
  for (int i = 0; i < m_itemRects.size(); ++i) {
    if (m_itemRects[i].contains(point))
      return i;
  }
  return -1;
}

void EditMenuBar::press(const QPointF &point) {
  m_pressed = itemAt(point);
  update();
}

void EditMenuBar::release(const QPointF &point) {
  const int index = itemAt(point);
  const bool chosen = index >= 0 && index == m_pressed;
  const std::function<void()> action = chosen ? m_items[index].action : nullptr;
  m_pressed = -1;
  if (!chosen) {
    update();
    return;
  }
  hideMenu();
  if (action)
    action();
}

bool EditMenuBar::sceneEvent(QEvent *event) {
  switch (event->type()) {
  case QEvent::GraphicsSceneMousePress:
  case QEvent::GraphicsSceneMouseDoubleClick:
    press(static_cast<QGraphicsSceneMouseEvent *>(event)->pos());
    event->accept();
    return true;
  case QEvent::GraphicsSceneMouseRelease:
    release(static_cast<QGraphicsSceneMouseEvent *>(event)->pos());
    event->accept();
    return true;
  case QEvent::TouchBegin:
  case QEvent::TouchEnd: {
    const auto *touch = static_cast<QTouchEvent *>(event);
    if (!touch->points().isEmpty()) {
      const QPointF point = touch->points().first().position();
      event->type() == QEvent::TouchBegin ? press(point) : release(point);
    }
    event->accept();
    return true;
  }
  default:
    return QGraphicsObject::sceneEvent(event);
  }
}

void EditMenuBar::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  if (m_items.isEmpty())
    return;
  painter->setRenderHint(QPainter::Antialiasing);
  QPainterPath shape;
  shape.addRoundedRect(m_bar, 7, 7);
  QPainterPath arrow;
  const qreal base = m_pointsUp ? m_bar.top() + 1 : m_bar.bottom() - 1;
  arrow.moveTo(m_arrowTip);
  arrow.lineTo(m_arrowTip.x() - kArrow, base);
  arrow.lineTo(m_arrowTip.x() + kArrow, base);
  arrow.closeSubpath();
  shape = shape.united(arrow);
  painter->fillPath(shape, QColor(30, 30, 30, 235));
  painter->setFont(menuFont());
  for (int i = 0; i < m_itemRects.size(); ++i) {
    const QRectF &rect = m_itemRects[i];
    if (i == m_pressed)
      painter->fillRect(rect.adjusted(1, 1, -1, -1), QColor(70, 110, 220));
    if (i > 0) {
      painter->setPen(QPen(QColor(90, 90, 90), 1));
      painter->drawLine(QPointF(rect.left(), rect.top() + 6),
                        QPointF(rect.left(), rect.bottom() - 6));
    }
    painter->setPen(Qt::white);
    painter->drawText(rect, Qt::AlignCenter, m_items[i].title);
  }
}
