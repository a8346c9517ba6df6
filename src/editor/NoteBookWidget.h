#pragma once

#include "sketch/ToolTouch.h"

#include <QGraphicsObject>
#include <QList>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class NotePageView;
class PageSaveJob;
class NoteBookTool;
class WidgetData;
using WidgetDataPtr = std::shared_ptr<WidgetData>;

// The base of everything placed on a page besides handwriting: its geometry
// (pos() is the top-left corner of an unrotated widget, boundingRect() is
// (0, 0, size)), its stored record, its files and the direct manipulation by
// one finger. The page view owns its widgets; a widget refers to its page view
// without owning it (null while it is off the page). Widgets take no Qt input
// themselves: the page view decides with hitTest() which item a touch belongs
// to and hands the widget ToolTouch samples in the page view's coordinates.
// Widget files are written into the temporary folder first and moved into the
// resource folder of the catalogue's editing notebook when the page is saved.
// Main thread.
class NoteBookWidget : public QGraphicsObject {
  Q_OBJECT
public:
  using Factory = std::function<NoteBookWidget *(const WidgetData &)>;

  // Makes the widget for the record through the kind registered under the
  // record's widget class name; null when the record names no known kind.
  static NoteBookWidget *widgetWithData(const WidgetData &data);
  // Registers a kind; the kinds of this library register in WidgetKinds.
  static void registerWidgetClass(const QString &className, Factory factory);

  explicit NoteBookWidget(const QRectF &frame = QRectF(), QGraphicsItem *parent = nullptr);
  ~NoteBookWidget() override;

  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

  QRectF frame() const;
  void setFrame(const QRectF &frame);
  QSizeF size() const { return m_size; }
  // Keeps the top-left corner.
  virtual void setSize(const QSizeF &size);
  QPointF center() const;
  void setCenter(const QPointF &center);

  virtual NoteBookTool *toolForWidget() const { return nullptr; }
  // The stored record with the current centre and size; null for a widget that is not stored.
  virtual WidgetDataPtr data() const { return nullptr; }
  // Adds the files the save must write or move into resourceFolder to the
  // job, under owner; a file with nothing to write it from is left out.
  virtual void addFilesToSave(PageSaveJob &job, int owner, const QString &resourceFolder) const;
  // Whether a file of the widget changed since it was last stored.
  virtual bool filesChanged() const { return false; }
  // The save stored every file the widget added to its job.
  virtual void filesSaved() {}
  // Every file path that belongs to the widget (resource and temporary folder).
  virtual QStringList dataToClean() const { return {}; }
  virtual void prepareToRemove() {}
  // Asks the page view to remove this widget (undoable); nothing when off the page.
  void removeFromPage();

  bool isActive() const { return m_active; }
  virtual void setActive(bool active);
  bool isReadOnly() const { return m_readOnly; }
  virtual void setReadOnly(bool readOnly);
  NotePageView *page() const { return m_page; }
  void setPage(NotePageView *page) { m_page = page; }

  // Whether point (in other's coordinates) lies on the widget.
  bool containsPoint(const QPointF &point, const QGraphicsItem *other) const;
  // The item that takes a touch at point (own coordinates): this widget (it
  // then gets the samples), a child item that takes Qt input itself, or null.
  virtual QGraphicsItem *hitTest(const QPointF &point);

  // Direct manipulation; positions in the page view's coordinates.
  virtual void touchesBegan(const QList<ToolTouch> &touches);
  virtual void touchesMoved(const QList<ToolTouch> &touches);
  virtual void touchesEnded(const QList<ToolTouch> &touches);
  virtual void touchesCancelled(const QList<ToolTouch> &touches);

  virtual void moveByOffset(qreal dx, qreal dy);
  virtual void resizeByOffset(qreal dx, qreal dy);
  bool isMoving() const { return m_moving.has_value(); }
  bool isResizing() const { return m_resizing.has_value(); }

  // Snap of the text, video and record widgets when a drag ends: at least 40
  // points stay on the page at the left, and x is at most rightLimit.
  static QRectF snapFrame(const QRectF &frame, qreal rightLimit = 728);
  // The resource folder of the catalogue's editing notebook (empty without one).
  static QString resourcePath();

protected:
  // Called whenever the size changed, to lay out the children.
  virtual void sizeChanged() {}
  // Whether a touch that begins at point (own coordinates) resizes instead of moving.
  virtual bool beginsResizing(const QPointF &point) const;
  // The kind's snap when the moving touch ends; none by default.
  virtual void snapAfterMove() {}
  // Whether a vertical step keeps the widget's top edge from crossing above
  // topLimit and its bottom edge from crossing below the layer's bottom.
  bool verticalStepAllowed(qreal dy, qreal topLimit) const;
  qreal layerHeight() const;
  void forgetTouches();

private:
  const ToolTouch *tracked(const QList<ToolTouch> &touches, const std::optional<int> &id) const;

  QSizeF m_size;
  NotePageView *m_page = nullptr;
  bool m_active = false;
  bool m_readOnly = false;
  std::optional<int> m_moving;
  std::optional<int> m_resizing;
};
