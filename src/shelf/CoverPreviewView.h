#pragma once

#include <QGraphicsWidget>
#include <QImage>
#include <functional>

#include "common/NotificationCenter.h"

// The first page of the new-notebook pager: the chosen template's cover with
// the notebook's title on its name plate, kept live by the
// "bookCoverTitleUpdateNotifi" notifications of the screen. coverUpdateAction
// runs whenever the cover picture is replaced. Main thread only.
class CoverPreviewView : public QGraphicsWidget {
  Q_OBJECT
public:
  explicit CoverPreviewView(QGraphicsItem *parent = nullptr);

  QImage cover() const { return m_cover; }
  void setCover(const QImage &cover);
  QString title() const { return m_title; }
  void setTitle(const QString &title);
  std::function<void()> coverUpdateAction;
  // Where the cover is drawn, in the view's coordinates.
  QRectF coverRect() const;

  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
  QImage m_cover;
  QString m_title;
  NotificationObservation m_titleUpdates;
};
