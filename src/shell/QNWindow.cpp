#include "QNWindow.h"

#include "common/QNAlertCenter.h"

#include <QGraphicsScene>
#include <QGraphicsWidget>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <algorithm>

QNWindow::QNWindow(QWidget *parent) : QGraphicsView(parent) {
  setScene(new QGraphicsScene(QRectF(QPointF(0, 0), QSizeF(pointSize)), this));
  scene()->setBackgroundBrush(Qt::white);
  QNAlertCenter::sharedQNAlertCenter().setScene(scene());
  setBackgroundBrush(QColor(24, 20, 18));
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                 QPainter::SmoothPixmapTransform);
  setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
  setWindowTitle(QStringLiteral("Quill"));
  resize(pointSize);
}

QNWindow::~QNWindow() = default;

void QNWindow::setRootViewController(QGraphicsWidget *controller) {
  if (controller == root)
    return;
  delete root;
  root = controller;
  if (!root)
    return;
  scene()->addItem(root);
  root->setGeometry(sceneRect());
}

void QNWindow::makeKeyAndVisible() {
  QSize size = pointSize;
  const QScreen *screen = QGuiApplication::primaryScreen();
  if (screen && QGuiApplication::platformName() != QLatin1String("offscreen")) {
    const QSize room = screen->availableGeometry().size() * 0.92;
    if (room.width() < size.width() || room.height() < size.height())
      size.scale(room, Qt::KeepAspectRatio);
  }
  resize(size);
  show();
  activateWindow();
}

QImage QNWindow::snapshot() {
  QImage image(size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(backgroundBrush().color());
  QPainter painter(&image);
  render(&painter);
  painter.end();
  return image.convertToFormat(QImage::Format_RGB32);
}

// fitInView keeps a margin of a few pixels; the point area should reach the
// window's edges.
void QNWindow::resizeEvent(QResizeEvent *event) {
  QGraphicsView::resizeEvent(event);
  const QSizeF room = viewport()->size();
  const qreal scale =
      std::min(room.width() / pointSize.width(), room.height() / pointSize.height());
  setTransform(QTransform::fromScale(scale, scale));
  centerOn(sceneRect().center());
}
