#pragma once

// The widget kinds of the editor, registered with NoteBookWidget by their
// class names ("TextWidget", ...). Each kind adds itself in WidgetKinds.cpp;
// registration happens once, on the first widgetWithData.
namespace WidgetKinds {
void registerAll();
}
