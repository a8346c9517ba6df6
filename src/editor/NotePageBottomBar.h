#pragma once

#include <QGraphicsWidget>

class QGraphicsSimpleTextItem;
class QNButton;

// The editor's bottom bar, 44 points high along the bottom edge: the page
// number centred (tag 107), the left arrow 10 points from the left edge and the
// right arrow 10 points from the right edge, both 3 points above the middle.
// A horizontal swipe on the bar turns too: to the left for the next page, to
// the right for the previous one. Main thread.
class NotePageBottomBar : public QGraphicsWidget {
  Q_OBJECT
public:
  static constexpr qreal kHeight = 44;
  // How far a press must travel sideways, more than up or down, to be a swipe.
  static constexpr qreal kSwipeDistance = 40;

  explicit NotePageBottomBar(QGraphicsItem *parent = nullptr);

  void setPageText(const QString &text);
  QString pageText() const;
  QNButton *leftButton() const { return m_left; }
  QNButton *rightButton() const { return m_right; }

Q_SIGNALS:
  void nextPage();
  void prePage();

protected:
  void resizeEvent(QGraphicsSceneResizeEvent *event) override;
  void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
  void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
  QGraphicsSimpleTextItem *m_label;
  QNButton *m_left;
  QNButton *m_right;
};
