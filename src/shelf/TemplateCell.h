#pragma once

#include "QNBookCoverView.h"

#include <QPixmap>

// One row of the new-notebook screen's template list: the template's row
// picture, or its highlighted picture while the row is the chosen one. Rows
// never lift for reordering. Main thread only.
class TemplateCell : public QNBookCoverView {
  Q_OBJECT
public:
  explicit TemplateCell(QGraphicsItem *parent = nullptr);

  void setBgImage(const QImage &image);
  void setHighLightedBgImage(const QImage &image);
  bool isHighlighted() const { return m_highlighted; }
  void setHighlighted(bool highlighted);

protected:
  void paintCover(QPainter *painter) override;

private:
  QPixmap m_bgImage;
  QPixmap m_highLightedBgImage;
  bool m_highlighted = false;
};
