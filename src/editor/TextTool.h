#pragma once

#include "sketch/NoteBookTool.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QPointer>
#include <optional>

class NotePageView;

// The tool that makes text boxes: a double tap on the page makes a 380 by 100
// box at the tap, a drag of more than 100 points to the right makes a box as
// wide as the drag. Its font and colour are those of new boxes and reach the
// active text box when they change. One shared instance for the whole run;
// the page view is not owned.
class TextTool : public NoteBookTool {
public:
  static TextTool *sharedTextTool();

  void cancel() override { m_addingTouch.reset(); }
  void touchesBegan(const QList<ToolTouch> &touches) override;
  void touchesMoved(const QList<ToolTouch> &) override {}
  void touchesEnded(const QList<ToolTouch> &touches) override;
  void touchesCancelled(const QList<ToolTouch> &touches) override;

  QFont font() const { return m_font; }
  void setFont(const QFont &font);
  QColor textColor() const { return m_textColor; }
  void setTextColor(const QColor &color);
  NotePageView *pageView() const;
  void setPageView(NotePageView *view);

  TextTool(const TextTool &) = delete;
  TextTool &operator=(const TextTool &) = delete;

private:
  TextTool();
  void makeBox(const QRectF &frame);
  class TextWidget *activeBox() const;

  QFont m_font;
  QColor m_textColor{0, 0, 0};
  QPointer<NotePageView> m_pageView;
  std::optional<int> m_addingTouch;
  QPointF m_startPoint;
};
