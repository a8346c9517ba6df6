#pragma once

#include <QGraphicsView>

class QGraphicsWidget;

// The one window: a view of its own scene, whose 768 by 1024 point area is
// scaled to fit the window (keeping its aspect; the rest is letterboxed).
// The root controller is a scene item laid over the whole point area; the
// scene owns it. The alert center shows its alerts in this window's scene.
// Main thread only.
class QNWindow : public QGraphicsView {
  Q_OBJECT
public:
  static constexpr QSize pointSize{768, 1024};

  explicit QNWindow(QWidget *parent = nullptr);
  ~QNWindow() override;

  void setRootViewController(QGraphicsWidget *controller);
  QGraphicsWidget *rootViewController() const { return root; }

  // Shows the window at the point size, or scaled down to fit a smaller screen.
  void makeKeyAndVisible();

  // The window's content as shown, at the window's size.
  QImage snapshot();

protected:
  void resizeEvent(QResizeEvent *event) override;

private:
  QGraphicsWidget *root = nullptr;
};
