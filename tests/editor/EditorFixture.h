#pragma once

#include "common/NotificationCenter.h"
#include "editor/NotePageViewDelegate.h"
#include "sketch/NoteBookTool.h"
#include "sketch/NoteBookToolDelegate.h"

#include <QEvent>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QTemporaryDir>
#include <memory>
#include <vector>

class NoteBook;
class NotePage;
class NotePageView;

// A tool that only records the samples it is given.
class RecordingTool : public NoteBookTool {
public:
  void touchesBegan(const QList<ToolTouch> &touches) override { samples += touches; }
  void touchesMoved(const QList<ToolTouch> &touches) override { samples += touches; }
  void touchesEnded(const QList<ToolTouch> &touches) override { samples += touches; }
  void touchesCancelled(const QList<ToolTouch> &touches) override { samples += touches; }
  void cancel() override { ++cancels; }
  QList<ToolTouch> samples;
  int cancels = 0;
};

// A fresh home folder with one notebook open in the editor, a page view in a
// shown 768 by 1024 scene, and a stand-in editor that owns the active tool as
// the page controller does. Touches are given in the page view's coordinates
// and travel through the view's viewport as mouse events. Every file-change
// announcement is recorded.
class EditorFixture : public NotePageViewDelegate, public NoteBookToolDelegate {
public:
  EditorFixture();
  ~EditorFixture() override;

  NoteBookTool *activeTool() override { return tool; }
  QGraphicsObject *viewForEdit(NoteBookTool *forTool) override;
  void notePageDidActiveWidget(NotePageView *, NoteBookWidget *widget) override;
  // The editor's tool switch: the sketch layer shows for drawing tools and none.
  void setCurrentTool(NoteBookTool *next);

  // A new page of the notebook, listed and shown in the page view.
  NotePage *showNewPage();
  // The page with that identifier, read afresh from disk.
  std::unique_ptr<NotePage> reread(const QString &identifier);
  QString resourcePath() const;

  void press(const QPointF &point, bool doubleClick = false);
  void move(const QPointF &point);
  void release(const QPointF &point);
  void tap(const QPointF &point);
  void doubleTap(const QPointF &point);
  void drag(const QPointF &from, const QPointF &to, int steps = 5);
  QImage render();

  // (method, file name) of each announcement.
  QStringList fileChanges() const;

  QTemporaryDir home;
  std::shared_ptr<NoteBook> book;
  QGraphicsScene scene{0, 0, 768, 1024};
  QGraphicsView view{&scene};
  NotePageView *page = nullptr;
  NoteBookTool *tool = nullptr;
  std::vector<Notification> notifications;

private:
  void send(QEvent::Type type, const QPointF &point, Qt::MouseButton button, Qt::MouseButtons buttons);
  NotificationObservation observation;
};
