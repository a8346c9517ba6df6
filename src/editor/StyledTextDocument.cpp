#include "StyledTextDocument.h"

#include "store/StyledText.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

namespace {
QTextCharFormat formatFor(const QFont &font, const QColor &color) {
  QTextCharFormat format;
  format.setFont(StyledTextDocument::documentFont(font));
  format.setForeground(color);
  return format;
}

StyledText::Run runOf(const QString &text, const QTextCharFormat &format) {
  const QFont font = StyledTextDocument::pointFont(format.font());
  return {text, font.family(), font.pointSizeF(), format.foreground().color()};
}
} // namespace

QFont StyledTextDocument::documentFont(const QFont &font) {
  QFont result = font;
  if (font.pointSizeF() > 0)
    result.setPixelSize(std::max(1, int(std::lround(font.pointSizeF()))));
  return result;
}

QFont StyledTextDocument::pointFont(const QFont &documentFont) {
  QFont result = documentFont;
  if (documentFont.pixelSize() > 0)
    result.setPointSizeF(documentFont.pixelSize());
  return result;
}

StyledText StyledTextDocument::toStyledText(const QTextDocument &document) {
  StyledText styled;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    QTextCharFormat last = block.charFormat();
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.isValid())
        continue;
      last = fragment.charFormat();
      styled.append(runOf(fragment.text(), last));
    }
    if (block.next().isValid())
      styled.append(runOf(QStringLiteral("\n"), last));
  }
  return styled;
}

void StyledTextDocument::setStyledText(QTextDocument &document, const StyledText &text) {
  document.clear();
  QTextCursor cursor(&document);
  for (const StyledText::Run &run : text.runs) {
    QFont font(run.fontName);
    font.setPointSizeF(run.pointSize > 0 ? run.pointSize : 18);
    cursor.insertText(run.text, formatFor(font, run.color));
  }
}

StyledText StyledTextDocument::plainStyledText(const QString &text, const QFont &font,
                                               const QColor &color) {
  StyledText styled;
  styled.append({text, font.family(), font.pointSizeF(), color});
  return styled;
}

void StyledTextDocument::restyle(QTextDocument &document, int from, int length, const QFont &font,
                                 const QColor &color) {
  if (length <= 0)
    return;
  QTextCursor cursor(&document);
  cursor.setPosition(from);
  cursor.setPosition(std::min(from + length, document.characterCount() - 1), QTextCursor::KeepAnchor);
  cursor.setCharFormat(formatFor(font, color));
}
