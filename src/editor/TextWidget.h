#pragma once

#include "NoteBookWidget.h"
#include "store/StyledText.h"

#include <QColor>
#include <QFont>

class QGraphicsPixmapItem;
class QGraphicsTextItem;
class QVariantAnimation;
class TextWidgetData;

// A movable, resizable text box. Its editor (a QGraphicsTextItem at
// (0, 15, width, height - 15)) holds styled runs; text that enters the
// document (typed, committed by an input method, pasted) takes the box's
// current font and colour, and a font or colour change restyles the selection.
// Composing input-method text is not in the document until it is committed,
// so it is never restyled. In plain mode (setStyledMode(false)) the whole box
// has one font and colour, and a box left blank is removed when it loses the
// activation. The height follows the text. The styled text is stored in
// "<textName>.plist" in the resource folder; textName is unique in the run
// and among the files of the temporary and resource folders.
class TextWidget : public NoteBookWidget {
  Q_OBJECT
public:
  static void registerKind();
  static bool styledMode();
  static void setStyledMode(bool styled);
  // The current time in whole seconds, moved on to the next free second.
  static QString newTextName();

  explicit TextWidget(const QRectF &frame, QGraphicsItem *parent = nullptr);
  explicit TextWidget(const TextWidgetData &data, QGraphicsItem *parent = nullptr);
  ~TextWidget() override;

  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

  QString text() const;
  void setText(const QString &text);
  StyledText attributedString() const { return m_attributedString; }
  void setAttributedString(const StyledText &text);
  // The styled text to store, updated after every edit.
  StyledText saveAttributeString() const { return m_saveAttributeString; }
  QFont font() const { return m_font; }
  void setFont(const QFont &font);
  QColor textColor() const { return m_textColor; }
  void setTextColor(const QColor &color);
  QString textName() const { return m_textName; }
  bool isEditing() const { return m_editing; }
  void setEditing(bool editing);
  // Fits the height to the text (animated over 0.3 s when it changes).
  void sizeToFitText(bool animated = true);
  // The height the box is fitted to (the animation's end).
  qreal fittedHeight() const;
  // Sets exactly the current font and colour on the characters of the range.
  void changeAttribute(int location, int length);
  void deleteSelf();
  QGraphicsTextItem *textView() const { return m_textView; }

  NoteBookTool *toolForWidget() const override;
  WidgetDataPtr data() const override;
  void addFilesToSave(PageSaveJob &job, int owner, const QString &resourceFolder) const override;
  bool filesChanged() const override { return m_textChanged; }
  void filesSaved() override { m_textChanged = false; }
  QStringList dataToClean() const override;
  void setActive(bool active) override;
  void setReadOnly(bool readOnly) override;
  QGraphicsItem *hitTest(const QPointF &point) override;
  void touchesBegan(const QList<ToolTouch> &touches) override;
  void touchesEnded(const QList<ToolTouch> &touches) override;
  void touchesCancelled(const QList<ToolTouch> &touches) override;
  void moveByOffset(qreal dx, qreal dy) override;
  void resizeByOffset(qreal dx, qreal dy) override;

Q_SIGNALS:
  // The box took the keyboard focus (the editor keeps it clear of the keyboard).
  void editingBegan(TextWidget *box);

protected:
  void sizeChanged() override;
  bool beginsResizing(const QPointF &point) const override;
  void snapAfterMove() override;

private:
  void build();
  void documentChanged();
  // Replaces the document's content without restyling it.
  void loadDocument(const StyledText &text);
  void restyleSelectionOrBlank();
  void updateInteraction();
  bool onDeleteButton(const QPointF &point) const;
  qreal deleteButtonHeight() const;

  QGraphicsTextItem *m_textView = nullptr;
  QGraphicsPixmapItem *m_deleteBtn = nullptr;
  QGraphicsPixmapItem *m_resizeBtn = nullptr;
  QVariantAnimation *m_heightAnimation = nullptr;
  QFont m_font;
  QColor m_textColor = Qt::black;
  QString m_textName;
  StyledText m_attributedString;
  StyledText m_saveAttributeString;
  QString m_lastText;
  std::optional<int> m_deleteTouch;
  bool m_textChanged = true;
  bool m_editing = false;
  bool m_loading = false;
};
