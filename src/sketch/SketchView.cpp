#include "SketchView.h"

#include "DrawClear.h"
#include "SketchHistory.h"
#include "SketchViewHost.h"
#include "UndoManager.h"

#include <QPainter>
#include <QPointer>
#include <QStyleOptionGraphicsItem>

SketchView::SketchView(const QRectF &frame, QGraphicsItem *parent)
    : QGraphicsObject(parent), m_history(std::make_unique<SketchHistory>(frame.size())) {
  setPos(frame.topLeft());
  setAcceptedMouseButtons(Qt::NoButton);
  setAcceptHoverEvents(false);
  setFlag(QGraphicsItem::ItemUsesExtendedStyleOption);
}

SketchView::~SketchView() = default;

QRectF SketchView::boundingRect() const {
  return m_history->bounds();
}

void SketchView::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *) {
  const QRectF exposed = option->exposedRect.intersected(boundingRect());
  if (exposed.isEmpty())
    return;
  const qreal scale = m_history->scale();
  const QRectF source(exposed.x() * scale, exposed.y() * scale, exposed.width() * scale,
                      exposed.height() * scale);
  painter->setRenderHint(QPainter::SmoothPixmapTransform);
  painter->drawImage(exposed, m_history->picture(), source);
}

void SketchView::setSize(const QSizeF &size) {
  prepareGeometryChange();
  repaintRect(m_history->setSize(size));
}

void SketchView::initContentImage(const QImage &image) {
  repaintRect(m_history->initContentImage(image));
}

void SketchView::setContentImage(const QImage &bitmap) {
  repaintRect(m_history->setBaseImage(bitmap));
}

QImage SketchView::contentImage() const {
  QImage content = m_history->contentImage();
  // The pixels are the layer at the history's scale; say so, so that the
  // picture draws and is stored at the layer's point size.
  if (!content.isNull())
    content.setDevicePixelRatio(m_history->scale());
  return content;
}

void SketchView::addDrawable(const DrawablePtr &item) {
  if (m_notePageView) {
    QPointer<SketchView> self(this);
    m_notePageView->undoManager()->registerUndo([self, item] {
      if (self)
        self->removeDrawable(item);
    });
    m_notePageView->registUndoAction();
  }
  repaintRect(m_history->appendDrawable(item));
}

void SketchView::removeDrawable(const DrawablePtr &item) {
  if (m_notePageView) {
    QPointer<SketchView> self(this);
    m_notePageView->undoManager()->registerUndo([self, item] {
      if (self)
        self->addDrawable(item);
    });
    m_notePageView->registUndoAction();
  }
  repaintRect(m_history->removeDrawable(item));
}

void SketchView::clearView() {
  if (m_notePageView) {
    m_notePageView->setSketched(true);
    m_notePageView->setPageEdited(true);
  }
  addDrawable(std::make_shared<const DrawClear>(boundingRect()));
  update();
}

void SketchView::reset() {
  repaintRect(m_history->reset());
}

const std::vector<DrawablePtr> &SketchView::drawables() const {
  return m_history->drawables();
}

void SketchView::appendTemp(const DrawPathPtr &piece) {
  repaintRect(m_history->appendTemp(piece));
}

void SketchView::clearTemps() {
  repaintRect(m_history->clearTemps());
}

std::vector<DrawPathPtr> SketchView::takeTemps() {
  repaintRect(m_history->tempsFrame());
  return m_history->takeTemps();
}

const std::vector<DrawPathPtr> &SketchView::temps() const {
  return m_history->temps();
}

void SketchView::repaintRect(const QRectF &rect) {
  if (!rect.isEmpty())
    update(rect);
}
