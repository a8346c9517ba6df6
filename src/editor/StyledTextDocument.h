#pragma once

class QColor;
class QFont;
class QString;
class QTextDocument;
class StyledText;

// Conversions between a text box's document and its stored styled text.
// Fonts are kept in points (the stored form); the document draws them with
// one scene unit per point, so a document font carries the size in pixels.
namespace StyledTextDocument {
QFont documentFont(const QFont &font);
QFont pointFont(const QFont &documentFont);

// The document's characters in runs of one font and colour (paragraph breaks
// become "\n" and take the attributes of the text before them).
StyledText toStyledText(const QTextDocument &document);
// Replaces the document's content by the runs.
void setStyledText(QTextDocument &document, const StyledText &text);
// One run of text in font and colour.
StyledText plainStyledText(const QString &text, const QFont &font, const QColor &color);
// Sets exactly font and foreground colour on the characters [from, from + length).
void restyle(QTextDocument &document, int from, int length, const QFont &font, const QColor &color);
} // namespace StyledTextDocument
