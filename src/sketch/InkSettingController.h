#pragma once

#include "SettingPanel.h"

class StrokeSampleView;

// What the pen and marker panels share: the ten swatches, the preview (tag
// 100) and the size buttons whose dot shows the selected size in the ink's
// colour. Subclasses say how a colour and a size reach their tool.
class InkSettingController : public SettingPanel {
  Q_OBJECT
public:
  void setSelectedSizeBtn(PanelButton *button) override;
  StrokeSampleView *preview() const { return m_preview; }
  PanelButton *swatch(int index) const { return m_swatches.at(index); }

protected:
  InkSettingController(const QString &titleKey, int previewType, const std::array<int, 8> &sizes,
                       QGraphicsItem *parent);
  // Builds the controls from the tool's current settings (call from the subclass).
  void build();
  void colorSelected(PanelButton *swatch);
  void sizeSelected(PanelButton *button) override;

  virtual QColor toolColor() const = 0;
  virtual void setToolColor(const QColor &swatchColor) = 0;
  virtual float toolSize() const = 0;
  virtual void setToolSize(float size) = 0;
  // The dot colour of a size button that is not selected.
  virtual QColor idleDotColor() const = 0;

private:
  int m_previewType;
  std::array<int, 8> m_sizes;
  std::array<PanelButton *, 10> m_swatches{};
  StrokeSampleView *m_preview = nullptr;
};
