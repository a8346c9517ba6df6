#pragma once

#include "ToolTouch.h"

#include <QList>

class NoteBookToolDelegate;

// The protocol of every page-editing tool. At most one tool is active; the
// page view forwards the page's samples to it, grouped by phase, in the
// coordinates of the page (see ToolTouch). Tools are shared instances that
// live for the whole run; the delegate is not owned. Main thread.
class NoteBookTool {
public:
  virtual ~NoteBookTool() = default;

  virtual void activate() {}
  virtual void deactivate() {}
  // Abandons whatever is in progress (the rewind gesture starts).
  virtual void cancel() {}

  virtual void touchesBegan(const QList<ToolTouch> &touches) = 0;
  virtual void touchesMoved(const QList<ToolTouch> &touches) = 0;
  virtual void touchesEnded(const QList<ToolTouch> &touches) = 0;
  virtual void touchesCancelled(const QList<ToolTouch> &touches) = 0;

  // Splits samples by phase and calls the four operations above in the order
  // began, moved, ended, cancelled (only those that have samples).
  void handleTouches(const QList<ToolTouch> &touches);

  NoteBookToolDelegate *toolDelegate() const { return m_toolDelegate; }
  void setToolDelegate(NoteBookToolDelegate *delegate) { m_toolDelegate = delegate; }

private:
  NoteBookToolDelegate *m_toolDelegate = nullptr;
};
