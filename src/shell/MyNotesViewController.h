#pragma once

#include "BaseViewController.h"

#include <QString>
#include <vector>

// The root screen: the notebooks of the catalogue in shelf order under a title
// bar, one row each with the notebook's name and its last edit date. It reads
// the catalogue when made and when reloaded; it paints only the rows in view,
// so a long catalogue costs no more than a short one. Main thread only.
class MyNotesViewController : public BaseViewController {
  Q_OBJECT
public:
  static constexpr qreal titleBarHeight = 64;
  static constexpr qreal rowHeight = 72;

  explicit MyNotesViewController(QGraphicsItem *parent = nullptr);

  // Reads the catalogue's notebooks again.
  void reloadData();
  int rowCount() const { return int(rows.size()); }
  qreal scrollOffset() const { return offset; }
  void setScrollOffset(qreal offset);

  // The start-up animation, once, right after the window is shown: the list
  // fades in; splashFinished follows when it has.
  void beginSplash();

  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

Q_SIGNALS:
  void splashFinished();

protected:
  void resizeEvent(QGraphicsSceneResizeEvent *event) override;
  void wheelEvent(QGraphicsSceneWheelEvent *event) override;
  void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
  void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;

private:
  struct Row {
    QString name;
    QString date;
    QColor spine;
  };
  void paintTitleBar(QPainter *painter) const;
  void paintRow(QPainter *painter, const Row &row, qreal top) const;
  qreal largestOffset() const;

  std::vector<Row> rows;
  qreal offset = 0;
};
