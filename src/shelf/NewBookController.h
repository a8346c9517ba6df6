#pragma once

#include "BackgroundSelectViewDelegate.h"
#include "BookShelfViewDataSource.h"
#include "BookShelfViewDelegate.h"
#include "QNPageingViewDataSource.h"

#include "shell/BaseViewController.h"

#include <memory>

class BookTemplate;
class NoteBook;
class QGraphicsTextItem;
class QNBookShelfView;
class QNButton;
class QNPagingView;

// The new-notebook screen, which also edits an existing notebook: the
// template list on the left, a two-page pager (the cover preview with the
// typed title; the built-in backgrounds) and the title field. Done hands the
// notebook to the catalogue and goes back to the shelf with {"newNoteBook":
// the notebook}; Back discards every change. Nothing reaches the catalogue
// before Done. The notebook is shared with the catalogue once added; the
// chosen template is this screen's own copy. Main thread only.
class NewBookController : public BaseViewController,
                          public BookShelfViewDataSource,
                          public BookShelfViewDelegate,
                          public QNPageingViewDataSource,
                          public BackgroundSelectViewDelegate {
  Q_OBJECT
public:
  explicit NewBookController(QGraphicsItem *parent = nullptr);
  ~NewBookController() override;

  std::shared_ptr<NoteBook> noteBook() const { return m_noteBook; }
  void setNoteBook(const std::shared_ptr<NoteBook> &book);
  BookTemplate *selectedTemplate() const { return m_selectedTemplate.get(); }
  // Takes the template; a different one (by name) rebuilds both pager pages.
  void setSelectedTemplate(std::unique_ptr<BookTemplate> chosen);
  int selectedRow() const { return m_selectedRow; }

  QString titleText() const;
  void setTitleText(const QString &text);
  QGraphicsTextItem *titleField() const { return m_titleField; }
  QNBookShelfView *templateList() const { return m_templateList; }
  QNPagingView *pager() const { return m_pager; }
  QNButton *doneButton() const { return m_doneButton; }

  void back();
  void done();

  void viewWillAppear(bool animated) override;
  void viewWillDisappear(bool animated) override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

  // The template list (a one-column shelf).
  int numberOfBookInShelf(QNBookShelfView *shelf) override;
  int numberOfBookPerRowForShelf(QNBookShelfView *) override { return 1; }
  qreal rowHightOfShelfView(QNBookShelfView *) override { return 64; }
  QNBookCoverView *shelfViewCoverForBookAtIndex(QNBookShelfView *shelf, int index) override;
  QNBookShelfCell *shelfViewBackgroundOfRow(QNBookShelfView *, int) override { return nullptr; }
  qreal shelfViewPaddingHightOfRow(QNBookShelfView *, int) override { return 0; }
  qreal shelfViewLeftPaddingOfRow(QNBookShelfView *, int) override { return 0; }
  std::optional<QSizeF> shelfViewCoverViewSizeInRow(QNBookShelfView *, int) override;
  void shelfViewDidSelectBook(QNBookShelfView *shelf, int index) override;
  bool shelfViewCanMoveCover(QNBookShelfView *, int, int) override { return false; }

  // The pager.
  int NumberOfPageInPagingView(QNPagingView *) override { return 2; }
  QGraphicsWidget *PagingViewViewAtIndex(QNPagingView *pager, int index, QString *identifier) override;

  void selectViewDidSelectBackground(TemplateBackgroundSelectView *view, const QString &name) override;

private:
  void textDidChange();
  void highlightRow(int row);
  void keyboardVisibilityChanged();

  std::shared_ptr<NoteBook> m_noteBook;
  std::unique_ptr<BookTemplate> m_selectedTemplate;
  int m_selectedRow = -1;
  QGraphicsWidget *m_content;
  QNBookShelfView *m_templateList;
  QNPagingView *m_pager;
  QGraphicsTextItem *m_titleField;
  QNButton *m_doneButton;
};
