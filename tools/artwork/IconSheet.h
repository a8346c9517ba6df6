#pragma once

class QString;

// Renders every SVG of a folder into one PNG sheet for checking the icon set
// by eye: each icon at bar size and at twice that, over light and dark tiles,
// with its file name below.
namespace IconSheet {

// False when the folder holds no SVG, an SVG does not parse, or the sheet
// could not be written.
bool render(const QString &svgFolder, const QString &sheetPath);

} // namespace IconSheet
