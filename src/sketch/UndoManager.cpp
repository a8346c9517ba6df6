#include "UndoManager.h"

#include <QtGlobal>

void UndoManager::registerUndo(Action inverse) {
  if (m_undoing) {
    m_redoStack.push_back(std::move(inverse));
    return;
  }
  if (!m_redoing)
    m_redoStack.clear();
  m_undoStack.push_back(std::move(inverse));
  if (int(m_undoStack.size()) > m_levels)
    m_undoStack.erase(m_undoStack.begin());
}

bool UndoManager::undo() {
  if (m_undoStack.empty() || m_undoing || m_redoing)
    return false;
  Action action = std::move(m_undoStack.back());
  m_undoStack.pop_back();
  m_undoing = true;
  action();
  m_undoing = false;
  return true;
}

bool UndoManager::redo() {
  if (m_redoStack.empty() || m_undoing || m_redoing)
    return false;
  Action action = std::move(m_redoStack.back());
  m_redoStack.pop_back();
  m_redoing = true;
  action();
  m_redoing = false;
  return true;
}

void UndoManager::removeAllActions() {
  m_undoStack.clear();
  m_redoStack.clear();
}

void UndoManager::setLevelsOfUndo(int levels) {
  m_levels = qMax(1, levels);
  while (int(m_undoStack.size()) > m_levels)
    m_undoStack.erase(m_undoStack.begin());
}
