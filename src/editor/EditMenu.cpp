#include "EditMenu.h"

#include <QRectF>
#include <optional>

namespace {
std::optional<QRectF> &shown() {
  static std::optional<QRectF> frame;
  return frame;
}
} // namespace

void EditMenu::setVisibleFrame(const QRectF &sceneFrame) { shown() = sceneFrame; }
void EditMenu::hide() { shown().reset(); }
bool EditMenu::isVisible() { return shown().has_value(); }
QRectF EditMenu::frame() { return shown().value_or(QRectF()); }
