#pragma once

class QKeyEvent;
class UndoManager;

// Desktop keys for one undo step (Ctrl+Z) and one redo step (Ctrl+Shift+Z,
// also Ctrl+Y and the platform's redo key) through the page's undo manager.
namespace UndoShortcut {
// True when the key was an undo or redo key (whether or not a step was there to run).
bool handleKeyPress(const QKeyEvent &event, UndoManager &manager);
} // namespace UndoShortcut
