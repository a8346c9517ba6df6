#include "TextTool.h"

#include "NotePageView.h"
#include "TextWidget.h"
#include "sketch/NoteBookToolDelegate.h"

#include <QGuiApplication>

namespace {
constexpr qreal kMinimumDrag = 100;
}

TextTool *TextTool::sharedTextTool() {
  static TextTool tool;
  return &tool;
}

TextTool::TextTool() : m_font(QGuiApplication::font()) { m_font.setPointSizeF(18); }

NotePageView *TextTool::pageView() const { return m_pageView; }

void TextTool::setPageView(NotePageView *view) { m_pageView = view; }

TextWidget *TextTool::activeBox() const {
  return m_pageView ? qobject_cast<TextWidget *>(m_pageView->activeWidget()) : nullptr;
}

void TextTool::setFont(const QFont &font) {
  m_font = font;
  if (TextWidget *box = activeBox(); box && box->font() != font)
    box->setFont(font);
}

void TextTool::setTextColor(const QColor &color) {
  m_textColor = color;
  if (TextWidget *box = activeBox(); box && box->textColor() != color)
    box->setTextColor(color);
}

void TextTool::touchesBegan(const QList<ToolTouch> &touches) {
  if (touches.isEmpty())
    return;
  if (toolDelegate())
    m_pageView = qobject_cast<NotePageView *>(toolDelegate()->viewForEdit(this));
  const ToolTouch &touch = touches.first();
  if (touch.tapCount == 2) {
    m_addingTouch.reset();
    makeBox(QRectF(touch.position, QSizeF(380, 100)));
    return;
  }
  m_addingTouch = touch.touchId;
  m_startPoint = touch.position;
}

void TextTool::touchesEnded(const QList<ToolTouch> &touches) {
  for (const ToolTouch &touch : touches) {
    if (!m_addingTouch || touch.touchId != *m_addingTouch)
      continue;
    m_addingTouch.reset();
    const qreal width = touch.position.x() - m_startPoint.x();
    if (width > kMinimumDrag)
      makeBox(QRectF(m_startPoint, QSizeF(width, 100)));
  }
}

void TextTool::touchesCancelled(const QList<ToolTouch> &touches) {
  for (const ToolTouch &touch : touches) {
    if (m_addingTouch && touch.touchId == *m_addingTouch)
      m_addingTouch.reset();
  }
}

void TextTool::makeBox(const QRectF &frame) {
  if (!m_pageView)
    return;
  auto *box = new TextWidget(frame);
  box->setTextColor(m_textColor);
  box->setFont(m_font);
  m_pageView->addWidget(box);
  m_pageView->setActiveWidget(box);
  box->setEditing(true);
}
