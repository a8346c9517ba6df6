#include "NoteBookTool.h"

void NoteBookTool::handleTouches(const QList<ToolTouch> &touches) {
  QList<ToolTouch> byPhase[4];
  for (const ToolTouch &touch : touches)
    byPhase[touch.phase].append(touch);
  if (!byPhase[ToolTouch::Down].isEmpty())
    touchesBegan(byPhase[ToolTouch::Down]);
  if (!byPhase[ToolTouch::Move].isEmpty())
    touchesMoved(byPhase[ToolTouch::Move]);
  if (!byPhase[ToolTouch::Up].isEmpty())
    touchesEnded(byPhase[ToolTouch::Up]);
  if (!byPhase[ToolTouch::Cancel].isEmpty())
    touchesCancelled(byPhase[ToolTouch::Cancel]);
}
