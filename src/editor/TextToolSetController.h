#pragma once

#include "sketch/SettingPanel.h"

#include <QColor>
#include <QFont>
#include <array>

class PanelButton;
class QGraphicsSimpleTextItem;
class TextSampleView;

// The text settings panel (400 by 240): the ten colour swatches, a preview
// (tag 100) and eight size buttons (tags 200 to 207, sizes 12 to 72). Its
// colour and font are copied from the shared text tool when it is made, and
// every choice goes straight to the tool (and so to the active text box).
class TextToolSetController : public SettingPanel {
  Q_OBJECT
public:
  static constexpr std::array<int, 8> kTextSizes{12, 14, 18, 24, 36, 48, 60, 72};

  explicit TextToolSetController(QGraphicsItem *parent = nullptr);

  QColor textColor() const { return m_textColor; }
  QFont textFont() const { return m_textFont; }
  TextSampleView *preview() const { return m_preview; }
  PanelButton *swatch(int index) const { return m_swatches.at(index); }
  PanelButton *textSizeButton(int tag) const;

  void colorSelected(PanelButton *swatch);
  void fontSelected(PanelButton *button);
  void setSelectedSizeBtn(PanelButton *button) override;

protected:
  void sizeSelected(PanelButton *button) override { fontSelected(button); }

private:
  QGraphicsSimpleTextItem *sample(PanelButton *button) const;

  QColor m_textColor;
  QFont m_textFont;
  TextSampleView *m_preview = nullptr;
  std::array<PanelButton *, 10> m_swatches{};
  std::array<PanelButton *, 8> m_sizeButtons{};
};
