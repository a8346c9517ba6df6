#pragma once

#include <QGraphicsWidget>
#include <QPointer>

// A clear box holding one page of a pager: the page view always fills it.
// index is -1 once the page has been recycled. Owns the page view while it
// holds it; takeView hands it back. Main thread only.
class PageContainerView : public QGraphicsWidget {
  Q_OBJECT
public:
  explicit PageContainerView(QGraphicsItem *parent = nullptr);

  QGraphicsWidget *view() const { return m_view; }
  void setView(QGraphicsWidget *view);
  // Gives up the page view (unparented), leaving the container empty.
  QGraphicsWidget *takeView();
  QString identifier() const { return m_identifier; }
  void setIdentifier(const QString &identifier) { m_identifier = identifier; }
  int index() const { return m_index; }
  void setIndex(int index) { m_index = index; }

protected:
  void resizeEvent(QGraphicsSceneResizeEvent *event) override;

private:
  QPointer<QGraphicsWidget> m_view;
  QString m_identifier;
  int m_index = -1;
};
