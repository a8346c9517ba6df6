#include "NewBookController.h"

#include "CoverPreviewView.h"
#include "QNBookShelfView.h"
#include "QNPagingView.h"
#include "ShelfArtwork.h"
#include "TemplateBackgroundSelectView.h"
#include "TemplateCell.h"

#include "common/Localization.h"
#include "common/NotificationCenter.h"
#include "common/QNAlertView.h"
#include "common/QNButton.h"
#include "common/UsageAnalytics.h"
#include "shell/QNNavigationController.h"
#include "shell/QNNavigationItem.h"
#include "shell/QNPageTransition.h"
#include "store/BookTemplate.h"
#include "store/NoteBook.h"
#include "store/NoteBookManager.h"
#include "store/TemplateManager.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QPainter>
#include <QTextDocument>

namespace {
const QString kPageName = QStringLiteral("新建笔记本");
const QString kCellIdentifier = QStringLiteral("templateCellIdentifier");
const QString kCoverIdentifier = QStringLiteral("coverIdentifier");
const QString kBackIdentifier = QStringLiteral("backIdentifier");
const QColor kInk(56, 37, 32);

TemplateManager &templates() { return TemplateManager::sharedTemplateManager(); }

QFont systemFont(int points) {
  QFont font;
  font.setPixelSize(points);
  return font;
}

// The title field: one line of plain text; a return ends the editing.
class TitleField : public QGraphicsTextItem {
public:
  explicit TitleField(QGraphicsItem *parent) : QGraphicsTextItem(parent) {
    setTextInteractionFlags(Qt::TextEditorInteraction);
    setFont(systemFont(20));
    setDefaultTextColor(kInk);
    document()->setDocumentMargin(2);
  }

protected:
  void keyPressEvent(QKeyEvent *event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      clearFocus();
      return;
    }
    QGraphicsTextItem::keyPressEvent(event);
  }
};
} // namespace

NewBookController::NewBookController(QGraphicsItem *parent)
    : BaseViewController(parent),
      m_noteBook(std::make_shared<NoteBook>(NoteBookManager::sharedNoteBookManager().newNoteBookIdentifier())),
      m_content(new QGraphicsWidget(this)), m_templateList(new QNBookShelfView(m_content)),
      m_pager(new QNPagingView(m_content)), m_titleField(new TitleField(m_content)),
      m_doneButton(new QNButton(ShelfArtwork::plate(QSizeF(175, 45), QColor(122, 84, 52), QColor(90, 60, 34), 10),
                                ShelfArtwork::plate(QSizeF(175, 45), QColor(92, 60, 34), QColor(70, 44, 24), 10),
                                m_content)) {
  setTitle(localizedString(QStringLiteral("NEW NOTEBOOK")));
  setFlag(ItemClipsChildrenToShape);
  m_content->setFlag(ItemHasNoContents);
  m_templateList->setGeometry(50, 100, 222, 700);
  m_templateList->setDataSource(this);
  m_templateList->setShelfDelegate(this);
  m_pager->setGeometry(325, 210, 314, 410);
  m_pager->setDataSource(this);
  m_titleField->setPos(417, 655);
  m_titleField->setTextWidth(175);
  m_titleField->setZValue(1);
  connect(m_titleField->document(), &QTextDocument::contentsChanged, this, &NewBookController::textDidChange);
  m_doneButton->setPos(362, 715);
  m_doneButton->setTitle(localizedString(QStringLiteral("DONE")));
  connect(m_doneButton, &QNButton::clicked, this, &NewBookController::done);

  auto *backButton = new QNButton(ShelfArtwork::icon(QStringLiteral("back_btn")),
                                  ShelfArtwork::icon(QStringLiteral("back_btns")));
  connect(backButton, &QNButton::clicked, this, &NewBookController::back);
  qnNavigationItem()->setLeftBarItems({backButton});
  connect(QGuiApplication::inputMethod(), &QInputMethod::visibleChanged, this,
          &NewBookController::keyboardVisibilityChanged);
}

NewBookController::~NewBookController() {
  m_templateList->setDataSource(nullptr);
  m_pager->setDataSource(nullptr);
}

void NewBookController::setNoteBook(const std::shared_ptr<NoteBook> &book) {
  if (!book)
    return;
  m_noteBook = book;
  setTitleText(book->hasName() ? book->name() : QString());
}

void NewBookController::setSelectedTemplate(std::unique_ptr<BookTemplate> chosen) {
  if (!chosen)
    return;
  const bool different = !m_selectedTemplate || m_selectedTemplate->templateName != chosen->templateName;
  m_selectedTemplate = std::move(chosen);
  int row = -1;
  for (int i = 0; i < templates().templateCount() && row < 0; ++i) {
    if (templates().templateAtIndex(i)->templateName == m_selectedTemplate->templateName)
      row = i;
  }
  highlightRow(row);
  if (different)
    m_pager->reloadPages();
}

QString NewBookController::titleText() const { return m_titleField->toPlainText(); }

void NewBookController::setTitleText(const QString &text) { m_titleField->setPlainText(text); }

void NewBookController::textDidChange() {
  // One line only: a pasted line break becomes a space.
  const QString text = titleText();
  if (text.contains(QLatin1Char('\n')) || text.contains(QChar::ParagraphSeparator)) {
    QString single = text;
    single.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QChar::ParagraphSeparator, QLatin1Char(' '));
    setTitleText(single);
    return;
  }
  NotificationCenter::defaultCenter().postNotification(QStringLiteral("bookCoverTitleUpdateNotifi"), this,
                                                       {{QStringLiteral("title"), text}});
}

void NewBookController::keyboardVisibilityChanged() {
  m_content->setPos(0, QGuiApplication::inputMethod()->isVisible() ? -150 : 0);
}

void NewBookController::viewWillAppear(bool animated) {
  if (!m_selectedTemplate && templates().templateCount() > 0) {
    m_templateList->setContentOffset(0);
    setSelectedTemplate(templates().templateAtIndex(0));
  }
  UsageAnalytics::shared().beginLogPageView(kPageName);
  BaseViewController::viewWillAppear(animated);
}

void NewBookController::viewWillDisappear(bool animated) {
  UsageAnalytics::shared().endLogPageView(kPageName);
  BaseViewController::viewWillDisappear(animated);
}

void NewBookController::back() {
  if (QNNavigationController *navigation = qnNavigationController())
    navigation->pageBack(nullptr, QVariant(), QNTransitionType::Push, QNTransitionSubtype::FromTop, true);
}

void NewBookController::done() {
  if (!m_selectedTemplate)
    m_selectedTemplate = TemplateManager::defaultTemplate();
  m_noteBook->setName(titleText().trimmed());
  m_noteBook->setCategory(QString());
  m_noteBook->setTag(QString());
  m_noteBook->setBackground(m_selectedTemplate->templateFileName);
  m_noteBook->setTemplateName(m_selectedTemplate->templateName);
  NoteBookManager &catalogue = NoteBookManager::sharedNoteBookManager();
  if (!catalogue.addNoteBook(m_noteBook)) {
    QNAlertView::alertWithTitle(localizedString(QStringLiteral("TIP")),
                                localizedString(QStringLiteral("Notebook Not Saved")), QNAlertTypeNotice);
    return;
  }
  m_noteBook->setBookCover(m_selectedTemplate->bookCover());
  if (QNNavigationController *navigation = qnNavigationController())
    navigation->pageBack(nullptr, QVariantMap{{QStringLiteral("newNoteBook"), QVariant::fromValue(m_noteBook)}},
                         QNTransitionType::Push, QNTransitionSubtype::FromTop, true);
}

void NewBookController::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  const QRectF bounds = rect();
  painter->fillRect(bounds, ShelfArtwork::backdrop());
  const QPixmap logo = ShelfArtwork::icon(QStringLiteral("logo_dark"));
  painter->setOpacity(0.35);
  painter->drawPixmap(QPointF(bounds.center().x() - logo.width() / logo.devicePixelRatio() / 2, bounds.bottom() - 110),
                      logo);
  painter->setOpacity(1);
  painter->translate(m_content->pos());
  // The header band with the list's caption.
  painter->fillRect(QRectF(0, 0, bounds.width(), 80), QColor(255, 255, 255, 90));
  painter->fillRect(QRectF(0, 80, bounds.width(), 1), QColor(120, 96, 72, 80));
  painter->setPen(kInk);
  painter->setFont(systemFont(20));
  painter->drawText(QRectF(0, 25, 110 + 40, 32), Qt::AlignRight | Qt::AlignVCenter,
                    localizedString(QStringLiteral("Template")));
  // The pager's frame, the title caption and the input frame.
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(QPen(QColor(120, 96, 72, 90), 1));
  painter->setBrush(QColor(255, 255, 255, 110));
  painter->drawRoundedRect(m_pager->geometry().adjusted(-12, -12, 12, 4), 14, 14);
  painter->setPen(kInk);
  painter->drawText(QRectF(340, 655, 60, 30), Qt::AlignRight | Qt::AlignVCenter,
                    localizedString(QStringLiteral("TITLE")));
  painter->setPen(QPen(QColor(150, 120, 90), 1));
  painter->setBrush(Qt::white);
  painter->drawRoundedRect(QRectF(412, 652, 180, 36), 6, 6);
}

// The template list.

int NewBookController::numberOfBookInShelf(QNBookShelfView *) { return templates().templateCount(); }

std::optional<QSizeF> NewBookController::shelfViewCoverViewSizeInRow(QNBookShelfView *, int) {
  return QSizeF(222, 64);
}

QNBookCoverView *NewBookController::shelfViewCoverForBookAtIndex(QNBookShelfView *shelf, int index) {
  auto *cell = static_cast<TemplateCell *>(shelf->dequeueReusableCoverWithIdentifier(kCellIdentifier));
  if (!cell) {
    cell = new TemplateCell;
    cell->setIdentifier(kCellIdentifier);
  }
  const std::unique_ptr<BookTemplate> shown = templates().templateAtIndex(index);
  cell->setBgImage(shown ? shown->cellBg() : QImage());
  cell->setHighLightedBgImage(shown ? shown->selectedCellBg() : QImage());
  cell->setHighlighted(index == m_selectedRow);
  return cell;
}

void NewBookController::shelfViewDidSelectBook(QNBookShelfView *, int index) {
  setSelectedTemplate(templates().templateAtIndex(index));
}

void NewBookController::highlightRow(int row) {
  m_selectedRow = row;
  for (QNBookCoverView *cover : m_templateList->covers())
    static_cast<TemplateCell *>(cover)->setHighlighted(cover->index() == row);
}

// The pager: the cover preview, then the backgrounds.

QGraphicsWidget *NewBookController::PagingViewViewAtIndex(QNPagingView *pager, int index, QString *identifier) {
  if (index == 0) {
    *identifier = kCoverIdentifier;
    auto *preview = static_cast<CoverPreviewView *>(pager->dequeueReusablePageWithIdentifier(kCoverIdentifier));
    if (!preview)
      preview = new CoverPreviewView;
    preview->coverUpdateAction = nullptr;
    preview->setCover(m_selectedTemplate ? m_selectedTemplate->bookCover() : QImage());
    preview->setTitle(titleText());
    preview->coverUpdateAction = [this, preview] {
      if (m_selectedTemplate)
        m_selectedTemplate->setBookCover(preview->cover());
    };
    return preview;
  }
  *identifier = kBackIdentifier;
  auto *picker = static_cast<TemplateBackgroundSelectView *>(pager->dequeueReusablePageWithIdentifier(kBackIdentifier));
  if (!picker)
    picker = new TemplateBackgroundSelectView;
  picker->setDelegate(this);
  picker->resize(pager->size().width(), pager->size().height() - QNPagingView::kDotsHeight);
  if (m_selectedTemplate)
    picker->setSelectedBackground(m_selectedTemplate->defaultFile);
  return picker;
}

void NewBookController::selectViewDidSelectBackground(TemplateBackgroundSelectView *, const QString &name) {
  if (!m_selectedTemplate)
    return;
  m_selectedTemplate->templateFileName = name;
  m_selectedTemplate->defaultFile = name;
}
