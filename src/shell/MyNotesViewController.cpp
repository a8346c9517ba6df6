#include "MyNotesViewController.h"

#include "common/DateHelpers.h"
#include "common/Localization.h"
#include "store/NoteBook.h"
#include "store/NoteBookManager.h"

#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPropertyAnimation>
#include <QStyleOptionGraphicsItem>
#include <algorithm>

namespace {
const QColor paper(246, 242, 234);
const QColor ink(56, 37, 32);
const QColor faded(139, 122, 110);
const QColor rule(226, 217, 204);

QFont fontOfSize(int pixels, bool bold = false) {
  QFont font;
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// A steady colour per notebook, so a book keeps its spine colour across launches.
QColor spineColour(const QString &identifier) {
  return QColor::fromHsv(int(qHash(identifier, 7) % 360), 90, 170);
}
} // namespace

MyNotesViewController::MyNotesViewController(QGraphicsItem *parent) : BaseViewController(parent) {
  setFlag(QGraphicsItem::ItemUsesExtendedStyleOption);
  setTitle(localizedString(QStringLiteral("MY NOTEBOOKS")));
  // It paints its own title bar, so the navigation bar stays hidden over it.
  setShowNavBar(false);
  reloadData();
}

void MyNotesViewController::reloadData() {
  const auto &books = NoteBookManager::sharedNoteBookManager().allBook();
  rows.clear();
  rows.reserve(books.size());
  for (const NoteBookPtr &book : books) {
    rows.push_back({book->name(),
                    stringWithSeperator(book->latestEditDate(), QStringLiteral("."), true),
                    spineColour(book->identifier())});
  }
  setScrollOffset(offset);
  update();
}

void MyNotesViewController::setScrollOffset(qreal newOffset) {
  newOffset = std::clamp(newOffset, 0.0, largestOffset());
  if (newOffset == offset)
    return;
  offset = newOffset;
  update();
}

qreal MyNotesViewController::largestOffset() const {
  return std::max(0.0, rows.size() * rowHeight - (size().height() - titleBarHeight));
}

void MyNotesViewController::beginSplash() {
  setOpacity(0);
  auto *fade = new QPropertyAnimation(this, "opacity", this);
  fade->setDuration(250);
  fade->setStartValue(0.0);
  fade->setEndValue(1.0);
  fade->setEasingCurve(QEasingCurve::OutCubic);
  connect(fade, &QPropertyAnimation::finished, this, &MyNotesViewController::splashFinished);
  fade->start(QAbstractAnimation::DeleteWhenStopped);
}

void MyNotesViewController::paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
                                  QWidget *) {
  const QRectF bounds = rect();
  painter->fillRect(bounds, paper);
  const qreal listTop = titleBarHeight;
  const QRectF exposed = option->exposedRect.isEmpty() ? bounds : option->exposedRect;
  if (rows.empty()) {
    painter->setFont(fontOfSize(22));
    painter->setPen(faded);
    painter->drawText(bounds.adjusted(0, listTop, 0, 0), Qt::AlignCenter,
                      localizedString(QStringLiteral("No Notebooks Yet")));
  }
  const int first =
      std::max(0, int((std::max(exposed.top(), listTop) - listTop + offset) / rowHeight));
  painter->save();
  painter->setClipRect(bounds.adjusted(0, listTop, 0, 0));
  for (int i = first; i < int(rows.size()); ++i) {
    const qreal top = listTop + i * rowHeight - offset;
    if (top > exposed.bottom())
      break;
    paintRow(painter, rows[size_t(i)], top);
  }
  painter->restore();
  paintTitleBar(painter);
}

void MyNotesViewController::paintTitleBar(QPainter *painter) const {
  const QRectF bar(0, 0, size().width(), titleBarHeight);
  QLinearGradient shade(bar.topLeft(), bar.bottomLeft());
  shade.setColorAt(0, ink.lighter(135));
  shade.setColorAt(1, ink);
  painter->fillRect(bar, shade);
  painter->fillRect(QRectF(0, bar.bottom(), bar.width(), 3), QColor(0, 0, 0, 40));
  painter->setPen(Qt::white);
  painter->setFont(fontOfSize(24, true));
  painter->drawText(bar, Qt::AlignCenter, title());
  painter->setPen(QColor(255, 255, 255, 170));
  painter->setFont(fontOfSize(15));
  painter->drawText(bar.adjusted(0, 0, -24, 0), Qt::AlignRight | Qt::AlignVCenter,
                    rows.size() == 1
                        ? localizedString(QStringLiteral("1 notebook"))
                        : localizedString(QStringLiteral("%d notebooks"))
                              .replace(QStringLiteral("%d"), QString::number(rows.size())));
}

void MyNotesViewController::paintRow(QPainter *painter, const Row &row, qreal top) const {
  const qreal width = size().width();
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(Qt::NoPen);
  painter->setBrush(row.spine);
  painter->drawRoundedRect(QRectF(28, top + 14, 32, rowHeight - 28), 4, 4);
  painter->setPen(ink);
  painter->setFont(fontOfSize(22));
  const QRectF nameBox(84, top, width - 84 - 150, rowHeight);
  painter->drawText(
      nameBox, Qt::AlignLeft | Qt::AlignVCenter,
      painter->fontMetrics().elidedText(row.name, Qt::ElideRight, int(nameBox.width())));
  painter->setPen(faded);
  painter->setFont(fontOfSize(16));
  painter->drawText(QRectF(width - 174, top, 150, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                    row.date);
  painter->fillRect(QRectF(84, top + rowHeight - 1, width - 84, 1), rule);
}

void MyNotesViewController::resizeEvent(QGraphicsSceneResizeEvent *event) {
  BaseViewController::resizeEvent(event);
  setScrollOffset(offset);
}

void MyNotesViewController::wheelEvent(QGraphicsSceneWheelEvent *event) {
  setScrollOffset(offset - event->delta() * rowHeight / 120.0);
  event->accept();
}

void MyNotesViewController::mousePressEvent(QGraphicsSceneMouseEvent *event) {
  event->accept();
}

void MyNotesViewController::mouseMoveEvent(QGraphicsSceneMouseEvent *event) {
  setScrollOffset(offset - (event->pos().y() - event->lastPos().y()));
}
