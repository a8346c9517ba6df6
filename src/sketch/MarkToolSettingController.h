#pragma once

#include "InkSettingController.h"

// The marker's settings panel (400 by 240): swatches taken at alpha 0.5, a
// straight-line preview and the sizes 2 to 26 for lineWidth.
class MarkToolSettingController : public InkSettingController {
  Q_OBJECT
public:
  explicit MarkToolSettingController(QGraphicsItem *parent = nullptr);

protected:
  QColor toolColor() const override;
  void setToolColor(const QColor &swatchColor) override;
  float toolSize() const override;
  void setToolSize(float size) override;
  QColor idleDotColor() const override;
};
