#pragma once

class QNRewindView;
class UndoCounts;
class UndoManager;

// How the page turns the rewind gesture's rotation into undo and redo steps:
// half a turn anticlockwise undoes one step, half a turn clockwise redoes one.
namespace RewindUndoRule {
// The dial spans every step of the page and starts at the redo count.
void beginRewind(QNRewindView &dial, const UndoCounts &counts);
// Moves the dial by angle / π steps, then undoes or redoes at most one step.
void applyRotation(QNRewindView &dial, UndoManager &manager, const UndoCounts &counts, float angle);
} // namespace RewindUndoRule
