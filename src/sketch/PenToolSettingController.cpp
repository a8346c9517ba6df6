#include "PenToolSettingController.h"

#include "PenTool.h"
#include "StrokeSampleView.h"

PenToolSettingController::PenToolSettingController(QGraphicsItem *parent)
    : InkSettingController(QStringLiteral("PEN SETTINGS"), StrokeSampleView::Curve,
                           {2, 4, 6, 8, 10, 12, 14, 16}, parent) {
  build();
}

QColor PenToolSettingController::toolColor() const {
  return PenTool::sharedPenTool()->currentColor();
}

void PenToolSettingController::setToolColor(const QColor &swatchColor) {
  PenTool::sharedPenTool()->setCurrentColor(swatchColor);
}

float PenToolSettingController::toolSize() const {
  return PenTool::sharedPenTool()->strokeWidth();
}

void PenToolSettingController::setToolSize(float size) {
  PenTool::sharedPenTool()->setStrokeWidth(size);
}

QColor PenToolSettingController::idleDotColor() const {
  return Qt::black;
}
