#pragma once

#include "sketch/NoteBookTool.h"

// The tool of photos: the editor makes it current while a photo is active.
// The photo handles all of its gestures itself, so the tool does nothing with
// touches. One shared instance for the whole run.
class PhotoTool : public NoteBookTool {
public:
  static PhotoTool *sharedPhotoTool();

  void touchesBegan(const QList<ToolTouch> &) override {}
  void touchesMoved(const QList<ToolTouch> &) override {}
  void touchesEnded(const QList<ToolTouch> &) override {}
  void touchesCancelled(const QList<ToolTouch> &) override {}

  PhotoTool(const PhotoTool &) = delete;
  PhotoTool &operator=(const PhotoTool &) = delete;

private:
  PhotoTool() = default;
};
