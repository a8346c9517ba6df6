#pragma once

#include "SettingPanel.h"

// The rubber's settings panel (400 by 180): eight sizes (the shown size 10
// gives a 16-point rubber) and the clear-page button, which closes the shared
// popover and clears the page's sketch in one undoable step.
class RubberSettingController : public SettingPanel {
  Q_OBJECT
public:
  explicit RubberSettingController(QGraphicsItem *parent = nullptr);
  PanelButton *cleanButton() const { return m_cleanButton; }

protected:
  void sizeSelected(PanelButton *button) override;

private:
  void cleanPage();
  PanelButton *m_cleanButton;
};
