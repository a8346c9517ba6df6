#include "InkSettingController.h"

#include "InkPalette.h"
#include "PanelButton.h"
#include "SketchArtwork.h"
#include "StrokeSampleView.h"
#include "common/Localization.h"

InkSettingController::InkSettingController(const QString &titleKey, int previewType,
                                           const std::array<int, 8> &sizes, QGraphicsItem *parent)
    : SettingPanel(QSizeF(400, 240), titleKey, parent), m_previewType(previewType), m_sizes(sizes) {
}

void InkSettingController::build() {
  const qreal y1 = kFirstSectionY;
  addLabel(localizedString(QStringLiteral("COLOR")), QPointF(10, y1), 18, kSectionLabelWidth);
  auto *box = new PanelButton(QRectF(70, y1, 206, 82), this);
  box->setBackgroundColor(QColor::fromRgbF(2 / 3.0, 2 / 3.0, 2 / 3.0));
  box->setAcceptedMouseButtons(Qt::NoButton);
  const auto &palette = InkPalette::colors();
  for (int i = 0; i < 10; ++i) {
    auto *swatch = new PanelButton(QRectF(1 + 41 * (i % 5), i < 5 ? 1 : 41, 40, 40), box);
    swatch->setBackgroundColor(palette[i]);
    swatch->setTag(i);
    connect(swatch, &PanelButton::clicked, this, [this](PanelButton *s) { colorSelected(s); });
    m_swatches[i] = swatch;
  }
  m_preview = new StrokeSampleView(QRectF(300, y1, 79, 79), this);
  m_preview->setBackgroundPattern(SketchArtwork::picture(QStringLiteral("settings_preview_bg")));
  m_preview->setType(m_previewType);
  m_preview->setStrokeColor(toolColor());
  m_preview->setLineWidth(toolSize());
  m_preview->setData(0, 100);

  addSeparator(y1 + 100);
  const qreal y2 = y1 + 110;
  addLabel(localizedString(QStringLiteral("SIZE")), QPointF(10, y2), 18, kSectionLabelWidth);
  addSizeButtons(y2, m_sizes, true);
  for (int k = 0; k < 8; ++k) {
    StrokeSampleView *dot = sizeButtonDot(sizeButton(200 + k));
    dot->setStrokeColor(idleDotColor());
    if (m_sizes[k] == toolSize())
      setSelectedSizeBtn(sizeButton(200 + k));
  }
}

void InkSettingController::colorSelected(PanelButton *swatch) {
  setToolColor(swatch->backgroundColor());
  m_preview->setStrokeColor(toolColor());
  if (StrokeSampleView *dot = sizeButtonDot(selectedSizeBtn()))
    dot->setStrokeColor(toolColor());
}

void InkSettingController::sizeSelected(PanelButton *button) {
  const float size = m_sizes[button->tag() - 200];
  m_preview->setLineWidth(size);
  setToolSize(size);
  setSelectedSizeBtn(button);
}

void InkSettingController::setSelectedSizeBtn(PanelButton *button) {
  PanelButton *old = selectedSizeBtn();
  if (button == old)
    return;
  // A dot that loses the selection turns black on both panels.
  if (StrokeSampleView *dot = sizeButtonDot(old))
    dot->setStrokeColor(Qt::black);
  SettingPanel::setSelectedSizeBtn(button);
  if (StrokeSampleView *dot = sizeButtonDot(button))
    dot->setStrokeColor(toolColor());
}
