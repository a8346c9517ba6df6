#pragma once

#include <QGraphicsWidget>
#include <QList>
#include <QPointer>

// A horizontal bar: a background view behind a container that holds three
// groups of item views, laid out from the left edge, from the right edge and
// around the centre. Items keep their own size and are centred vertically;
// the groups are laid out again when the bar resizes, so right items keep
// their distance to the right edge and centre items stay centred.
//
// The bar owns its background view and its container. It does not own the
// item views: a group holds them as children only until it is laid out again,
// when they leave the bar (and the scene) for their owner to keep or delete.
class QNToolBar : public QGraphicsWidget {
  Q_OBJECT
public:
  using Views = QList<QGraphicsObject *>;
  static constexpr qreal kEdgeInset = 10;
  // How far the background reaches below the bar (its shadow).
  static constexpr qreal kBackgroundOverhang = 3;

  // Height by style: 50 points when the style's upper 16 bits are 2, 30 below
  // 65536, otherwise 45 (the navigation bar's 65536).
  static qreal heightForStyle(int style);

  // Takes a view out of its parent and its scene, leaving it to its owner.
  static void detachView(QGraphicsObject *view);
  // An item view's size (its bounding rect's) and placing its top-left corner.
  static QSizeF viewSize(const QGraphicsObject *view);
  static void placeView(QGraphicsObject *view, const QPointF &topLeft);

  explicit QNToolBar(int style, QGraphicsItem *parent = nullptr);
  ~QNToolBar() override;

  int style() const { return m_style; }
  QGraphicsWidget *backGroundView() const { return m_background; }
  // Takes the view; the old one is deleted. The bar then no longer clips, so
  // the background's overhang shows.
  void setBackGroundView(QGraphicsWidget *view);
  QGraphicsWidget *containerView() const { return m_container; }

  void setLeftItems(const Views &views);
  void setCenterItems(const Views &views);
  void setRightItems(const Views &views);
  Views leftItems() const { return alive(m_left); }
  Views centerItems() const { return alive(m_center); }
  Views rightItems() const { return alive(m_right); }

protected:
  void resizeEvent(QGraphicsSceneResizeEvent *event) override;
  // Called after every resize, once the groups are placed again.
  virtual void layoutItems() {}

private:
  using Held = QList<QPointer<QGraphicsObject>>;
  enum class Group { Left, Center, Right };
  static Views alive(const Held &held);
  void setGroup(Held &group, const Views &views, Group kind);
  void placeGroup(const Held &group, Group kind);

  int m_style;
  QGraphicsWidget *m_background = nullptr;
  QGraphicsWidget *m_container;
  Held m_left;
  Held m_center;
  Held m_right;
};
