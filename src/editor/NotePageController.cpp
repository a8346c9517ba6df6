#include "NotePageController.h"

#include "NotePageBottomBar.h"
#include "NotePageView.h"
#include "PageCurlView.h"
#include "PhotoWidget.h"
#include "TextTool.h"
#include "TextToolSetController.h"
#include "TextWidget.h"
#include "common/ApplicationNotifications.h"
#include "common/DiagnosticLog.h"
#include "common/ImageHelpers.h"
#include "common/Localization.h"
#include "common/QNAlertView.h"
#include "common/QNButton.h"
#include "common/QNSwitch.h"
#include "common/UsageAnalytics.h"
#include "common/ViewHelpers.h"
#include "shelf/ScreenRegistry.h"
#include "shell/QNNavigationController.h"
#include "shell/QNNavigationItem.h"
#include "sketch/MarkPenTool.h"
#include "sketch/MarkToolSettingController.h"
#include "sketch/PenTool.h"
#include "sketch/PenToolSettingController.h"
#include "sketch/PopoverItem.h"
#include "sketch/RubberSettingController.h"
#include "sketch/RubberTool.h"
#include "sketch/SketchView.h"
#include "sketch/UndoShortcut.h"
#include "store/NoteBook.h"
#include "store/NoteBookManager.h"
#include "store/NotePage.h"

#include <QClipboard>
#include <QFutureWatcher>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QtConcurrent/QtConcurrentRun>
#include <typeinfo>

namespace {
const QString kPageName = QStringLiteral("打开笔记本");
constexpr QRectF kPageFrame(0, 4, 757, 950);

QPixmap artwork(const QString &name) { return QPixmap::fromImage(artworkImage(name)); }

// A picture of the whole switch with the mode's glyph in the half the knob
// leaves free: the right half while off (knob left), the left half while on.
QPixmap switchPicture(const QString &glyph, bool onRight) {
  constexpr QSizeF kSwitch(60, 27);
  constexpr qreal kGlyph = 19;
  QPixmap picture = transparentPixmap(kSwitch);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const qreal x = onRight ? kSwitch.width() - kGlyph - 8 : 8;
  painter.drawImage(QRectF(x, (kSwitch.height() - kGlyph) / 2, kGlyph, kGlyph), artworkImage(glyph));
  return picture;
}

bool isDrawingTool(const NoteBookTool *tool) {
  return tool == PenTool::sharedPenTool() || tool == MarkPenTool::sharedMarkPenTool() ||
         tool == RubberTool::sharedRubberTool();
}

const char *toolName(const NoteBookTool *tool) {
  return tool ? typeid(*tool).name() : "";
}

// Whether the key goes to a text being edited rather than to the editor.
bool typingInText(const QGraphicsScene *scene) {
  const auto *text = dynamic_cast<const QGraphicsTextItem *>(scene ? scene->focusItem() : nullptr);
  return text && (text->textInteractionFlags() & Qt::TextEditable);
}

// A spacer of a fixed size in the bar.
class BarSpacer : public QGraphicsObject {
public:
  explicit BarSpacer(const QSizeF &size) : m_size(size) {}
  QRectF boundingRect() const override { return QRectF(QPointF(), m_size); }
  void paint(QPainter *, const QStyleOptionGraphicsItem *, QWidget *) override {}

private:
  QSizeF m_size;
};

// The middle of the bar while the page is editable, in order.
struct ToolItem {
  int tag;
  const char *picture;
};
constexpr ToolItem kToolItems[] = {
    {NotePageController::kTextTag, "text_btn"},       {NotePageController::kEmojiTag, "icon_btn"},
    {NotePageController::kPenTag, "pen_btn"},         {NotePageController::kMarkPenTag, "mark_pen_btn"},
    {NotePageController::kEraserTag, "eraser_btn"},   {NotePageController::kInsertTag, "insert_btn"},
    {NotePageController::kScreenshotTag, "screenshot_btn"}, {NotePageController::kSettingsTag, "settings_btn"},
};

NoteBookManager &catalogue() { return NoteBookManager::sharedNoteBookManager(); }
} // namespace

void NotePageController::registerScreen() {
  ScreenRegistry::registerScreen(ScreenRegistry::kNotePageController,
                                 [] { return new NotePageController; });
}

NotePageController::NotePageController(QGraphicsItem *parent)
    : BaseViewController(parent), m_scrollView(new QGraphicsWidget(this)),
      m_content(new QGraphicsWidget(m_scrollView)), m_pageView(new NotePageView(kPageFrame, m_content)),
      m_bottomBar(new NotePageBottomBar(this)),
      m_excerptButton(new QNButton(artwork(QStringLiteral("excerpt_btn")),
                                   artwork(QStringLiteral("excerpt_btns")), this)) {
  setFlag(ItemClipsChildrenToShape);
  m_scrollView->setFlag(ItemClipsChildrenToShape);
  m_pageView->setPageDelegate(this);
  connect(m_bottomBar, &NotePageBottomBar::nextPage, this, &NotePageController::nextPage);
  connect(m_bottomBar, &NotePageBottomBar::prePage, this, &NotePageController::prePage);
  m_excerptButton->setData(0, kExcerptTag);
  m_items.insert(kExcerptTag, m_excerptButton);
  connect(m_excerptButton, &QNButton::clicked, this, [this] { itemClick(m_excerptButton); });
  buildBar();
  const auto save = [this](const Notification &) { savePage(); };
  m_appObservations.emplace_back(kApplicationDidEnterBackgroundNotification, nullptr, this, save);
  m_appObservations.emplace_back(kApplicationWillTerminateNotification, nullptr, this, save);
}

NotePageController::~NotePageController() {
  // A save on the worker writes the page's files; let it end before the page goes.
  m_saving.waitForFinished();
  setCurrentTool(nullptr);
  if (scene())
    scene()->removeEventFilter(this);
}

void NotePageController::buildBar() {
  auto *backButton = new QNButton(artwork(QStringLiteral("back_btn")), artwork(QStringLiteral("back_btns")));
  connect(backButton, &QNButton::clicked, this, &NotePageController::back);
  m_modeSwitch = new QNSwitch(QRectF(0, 0, 60, 27), artwork(QStringLiteral("switch_bg")),
                              switchPicture(QStringLiteral("switch_read_mode_icon"), true),
                              switchPicture(QStringLiteral("switch_edit_mode_icon"), false));
  m_modeSwitch->setTarget(this, [this](QNSwitch *control) { modeSwitch(control); });
  qnNavigationItem()->setLeftBarItems({backButton, new BarSpacer(QSizeF(10, 20)), m_modeSwitch});
  qnNavigationItem()->setRightBarItems({makeItem(kListTag, QStringLiteral("list_btn")),
                                        makeItem(kShareTag, QStringLiteral("share_btn"))});
  setButtons();
}

QNButton *NotePageController::makeItem(int tag, const QString &picture) {
  auto *button = new QNButton(artwork(picture), artwork(picture + QLatin1Char('s')));
  button->setData(0, tag);
  connect(button, &QNButton::clicked, this, [this, button] { itemClick(button); });
  m_items.insert(tag, button);
  return button;
}

QNButton *NotePageController::item(int tag) const { return m_items.value(tag); }
QNButton *NotePageController::nextPageButton() const { return m_bottomBar->rightButton(); }
QNButton *NotePageController::prePageButton() const { return m_bottomBar->leftButton(); }
bool NotePageController::isTurning() const { return !m_curl.isNull(); }

void NotePageController::setButtons() {
  const bool editable = !m_pageView->isReadOnly();
  if (m_modeSwitch->state() != int(editable)) {
    m_modeSwitch->removeTarget();
    m_modeSwitch->setState(editable);
    m_modeSwitch->setTarget(this, [this](QNSwitch *control) { modeSwitch(control); });
  }
  QNNavigationItem::Views middle;
  if (editable) {
    for (const ToolItem &entry : kToolItems)
      middle.append(makeItem(entry.tag, QLatin1String(entry.picture)));
  } else {
    for (const ToolItem &entry : kToolItems)
      m_items.remove(entry.tag);
    setSelectedItem(nullptr);
  }
  qnNavigationItem()->setCenterBarItems(middle);
  if (editable && m_currentTool == TextTool::sharedTextTool())
    setSelectedItem(item(kTextTag));
}

void NotePageController::modeSwitch(QNSwitch *control) { m_pageView->setReadOnly(!control->state()); }

void NotePageController::notePageReadOnlyChanged(NotePageView *, bool readOnly) {
  if (readOnly) {
    PopoverItem::sharedPopover()->dismiss(true);
    setCurrentTool(nullptr);
  }
  setButtons();
}

void NotePageController::notePageDidActiveWidget(NotePageView *, NoteBookWidget *widget) {
  if (auto *box = qobject_cast<TextWidget *>(widget))
    connect(box, &TextWidget::editingBegan, this, &NotePageController::textViewBeginEdit,
            Qt::UniqueConnection);
  NoteBookTool *tool = widget ? widget->toolForWidget() : nullptr;
  if (tool == TextTool::sharedTextTool())
    TextTool::sharedTextTool()->setPageView(m_pageView);
  if (tool)
    setCurrentTool(tool);
}

QGraphicsObject *NotePageController::viewForEdit(NoteBookTool *tool) {
  if (isDrawingTool(tool))
    return m_pageView->sketchView();
  return m_pageView;
}

void NotePageController::setCurrentTool(NoteBookTool *tool) {
  if (tool == m_currentTool)
    return;
  UsageAnalytics &analytics = UsageAnalytics::shared();
  if (m_currentTool)
    analytics.endEvent(QStringLiteral("tool_use"), QString::fromLatin1(toolName(m_currentTool)));
  if (tool)
    analytics.beginEvent(QStringLiteral("tool_use"), QString::fromLatin1(toolName(tool)));
  m_pageView->setScreenShoting(false);
  m_pageView->showSketchView(!tool || isDrawingTool(tool));
  if (tool == TextTool::sharedTextTool())
    setSelectedItem(item(kTextTag));
  else if (!isDrawingTool(tool))
    setSelectedItem(nullptr);
  NoteBookTool *old = m_currentTool;
  if (tool)
    tool->setToolDelegate(this);
  if (old)
    old->deactivate();
  if (tool)
    tool->activate();
  if (old)
    old->setToolDelegate(nullptr);
  m_currentTool = tool;
}

void NotePageController::setSelectedItem(QNButton *selected) {
  if (m_selectedItem == selected)
    return;
  if (m_selectedItem)
    m_selectedItem->setFocused(false);
  m_selectedItem = selected;
  if (selected)
    selected->setFocused(true);
}

void NotePageController::itemClick(QNButton *button) {
  if (!button)
    return;
  PopoverItem *popOver = PopoverItem::sharedPopover();
  const auto showPanel = [&](auto *panel) {
    popOver->setContentItem(panel, panel->contentSizeForViewInPopover());
    popOver->presentFromRect(button->sceneBoundingRect(), scene(), true);
  };
  // A tool button makes its tool current, shows its settings and looks chosen.
  const auto choose = [&](NoteBookTool *tool, auto *panel) {
    setCurrentTool(tool);
    showPanel(panel);
    setSelectedItem(button);
  };
  switch (button->data(0).toInt()) {
  case kTextTag:
    TextTool::sharedTextTool()->setPageView(m_pageView);
    choose(TextTool::sharedTextTool(), new TextToolSetController);
    break;
  case kPenTag:
    choose(PenTool::sharedPenTool(), new PenToolSettingController);
    break;
  case kMarkPenTag:
    choose(MarkPenTool::sharedMarkPenTool(), new MarkToolSettingController);
    break;
  case kEraserTag:
    choose(RubberTool::sharedRubberTool(), new RubberSettingController);
    break;
  default:
    // The sticker picker, insert, screenshot, settings, share, page list and
    // excerpt drawer items are connected by their own screens.
    break;
  }
}

void NotePageController::setNoteBook(const std::shared_ptr<NoteBook> &book, int index) {
  if (!book)
    return;
  if (book != m_book) {
    m_book = book;
    catalogue().setEditingNote(book);
    setTitle(book->name());
  }
  const NotePage *shown = m_pageView->notePage();
  if (!shown || shown->book() != book.get() || shown->identifier() != book->pageIdentifierAtIndex(index))
    m_pageView->setNotePage(book->pageAtIndex(index));
  setPageIndex(index);
}

void NotePageController::setPageIndex(int index) {
  if (!m_book)
    return;
  m_bottomBar->setPageText(QStringLiteral("%1/%2").arg(index + 1).arg(m_book->pageCount()));
  m_book->setCurrentPage(index);
}

QString NotePageController::pageLabelText() const { return m_bottomBar->pageText(); }

bool NotePageController::appendPage(NoteBook &book) {
  NotePage page(&book, book.newPageIdentifier());
  if (book.addPage(page))
    return true;
  QUILL_LOG_ERROR("editor: the notebook refused a new page", "page", 0, page.identifier());
  return false;
}

void NotePageController::nextPage() {
  if (!m_book || isTurning() || isSaving())
    return;
  const int index = m_book->currentPage();
  if (index >= m_book->pageCount() - 1) {
    if (m_pageView->isReadOnly()) {
      showTip(QStringLiteral("Already Be Last Page"));
      return;
    }
    if (!appendPage(*m_book))
      return;
  }
  turnTo(index + 1, nextPageButton());
}

void NotePageController::prePage() {
  if (!m_book || isTurning() || isSaving())
    return;
  const int index = m_book->currentPage();
  if (index <= 0) {
    showTip(QStringLiteral("Already Be First Page"));
    return;
  }
  turnTo(index - 1, prePageButton());
}

void NotePageController::showTip(const QString &messageKey) {
  QNAlertView::alertWithTitle(localizedString(QStringLiteral("TIP")), localizedString(messageKey),
                              QNAlertTypeNotice);
}

void NotePageController::turnTo(int index, QNButton *from) {
  const bool upwards = index > m_book->currentPage();
  saveThen([this, index, upwards, from = QPointer<QNButton>(from)] { showPage(index, upwards, from); });
}

void NotePageController::showPage(int index, bool upwards, QNButton *from) {
  const QImage leaving = imageFromView(m_pageView);
  setNoteBook(m_book, index);
  const QImage arriving = imageFromView(m_pageView);
  if (from)
    from->setEnabled(false);
  auto *curl = upwards ? new PageCurlView(arriving, leaving, true, m_content)
                       : new PageCurlView(leaving, arriving, false, m_content);
  curl->setPos(m_pageView->pos());
  curl->setZValue(m_pageView->zValue() + 1);
  m_curl = curl;
  connect(curl, &PageCurlView::finished, this, [this, from = QPointer<QNButton>(from)] {
    m_curl.clear(); // the curl goes later; the next turn may start now
    if (from)
      from->setEnabled(true);
    Q_EMIT pageTurned();
  });
  curl->start(kCurlMs);
}

void NotePageController::saveThen(std::function<void()> then) {
  if (!m_pageView->needSave()) {
    then();
    return;
  }
  m_saveInFlight = true;
  m_running = std::make_unique<RunningSave>();
  m_running->job = m_pageView->prepareSave();
  m_running->then = std::move(then);
  m_running->notice =
      QNAlertView::alertWithTitle(localizedString(QStringLiteral("SAVING")), QString(), QNAlertTypeWaiting);
  auto *watcher = new QFutureWatcher<PageSaveJob::Result>(this);
  connect(watcher, &QFutureWatcher<PageSaveJob::Result>::finished, this, [this, watcher] {
    watcher->deleteLater();
    finishSave(true);
  });
  const SaveWorker worker = m_saveWorker ? m_saveWorker : [](const PageSaveJob &job) { return job.run(); };
  m_saving = QtConcurrent::run([worker, job = m_running->job] { return worker(job); });
  watcher->setFuture(m_saving);
}

void NotePageController::finishSave(bool runThen) {
  if (!m_running)
    return; // applied already
  const PageSaveJob::Result result = m_saving.result();
  const std::unique_ptr<RunningSave> running = std::move(m_running);
  m_pageView->applySave(running->job, result);
  m_saveInFlight = false;
  if (running->notice)
    running->notice->dismissAnimated(true);
  Q_EMIT saveFinished(result.complete);
  if (!result.complete)
    QNAlertView::alertWithTitle(localizedString(QStringLiteral("TIP")),
                                localizedString(QStringLiteral("SAVE FAILED")), QNAlertTypeMessage);
  else if (runThen)
    running->then();
}

bool NotePageController::savePage() {
  finishSave(false);
  if (!m_pageView->notePage())
    return true;
  const bool saved = m_pageView->savePageData();
  if (!saved)
    QUILL_LOG_ERROR("editor: the page could not be saved", "page", 0, m_pageView->notePage()->identifier());
  return saved;
}

void NotePageController::back() {
  if (isTurning() || isSaving())
    return;
  saveThen([this] {
    if (QNNavigationController *navigation = qnNavigationController())
      navigation->pageBack();
  });
}

void NotePageController::pasteData(const QVariant &object) {
  QImage picture = object.value<QImage>();
  if (picture.isNull())
    picture = object.value<QPixmap>().toImage();
  if (picture.isNull() || !m_book)
    return;
  if (m_pageView->isReadOnly())
    m_pageView->setReadOnly(false);
  const QGraphicsView *shown = scene() && !scene()->views().isEmpty() ? scene()->views().first() : nullptr;
  picture.setDevicePixelRatio(shown ? shown->devicePixelRatioF() : 1);
  auto *photo = new PhotoWidget(picture);
  photo->setCenter(m_pageView->boundingRect().center());
  m_pageView->addWidget(photo);
  m_pageView->setActiveWidget(photo);
}

void NotePageController::didSelectBackground(const QString &path) {
  const QImage picture(path);
  NotePage *page = m_pageView->notePage();
  if (picture.isNull() || !page)
    return;
  if (page->setBackground(picture)) {
    m_pageView->setBackground(page->backgroundImage());
    m_pageView->setPageEdited(true);
  }
}

void NotePageController::viewWillAppear(bool animated) {
  UsageAnalytics::shared().beginLogPageView(kPageName);
  const QVariantMap argument = jumpArgument().toMap();
  std::shared_ptr<NoteBook> book = m_book;
  int index = m_book ? m_book->currentPage() : 0;
  if (!argument.isEmpty()) {
    book = argument.value(QStringLiteral("notebook")).value<NoteBookPtr>();
    index = argument.value(QStringLiteral("notePageIndex")).toInt();
  }
  if (book) {
    if (book->pageCount() == 0 && appendPage(*book))
      index = 0;
    index = std::clamp(index, 0, std::max(0, book->pageCount() - 1));
    setNoteBook(book, index);
  }
  m_pageView->showSketchView(true);
  m_keyboardConnection = connect(QGuiApplication::inputMethod(), &QInputMethod::keyboardRectangleChanged,
                                 this, &NotePageController::keyboardChangeFrame);
  if (!isBack())
    m_pageView->setReadOnly(true);
  setButtons();
  BaseViewController::viewWillAppear(animated);
}

void NotePageController::viewDidAppear(bool animated) {
  if (scene())
    scene()->installEventFilter(this);
  BaseViewController::viewDidAppear(animated);
}

void NotePageController::viewWillDisappear(bool animated) {
  UsageAnalytics::shared().endLogPageView(kPageName);
  disconnect(m_keyboardConnection);
  if (scene())
    scene()->removeEventFilter(this);
  setSelectedItem(nullptr);
  setCurrentTool(nullptr);
  BaseViewController::viewWillDisappear(animated);
}

bool NotePageController::shouldAutorotateToInterfaceOrientation(Qt::ScreenOrientation orientation) const {
  return orientation == Qt::PortraitOrientation || orientation == Qt::InvertedPortraitOrientation;
}

void NotePageController::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  painter->fillRect(rect(), QBrush(artwork(QStringLiteral("bookshelf_bg.jpg"))));
}

void NotePageController::resizeEvent(QGraphicsSceneResizeEvent *event) {
  BaseViewController::resizeEvent(event);
  m_scrollView->setGeometry(rect());
  m_bottomBar->setGeometry(QRectF(0, size().height() - NotePageBottomBar::kHeight, size().width(),
                                  NotePageBottomBar::kHeight));
  m_excerptButton->setPos(size().width() - m_excerptButton->size().width(), 0);
  keyboardChangeFrame();
}

void NotePageController::keyboardChangeFrame() {
  const QInputMethod *input = QGuiApplication::inputMethod();
  const qreal keyboard = input->isVisible() ? input->keyboardRectangle().height() : 0;
  m_contentHeight = size().height() + keyboard;
  layoutScroll();
}

void NotePageController::textViewBeginEdit(TextWidget *box) {
  const qreal bottom = box->mapRectToItem(this, box->boundingRect()).bottom() + m_contentOffset;
  if (bottom > 2 * size().height() - m_contentHeight) {
    m_contentOffset = m_contentHeight - size().height();
    layoutScroll();
  }
}

void NotePageController::layoutScroll() {
  m_contentOffset = std::clamp(m_contentOffset, 0.0, std::max(0.0, m_contentHeight - size().height()));
  m_content->setGeometry(QRectF(0, -m_contentOffset, size().width(), m_contentHeight));
}

bool NotePageController::eventFilter(QObject *watched, QEvent *event) {
  if (m_saveInFlight && watched == scene() &&
      (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
       event->type() == QEvent::ShortcutOverride))
    return true; // the page is being saved: no key reaches it
  if (event->type() != QEvent::KeyPress || watched != scene() || typingInText(scene()))
    return BaseViewController::eventFilter(watched, event);
  auto *key = static_cast<QKeyEvent *>(event);
  if (!m_pageView->isReadOnly() && UndoShortcut::handleKeyPress(*key, *m_pageView->undoManager()))
    return true;
  if (key->key() == Qt::Key_PageDown)
    nextPage();
  else if (key->key() == Qt::Key_PageUp)
    prePage();
  else if (key->matches(QKeySequence::Paste))
    pasteData(QGuiApplication::clipboard()->image());
  else
    return BaseViewController::eventFilter(watched, event);
  return true;
}
