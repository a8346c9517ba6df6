#include "InkPalette.h"

const std::array<QColor, 10> &InkPalette::colors() {
  static const std::array<QColor, 10> palette = {
      QColor(0, 0, 0),      QColor(204, 0, 14),   QColor(237, 109, 52), QColor(255, 220, 0),
      QColor(97, 153, 52),  QColor(0, 140, 208),  QColor(29, 49, 143),  QColor(143, 71, 151),
      QColor(226, 80, 126), QColor(255, 255, 255)};
  return palette;
}
