#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QGraphicsObject;

// What a screen's bar shows: a title (or a title view instead of the bar's own
// label) and three groups of item views, left, centre and right. The item owns
// every view handed to it: a view left out by a later set is deleted (later,
// so a button may replace itself from its own click); the rest go with the
// item. A bar showing the item holds the views as children meanwhile and hands
// them back when it moves on. Changes are announced by the signals, which the
// navigation bar watches. Main thread only.
class QNNavigationItem : public QObject {
  Q_OBJECT
public:
  using Views = QList<QGraphicsObject *>;

  explicit QNNavigationItem(const QString &title = {}, QObject *parent = nullptr);
  ~QNNavigationItem() override;

  QString title() const { return m_title; }
  void setTitle(const QString &title);
  QGraphicsObject *titleView() const;
  void setTitleView(QGraphicsObject *view);

  Views leftBarItems() const { return alive(m_left); }
  void setLeftBarItems(const Views &views);
  Views centerBarItems() const { return alive(m_center); }
  void setCenterBarItems(const Views &views);
  Views rightBarItems() const { return alive(m_right); }
  void setRightBarItems(const Views &views);

  // Whether the bar may offer its back button when there are no left items.
  bool showBackButton() const { return m_showBackButton; }
  void setShowBackButton(bool show) { m_showBackButton = show; }

Q_SIGNALS:
  void titleChanged();
  void leftBarItemsChanged();
  void centerBarItemsChanged();
  void rightBarItemsChanged();

private:
  using Held = QList<QPointer<QGraphicsObject>>;
  static Views alive(const Held &held);
  void replace(Held &group, const Views &views, void (QNNavigationItem::*changed)());
  bool holds(QGraphicsObject *view) const;
  void release(const Held &dropped);

  QString m_title;
  QPointer<QGraphicsObject> m_titleView;
  Held m_left;
  Held m_center;
  Held m_right;
  bool m_showBackButton = true;
};
