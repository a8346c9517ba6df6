#include "WidgetKinds.h"

#include "TextWidget.h"

void WidgetKinds::registerAll() {
  static const bool registered = [] {
    TextWidget::registerKind();
    return true;
  }();
  (void)registered;
}
