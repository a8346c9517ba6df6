#include "RewindUndoRule.h"

#include "QNRewindView.h"
#include "UndoCounts.h"
#include "UndoManager.h"

#include <cmath>

void RewindUndoRule::beginRewind(QNRewindView &dial, const UndoCounts &counts) {
  dial.setRewindStep(uint(qMax(0, counts.undoCount() + counts.redoCount())));
  dial.setProgress(float(counts.redoCount()));
}

void RewindUndoRule::applyRotation(QNRewindView &dial, UndoManager &manager,
                                   const UndoCounts &counts, float angle) {
  dial.setProgress(dial.progress() + float(angle / M_PI));
  if (dial.progress() >= counts.redoCount() + 1)
    manager.undo();
  else if (dial.progress() <= counts.redoCount() - 1)
    manager.redo();
}
