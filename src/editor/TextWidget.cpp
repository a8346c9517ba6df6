#include "TextWidget.h"

#include "EditorArtwork.h"
#include "NotePageView.h"
#include "StyledTextDocument.h"
#include "TextTool.h"
#include "WidgetFileName.h"
#include "common/FolderPaths.h"
#include "common/PropertyList.h"
#include "store/NoteBook.h"
#include "store/PageSaveJob.h"
#include "store/StoreFiles.h"
#include "store/TextWidgetData.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QGraphicsPixmapItem>
#include <QGraphicsTextItem>
#include <QGuiApplication>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QVariantAnimation>
#include <qdrawutil.h>

namespace {
constexpr qreal kEditorTop = 15;
constexpr qreal kResizeStrip = 30;
bool g_styledMode = true;

QFont defaultFont() {
  QFont font = QGuiApplication::font();
  font.setPointSizeF(18);
  return font;
}
} // namespace

void TextWidget::registerKind() {
  registerWidgetClass(QStringLiteral("TextWidget"), [](const WidgetData &data) -> NoteBookWidget * {
    const auto *text = dynamic_cast<const TextWidgetData *>(&data);
    return text ? new TextWidget(*text) : nullptr;
  });
}

bool TextWidget::styledMode() { return g_styledMode; }
void TextWidget::setStyledMode(bool styled) { g_styledMode = styled; }

QString TextWidget::newTextName() { return WidgetFileName::newName(QStringLiteral(".plist")); }

TextWidget::TextWidget(const QRectF &frame, QGraphicsItem *parent)
    : NoteBookWidget(frame, parent), m_font(defaultFont()), m_textName(newTextName()) {
  build();
}

TextWidget::TextWidget(const TextWidgetData &data, QGraphicsItem *parent)
    : NoteBookWidget(data.frame(), parent), m_font(defaultFont()), m_textName(data.textName()) {
  if (m_textName.isEmpty() || !isPlainFileName(m_textName))
    m_textName = newTextName();
  WidgetFileName::noteTaken(m_textName);
  if (!data.stringAttribute(QStringLiteral("font")).isEmpty())
    m_font = data.font();
  if (!data.stringAttribute(QStringLiteral("textColor")).isEmpty())
    m_textColor = data.textColor();
  build();
  const QString text = data.text();
  StyledText styled;
  if (g_styledMode) {
    const QString file = StoreFiles::pathInFolder(resourcePath(), m_textName + QLatin1String(".plist"));
    if (!file.isEmpty() && QFile::exists(file))
      styled = StyledText::read(file);
  }
  // A box whose file was read is stored as it is; one made from its record's text is not yet.
  m_textChanged = styled.runs.isEmpty();
  if (styled.runs.isEmpty())
    styled = StyledTextDocument::plainStyledText(text, m_font, m_textColor);
  m_attributedString = styled;
  loadDocument(styled);
}

TextWidget::~TextWidget() = default;

void TextWidget::build() {
  m_textView = new QGraphicsTextItem(this);
  m_textView->setPos(0, kEditorTop);
  m_textView->document()->setDocumentMargin(4);
  m_textView->document()->setDefaultFont(StyledTextDocument::documentFont(m_font));
  m_textView->setDefaultTextColor(m_textColor);
  m_textView->setFlag(ItemIsFocusable);
  connect(m_textView->document(), &QTextDocument::contentsChanged, this, &TextWidget::documentChanged);
  m_deleteBtn = new QGraphicsPixmapItem(EditorArtwork::picture(QStringLiteral("text_delete_btn")), this);
  m_resizeBtn = new QGraphicsPixmapItem(EditorArtwork::picture(QStringLiteral("scaling_right_arrow")), this);
  for (QGraphicsItem *handle : {static_cast<QGraphicsItem *>(m_deleteBtn), static_cast<QGraphicsItem *>(m_resizeBtn)}) {
    handle->setAcceptedMouseButtons(Qt::NoButton);
    handle->setVisible(false);
    handle->setZValue(1);
  }
  m_heightAnimation = new QVariantAnimation(this);
  m_heightAnimation->setDuration(300);
  connect(m_heightAnimation, &QVariantAnimation::valueChanged, this,
          [this](const QVariant &value) { setSize(QSizeF(size().width(), value.toReal())); });
  m_textChanged = true;
  sizeChanged();
  updateInteraction();
}

void TextWidget::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  if (!isActive())
    return;
  const QPixmap frame = EditorArtwork::picture(QStringLiteral("widget_box_bg"));
  qDrawBorderPixmap(painter, boundingRect().toRect(), QMargins(5, 5, 5, 5), frame);
}

QString TextWidget::text() const { return m_textView->document()->toPlainText(); }

void TextWidget::setText(const QString &text) {
  setAttributedString(StyledTextDocument::plainStyledText(text, m_font, m_textColor));
}

void TextWidget::setAttributedString(const StyledText &text) {
  m_attributedString = text;
  loadDocument(text);
  m_textChanged = true;
}

void TextWidget::loadDocument(const StyledText &text) {
  m_loading = true;
  StyledTextDocument::setStyledText(*m_textView->document(), text);
  m_loading = false;
  m_lastText = m_textView->document()->toPlainText();
  m_saveAttributeString = StyledTextDocument::toStyledText(*m_textView->document());
  sizeToFitText(false);
}

void TextWidget::documentChanged() {
  if (m_loading)
    return;
  QTextDocument *document = m_textView->document();
  const QString now = document->toPlainText();
  // The inserted characters lie between the parts that the edit left as they were.
  qsizetype prefix = 0;
  const qsizetype shorter = std::min(now.size(), m_lastText.size());
  while (prefix < shorter && now[prefix] == m_lastText[prefix])
    ++prefix;
  qsizetype suffix = 0;
  while (suffix < shorter - prefix && now[now.size() - 1 - suffix] == m_lastText[m_lastText.size() - 1 - suffix])
    ++suffix;
  const qsizetype inserted = now.size() - prefix - suffix;
  m_lastText = now;
  m_loading = true;
  if (!g_styledMode)
    StyledTextDocument::restyle(*document, 0, int(now.size()), m_font, m_textColor);
  else if (inserted > 0)
    StyledTextDocument::restyle(*document, int(prefix), int(inserted), m_font, m_textColor);
  m_loading = false;
  m_saveAttributeString = StyledTextDocument::toStyledText(*document);
  m_textChanged = true;
  sizeToFitText();
}

void TextWidget::changeAttribute(int location, int length) {
  m_loading = true;
  StyledTextDocument::restyle(*m_textView->document(), location, length, m_font, m_textColor);
  m_loading = false;
  m_saveAttributeString = StyledTextDocument::toStyledText(*m_textView->document());
  m_textChanged = true;
}

void TextWidget::restyleSelectionOrBlank() {
  QTextDocument *document = m_textView->document();
  const QTextCursor cursor = m_textView->textCursor();
  if (!g_styledMode)
    changeAttribute(0, document->characterCount() - 1);
  else if (cursor.hasSelection())
    changeAttribute(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart());
  // A blank box takes the font and colour for the first character typed.
  if (text().trimmed().isEmpty()) {
    document->setDefaultFont(StyledTextDocument::documentFont(m_font));
    m_textView->setDefaultTextColor(m_textColor);
  }
  sizeToFitText();
}

void TextWidget::setFont(const QFont &font) {
  m_font = font;
  restyleSelectionOrBlank();
}

void TextWidget::setTextColor(const QColor &color) {
  m_textColor = color;
  restyleSelectionOrBlank();
}

void TextWidget::setEditing(bool editing) {
  m_editing = editing;
  updateInteraction();
  if (editing) {
    m_textView->setFocus(Qt::OtherFocusReason);
    Q_EMIT editingBegan(this);
  } else if (m_textView->hasFocus()) {
    m_textView->clearFocus();
  }
}

void TextWidget::updateInteraction() {
  // Only an editor that takes touches itself is picked by the scene.
  m_textView->setAcceptedMouseButtons(isReadOnly() || m_editing ? Qt::LeftButton : Qt::NoButton);
  if (isReadOnly())
    m_textView->setTextInteractionFlags(Qt::TextBrowserInteraction);
  else
    m_textView->setTextInteractionFlags(m_editing ? Qt::TextEditorInteraction : Qt::NoTextInteraction);
}

qreal TextWidget::fittedHeight() const {
  return m_textView->document()->size().height() + kEditorTop;
}

void TextWidget::sizeToFitText(bool animated) {
  const qreal height = fittedHeight();
  const qreal target = m_heightAnimation->state() == QAbstractAnimation::Running
                           ? m_heightAnimation->endValue().toReal()
                           : size().height();
  if (qFuzzyCompare(height, target))
    return;
  m_heightAnimation->stop();
  if (!animated || !scene()) {
    setSize(QSizeF(size().width(), height));
    return;
  }
  m_heightAnimation->setStartValue(size().height());
  m_heightAnimation->setEndValue(height);
  m_heightAnimation->start();
}

void TextWidget::sizeChanged() {
  const QSizeF box = size();
  m_textView->setTextWidth(box.width());
  const QSizeF deleteSize = m_deleteBtn->pixmap().deviceIndependentSize();
  m_deleteBtn->setPos(box.width() - deleteSize.width(), 0);
  const QSizeF resizeSize = m_resizeBtn->pixmap().deviceIndependentSize();
  m_resizeBtn->setPos(box.width() - resizeSize.width(), box.height() - resizeSize.height());
  update();
}

qreal TextWidget::deleteButtonHeight() const { return m_deleteBtn->pixmap().deviceIndependentSize().height(); }

bool TextWidget::onDeleteButton(const QPointF &point) const {
  return m_deleteBtn->isVisible() && m_deleteBtn->contains(m_deleteBtn->mapFromParent(point));
}

bool TextWidget::beginsResizing(const QPointF &point) const {
  return point.x() + kResizeStrip > size().width() && point.y() > deleteButtonHeight();
}

QGraphicsItem *TextWidget::hitTest(const QPointF &point) {
  if (!contains(point))
    return nullptr;
  const bool inEditor = m_textView->contains(m_textView->mapFromParent(point));
  if (isReadOnly())
    return inEditor ? m_textView : nullptr;
  if (beginsResizing(point) || onDeleteButton(point) || !m_editing)
    return this;
  return inEditor ? static_cast<QGraphicsItem *>(m_textView) : this;
}

void TextWidget::touchesBegan(const QList<ToolTouch> &touches) {
  if (isReadOnly() || touches.isEmpty())
    return;
  const ToolTouch &touch = touches.first();
  const QPointF point = mapFromParent(touch.position);
  if (onDeleteButton(point)) {
    if (!g_styledMode)
      return deleteSelf();
    m_deleteTouch = touch.touchId;
    m_deleteBtn->setPixmap(EditorArtwork::picture(QStringLiteral("text_delete_btns")));
    return;
  }
  const QPointF inEditor = m_textView->mapFromParent(point);
  if (touch.tapCount == 2 && m_textView->contains(inEditor)) {
    setEditing(true);
    QTextCursor cursor = m_textView->textCursor();
    cursor.setPosition(std::max(0, m_textView->document()->documentLayout()->hitTest(inEditor, Qt::FuzzyHit)));
    m_textView->setTextCursor(cursor);
    return;
  }
  NoteBookWidget::touchesBegan(touches);
}

void TextWidget::touchesEnded(const QList<ToolTouch> &touches) {
  for (const ToolTouch &touch : touches) {
    if (m_deleteTouch && touch.touchId == *m_deleteTouch) {
      m_deleteTouch.reset();
      m_deleteBtn->setPixmap(EditorArtwork::picture(QStringLiteral("text_delete_btn")));
      if (onDeleteButton(mapFromParent(touch.position)))
        return deleteSelf();
    }
  }
  NoteBookWidget::touchesEnded(touches);
}

void TextWidget::touchesCancelled(const QList<ToolTouch> &touches) {
  m_deleteTouch.reset();
  m_deleteBtn->setPixmap(EditorArtwork::picture(QStringLiteral("text_delete_btn")));
  NoteBookWidget::touchesCancelled(touches);
}

void TextWidget::moveByOffset(qreal dx, qreal dy) {
  if (size().height() < layerHeight() && !verticalStepAllowed(dy, -25))
    return;
  NoteBookWidget::moveByOffset(dx, dy);
}

void TextWidget::resizeByOffset(qreal dx, qreal) {
  m_heightAnimation->stop();
  setSize(QSizeF(std::max<qreal>(80, size().width() + dx), size().height()));
  setSize(QSizeF(size().width(), std::max<qreal>(40, fittedHeight())));
}

void TextWidget::snapAfterMove() { setPos(snapFrame(frame()).topLeft()); }

void TextWidget::deleteSelf() { removeFromPage(); }

NoteBookTool *TextWidget::toolForWidget() const { return TextTool::sharedTextTool(); }

WidgetDataPtr TextWidget::data() const {
  auto record = std::make_shared<TextWidgetData>();
  record->setFrame(frame());
  record->setText(text());
  record->setTextName(m_textName);
  record->setFont(m_font);
  record->setTextColor(m_textColor);
  return record;
}

void TextWidget::addFilesToSave(PageSaveJob &job, int owner, const QString &resourceFolder) const {
  const QString file = StoreFiles::pathInFolder(resourceFolder, m_textName + QLatin1String(".plist"));
  if (file.isEmpty() || (QFile::exists(file) && !m_textChanged))
    return;
  job.widgetFiles.append({owner, file, temporaryPathWithName(m_textName),
                          PropertyList::toXml(m_saveAttributeString.toPropertyList()), {}});
}

QStringList TextWidget::dataToClean() const {
  QStringList paths;
  const QString file = StoreFiles::pathInFolder(resourcePath(), m_textName + QLatin1String(".plist"));
  if (!file.isEmpty())
    paths.append(file);
  paths.append(temporaryPathWithName(m_textName));
  return paths;
}

void TextWidget::setActive(bool active) {
  NoteBookWidget::setActive(active);
  m_deleteBtn->setVisible(active && !isReadOnly());
  m_resizeBtn->setVisible(active && !isReadOnly());
  update();
  if (active) {
    TextTool *tool = TextTool::sharedTextTool();
    tool->setPageView(page());
    tool->setFont(m_font);
    tool->setTextColor(m_textColor);
    return;
  }
  setEditing(false);
  m_deleteTouch.reset();
  if (!g_styledMode) {
    const QString trimmed = text().trimmed();
    if (trimmed.isEmpty())
      return removeFromPage();
    if (trimmed != text())
      setText(trimmed);
  }
}

void TextWidget::setReadOnly(bool readOnly) {
  NoteBookWidget::setReadOnly(readOnly);
  if (readOnly)
    setEditing(false);
  updateInteraction();
}
