#pragma once

#include <functional>
#include <vector>

// The page's one undo manager: an undo stack and a redo stack of inverse calls.
// A call registered while undoing goes to the redo stack, one registered while
// redoing to the undo stack, and any other goes to the undo stack and empties
// the redo stack. Each user action registers exactly one call, so one undo
// step reverses one action. Main thread only; the calls must not outlive what
// they capture (the owner removes all actions when it empties the page).
class UndoManager {
public:
  using Action = std::function<void()>;

  void registerUndo(Action inverse);
  // Run the newest inverse call of the stack; false (and nothing run) when it is empty.
  bool undo();
  bool redo();
  void removeAllActions();

  bool canUndo() const { return !m_undoStack.empty(); }
  bool canRedo() const { return !m_redoStack.empty(); }
  int undoStepCount() const { return int(m_undoStack.size()); }
  int redoStepCount() const { return int(m_redoStack.size()); }
  bool isUndoing() const { return m_undoing; }
  bool isRedoing() const { return m_redoing; }
  // Upper bound on the undo stack; older steps are dropped beyond it.
  int levelsOfUndo() const { return m_levels; }
  void setLevelsOfUndo(int levels);

private:
  std::vector<Action> m_undoStack;
  std::vector<Action> m_redoStack;
  bool m_undoing = false;
  bool m_redoing = false;
  int m_levels = 2147483647;
};
