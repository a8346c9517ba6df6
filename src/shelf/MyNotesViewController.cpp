#include "MyNotesViewController.h"

#include "NewBookController.h"
#include "NoteBookCover.h"
#include "QNBookShelfCell.h"
#include "QNBookShelfView.h"
#include "ScreenRegistry.h"
#include "ShelfArtwork.h"

#include "common/DiagnosticLog.h"
#include "common/Localization.h"
#include "common/QNButton.h"
#include "common/UsageAnalytics.h"
#include "common/ValueAnimation.h"
#include "shell/QNNavigationController.h"
#include "shell/QNNavigationItem.h"
#include "shell/QNPageTransition.h"
#include "store/BookTemplate.h"
#include "store/NoteBook.h"
#include "store/NoteBookManager.h"

#include <QGraphicsPixmapItem>
#include <QPainter>

namespace {
const QString kCoverIdentifier = QStringLiteral("notebookCoverIdentifier");
const QString kRowIdentifier = QStringLiteral("shelfRowIdentifier");
const QString kPageName = QStringLiteral("我的笔记本");

NoteBookManager &catalogue() { return NoteBookManager::sharedNoteBookManager(); }

QNButton *barButton(const QString &normal, const QString &pressed) {
  return new QNButton(ShelfArtwork::icon(normal), ShelfArtwork::icon(pressed));
}
} // namespace

MyNotesViewController::MyNotesViewController(QGraphicsItem *parent)
    : BaseViewController(parent), m_bookShelf(new QNBookShelfView(this)),
      m_bird(new QGraphicsPixmapItem(ShelfArtwork::icon(QStringLiteral("logo_dark")), this)),
      m_addButton(barButton(QStringLiteral("add_btn"), QStringLiteral("add_btns"))),
      m_pictures(NoteBookCover::kSize) {
  setTitle(localizedString(QStringLiteral("MY NOTEBOOKS")));
  setFlag(ItemClipsChildrenToShape);
  m_bird->setZValue(-1);
  m_bird->setAcceptedMouseButtons(Qt::NoButton);
  m_bookShelf->setHeaderHight(kHeaderHeight);
  m_bookShelf->setShelfDelegate(this);
  m_bookShelf->setDataSource(this);
  connect(m_addButton, &QNButton::clicked, this, &MyNotesViewController::addBook);
  qnNavigationItem()->setLeftBarItems({m_addButton});
  setEditState(false);
}

MyNotesViewController::~MyNotesViewController() {
  // The shelf asks its data source while it goes; let it go first.
  m_bookShelf->setDataSource(nullptr);
}

void MyNotesViewController::resizeEvent(QGraphicsSceneResizeEvent *event) {
  BaseViewController::resizeEvent(event);
  m_bookShelf->setGeometry(rect());
  placeBird();
}

void MyNotesViewController::placeBird() {
  const QRectF box = m_bird->boundingRect();
  m_bird->setPos(rect().center() - box.center());
}

void MyNotesViewController::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  painter->fillRect(rect(), ShelfArtwork::backdrop());
}

void MyNotesViewController::reloadData() { m_bookShelf->reloadData(); }

void MyNotesViewController::viewWillAppear(bool animated) {
  setEditState(false);
  const QVariantMap argument = jumpArgument().toMap();
  const auto changed = argument.value(QStringLiteral("newNoteBook")).value<NoteBookPtr>();
  if (changed) {
    m_pictures.forget(changed->identifier());
    reloadData();
  }
  UsageAnalytics::shared().beginLogPageView(kPageName);
  BaseViewController::viewWillAppear(animated);
}

void MyNotesViewController::viewWillDisappear(bool animated) {
  UsageAnalytics::shared().endLogPageView(kPageName);
  BaseViewController::viewWillDisappear(animated);
}

bool MyNotesViewController::shouldAutorotateToInterfaceOrientation(Qt::ScreenOrientation orientation) const {
  return orientation == Qt::PortraitOrientation || orientation == Qt::InvertedPortraitOrientation;
}

void MyNotesViewController::setEditState(bool editing) {
  m_bookShelf->setEditing(editing);
  const QString on = QStringLiteral("edit_btns");
  const QString off = QStringLiteral("edit_btn");
  QNButton *button = editing ? barButton(on, off) : barButton(off, on);
  connect(button, &QNButton::clicked, this, &MyNotesViewController::edit);
  m_editButton = button;
  qnNavigationItem()->setRightBarItems({button});
}

void MyNotesViewController::edit() { setEditState(!m_bookShelf->isEditing()); }

void MyNotesViewController::addBook() {
  if (QNNavigationController *navigation = qnNavigationController())
    navigation->pageJump(new NewBookController, QVariant(), QNTransitionType::Push, QNTransitionSubtype::FromBottom,
                         false);
}

void MyNotesViewController::editBook(const std::shared_ptr<NoteBook> &book) {
  QNNavigationController *navigation = qnNavigationController();
  if (!navigation || !book)
    return;
  auto *screen = new NewBookController;
  screen->setTitle(localizedString(QStringLiteral("EditBook")));
  screen->setNoteBook(book);
  screen->setSelectedTemplate(book->bookTemplate());
  navigation->pageJump(screen, QVariant(), QNTransitionType::Push, QNTransitionSubtype::FromBottom, false);
}

// The shelf's data source.

int MyNotesViewController::numberOfBookInShelf(QNBookShelfView *) { return catalogue().count(); }

int MyNotesViewController::numberOfBookPerRowForShelf(QNBookShelfView *shelf) {
  const Qt::ScreenOrientation orientation = shelf->orientation();
  return orientation == Qt::LandscapeOrientation || orientation == Qt::InvertedLandscapeOrientation ? 4 : 3;
}

qreal MyNotesViewController::rowHightOfShelfView(QNBookShelfView *) { return kRowHeight; }

qreal MyNotesViewController::shelfViewLeftPaddingOfRow(QNBookShelfView *, int) { return 50; }

std::optional<QSizeF> MyNotesViewController::shelfViewCoverViewSizeInRow(QNBookShelfView *, int) {
  return NoteBookCover::kSize;
}

QNBookCoverView *MyNotesViewController::shelfViewCoverForBookAtIndex(QNBookShelfView *shelf, int index) {
  auto *cover = static_cast<NoteBookCover *>(shelf->dequeueReusableCoverWithIdentifier(kCoverIdentifier));
  if (!cover) {
    cover = new NoteBookCover(QRectF(), &m_pictures);
    cover->setIdentifier(kCoverIdentifier);
  }
  const NoteBookPtr book = catalogue().bookAtIndex(index);
  cover->updateWithBook(book);
  const std::weak_ptr<NoteBook> shown = book;
  cover->editAction = [this, shown] { editBook(shown.lock()); };
  return cover;
}

QNBookShelfCell *MyNotesViewController::shelfViewBackgroundOfRow(QNBookShelfView *shelf, int) {
  QNBookShelfCell *cell = shelf->dequeueReusableCellWithIdentifier(kRowIdentifier);
  if (!cell) {
    cell = new QNBookShelfCell;
    cell->setIdentifier(kRowIdentifier);
  }
  // The plank's top surface meets the covers' lower edge.
  const qreal plankTop = 10 + NoteBookCover::kSize.height() - 7;
  // Drawn once at the window's width; the row stretches it to its own.
  cell->setBackgroundImage(ShelfArtwork::shelfRow(768, kRowHeight, plankTop));
  return cell;
}

// The shelf's delegate.

void MyNotesViewController::shelfViewDidSelectBook(QNBookShelfView *, int index) {
  const NoteBookPtr book = catalogue().bookAtIndex(index);
  QNNavigationController *navigation = qnNavigationController();
  if (!book || !navigation)
    return;
  BaseViewController *editor = ScreenRegistry::makeScreen(ScreenRegistry::kNotePageController);
  if (!editor) {
    QUILL_LOG_ERROR("shelf: no page editor", "screen", 0, ScreenRegistry::kNotePageController);
    return;
  }
  catalogue().setEditingNote(book);
  navigation->pageJump(editor, QVariantMap{{QStringLiteral("notebook"), QVariant::fromValue(book)},
                                           {QStringLiteral("notePageIndex"), book->currentPage()}});
}

bool MyNotesViewController::shelfViewCanMoveCover(QNBookShelfView *, int from, int to) {
  return from >= 0 && to >= 0 && from < catalogue().count() && to < catalogue().count();
}

void MyNotesViewController::shelfViewMoveIndex(QNBookShelfView *, int from, int to) {
  catalogue().moveBookFromIndex(from, to);
}

void MyNotesViewController::shelfViewRemoveBookAtIndex(QNBookShelfView *, int index) {
  if (const NoteBookPtr book = catalogue().bookAtIndex(index))
    m_pictures.forget(book->identifier());
  catalogue().removeBookAtIndex(index);
}

// The start-up splash: the backdrop grows and fades away from over the whole
// window, the logo gives way to the mark behind the shelf, then the covers
// come in one after another. Its pictures take no touches, and leave when done.

void MyNotesViewController::beginSplash() {
  QGraphicsItem *root = qnNavigationController() ? static_cast<QGraphicsItem *>(qnNavigationController()) : this;
  const QRectF bounds = root->boundingRect();
  m_splashing = true;
  placeBird();
  m_bird->setOpacity(0);
  m_bookShelf->hideCovers();

  QImage wall((bounds.size() * 2).toSize(), QImage::Format_ARGB32_Premultiplied);
  wall.setDevicePixelRatio(2);
  QPainter painter(&wall);
  painter.fillRect(bounds.translated(-bounds.topLeft()), ShelfArtwork::backdrop());
  painter.end();
  auto *background = new QGraphicsPixmapItem(QPixmap::fromImage(wall), root);
  auto *logo = new QGraphicsPixmapItem(ShelfArtwork::icon(QStringLiteral("logo_dark")), root);
  for (QGraphicsPixmapItem *picture : {background, logo}) {
    picture->setAcceptedMouseButtons(Qt::NoButton);
    picture->setZValue(10000);
    picture->setTransformOriginPoint(picture->boundingRect().center());
  }
  background->setPos(bounds.topLeft());
  logo->setScale(2);
  logo->setPos(bounds.center() - logo->boundingRect().center());

  animateValue(this, 0, 1, kSplashStepMs,
          [background](qreal t) {
            background->setScale(1 + t);
            background->setOpacity(1 - t);
          },
          [this, background, logo] {
            delete background;
            animateValue(this, 0, 1, kSplashStepMs,
                    [this, logo](qreal t) {
                      logo->setOpacity(1 - t);
                      m_bird->setOpacity(t);
                    },
                    [this, logo] {
                      delete logo;
                      finishSplash();
                    });
          });
}

void MyNotesViewController::skipSplash() {
  placeBird();
  m_bird->setOpacity(1);
  m_bookShelf->showCoversAnimated(false);
  QMetaObject::invokeMethod(this, &MyNotesViewController::splashFinished, Qt::QueuedConnection);
}

void MyNotesViewController::finishSplash() {
  connect(m_bookShelf, &QNBookShelfView::coversShown, this, [this] {
    disconnect(m_bookShelf, &QNBookShelfView::coversShown, this, nullptr);
    m_splashing = false;
    Q_EMIT splashFinished();
  });
  m_bookShelf->showCoversAnimated(true);
}
