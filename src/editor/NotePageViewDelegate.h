#pragma once

class NoteBookTool;
class NoteBookWidget;
class NotePageView;

// What the page view asks of the editor that shows it. Only the activation,
// deactivation and read-only notices are sent; the rest do nothing by default.
// The editor outlives its page view's use of it.
class NotePageViewDelegate {
public:
  virtual ~NotePageViewDelegate() = default;
  // The tool the page's touches go to, or null.
  virtual NoteBookTool *activeTool() = 0;
  virtual void notePageDidActiveWidget(NotePageView *, NoteBookWidget *) {}
  virtual void notePageDidDeactiveWidget(NotePageView *, NoteBookWidget *) {}
  virtual void notePageReadOnlyChanged(NotePageView *, bool) {}
};
