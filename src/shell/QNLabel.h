#pragma once

#include <QColor>
#include <QFont>
#include <QGraphicsWidget>

// One line of text drawn in the label's rect: the bars' title view and the
// base of their buttons. The text is elided when it does not fit. A title view
// that has a "text" property receives the navigation item's title through it.
class QNLabel : public QGraphicsWidget {
  Q_OBJECT
  Q_PROPERTY(QString text READ text WRITE setText)
public:
  explicit QNLabel(QGraphicsItem *parent = nullptr);

  QString text() const { return m_text; }
  void setText(const QString &text);
  QColor textColor() const { return m_color; }
  void setTextColor(const QColor &color);
  void setTextFont(const QFont &font);
  QFont textFont() const { return m_font; }
  void setAlignment(Qt::Alignment alignment);
  // The width the text needs in the label's font.
  qreal textWidth() const;

  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
  void paintText(QPainter *painter, const QRectF &rect) const;

private:
  QString m_text;
  QColor m_color = Qt::white;
  QFont m_font;
  Qt::Alignment m_alignment = Qt::AlignCenter;
};
