#include "NotePageBottomBar.h"

#include "common/ImageHelpers.h"
#include "common/QNButton.h"

#include <QFont>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSimpleTextItem>
#include <QPixmap>
#include <cmath>

namespace {
QNButton *arrowButton(const QString &normal, QGraphicsItem *parent) {
  return new QNButton(QPixmap::fromImage(artworkImage(normal)),
                      QPixmap::fromImage(artworkImage(normal + QLatin1Char('s'))), parent);
}
} // namespace

NotePageBottomBar::NotePageBottomBar(QGraphicsItem *parent)
    : QGraphicsWidget(parent), m_label(new QGraphicsSimpleTextItem(this)),
      m_left(arrowButton(QStringLiteral("left_arrow"), this)),
      m_right(arrowButton(QStringLiteral("right_arrow"), this)) {
  QFont font = m_label->font();
  font.setPointSizeF(16);
  m_label->setFont(font);
  m_label->setBrush(Qt::black);
  setAcceptedMouseButtons(Qt::LeftButton);
  connect(m_left, &QNButton::clicked, this, &NotePageBottomBar::prePage);
  connect(m_right, &QNButton::clicked, this, &NotePageBottomBar::nextPage);
}

void NotePageBottomBar::setPageText(const QString &text) {
  m_label->setText(text);
  resizeEvent(nullptr);
}

QString NotePageBottomBar::pageText() const { return m_label->text(); }

void NotePageBottomBar::resizeEvent(QGraphicsSceneResizeEvent *) {
  const QSizeF bar = size();
  const qreal middle = bar.height() / 2 - 3;
  m_left->setPos(10, middle - m_left->size().height() / 2);
  m_right->setPos(bar.width() - 10 - m_right->size().width(), middle - m_right->size().height() / 2);
  // The label's 100 by 40 box is centred; the text is centred in it.
  const QRectF text = m_label->boundingRect();
  m_label->setPos((bar.width() - text.width()) / 2, (bar.height() - text.height()) / 2);
}

void NotePageBottomBar::mousePressEvent(QGraphicsSceneMouseEvent *event) { event->accept(); }

void NotePageBottomBar::mouseReleaseEvent(QGraphicsSceneMouseEvent *event) {
  const QPointF travel = event->pos() - event->buttonDownPos(Qt::LeftButton);
  if (std::abs(travel.x()) < kSwipeDistance || std::abs(travel.x()) <= std::abs(travel.y()))
    return;
  if (travel.x() < 0)
    Q_EMIT nextPage();
  else
    Q_EMIT prePage();
}
