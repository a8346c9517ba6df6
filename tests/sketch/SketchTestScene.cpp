#include "SketchTestScene.h"

#include "sketch/NoteBookTool.h"
#include "sketch/QNRewindGestureRecognizer.h"
#include "sketch/QNRewindView.h"
#include "sketch/RewindUndoRule.h"
#include "sketch/SketchView.h"
#include "sketch/UndoShortcut.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTest>

TestPageItem::TestPageItem()
    : m_sketchView(new SketchView(QRectF(0, 0, 757, 910), this)),
      m_recognizer(std::make_unique<QNRewindGestureRecognizer>(this)) {
  m_sketchView->setNotePageView(this);
  m_recognizer->setRewindDelegate(this);
  setAcceptTouchEvents(true);
  setAcceptedMouseButtons(Qt::LeftButton);
  setFlag(ItemIsFocusable);
}

TestPageItem::~TestPageItem() {
  if (m_tool)
    m_tool->deactivate();
  m_undoManager.removeAllActions();
}

void TestPageItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  painter->fillRect(boundingRect(), QColor(252, 250, 240));
}

void TestPageItem::setActiveTool(NoteBookTool *tool) {
  if (tool)
    tool->setToolDelegate(this);
  if (m_tool && m_tool != tool) {
    m_tool->deactivate();
    m_tool->setToolDelegate(nullptr);
  }
  if (tool)
    tool->activate();
  m_tool = tool;
}

QGraphicsObject *TestPageItem::viewForEdit(NoteBookTool *) {
  return m_sketchView;
}

void TestPageItem::rewindGestureDidBegin(QNRewindGestureRecognizer *) {
  if (!m_rewindView) {
    m_rewindView = new QNRewindView(QRectF(0, 0, 260, 260), this);
    m_rewindView->setPos(boundingRect().center() - QPointF(130, 130));
    m_rewindView->setZValue(10);
  }
  if (m_tool)
    m_tool->cancel();
  m_rewinding = true;
  m_rewindView->show();
  RewindUndoRule::beginRewind(*m_rewindView, m_counts);
}

void TestPageItem::rewindGestureDidEnd(QNRewindGestureRecognizer *) {
  m_rewinding = false;
  m_rewindView->hide();
}

void TestPageItem::rewindGestureRotated(QNRewindGestureRecognizer *, float angle) {
  RewindUndoRule::applyRotation(*m_rewindView, m_undoManager, m_counts, angle);
}

bool TestPageItem::sceneEvent(QEvent *event) {
  const QList<ToolTouch> touches = m_adapter.translate(event);
  if (touches.isEmpty())
    return QGraphicsObject::sceneEvent(event);
  m_recognizer->handleTouches(touches);
  if (m_tool && !m_rewinding)
    m_tool->handleTouches(touches);
  if (touches.first().phase == ToolTouch::Up && m_tool)
    setSketched(true);
  event->accept();
  return true;
}

void TestPageItem::keyPressEvent(QKeyEvent *event) {
  if (!UndoShortcut::handleKeyPress(*event, m_undoManager))
    QGraphicsObject::keyPressEvent(event);
}

SketchTestScene::SketchTestScene()
    : m_view(std::make_unique<QGraphicsView>(&m_scene)), m_page(new TestPageItem),
      m_touchDevice(QTest::createTouchDevice()) {
  m_scene.setSceneRect(0, 0, 768, 1024);
  m_scene.setBackgroundBrush(QColor(120, 120, 120));
  m_scene.addItem(m_page);
  m_page->setPos(0, 4);
  m_view->setFrameShape(QFrame::NoFrame);
  m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_view->setFixedSize(768, 1024);
  // The view turns touch on only for items that were in the scene when it was given the scene.
  m_view->viewport()->setAttribute(Qt::WA_AcceptTouchEvents);
  m_view->show();
  m_view->activateWindow();
  m_scene.setFocusItem(m_page);
  if (!QTest::qWaitForWindowExposed(m_view.get()))
    qWarning("the test view was not exposed");
}

SketchTestScene::~SketchTestScene() = default;

QPoint SketchTestScene::toViewport(const QPointF &pagePoint) const {
  return m_view->mapFromScene(m_page->mapToScene(pagePoint));
}

void SketchTestScene::mouseStroke(const QList<QPointF> &pagePoints) {
  QWidget *viewport = m_view->viewport();
  QTest::mousePress(viewport, Qt::LeftButton, {}, toViewport(pagePoints.first()));
  for (const QPointF &point : pagePoints.mid(1)) {
    QMouseEvent move(QEvent::MouseMove, toViewport(point),
                     m_view->viewport()->mapToGlobal(toViewport(point)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &move);
  }
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, toViewport(pagePoints.last()));
}

void SketchTestScene::touchStroke(const QList<QPointF> &pagePoints, int touchId) {
  touchPress(touchId, pagePoints.first());
  for (const QPointF &point : pagePoints.mid(1))
    touchMove(touchId, point);
  touchRelease(touchId, pagePoints.last());
}

void SketchTestScene::touchPress(int touchId, const QPointF &pagePoint) {
  m_down[touchId] = pagePoint;
  m_states[touchId] = QEventPoint::Pressed;
  sendTouches();
}

void SketchTestScene::touchMove(int touchId, const QPointF &pagePoint) {
  m_down[touchId] = pagePoint;
  m_states[touchId] = QEventPoint::Updated;
  sendTouches();
}

void SketchTestScene::touchRelease(int touchId, const QPointF &pagePoint) {
  m_down[touchId] = pagePoint;
  m_states[touchId] = QEventPoint::Released;
  sendTouches();
  m_down.remove(touchId);
  m_states.remove(touchId);
}

// Sends every finger that is down: the changed one as pressed, moved or
// released and the others as stationary, as a touch screen reports them.
void SketchTestScene::sendTouches() {
  auto sequence = QTest::touchEvent(m_view->viewport(), m_touchDevice);
  for (auto it = m_down.cbegin(); it != m_down.cend(); ++it) {
    const QPoint at = toViewport(it.value());
    switch (m_states.value(it.key())) {
    case QEventPoint::Pressed:
      sequence.press(it.key(), at);
      break;
    case QEventPoint::Updated:
      sequence.move(it.key(), at);
      break;
    case QEventPoint::Released:
      sequence.release(it.key(), at);
      break;
    default:
      sequence.stationary(it.key());
    }
    m_states[it.key()] = QEventPoint::Stationary;
  }
  sequence.commit();
}

void SketchTestScene::pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(m_view->viewport(), key, modifiers);
}

void SketchTestScene::settle() {
  QCoreApplication::processEvents();
}

QImage SketchTestScene::grabWindow() {
  settle();
  return m_view->grab().toImage();
}
