#include "TextToolSetController.h"

#include "StyledTextDocument.h"
#include "TextSampleView.h"
#include "TextTool.h"
#include "common/Localization.h"
#include "sketch/InkPalette.h"
#include "sketch/PanelButton.h"
#include "sketch/SketchArtwork.h"

#include <QBrush>
#include <QGraphicsSimpleTextItem>
#include <QGuiApplication>

namespace {
constexpr int kSampleTag = 101;
constexpr std::array<int, 8> kSampleSizes{9, 12, 15, 17, 20, 22, 24, 27};
const QColor kIdleSample(90, 90, 90);

QFont systemFont(qreal pointSize) {
  QFont font = QGuiApplication::font();
  font.setPointSizeF(pointSize);
  return font;
}
} // namespace

TextToolSetController::TextToolSetController(QGraphicsItem *parent)
    : SettingPanel(QSizeF(400, 240), QStringLiteral("TEXT SETTINGS"), parent),
      m_textColor(TextTool::sharedTextTool()->textColor()),
      m_textFont(TextTool::sharedTextTool()->font()) {
  const qreal y1 = kFirstSectionY;
  addLabel(localizedString(QStringLiteral("COLOR")), QPointF(10, y1), 18);
  auto *box = new PanelButton(QRectF(70, y1, 206, 82), this);
  box->setBackgroundColor(QColor::fromRgbF(2 / 3.0, 2 / 3.0, 2 / 3.0));
  box->setAcceptedMouseButtons(Qt::NoButton);
  for (int i = 0; i < 10; ++i) {
    auto *swatch = new PanelButton(QRectF(1 + 41 * (i % 5), i < 5 ? 1 : 41, 40, 40), box);
    swatch->setBackgroundColor(InkPalette::colors()[i]);
    swatch->setTag(i);
    connect(swatch, &PanelButton::clicked, this, &TextToolSetController::colorSelected);
    m_swatches[i] = swatch;
  }
  m_preview = new TextSampleView(QRectF(300, y1, 79, 79), this);
  m_preview->setData(0, 100);
  m_preview->setBackgroundPattern(SketchArtwork::picture(QStringLiteral("settings_preview_bg")));
  m_preview->setSampleColor(m_textColor);
  m_preview->setSampleFont(m_textFont);

  addSeparator(y1 + 100);
  const qreal y2 = y1 + 110;
  addLabel(localizedString(QStringLiteral("FONT SIZE")), QPointF(10, y2), 18);
  const QPixmap normal = SketchArtwork::picture(QStringLiteral("size_btn"));
  const QPixmap highlighted = SketchArtwork::picture(QStringLiteral("size_btns"));
  for (int k = 0; k < 8; ++k) {
    auto *button = new PanelButton(QRectF(70 + 39 * k, y2, 40, 40), this);
    button->setTag(200 + k);
    button->setBackgroundPictures(normal, highlighted);
    auto *letter = new QGraphicsSimpleTextItem(QStringLiteral("A"), button);
    letter->setData(0, kSampleTag);
    letter->setFont(StyledTextDocument::documentFont(systemFont(kSampleSizes[k])));
    letter->setBrush(kIdleSample);
    letter->setPos((40 - letter->boundingRect().width()) / 2, 16 - letter->boundingRect().height() / 2);
    auto *size = new QGraphicsSimpleTextItem(QString::asprintf("%i", kTextSizes[k]), button);
    QFont small = size->font();
    small.setPixelSize(10);
    size->setFont(small);
    size->setBrush(kIdleSample);
    size->setPos((40 - size->boundingRect().width()) / 2, 28);
    connect(button, &PanelButton::clicked, this, &TextToolSetController::fontSelected);
    m_sizeButtons[k] = button;
    if (kTextSizes[k] == int(m_textFont.pointSizeF()))
      setSelectedSizeBtn(button);
  }
}

PanelButton *TextToolSetController::textSizeButton(int tag) const {
  return tag >= 200 && tag <= 207 ? m_sizeButtons[tag - 200] : nullptr;
}

QGraphicsSimpleTextItem *TextToolSetController::sample(PanelButton *button) const {
  if (!button)
    return nullptr;
  for (QGraphicsItem *child : button->childItems()) {
    if (child->data(0).toInt() == kSampleTag)
      return static_cast<QGraphicsSimpleTextItem *>(child);
  }
  return nullptr;
}

void TextToolSetController::colorSelected(PanelButton *swatch) {
  m_textColor = swatch->backgroundColor();
  m_preview->setSampleColor(m_textColor);
  TextTool::sharedTextTool()->setTextColor(m_textColor);
  if (QGraphicsSimpleTextItem *letter = sample(selectedSizeBtn()))
    letter->setBrush(m_textColor);
}

void TextToolSetController::fontSelected(PanelButton *button) {
  const int tag = button->tag();
  if (tag < 200 || tag > 207)
    return;
  m_textFont = systemFont(kTextSizes[tag - 200]);
  m_preview->setSampleFont(m_textFont);
  TextTool::sharedTextTool()->setFont(m_textFont);
  setSelectedSizeBtn(button);
}

void TextToolSetController::setSelectedSizeBtn(PanelButton *button) {
  PanelButton *old = selectedSizeBtn();
  if (button == old)
    return;
  if (QGraphicsSimpleTextItem *letter = sample(old))
    letter->setBrush(Qt::black);
  SettingPanel::setSelectedSizeBtn(button);
  if (QGraphicsSimpleTextItem *letter = sample(button))
    letter->setBrush(m_textColor);
}
