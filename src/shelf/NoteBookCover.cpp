#include "NoteBookCover.h"

#include "CoverPictureCache.h"
#include "CoverViewDelegate.h"
#include "ShelfArtwork.h"

#include "common/DateHelpers.h"
#include "common/Localization.h"
#include "common/QNAlertView.h"
#include "common/QNButton.h"
#include "store/NoteBook.h"

#include <QPainter>
#include <algorithm>
#include <QPointer>

namespace {
const QColor kInk(56, 37, 32);

QFont systemFont(int points) {
  QFont font;
  font.setPixelSize(points);
  return font;
}

QNButton *badgeButton(const char *name, int tag, QGraphicsItem *parent) {
  const QString normal = QString::fromLatin1(name);
  auto *button = new QNButton(ShelfArtwork::icon(normal), ShelfArtwork::icon(normal + QLatin1Char('s')), parent);
  if (button->size().isEmpty())
    button->setSize(QSizeF(28, 28));
  button->setData(0, tag);
  button->setZValue(10);
  button->setVisible(false);
  return button;
}
} // namespace

NoteBookCover::NoteBookCover(const QRectF &frame, CoverPictureCache *pictures, QGraphicsItem *parent)
    : QNBookCoverView(QRectF(frame.topLeft(), kSize), parent), m_pictures(pictures),
      m_deleteButton(badgeButton("book_delete_btn", 100, this)),
      m_editButton(badgeButton("cover_edit_btn", 101, this)) {
  // Covers scroll far more often than they change: draw each once.
  setCacheMode(DeviceCoordinateCache);
  m_deleteButton->setCenter(QPointF(kSize.width() - 7, 7));
  m_editButton->setCenter(QPointF(kSize.width() - 7, 50));
  connect(m_deleteButton, &QNButton::clicked, this, &NoteBookCover::deleteBook);
  connect(m_editButton, &QNButton::clicked, this, &NoteBookCover::editBook);
}

void NoteBookCover::updateWithBook(const std::shared_ptr<NoteBook> &book) {
  m_book = book;
  if (!book)
    return;
  m_title = book->name();
  const QDateTime edited = book->latestEditDate();
  m_date = edited.isValid() ? stringWithSeperator(edited, QStringLiteral("."), false) : QString();
  m_year = edited.isValid() ? QString::number(edited.toLocalTime().date().year()) : QString();
  m_cover = m_pictures ? m_pictures->pictureFor(*book) : ShelfArtwork::plainCover(kSize);
  update();
}

void NoteBookCover::setIsEditing(bool editing) {
  QNBookCoverView::setIsEditing(editing);
  m_deleteButton->setVisible(editing);
  m_editButton->setVisible(editing);
}

void NoteBookCover::deleteBook() {
  const QPointer<NoteBookCover> cover(this);
  const std::weak_ptr<NoteBook> asked = m_book;
  auto *alert = new QNAlertView(localizedString(QStringLiteral("Delete Book")),
                                localizedString(QStringLiteral("Delete Book Warning")), QNAlertTypeConfirm,
                                [cover, asked] {
                                  // The cover may have been reused for another notebook meanwhile.
                                  if (cover && cover->delegate() && !asked.expired() &&
                                      cover->book() == asked.lock())
                                    cover->delegate()->deleteCover(cover);
                                });
  alert->show();
}

void NoteBookCover::editBook() {
  if (editAction)
    editAction();
}

void NoteBookCover::paintCover(QPainter *painter) {
  const QRectF bounds(QPointF(), kSize);
  painter->setRenderHint(QPainter::SmoothPixmapTransform);
  if (!m_cover.isNull())
    painter->drawPixmap(bounds, m_cover, m_cover.rect());
  const QPixmap plate = ShelfArtwork::icon(QStringLiteral("name_cover"));
  if (!plate.isNull())
    painter->drawPixmap(bounds, plate, plate.rect());
  painter->setPen(kInk);
  // 25 points, smaller when a word of the name would not fit the label's width.
  const QRectF titleBox(12, 150, 100, 80);
  int points = 25;
  for (; points > 14; --points) {
    const QFontMetricsF metrics(systemFont(points));
    const QStringList words = m_title.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (std::all_of(words.begin(), words.end(),
                    [&](const QString &word) { return metrics.horizontalAdvance(word) <= titleBox.width(); }))
      break;
  }
  painter->setFont(systemFont(points));
  painter->drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, m_title);
  painter->setFont(systemFont(20));
  painter->drawText(QRectF(112, 160, 100, 30), Qt::AlignCenter, m_year);
  painter->setFont(systemFont(24));
  painter->drawText(QRectF(112, 190, 100, 30), Qt::AlignCenter, m_date);
}
