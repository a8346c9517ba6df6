#include "MarkToolSettingController.h"

#include "MarkPenTool.h"
#include "StrokeSampleView.h"

MarkToolSettingController::MarkToolSettingController(QGraphicsItem *parent)
    : InkSettingController(QStringLiteral("MARKER SETTINGS"), StrokeSampleView::Line,
                           {2, 4, 8, 12, 16, 20, 24, 26}, parent) {
  build();
}

QColor MarkToolSettingController::toolColor() const {
  return MarkPenTool::sharedMarkPenTool()->currentColor();
}

void MarkToolSettingController::setToolColor(const QColor &swatchColor) {
  // Every marker colour is translucent, white included.
  QColor color = swatchColor;
  color.setAlphaF(0.5f);
  MarkPenTool::sharedMarkPenTool()->setCurrentColor(color);
}

float MarkToolSettingController::toolSize() const {
  return MarkPenTool::sharedMarkPenTool()->lineWidth();
}

void MarkToolSettingController::setToolSize(float size) {
  MarkPenTool::sharedMarkPenTool()->setLineWidth(size);
}

QColor MarkToolSettingController::idleDotColor() const {
  return QColor(150, 150, 150);
}
