#pragma once

#include "sketch/NoteBookToolDelegate.h"
#include "sketch/QNRewindGestureRecognizerDelegate.h"
#include "sketch/SketchViewHost.h"
#include "sketch/ToolTouchAdapter.h"
#include "sketch/UndoCounts.h"
#include "sketch/UndoManager.h"

#include <QEventPoint>
#include <QGraphicsObject>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMap>
#include <QPointingDevice>
#include <memory>

class NoteBookTool;
class QNRewindGestureRecognizer;
class QNRewindView;
class SketchView;

// A stand-in for the page view: a 757 by 950 page item with the sketch layer
// at its origin, that routes its input through ToolTouchAdapter to the active
// tool and the rewind recogniser, answers the tools as their delegate, keeps
// the undo manager and counts, and handles the undo keys.
class TestPageItem : public QGraphicsObject,
                     public SketchViewHost,
                     public NoteBookToolDelegate,
                     public QNRewindGestureRecognizerDelegate {
  Q_OBJECT
public:
  TestPageItem();
  ~TestPageItem() override;

  QRectF boundingRect() const override { return QRectF(0, 0, 757, 950); }
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override;

  void setActiveTool(NoteBookTool *tool);
  SketchView *sketchView() const { return m_sketchView; }
  QNRewindGestureRecognizer *recognizer() const { return m_recognizer.get(); }
  QNRewindView *rewindView() const { return m_rewindView; }
  const UndoCounts &counts() const { return m_counts; }
  bool sketched() const { return m_sketched; }

  UndoManager *undoManager() override { return &m_undoManager; }
  void registUndoAction() override { m_counts.registUndoAction(m_undoManager); }
  void setPageEdited(bool edited) override { m_pageEdited = edited; }
  void setSketched(bool sketched) override { m_sketched = sketched; }
  QGraphicsObject *viewForEdit(NoteBookTool *tool) override;

  bool rewindGestureShouldBegin(QNRewindGestureRecognizer *) override { return true; }
  void rewindGestureDidBegin(QNRewindGestureRecognizer *) override;
  void rewindGestureDidEnd(QNRewindGestureRecognizer *) override;
  void rewindGestureRotated(QNRewindGestureRecognizer *, float angle) override;

protected:
  bool sceneEvent(QEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

private:
  SketchView *m_sketchView;
  NoteBookTool *m_tool = nullptr;
  ToolTouchAdapter m_adapter;
  std::unique_ptr<QNRewindGestureRecognizer> m_recognizer;
  QNRewindView *m_rewindView = nullptr;
  UndoManager m_undoManager;
  UndoCounts m_counts;
  bool m_rewinding = false;
  bool m_pageEdited = false;
  bool m_sketched = false;
};

// The window: a 768 by 1024 scene with the page at (0, 4), shown in a view of
// the same size on the offscreen platform, and helpers that send synthesized
// touches and mouse drags to the view's viewport.
class SketchTestScene {
public:
  SketchTestScene();
  ~SketchTestScene();

  QGraphicsScene &scene() { return m_scene; }
  QGraphicsView &view() { return *m_view; }
  TestPageItem &page() { return *m_page; }
  // The viewport point of a page point.
  QPoint toViewport(const QPointF &pagePoint) const;

  void mouseStroke(const QList<QPointF> &pagePoints);
  void touchStroke(const QList<QPointF> &pagePoints, int touchId = 0);
  void touchPress(int touchId, const QPointF &pagePoint);
  void touchMove(int touchId, const QPointF &pagePoint);
  void touchRelease(int touchId, const QPointF &pagePoint);
  void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers);
  // Delivers the scene's pending updates, so that a grab shows its items as they are.
  void settle();
  QImage grabWindow();

private:
  void sendTouches();

  QGraphicsScene m_scene;
  std::unique_ptr<QGraphicsView> m_view;
  TestPageItem *m_page;
  QPointingDevice *m_touchDevice;
  QMap<int, QPointF> m_down;
  QMap<int, QEventPoint::State> m_states;
};
