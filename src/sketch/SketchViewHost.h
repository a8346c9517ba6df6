#pragma once

class UndoManager;

// What the sketch layer asks of the page view that owns it: the page's one
// undo manager, the undo bookkeeping hook and the page's change flags. The
// page view outlives its sketch view.
class SketchViewHost {
public:
  virtual ~SketchViewHost() = default;
  virtual UndoManager *undoManager() = 0;
  // Called once after every inverse call the sketch view registers.
  virtual void registUndoAction() = 0;
  virtual void setPageEdited(bool edited) = 0;
  virtual void setSketched(bool sketched) = 0;
};
