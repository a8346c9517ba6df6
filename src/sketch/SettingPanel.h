#pragma once

#include <QGraphicsObject>
#include <array>

class PanelButton;
class QGraphicsSimpleTextItem;
class StrokeSampleView;

// The common frame of the tool settings panels: a transparent panel with a
// title, a separator line, section labels and the row of eight size buttons
// (tags 200 to 207). Every change goes straight to the shared tool; a panel is
// made anew each time it is shown and reads the tool's settings then.
class SettingPanel : public QGraphicsObject {
  Q_OBJECT
public:
  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
  QSizeF contentSizeForViewInPopover() const { return m_size; }

  PanelButton *selectedSizeBtn() const { return m_selectedSizeBtn; }
  virtual void setSelectedSizeBtn(PanelButton *button);
  PanelButton *sizeButton(int tag) const;
  // The size button's dot, or null when the panel's dots carry no tag.
  StrokeSampleView *sizeButtonDot(PanelButton *button) const;

protected:
  SettingPanel(const QSizeF &size, const QString &titleKey, QGraphicsItem *parent);
  // A label of the panel's grey text at (x, y); with a maxWidth, a text wider
  // than that (a long translation) is narrowed to fit.
  QGraphicsSimpleTextItem *addLabel(const QString &text, const QPointF &at, qreal pointSize,
                                    qreal maxWidth = 0);
  // Room of a section label left of the panel's controls (which start at x 70).
  static constexpr qreal kSectionLabelWidth = 56;
  void addSeparator(qreal y);
  // Eight size buttons at y; shown sizes label the buttons and size their dots.
  void addSizeButtons(qreal y, const std::array<int, 8> &shownSizes, bool taggedDots);
  virtual void sizeSelected(PanelButton *button) = 0;

  static constexpr qreal kFirstSectionY = 50;

private:
  QSizeF m_size;
  std::array<PanelButton *, 8> m_sizeButtons{};
  PanelButton *m_selectedSizeBtn = nullptr;
};
