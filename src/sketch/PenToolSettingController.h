#pragma once

#include "InkSettingController.h"

// The pen's settings panel (400 by 240): colour swatches, a curve preview and
// the sizes 2 to 16 for strokeWidth.
class PenToolSettingController : public InkSettingController {
  Q_OBJECT
public:
  explicit PenToolSettingController(QGraphicsItem *parent = nullptr);

protected:
  QColor toolColor() const override;
  void setToolColor(const QColor &swatchColor) override;
  float toolSize() const override;
  void setToolSize(float size) override;
  QColor idleDotColor() const override;
};
