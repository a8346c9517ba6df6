#include "WidgetKinds.h"

#include "PhotoWidget.h"
#include "TextWidget.h"

void WidgetKinds::registerAll() {
  static const bool registered = [] {
    TextWidget::registerKind();
    PhotoWidget::registerKind();
    return true;
  }();
  (void)registered;
}
