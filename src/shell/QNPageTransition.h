#pragma once

#include <QList>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QSizeF>

class QGraphicsObject;
class QGraphicsScene;
class QParallelAnimationGroup;

// How a jump or back changes screens: at once, or pushed in from one side.
enum class QNTransitionType { None, Push };
enum class QNTransitionSubtype { FromRight, FromLeft, FromTop, FromBottom };

// One push transition of the navigation controller: arriving items slide in
// from the chosen side by the layer's size while leaving items slide out the
// other way, over 0.4 s, easing in and out. While it runs, the scene refuses
// touches, clicks and wheel turns, and a touch under way loses its grab, so no
// second jump can start from the screen. It ends once, with finished, either
// when the animation completes or when finish() cuts it short (the items are
// then at their end positions). The items are not owned. Main thread only.
class QNPageTransition : public QObject {
  Q_OBJECT
public:
  static constexpr int kDurationMs = 400;

  QNPageTransition(QNTransitionSubtype direction, const QSizeF &layerSize,
                   QObject *parent = nullptr);
  ~QNPageTransition() override;

  // Arriving items slide from home + offset to home; leaving ones from home to
  // home - offset, where home is where the item stands now.
  void addArriving(QGraphicsObject *item);
  void addLeaving(QGraphicsObject *item);
  // The offset of an arriving item's start from its home.
  QPointF offset() const { return m_offset; }

  // Starts the animation and blocks the scene's input until the end.
  void start(QGraphicsScene *scene);
  void finish();
  bool isRunning() const { return m_running; }

Q_SIGNALS:
  void finished();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void add(QGraphicsObject *item, const QPointF &from, const QPointF &to);
  void end();

  QPointF m_offset;
  QParallelAnimationGroup *m_group;
  QPointer<QGraphicsScene> m_scene;
  bool m_running = false;
};
