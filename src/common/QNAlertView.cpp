#include "QNAlertView.h"

#include "ImageHelpers.h"
#include "Localization.h"
#include "QNActivityIndicator.h"
#include "QNAlertCenter.h"
#include "QNButton.h"

#include <QFontMetricsF>
#include <QGraphicsSceneMouseEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>
#include <QTimer>

namespace {
constexpr qreal kWidth = 314;
constexpr qreal kBaseHeight = 180;
constexpr qreal kTextWidth = 260;
constexpr qreal kMinTextHeight = 50;
const QRectF kTitleRect(37, 10, 240, 30);
const QSizeF kButtonSize(84, 32);
constexpr int kTextFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
constexpr int kNoticeMs = 1000; // how long a notice stays

QFont alertFont(int pixelSize) {
  QFont font;
  font.setPixelSize(pixelSize);
  return font;
}

// A rounded plate for a labelled button; the artwork's "ok_btn" and
// "cancle_btn" are icons, which would hide the label drawn on the plate.
QPixmap buttonPicture(const QColor &colour) {
  QPixmap picture((kButtonSize * 2).toSize());
  picture.setDevicePixelRatio(2);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient fill(0, 0, 0, kButtonSize.height());
  fill.setColorAt(0, colour.lighter(125));
  fill.setColorAt(1, colour);
  painter.setBrush(fill);
  painter.setPen(QPen(colour.darker(140), 1));
  painter.drawRoundedRect(QRectF(QPointF(0.5, 0.5), kButtonSize - QSizeF(1, 1)), 8, 8);
  return picture;
}

// The panel artwork when a resource folder has one, else a drawn dark panel.
void paintPanel(QPainter *painter, const QRectF &bounds) {
  static const QImage artwork = artworkImageIfPresent(QStringLiteral("dialog_box_bg"));
  if (!artwork.isNull()) {
    painter->drawImage(bounds, artwork);
    return;
  }
  QLinearGradient fill(0, 0, 0, bounds.height());
  fill.setColorAt(0, QColor(58, 62, 70, 242));
  fill.setColorAt(1, QColor(26, 28, 33, 242));
  painter->setBrush(fill);
  painter->setPen(QPen(QColor(255, 255, 255, 110), 1.5));
  painter->drawRoundedRect(bounds.adjusted(1, 1, -1, -1), 14, 14);
}
} // namespace

QNAlertView::QNAlertView(const QString &title, const QString &tip, int type, Action confirmAction)
    : m_title(title), m_tip(tip), m_type(type) {
  if (type == QNAlertTypeConfirm || type == QNAlertTypeMessage)
    m_confirmAction = std::move(confirmAction);

  const qreal measured =
      QFontMetricsF(alertFont(16)).boundingRect(QRectF(0, 0, kTextWidth, 1000), kTextFlags, tip).height();
  const qreal c = std::max(tip.isEmpty() ? 0.0 : measured, kMinTextHeight);
  const qreal d = c - kMinTextHeight;
  m_size = QSizeF(kWidth, kBaseHeight + d);
  m_textRect = QRectF(27, title.isEmpty() ? 40 : 50, kTextWidth, c);
  setTransformOriginPoint(m_size.width() / 2, m_size.height() / 2);

  const qreal middle = kWidth / 2;
  switch (type) {
  case QNAlertTypeWaiting:
    m_indicator = new QNActivityIndicator(this);
    m_indicator->setCenter(QPointF(middle, d / 2 + 70));
    m_indicator->startAnimating();
    break;
  case QNAlertTypeConfirm:
    m_confirmBtn = makeButton("OK", QColor(67, 160, 233));
    m_confirmBtn->setCenter(QPointF(middle - 50, d + 160));
    m_cancelBtn = makeButton("Cancel", QColor(120, 124, 132));
    m_cancelBtn->setCenter(QPointF(middle + 50, d + 160));
    connect(m_cancelBtn, &QNButton::clicked, this, &QNAlertView::cancel);
    break;
  case QNAlertTypeNotice:
    m_closeTimer = new QTimer(this);
    m_closeTimer->setSingleShot(true);
    connect(m_closeTimer, &QTimer::timeout, this, [this] { dismissAnimated(true); });
    m_closeTimer->start(kNoticeMs);
    break;
  case QNAlertTypeMessage:
    m_confirmBtn = makeButton("OK", QColor(67, 160, 233));
    m_confirmBtn->setCenter(QPointF(middle, d + 160));
    break;
  default:
    break;
  }
  if (m_confirmBtn)
    connect(m_confirmBtn, &QNButton::clicked, this, &QNAlertView::confirm);
}

QNAlertView::~QNAlertView() = default;

QNButton *QNAlertView::makeButton(const char *title, const QColor &colour) {
  auto *button = new QNButton(buttonPicture(colour), buttonPicture(colour.darker(130)), this);
  button->setSize(kButtonSize);
  button->setTitle(localizedString(QString::fromLatin1(title)));
  return button;
}

QNAlertView *QNAlertView::alertWithTitle(const QString &title, const QString &tip, int type,
                                         Action action) {
  auto *alert = new QNAlertView(title, tip, type, std::move(action));
  alert->show();
  return alert;
}

void QNAlertView::show() { QNAlertCenter::sharedQNAlertCenter().showAlert(this); }

void QNAlertView::dismissAnimated(bool animated) {
  QNAlertCenter::sharedQNAlertCenter().dismissAlert(this, animated);
}

void QNAlertView::confirm() {
  if (!isEnabled())
    return;
  setEnabled(false); // a second click must not run the action again
  QPointer<QNAlertView> self(this);
  if (m_confirmAction)
    m_confirmAction();
  if (self)
    dismissAnimated(true);
}

void QNAlertView::cancel() {
  if (!isEnabled())
    return;
  setEnabled(false);
  dismissAnimated(true);
}

QRectF QNAlertView::titleRect() const { return kTitleRect; }

QRectF QNAlertView::boundingRect() const { return QRectF(QPointF(0, 0), m_size); }

void QNAlertView::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                          QPainter::SmoothPixmapTransform);
  paintPanel(painter, boundingRect());
  painter->setPen(Qt::white);
  if (!m_title.isEmpty()) {
    painter->setFont(alertFont(18));
    painter->drawText(kTitleRect, Qt::AlignCenter | Qt::TextWordWrap, m_title);
  }
  if (!m_tip.isEmpty()) {
    painter->setFont(alertFont(16));
    painter->drawText(m_textRect, kTextFlags, m_tip);
  }
}

void QNAlertView::mousePressEvent(QGraphicsSceneMouseEvent *event) {
  event->accept(); // the panel is solid: touches beside its buttons reach nothing below
}

QNAlertView *alertWithDelegate(QNAlertView::Action delegate, const QString &title,
                               const QString &message) {
  return QNAlertView::alertWithTitle(title, message, QNAlertTypeMessage, std::move(delegate));
}
