#pragma once

#include "DrawPath.h"
#include "Drawable.h"

#include <QGraphicsObject>
#include <memory>
#include <vector>

class SketchHistory;
class SketchViewHost;

// The page's handwriting layer: a transparent scene item over the widgets that
// shows the base image, the committed history and the stroke in progress
// (kept by a SketchHistory at scale 2). It takes no input: the page view
// routes samples to the drawing tools, which write into it. Every change of
// the history is registered with the host's undo manager (one inverse call
// each, then registUndoAction). The host (the page view) is not owned and
// outlives the view.
class SketchView : public QGraphicsObject {
  Q_OBJECT
public:
  explicit SketchView(const QRectF &frame = QRectF(0, 0, 757, 910),
                      QGraphicsItem *parent = nullptr);
  ~SketchView() override;

  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
  // Follows the page view's size; the history is redrawn at the new size.
  void setSize(const QSizeF &size);

  SketchViewHost *notePageView() const { return m_notePageView; }
  void setNotePageView(SketchViewHost *host) { m_notePageView = host; }

  // Base image: the page's stored sketch picture, stretched over the bounds at
  // the screen scale; a null image keeps the current base.
  void initContentImage(const QImage &image);
  // Replaces the base bitmap as it is (null for none).
  void setContentImage(const QImage &bitmap);
  // The flattened layer (base + history + pieces in progress), or the base
  // itself when nothing was drawn; Format_ARGB32_Premultiplied at scale 2.
  QImage contentImage() const;

  void addDrawable(const DrawablePtr &item);
  void removeDrawable(const DrawablePtr &item);
  // Records a clear of the whole layer; undoable like any stroke.
  void clearView();
  // Empties base, history and pieces without recording anything (a new page).
  void reset();
  const std::vector<DrawablePtr> &drawables() const;

  // The stroke in progress: tools append pieces, empty them, or take them all.
  void appendTemp(const DrawPathPtr &piece);
  void clearTemps();
  std::vector<DrawPathPtr> takeTemps();
  const std::vector<DrawPathPtr> &temps() const;

  const SketchHistory &history() const { return *m_history; }

private:
  void repaintRect(const QRectF &rect);

  std::unique_ptr<SketchHistory> m_history;
  SketchViewHost *m_notePageView = nullptr;
};
