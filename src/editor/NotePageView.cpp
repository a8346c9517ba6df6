#include "NotePageView.h"

#include "EditMenu.h"
#include "EditorArtwork.h"
#include "NoteBackgroundView.h"
#include "NoteBookWidget.h"
#include "NotePageViewDelegate.h"
#include "WidgetContainerView.h"
#include "common/ValueAnimation.h"
#include "common/ViewHelpers.h"
#include "sketch/MarkPenTool.h"
#include "sketch/NoteBookTool.h"
#include "sketch/PenTool.h"
#include "sketch/QNRewindGestureRecognizer.h"
#include "sketch/QNRewindView.h"
#include "sketch/RewindUndoRule.h"
#include "sketch/RubberTool.h"
#include "sketch/SketchView.h"
#include "sketch/UndoManager.h"
#include "store/NoteBook.h"
#include "store/NotePage.h"
#include "store/WidgetData.h"

#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QInputMethod>
#include <QPropertyAnimation>
#include <QTouchEvent>

namespace {
constexpr qreal kLayerInset = 40;
NoteBookTool *g_emojiTool = nullptr;

bool isPointerEvent(const QEvent *event) {
  switch (event->type()) {
  case QEvent::GraphicsSceneMousePress:
  case QEvent::GraphicsSceneMouseDoubleClick:
  case QEvent::GraphicsSceneMouseMove:
  case QEvent::GraphicsSceneMouseRelease:
    return true;
  default:
    return false;
  }
}

// Whether the scene point lies on Qt's on-screen input panel (a desktop's
// real keyboard is never on the page).
bool onKeyboard(const QGraphicsScene *scene, const QPointF &scenePoint) {
  const QInputMethod *input = QGuiApplication::inputMethod();
  if (!scene || !input->isVisible() || scene->views().isEmpty())
    return false;
  const QGraphicsView *view = scene->views().first();
  const QPoint inWindow = view->viewport()->mapTo(view->window(), view->mapFromScene(scenePoint));
  return input->keyboardRectangle().contains(inWindow);
}
} // namespace

NotePageView::NotePageView(const QRectF &frame, QGraphicsItem *parent)
    : QGraphicsObject(parent), m_size(frame.size()), m_undoManager(std::make_unique<UndoManager>()) {
  setPos(frame.topLeft());
  setAcceptTouchEvents(true);
  setAcceptedMouseButtons(Qt::LeftButton);
  setFiltersChildEvents(true);
  const QSizeF layer(m_size.width(), m_size.height() - kLayerInset);
  m_backgroundView = new NoteBackgroundView(m_size, this);
  m_containerView = new WidgetContainerView(layer, this);
  m_sketchView = new SketchView(QRectF(QPointF(0, 0), layer), this);
  m_sketchView->setNotePageView(this);
  m_rewindRecognizer = new QNRewindGestureRecognizer(this, this);
  m_rewindRecognizer->setRewindDelegate(this);
  m_undoManager->setLevelsOfUndo(2147483647);
}

NotePageView::~NotePageView() {
  m_undoManager->removeAllActions();
  qDeleteAll(m_detached);
}

QRectF NotePageView::boundingRect() const { return QRectF(QPointF(0, 0), m_size); }

void NotePageView::paint(QPainter *, const QStyleOptionGraphicsItem *, QWidget *) {}

void NotePageView::setNotePage(std::unique_ptr<NotePage> page) {
  if (!page || page.get() == m_notePage.get())
    return;
  m_notePage = std::move(page);
  cleanPageView();
  initViewWithNotePage();
}

void NotePageView::setBackground(const QImage &image) { m_backgroundView->setImage(image); }

void NotePageView::initViewWithNotePage() {
  // The plain paper only for a page that has no background of its own (decoding it costs).
  const QImage background = m_notePage->backgroundImage();
  m_backgroundView->setImage(background.isNull() ? EditorArtwork::defaultBackground() : background);
  m_sketchView->initContentImage(m_notePage->sketchImage());
  for (const NotePage::StoredRecord &stored : m_notePage->storedRecords()) {
    NoteBookWidget *widget = stored.record ? NoteBookWidget::widgetWithData(*stored.record) : nullptr;
    m_loaded.append({widget, widget ? QByteArray() : stored.text});
    if (widget) {
      addWidget(widget, false);
      widget->setActive(false);
    }
  }
  m_pageEdited = false;
  m_sketched = false;
  m_storedPageData = pageFileData();
}

void NotePageView::cleanPageView() {
  m_screenShoting = false;
  m_sketchView->reset();
  setActiveWidget(nullptr);
  for (NoteBookWidget *widget : std::as_const(m_widgets))
    widget->prepareToRemove();
  const QList<NoteBookWidget *> widgets = std::exchange(m_widgets, {});
  qDeleteAll(widgets);
  m_dataToClean.clear();
  m_loaded.clear();
  m_saving.clear();
  m_undoManager->removeAllActions();
  m_undoCounts.reset();
  qDeleteAll(std::exchange(m_detached, {}));
  m_route = Route::None;
}

void NotePageView::addWidget(NoteBookWidget *widget, const QRectF &frame) {
  widget->setFrame(frame);
  widget->setSize(frame.size());
  addWidget(widget, true);
}

void NotePageView::addWidget(NoteBookWidget *widget, bool isNew) {
  if (!widget || m_widgets.contains(widget))
    return;
  if (isNew) {
    QPointer<NotePageView> self(this);
    QPointer<NoteBookWidget> added(widget);
    m_undoManager->registerUndo([self, added] {
      if (self && added)
        self->removeWidget(added);
    });
    registUndoAction();
  }
  m_detached.removeOne(widget);
  widget->setPage(this);
  widget->setReadOnly(m_readOnly);
  for (const QString &path : widget->dataToClean())
    m_dataToClean.removeAll(path);
  widget->setParentItem(m_containerView);
  widget->setZValue(++m_topZ);
  m_widgets.append(widget);
  m_pageEdited = true;
}

void NotePageView::removeWidget(NoteBookWidget *widget) {
  if (!widget || !m_widgets.contains(widget))
    return;
  if (widget == m_activeWidget) {
    m_activeWidget = nullptr;
    widget->setActive(false);
  }
  if (m_routeWidget == widget)
    m_route = Route::None;
  widget->setPage(nullptr);
  for (const QString &path : widget->dataToClean()) {
    if (!m_dataToClean.contains(path))
      m_dataToClean.append(path);
  }
  // Kept off the scene for undo; deleted with the page's undo steps.
  widget->setParentItem(nullptr);
  if (widget->scene())
    widget->scene()->removeItem(widget);
  m_detached.append(widget);
  QPointer<NotePageView> self(this);
  QPointer<NoteBookWidget> removed(widget);
  m_undoManager->registerUndo([self, removed] {
    if (self && removed)
      self->addWidget(removed, true);
  });
  registUndoAction();
  m_widgets.removeOne(widget);
}

void NotePageView::bringWidgetToFront(NoteBookWidget *widget) {
  if (!widget || !m_widgets.contains(widget))
    return;
  widget->setZValue(++m_topZ);
  if (m_widgets.last() != widget) {
    m_widgets.removeOne(widget);
    m_widgets.append(widget);
  }
}

void NotePageView::setActiveWidget(NoteBookWidget *widget) {
  if (widget == m_activeWidget)
    return;
  NoteBookWidget *old = m_activeWidget;
  m_activeWidget = nullptr;
  if (old) {
    old->setActive(false);
    if (m_pageDelegate)
      m_pageDelegate->notePageDidDeactiveWidget(this, old);
  }
  // Deactivating may have removed the new widget too (a blank box).
  if (!widget || !m_widgets.contains(widget))
    return;
  m_activeWidget = widget;
  bringWidgetToFront(widget);
  widget->setActive(true);
  if (m_pageDelegate)
    m_pageDelegate->notePageDidActiveWidget(this, widget);
}

void NotePageView::setReadOnly(bool readOnly) {
  if (readOnly != m_readOnly) {
    m_readOnly = readOnly;
    for (NoteBookWidget *widget : std::as_const(m_widgets))
      widget->setReadOnly(readOnly);
    if (m_pageDelegate)
      m_pageDelegate->notePageReadOnlyChanged(this, readOnly);
  }
  if (m_readOnly) {
    setActiveWidget(nullptr);
    showSketchView(true);
  }
}

NoteBookTool *NotePageView::activeTool() const {
  return m_pageDelegate ? m_pageDelegate->activeTool() : nullptr;
}

bool NotePageView::isSketching() const {
  NoteBookTool *tool = activeTool();
  return tool && (tool == PenTool::sharedPenTool() || tool == MarkPenTool::sharedMarkPenTool() ||
                  tool == RubberTool::sharedRubberTool());
}

bool NotePageView::isEmoji() const { return g_emojiTool && activeTool() == g_emojiTool; }

void NotePageView::setEmojiTool(NoteBookTool *tool) { g_emojiTool = tool; }

void NotePageView::showSketchView(bool show) {
  if (show)
    setActiveWidget(nullptr);
  if (show == m_sketchShowing)
    return;
  m_sketchShowing = show;
  m_sketchView->setVisible(true);
  animateGhost(show);
}

// A picture of the handwriting grows out of (dimming) or into (showing) the layer.
void NotePageView::animateGhost(bool show) {
  QImage flat = m_sketchView->contentImage();
  auto *ghost = new QGraphicsPixmapItem(QPixmap::fromImage(flat), this);
  ghost->setZValue(1e9);
  ghost->setPos(m_sketchView->pos());
  ghost->setTransformOriginPoint(m_sketchView->boundingRect().center());
  ghost->setAcceptedMouseButtons(Qt::NoButton);
  ghost->setOpacity(show ? 0 : 1);
  ghost->setScale(show ? 1.5 : 1);
  if (!show)
    m_sketchView->setOpacity(0.3);
  QPointer<SketchView> sketch(m_sketchView);
  animateValue(
      this, show ? 0 : 1, show ? 1 : 0, 300,
      [ghost](qreal t) {
        ghost->setOpacity(t);
        ghost->setScale(1.5 - 0.5 * t);
      },
      [ghost, sketch, show] {
        delete ghost;
        if (show && sketch)
          sketch->setOpacity(1);
      });
}

bool NotePageView::needSave() const {
  if (!m_notePage)
    return false;
  return m_pageEdited || m_sketched || widgetFilesChanged() || m_notePage->storedSketchMisfits() ||
         !m_notePage->thumbCached() || pageFileData() != m_storedPageData;
}

bool NotePageView::widgetFilesChanged() const {
  return std::any_of(m_widgets.cbegin(), m_widgets.cend(),
                     [](const NoteBookWidget *widget) { return widget->filesChanged(); });
}

QList<QByteArray> NotePageView::recordTexts() const {
  // A kept record stays just above the widget that was below it when the page
  // was read, or at the bottom when none of those is left.
  QHash<const NoteBookWidget *, QList<QByteArray>> keptAbove;
  const NoteBookWidget *below = nullptr;
  for (const LoadedRecord &loaded : m_loaded) {
    if (loaded.widget && m_widgets.contains(loaded.widget.data()))
      below = loaded.widget;
    else if (!loaded.keptText.isEmpty())
      keptAbove[below].append(loaded.keptText);
  }
  QList<QByteArray> texts = keptAbove.value(nullptr);
  for (const NoteBookWidget *widget : m_widgets) {
    if (const WidgetDataPtr record = widget->data()) {
      const QJsonObject object = record->dictionaryData();
      if (!object.isEmpty())
        texts.append(QJsonDocument(object).toJson(QJsonDocument::Compact));
    }
    texts.append(keptAbove.value(widget));
  }
  return texts;
}

QByteArray NotePageView::pageFileData() const {
  return m_notePage ? m_notePage->pageFileData(recordTexts()) : QByteArray();
}

QImage NotePageView::thumbnail() {
  // A fifth of the page; the store scales the snapshot down as it encodes it, off the main thread.
  QImage snapshot = imageFromView(this);
  snapshot.setDevicePixelRatio(snapshot.devicePixelRatio() / 0.2);
  return snapshot;
}

bool NotePageView::savePageData() {
  const PageSaveJob job = prepareSave();
  const PageSaveJob::Result result = job.run();
  applySave(job, result);
  return result.complete;
}

PageSaveJob NotePageView::prepareSave() {
  m_saving.clear();
  if (!m_notePage)
    return {};
  const QList<QByteArray> texts = recordTexts();
  const QByteArray data = m_notePage->pageFileData(texts);
  const QString folder = m_notePage->book() ? m_notePage->book()->resourcePath() : QString();
  if (m_pageEdited || widgetFilesChanged() || data != m_storedPageData) {
    m_notePage->setRecordTexts(texts);
    m_notePage->setPageEdited(true);
  }
  if (m_sketched || m_notePage->storedSketchMisfits()) {
    m_notePage->setSketchImage(m_sketchView->contentImage());
    m_notePage->setSketched(true);
  }
  PageSaveJob job = m_notePage->saveJob();
  for (NoteBookWidget *widget : std::as_const(m_widgets)) {
    widget->addFilesToSave(job, int(m_saving.size()), folder);
    m_saving.append(widget);
  }
  if (job.writesPage() || !job.widgetFiles.isEmpty() || !m_notePage->thumbCached()) {
    job.thumbPath = m_notePage->thumbImagePath();
    job.thumb = thumbnail();
  }
  job.filesToDelete = m_dataToClean;
  return job;
}

void NotePageView::applySave(const PageSaveJob &job, const PageSaveJob::Result &result) {
  if (!m_notePage)
    return;
  m_notePage->applySaveResult(job, result);
  for (int owner : result.savedOwners) {
    if (owner >= 0 && owner < m_saving.size() && m_saving[owner])
      m_saving[owner]->filesSaved();
  }
  m_saving.clear();
  if (!result.pageSaved)
    return; // every flag stays set, so the next save tries again
  if (!job.pagePath.isEmpty()) {
    m_storedPageData = job.pageData;
    m_pageEdited = false;
  }
  if (!job.sketchPath.isEmpty())
    m_sketched = false;
  // Files of widgets removed while the save ran are not in the job.
  for (const QString &path : job.filesToDelete) {
    if (!result.notDeleted.contains(path))
      m_dataToClean.removeAll(path);
  }
}

void NotePageView::registUndoAction() { m_undoCounts.registUndoAction(*m_undoManager); }

QGraphicsItem *NotePageView::hitTest(const QPointF &point) {
  if (!boundingRect().contains(point))
    return nullptr;
  const QPointF scenePoint = mapToScene(point);
  if (EditMenu::isVisible() && EditMenu::frame().contains(scenePoint))
    return nullptr;
  if (onKeyboard(scene(), scenePoint))
    return nullptr;
  auto topmostAt = [&]() -> NoteBookWidget * {
    for (auto it = m_widgets.crbegin(); it != m_widgets.crend(); ++it) {
      if ((*it)->containsPoint(point, this))
        return *it;
    }
    return nullptr;
  };
  if (m_readOnly) {
    NoteBookWidget *widget = topmostAt();
    return widget ? widget->hitTest(widget->mapFromItem(this, point)) : nullptr;
  }
  if (!m_screenShoting && !isSketching()) {
    if (isEmoji()) {
      NoteBookWidget *widget = topmostAt();
      if (widget && QLatin1String(widget->metaObject()->className()) == QLatin1String("EmojiWidget"))
        return widget;
      if (!widget) {
        setActiveWidget(nullptr);
        return this;
      }
    }
    if (m_activeWidget && m_activeWidget->containsPoint(point, this))
      return m_activeWidget->hitTest(m_activeWidget->mapFromItem(this, point));
    if (NoteBookWidget *widget = topmostAt()) {
      setActiveWidget(widget);
      return m_activeWidget ? m_activeWidget->hitTest(m_activeWidget->mapFromItem(this, point)) : nullptr;
    }
  }
  setActiveWidget(nullptr);
  return this;
}

void NotePageView::beginRoute(const QPointF &point) {
  QGraphicsItem *target = hitTest(point);
  m_routeWidget = nullptr;
  m_routeNative = nullptr;
  if (!target) {
    m_route = Route::None;
  } else if (target == this) {
    m_route = Route::Page;
  } else if (auto *widget = qobject_cast<NoteBookWidget *>(target->toGraphicsObject())) {
    m_route = Route::Widget;
    m_routeWidget = widget;
  } else {
    m_route = target->toGraphicsObject() ? Route::Native : Route::None;
    m_routeNative = target->toGraphicsObject();
  }
}

void NotePageView::passToTool(const QList<ToolTouch> &samples) {
  NoteBookTool *tool = activeTool();
  if (!tool || m_rewinding || samples.isEmpty())
    return;
  tool->handleTouches(samples);
  const ToolTouch::Phase phase = samples.last().phase;
  if ((phase == ToolTouch::Up || phase == ToolTouch::Cancel) && isSketching())
    m_sketched = true;
}

void NotePageView::deliver(const QList<ToolTouch> &samples) {
  if (m_route == Route::Page) {
    m_rewindRecognizer->handleTouches(samples);
    passToTool(samples);
  } else if (m_route == Route::Widget && m_routeWidget) {
    QList<ToolTouch> byPhase[4];
    for (const ToolTouch &sample : samples)
      byPhase[sample.phase].append(sample);
    if (!byPhase[ToolTouch::Down].isEmpty())
      m_routeWidget->touchesBegan(byPhase[ToolTouch::Down]);
    if (m_routeWidget && !byPhase[ToolTouch::Move].isEmpty())
      m_routeWidget->touchesMoved(byPhase[ToolTouch::Move]);
    if (m_routeWidget && !byPhase[ToolTouch::Up].isEmpty())
      m_routeWidget->touchesEnded(byPhase[ToolTouch::Up]);
    if (m_routeWidget && !byPhase[ToolTouch::Cancel].isEmpty())
      m_routeWidget->touchesCancelled(byPhase[ToolTouch::Cancel]);
  }
}

bool NotePageView::routePointer(QGraphicsItem *receiver, QEvent *event) {
  auto *mouse = static_cast<QGraphicsSceneMouseEvent *>(event);
  const bool down = event->type() == QEvent::GraphicsSceneMousePress ||
                    event->type() == QEvent::GraphicsSceneMouseDoubleClick;
  if (down)
    beginRoute(mapFromScene(mouse->scenePos()));
  if (m_route == Route::Native && m_routeNative) {
    if (receiver == m_routeNative.data())
      return false;
    // The touch belongs to an item that Qt did not pick: hand it over.
    m_forwarding = true;
    mouse->setPos(m_routeNative->mapFromScene(mouse->scenePos()));
    scene()->sendEvent(m_routeNative, mouse);
    m_forwarding = false;
    mouse->accept();
    return true;
  }
  // The event's own position is relative to its receiver as it was placed when
  // the press began; the scene position stays right while a widget moves.
  const QPointF position = mapFromScene(mouse->scenePos());
  const QList<ToolTouch> samples = m_adapter.translate(event, [&](const QPointF &) { return position; });
  deliver(samples);
  if (event->type() == QEvent::GraphicsSceneMouseRelease)
    m_route = Route::None;
  mouse->accept();
  return true;
}

bool NotePageView::sceneEventFilter(QGraphicsItem *watched, QEvent *event) {
  if (m_forwarding || !isPointerEvent(event))
    return false;
  return routePointer(watched, event);
}

bool NotePageView::sceneEvent(QEvent *event) {
  if (isPointerEvent(event))
    return routePointer(this, event);
  switch (event->type()) {
  case QEvent::TouchBegin:
  case QEvent::TouchUpdate:
  case QEvent::TouchEnd:
  case QEvent::TouchCancel: {
    auto *touch = static_cast<QTouchEvent *>(event);
    if (event->type() == QEvent::TouchBegin && !touch->points().isEmpty())
      beginRoute(touch->points().first().position());
    if (m_route == Route::Native) {
      // Items that edit text take the mouse events Qt makes from this touch.
      event->ignore();
      return false;
    }
    deliver(m_adapter.translate(event));
    if (event->type() == QEvent::TouchEnd || event->type() == QEvent::TouchCancel)
      m_route = Route::None;
    event->accept();
    return true;
  }
  default:
    return QGraphicsObject::sceneEvent(event);
  }
}

bool NotePageView::rewindGestureShouldBegin(QNRewindGestureRecognizer *) { return !m_readOnly; }
void NotePageView::rewindGestureDidBegin(QNRewindGestureRecognizer *) { startRewind(); }
void NotePageView::rewindGestureDidEnd(QNRewindGestureRecognizer *) { stopRewind(); }

void NotePageView::rewindGestureRotated(QNRewindGestureRecognizer *, float angle) {
  if (m_rewinding && m_rewindView)
    RewindUndoRule::applyRotation(*m_rewindView, *m_undoManager, m_undoCounts, angle);
}

void NotePageView::startRewind() {
  if (m_readOnly)
    return;
  if (!m_rewindView) {
    m_rewindView = new QNRewindView(QRectF(0, 0, 260, 260), this);
    m_rewindView->setPos(boundingRect().center() - QPointF(130, 130));
    m_rewindView->setTransformOriginPoint(130, 130);
    m_rewindView->setZValue(1e8);
  }
  if (NoteBookTool *tool = activeTool())
    tool->cancel();
  m_rewinding = true;
  setActiveWidget(nullptr);
  m_rewindView->setVisible(true);
  RewindUndoRule::beginRewind(*m_rewindView, m_undoCounts);
  m_rewindView->setOpacity(0);
  m_rewindView->setScale(0.8);
  QNRewindView *dial = m_rewindView;
  animateValue(dial, 0, 1, 250, [dial](qreal t) {
    dial->setOpacity(t);
    dial->setScale(0.8 + 0.2 * t);
  });
}

void NotePageView::stopRewind() {
  m_rewinding = false;
  if (!m_rewindView)
    return;
  auto *animation = new QPropertyAnimation(m_rewindView, "opacity", m_rewindView);
  animation->setDuration(250);
  animation->setEndValue(0.0);
  QNRewindView *dial = m_rewindView;
  connect(animation, &QPropertyAnimation::finished, dial, [dial] { dial->setVisible(false); });
  animation->start(QAbstractAnimation::DeleteWhenStopped);
}
