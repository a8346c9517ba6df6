#include "SettingPanel.h"

#include "PanelButton.h"
#include "SketchArtwork.h"
#include "StrokeSampleView.h"
#include "common/Localization.h"

#include <QFont>
#include <QGraphicsPixmapItem>
#include <QGraphicsSimpleTextItem>
#include <QPainter>

namespace {
const QColor kTextGrey(90, 90, 90);
constexpr int kDotTag = 101;
} // namespace

SettingPanel::SettingPanel(const QSizeF &size, const QString &titleKey, QGraphicsItem *parent)
    : QGraphicsObject(parent), m_size(size) {
  addLabel(localizedString(titleKey), QPointF(10, 10), 18, 200);
  addSeparator(40);
}

QRectF SettingPanel::boundingRect() const {
  return QRectF(QPointF(0, 0), m_size);
}

void SettingPanel::paint(QPainter *, const QStyleOptionGraphicsItem *, QWidget *) {}

QGraphicsSimpleTextItem *SettingPanel::addLabel(const QString &text, const QPointF &at,
                                                qreal pointSize, qreal maxWidth) {
  auto *label = new QGraphicsSimpleTextItem(text, this);
  QFont font = label->font();
  font.setPixelSize(qRound(pointSize)); // scene units are points
  label->setFont(font);
  label->setBrush(kTextGrey);
  label->setPos(at);
  const qreal width = label->boundingRect().width();
  if (maxWidth > 0 && width > maxWidth)
    label->setTransform(QTransform::fromScale(maxWidth / width, 1));
  return label;
}

void SettingPanel::addSeparator(qreal y) {
  const QPixmap line = SketchArtwork::picture(QStringLiteral("popover_line"));
  auto *separator = new QGraphicsPixmapItem(line, this);
  separator->setPos(10, y);
  const qreal width = line.deviceIndependentSize().width();
  if (width > 0)
    separator->setTransform(QTransform::fromScale((m_size.width() - 20) / width, 1));
}

void SettingPanel::addSizeButtons(qreal y, const std::array<int, 8> &shownSizes, bool taggedDots) {
  const QPixmap normal = SketchArtwork::picture(QStringLiteral("size_btn"));
  const QPixmap highlighted = SketchArtwork::picture(QStringLiteral("size_btns"));
  for (int k = 0; k < 8; ++k) {
    auto *button = new PanelButton(QRectF(70 + 39 * k, y, 40, 40), this);
    button->setTag(200 + k);
    button->setBackgroundPictures(normal, highlighted);
    auto *dot = new StrokeSampleView(QRectF(0, taggedDots ? 2 : 0, 40, 28), button);
    dot->setType(StrokeSampleView::Dot);
    dot->setLineWidth(shownSizes[k]);
    dot->setData(0, taggedDots ? kDotTag : 0);
    auto *label = new QGraphicsSimpleTextItem(QString::asprintf("%i", shownSizes[k]), button);
    QFont font = label->font();
    font.setPixelSize(10);
    label->setFont(font);
    label->setBrush(kTextGrey);
    label->setPos((40 - label->boundingRect().width()) / 2,
                  28 + (10 - label->boundingRect().height()) / 2);
    connect(button, &PanelButton::clicked, this,
            [this](PanelButton *sender) { sizeSelected(sender); });
    m_sizeButtons[k] = button;
  }
}

PanelButton *SettingPanel::sizeButton(int tag) const {
  return tag >= 200 && tag <= 207 ? m_sizeButtons[tag - 200] : nullptr;
}

StrokeSampleView *SettingPanel::sizeButtonDot(PanelButton *button) const {
  if (!button)
    return nullptr;
  for (QGraphicsItem *child : button->childItems()) {
    auto *dot = qgraphicsitem_cast<StrokeSampleView *>(child);
    if (dot && dot->data(0).toInt() == kDotTag)
      return dot;
  }
  return nullptr;
}

void SettingPanel::setSelectedSizeBtn(PanelButton *button) {
  if (button == m_selectedSizeBtn)
    return;
  const QPixmap normal = SketchArtwork::picture(QStringLiteral("size_btn"));
  const QPixmap highlighted = SketchArtwork::picture(QStringLiteral("size_btns"));
  if (m_selectedSizeBtn) {
    m_selectedSizeBtn->setBackgroundPictures(normal, highlighted);
    m_selectedSizeBtn->setZValue(0);
  }
  m_selectedSizeBtn = button;
  if (button) {
    button->setBackgroundPictures(highlighted, highlighted);
    button->setZValue(1);
  }
}
