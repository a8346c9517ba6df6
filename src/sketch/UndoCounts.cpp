#include "UndoCounts.h"

#include "UndoManager.h"

void UndoCounts::registUndoAction(const UndoManager &manager) {
  if (manager.isUndoing()) {
    ++m_redoCount;
    --m_undoCount;
    return;
  }
  ++m_undoCount;
  m_redoCount = manager.isRedoing() ? m_redoCount - 1 : 0;
}

void UndoCounts::reset() {
  m_undoCount = 0;
  m_redoCount = 0;
}
