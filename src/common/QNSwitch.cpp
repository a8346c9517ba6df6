#include "QNSwitch.h"

#include "ImageHelpers.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsSceneMouseEvent>
#include <QLineF>
#include <QPainter>

#include <algorithm>

namespace {
constexpr qreal kTapSlop = 10; // a touch that moves farther is no tap

// The knob artwork, or a white disc as high as the switch.
QPixmap knobPicture(qreal height) {
  const QImage artwork = artworkImageIfPresent(QStringLiteral("switch_btn_bg"));
  if (!artwork.isNull())
    return QPixmap::fromImage(artwork);
  QPixmap picture(QSize(qRound(height * 2), qRound(height * 2)));
  picture.setDevicePixelRatio(2);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0, 0, 0, 60), 1));
  painter.setBrush(Qt::white);
  painter.drawEllipse(QRectF(0.5, 0.5, height - 1, height - 1));
  return picture;
}
} // namespace

QNSwitch::QNSwitch(const QRectF &frame, const QPixmap &background, const QPixmap &leftImage,
                   const QPixmap &rightImage, QGraphicsItem *parent)
    : QGraphicsObject(parent), m_size(frame.size()), m_background(background),
      m_left(new QGraphicsPixmapItem(leftImage, this)),
      m_right(new QGraphicsPixmapItem(rightImage, this)),
      m_knob(new QGraphicsPixmapItem(knobPicture(frame.height()), this)) {
  setPos(frame.topLeft());
  setAcceptedMouseButtons(Qt::LeftButton);
  for (QGraphicsPixmapItem *picture : {m_left, m_right, m_knob}) {
    picture->setTransformationMode(Qt::SmoothTransformation);
    picture->setAcceptedMouseButtons(Qt::NoButton);
  }
  const auto middle = [this](const QGraphicsPixmapItem *item) {
    return (m_size.height() - item->boundingRect().height()) / 2;
  };
  m_left->setPos(0, middle(m_left));
  m_right->setPos(m_size.width() - m_right->boundingRect().width(), middle(m_right));
  m_knob->setY(middle(m_knob));
  layoutForState();
}

void QNSwitch::setTarget(QObject *target, Action action) {
  m_target = target;
  m_action = std::move(action);
}

void QNSwitch::removeTarget() {
  m_target = nullptr;
  m_action = nullptr;
}

void QNSwitch::setState(int state) {
  if (state == m_state)
    return;
  m_state = state;
  if (!m_dragging)
    layoutForState();
  if (m_target && m_action)
    m_action(this);
}

qreal QNSwitch::knobLeft() const { return m_knob->x(); }
qreal QNSwitch::leftImageOpacity() const { return m_left->opacity(); }
qreal QNSwitch::rightImageOpacity() const { return m_right->opacity(); }

qreal QNSwitch::travel() const {
  return std::max<qreal>(0, m_size.width() - m_knob->boundingRect().width());
}

void QNSwitch::placeKnob(qreal left) {
  m_knob->setX(std::clamp<qreal>(left, 0, travel()));
  const qreal t = travel() > 0 ? m_knob->x() / travel() : (m_state ? 1 : 0);
  m_left->setOpacity(1 - t);
  m_right->setOpacity(t);
}

void QNSwitch::layoutForState() { placeKnob(m_state ? travel() : 0); }

QRectF QNSwitch::boundingRect() const { return QRectF(QPointF(0, 0), m_size); }

void QNSwitch::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  if (m_background.isNull())
    return;
  painter->setRenderHint(QPainter::SmoothPixmapTransform);
  painter->drawPixmap(boundingRect(), m_background, QRectF(m_background.rect()));
}

void QNSwitch::mousePressEvent(QGraphicsSceneMouseEvent *event) {
  m_touching = true;
  m_moved = false;
  m_pressPoint = event->pos();
  // Only a touch whose x lies on the knob drags it, wherever it is vertically.
  const qreal x = event->pos().x();
  m_dragging = x >= m_knob->x() && x <= m_knob->x() + m_knob->boundingRect().width();
  m_grabOffset = x - m_knob->x();
  event->accept();
}

void QNSwitch::mouseMoveEvent(QGraphicsSceneMouseEvent *event) {
  if (QLineF(m_pressPoint, event->pos()).length() > kTapSlop)
    m_moved = true;
  if (!m_dragging || !m_moved)
    return;
  placeKnob(event->pos().x() - m_grabOffset);
  setState(travel() > 0 && m_knob->x() / travel() >= 0.5 ? 1 : 0);
}

void QNSwitch::mouseReleaseEvent(QGraphicsSceneMouseEvent *) {
  const bool tapped = m_touching && !m_moved;
  endTouch();
  if (tapped)
    setState(m_state ? 0 : 1);
}

bool QNSwitch::sceneEvent(QEvent *event) {
  if (event->type() == QEvent::UngrabMouse && m_touching)
    endTouch(); // a cancelled touch snaps back like an ended one
  return QGraphicsObject::sceneEvent(event);
}

void QNSwitch::endTouch() {
  m_touching = false;
  m_dragging = false;
  layoutForState();
}
