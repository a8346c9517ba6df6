#pragma once

#include "QNBookCoverView.h"

#include <QPixmap>
#include <functional>
#include <memory>

class CoverPictureCache;
class NoteBook;
class QNButton;

// The cover of one notebook on the My notebooks shelf, always 205 x 255
// points: the cover picture, the name plate with the name, the year and the
// month.day of the last edit, and in edit mode a delete button (tag 100) and
// an edit button (tag 101). Deleting asks for confirmation first and then
// hands the cover to its delegate. The notebook is shared with the catalogue;
// the picture cache is the screen's, not owned. Main thread only.
class NoteBookCover : public QNBookCoverView {
  Q_OBJECT
public:
  static constexpr QSizeF kSize{205, 255};

  explicit NoteBookCover(const QRectF &frame = {}, CoverPictureCache *pictures = nullptr,
                         QGraphicsItem *parent = nullptr);

  void updateWithBook(const std::shared_ptr<NoteBook> &book);
  std::shared_ptr<NoteBook> book() const { return m_book; }
  QString title() const { return m_title; }
  QString year() const { return m_year; }
  QString date() const { return m_date; }

  void setIsEditing(bool editing) override;
  // The delete button's action: a confirm alert whose OK deletes the cover.
  void deleteBook();
  // The edit button's action.
  void editBook();
  std::function<void()> editAction;

  QNButton *deleteButton() const { return m_deleteButton; }
  QNButton *editButton() const { return m_editButton; }

protected:
  void paintCover(QPainter *painter) override;

private:
  CoverPictureCache *m_pictures;
  std::shared_ptr<NoteBook> m_book;
  QPixmap m_cover;
  QString m_title;
  QString m_year;
  QString m_date;
  QNButton *m_deleteButton;
  QNButton *m_editButton;
};
