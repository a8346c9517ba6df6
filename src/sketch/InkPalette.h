#pragma once

#include <QColor>
#include <array>

// The ten opaque ink colours offered by the pen, marker and text settings, in
// the order they are shown (two rows of five).
namespace InkPalette {
const std::array<QColor, 10> &colors();
}
