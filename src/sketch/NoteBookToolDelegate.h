#pragma once

class NoteBookTool;
class QGraphicsObject;

// What the editor answers to the tool it made active: the item the tool works
// in (the page's sketch view for the pen, the marker and the rubber). The
// editor outlives the tool's use of it.
class NoteBookToolDelegate {
public:
  virtual ~NoteBookToolDelegate() = default;
  virtual QGraphicsObject *viewForEdit(NoteBookTool *tool) = 0;
};
