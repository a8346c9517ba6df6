#pragma once

class UndoManager;

// The page's undo and redo step counts shown by the rewind dial, kept in step
// with the undo manager's stacks: registUndoAction is called once for every
// inverse call registered, right after it is registered.
class UndoCounts {
public:
  void registUndoAction(const UndoManager &manager);
  void reset();

  int undoCount() const { return m_undoCount; }
  int redoCount() const { return m_redoCount; }

private:
  int m_undoCount = 0;
  int m_redoCount = 0;
};
