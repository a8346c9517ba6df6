#pragma once

#include <QGraphicsWidget>
#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <vector>

class BackgroundSelectViewDelegate;
class QVariantAnimation;

// A vertical picker of the built-in page backgrounds ("BuildIn_BG.plist"):
// one thumbnail per page of the picker's height, swiped up and down (snapping
// to whole pages) or stepped with the arrows at the top and bottom. The
// background in view is the selected one and is reported to the delegate (not
// owned) whenever it changes. Thumbnails are read once, when first shown.
// Main thread only.
class TemplateBackgroundSelectView : public QGraphicsWidget {
  Q_OBJECT
public:
  static constexpr qreal kArrowBand = 36;

  explicit TemplateBackgroundSelectView(QGraphicsItem *parent = nullptr);
  ~TemplateBackgroundSelectView() override;

  BackgroundSelectViewDelegate *delegate() const { return m_delegate; }
  void setDelegate(BackgroundSelectViewDelegate *delegate) { m_delegate = delegate; }
  int pageCount() const { return int(m_backgrounds.size()); }
  int selectedIndex() const { return m_selectedIndex; }
  void setSelectedIndex(int index);
  // Selects the first background of that file name and shows it; unknown names change nothing.
  void setSelectedBackground(const QString &name);
  const QStringList &backgrounds() const { return m_backgrounds; }
  qreal contentOffset() const { return m_offset; }
  void setContentOffset(qreal y);
  // byUser: the scroll is the user's choice, so the background it ends on is selected.
  void scrollToIndex(int index, bool animated, bool byUser = false);

  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
  void resizeEvent(QGraphicsSceneResizeEvent *event) override;
  void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
  void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
  void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
  QPixmap thumbnail(int index);
  QRectF thumbnailRect(int index) const;

  BackgroundSelectViewDelegate *m_delegate = nullptr;
  QStringList m_backgrounds;
  QStringList m_thumbs;
  std::vector<QPixmap> m_pictures;
  int m_selectedIndex = -1;
  qreal m_offset = 0;
  bool m_dragging = false;
  bool m_userScroll = false;
  QPointF m_pressPos;
  qreal m_lastDelta = 0;
  QPointer<QVariantAnimation> m_animation;
};
