#include "UndoShortcut.h"

#include "UndoManager.h"

#include <QKeyEvent>

bool UndoShortcut::handleKeyPress(const QKeyEvent &event, UndoManager &manager) {
  const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
  const bool ctrlZ = event.key() == Qt::Key_Z && (mods & Qt::ControlModifier);
  if (ctrlZ && (mods & Qt::ShiftModifier)) {
    manager.redo();
    return true;
  }
  if (ctrlZ || event.matches(QKeySequence::Undo)) {
    manager.undo();
    return true;
  }
  if (event.matches(QKeySequence::Redo)) {
    manager.redo();
    return true;
  }
  return false;
}
