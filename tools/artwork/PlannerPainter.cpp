#include "PlannerPainter.h"

#include "PaperPainter.h"

#include <QPainter>
#include <QStringList>

namespace {
const QColor kPaper(0xfb, 0xfa, 0xf5);
const QColor kSage(0x6f, 0x93, 0x7c);
const QColor kRule(0xcf, 0xd8, 0xd0);
const QColor kText(0x8a, 0x96, 0x8e);
constexpr qreal kLeft = 50;
constexpr qreal kRight = 707;
constexpr qreal kTop = 150; // below the heading

QFont labelFont(qreal size, bool bold = false) {
  QFont font("DejaVu Sans", 1);
  font.setPointSizeF(size);
  font.setBold(bold);
  font.setLetterSpacing(QFont::AbsoluteSpacing, size / 5);
  return font;
}

void drawLabel(QPainter &painter, const QRectF &rect, const QString &text, qreal size,
               const QColor &color, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop) {
  painter.setFont(labelFont(size));
  painter.setPen(color);
  painter.drawText(rect, align, text);
}

void frame(QPainter &painter, const QRectF &rect) {
  painter.setPen(QPen(kRule, 1.2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(rect, 6, 6);
}

void checkbox(QPainter &painter, const QPointF &topLeft) {
  painter.setPen(QPen(kSage, 1.2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(topLeft, QSizeF(13, 13)), 3, 3);
}

const QStringList &weekdays() {
  static const QStringList days{"MON", "TUE", "WED", "THU", "FRI", "SAT", "SUN"};
  return days;
}
} // namespace

void PlannerPainter::paintPage(QPainter &painter, int index) {
  PaperPainter::paintGround(painter, PaperStyle{.paper = kPaper});
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  switch (index) {
  case 0:
    paintYear(painter);
    break;
  case 1:
    paintMonth(painter);
    break;
  case 2:
    paintWeek(painter);
    break;
  case 3:
    paintDay(painter);
    break;
  case 4:
    paintHabits(painter);
    break;
  default:
    paintGoals(painter);
    break;
  }
  painter.restore();
}

void PlannerPainter::paintNotesPage(QPainter &painter) {
  PaperPainter::paintGround(painter, PaperStyle{.paper = kPaper});
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  paintHeading(painter, "NOTES", QString());
  painter.restore();
  PaperPainter::paintDots(painter, kRule.darker(115), QRectF(kLeft, kTop, kRight - kLeft, 750), 25);
}

void PlannerPainter::paintHeading(QPainter &painter, const QString &title,
                                  const QString &subtitle) {
  painter.setFont(labelFont(24, true));
  painter.setPen(kSage);
  painter.drawText(QRectF(kLeft, 52, 500, 40), Qt::AlignLeft | Qt::AlignVCenter, title);
  if (!subtitle.isEmpty()) {
    drawLabel(painter, QRectF(kRight - 300, 60, 300, 30), subtitle, 11, kText,
              Qt::AlignRight | Qt::AlignVCenter);
  }
  painter.setPen(QPen(kSage, 2));
  painter.drawLine(QPointF(kLeft, 104), QPointF(kRight, 104));
}

void PlannerPainter::paintYear(QPainter &painter) {
  paintHeading(painter, "THE YEAR", "YEAR  ________");
  static const QStringList months{"JANUARY", "FEBRUARY", "MARCH",     "APRIL",
                                  "MAY",     "JUNE",     "JULY",      "AUGUST",
                                  "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};
  const qreal gap = 14;
  const qreal width = (kRight - kLeft - 2 * gap) / 3;
  const qreal height = (900 - kTop - 3 * gap) / 4;
  for (int m = 0; m < 12; ++m) {
    const QRectF box(kLeft + (m % 3) * (width + gap), kTop + (m / 3) * (height + gap), width,
                     height);
    frame(painter, box);
    drawLabel(painter, box.adjusted(12, 10, -12, 0), months.at(m), 10.5, kSage);
    PaperPainter::paintLines(painter, kRule, box.left() + 12, box.right() - 12, box.top() + 56,
                             box.bottom() - 14, 26);
  }
}

void PlannerPainter::paintMonth(QPainter &painter) {
  paintHeading(painter, "MONTH", "MONTH  ________");
  const qreal width = (kRight - kLeft) / 7;
  for (int d = 0; d < 7; ++d) {
    drawLabel(painter, QRectF(kLeft + d * width, kTop - 8, width, 24), weekdays().at(d), 10,
              d >= 5 ? kSage : kText, Qt::AlignHCenter | Qt::AlignTop);
  }
  const qreal top = kTop + 22;
  const qreal height = (720 - top) / 6;
  painter.setPen(QPen(kRule, 1.1));
  for (int r = 0; r <= 6; ++r)
    painter.drawLine(QPointF(kLeft, top + r * height), QPointF(kRight, top + r * height));
  for (int c = 0; c <= 7; ++c)
    painter.drawLine(QPointF(kLeft + c * width, top), QPointF(kLeft + c * width, 720));
  for (int r = 0; r < 6; ++r) {
    for (int c = 0; c < 7; ++c) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(kRule);
      painter.drawEllipse(QRectF(kLeft + c * width + 8, top + r * height + 8, 18, 18));
    }
  }
  drawLabel(painter, QRectF(kLeft, 742, 300, 24), "FOCUS", 11, kSage);
  PaperPainter::paintLines(painter, kRule, kLeft, kRight, 790, 900, 28);
}

void PlannerPainter::paintWeek(QPainter &painter) {
  paintHeading(painter, "WEEK", "FROM  ______  TO  ______");
  const QStringList boxes{"MONDAY", "TUESDAY", "WEDNESDAY", "THURSDAY",
                          "FRIDAY", "SATURDAY", "SUNDAY",   "NOTES"};
  const qreal gap = 16;
  const qreal width = (kRight - kLeft - gap) / 2;
  const qreal height = (900 - kTop - 3 * gap) / 4;
  for (int i = 0; i < boxes.size(); ++i) {
    const QRectF box(kLeft + (i / 4) * (width + gap), kTop + (i % 4) * (height + gap), width,
                     height);
    frame(painter, box);
    drawLabel(painter, box.adjusted(14, 12, -14, 0), boxes.at(i), 11, i == 7 ? kText : kSage);
    if (i == 7)
      PaperPainter::paintDots(painter, kRule.darker(115), box.adjusted(14, 44, -14, -12), 18);
    else
      PaperPainter::paintLines(painter, kRule, box.left() + 14, box.right() - 14,
                               box.top() + 70, box.bottom() - 12, 28);
  }
}

void PlannerPainter::paintDay(QPainter &painter) {
  paintHeading(painter, "TODAY", "DATE  ________");
  const qreal split = 400;
  drawLabel(painter, QRectF(kLeft, kTop - 6, 300, 24), "SCHEDULE", 11, kSage);
  const qreal rowTop = kTop + 30;
  const qreal row = 38;
  for (int h = 0; h <= 15; ++h) {
    const qreal y = rowTop + h * row;
    painter.setPen(QPen(kRule, 1));
    painter.drawLine(QPointF(kLeft + 52, y + row), QPointF(split - 20, y + row));
    drawLabel(painter, QRectF(kLeft, y + 12, 46, 20), QString::number(7 + h) + ":00", 10, kText,
              Qt::AlignRight | Qt::AlignTop);
  }
  drawLabel(painter, QRectF(split + 10, kTop - 6, 300, 24), "TOP THREE", 11, kSage);
  for (int i = 0; i < 3; ++i) {
    const qreal y = kTop + 44 + i * 42;
    checkbox(painter, QPointF(split + 10, y));
    painter.setPen(QPen(kRule, 1));
    painter.drawLine(QPointF(split + 34, y + 14), QPointF(kRight, y + 14));
  }
  drawLabel(painter, QRectF(split + 10, kTop + 190, 300, 24), "TO DO", 11, kSage);
  for (int i = 0; i < 9; ++i) {
    const qreal y = kTop + 232 + i * 36;
    checkbox(painter, QPointF(split + 10, y));
    painter.setPen(QPen(kRule, 1));
    painter.drawLine(QPointF(split + 34, y + 14), QPointF(kRight, y + 14));
  }
  frame(painter, QRectF(split + 10, 740, kRight - split - 10, 160));
  drawLabel(painter, QRectF(split + 24, 752, 300, 24), "NOTES", 10, kText);
}

void PlannerPainter::paintHabits(QPainter &painter) {
  paintHeading(painter, "HABITS", "MONTH  ________");
  const int days = 31;
  const int habits = 16;
  const qreal nameWidth = 170;
  const qreal cell = (kRight - kLeft - nameWidth) / days;
  const qreal rowHeight = 44;
  const qreal top = kTop + 34;
  for (int d = 0; d < days; ++d) {
    drawLabel(painter, QRectF(kLeft + nameWidth + d * cell, kTop, cell, 24),
              QString::number(d + 1), 6.5, kText, Qt::AlignHCenter | Qt::AlignBottom);
  }
  for (int h = 0; h < habits; ++h) {
    const qreal y = top + h * rowHeight;
    painter.setPen(QPen(kRule, 1));
    painter.drawLine(QPointF(kLeft, y + rowHeight - 6), QPointF(kLeft + nameWidth - 12, y + rowHeight - 6));
    for (int d = 0; d < days; ++d) {
      painter.setPen(QPen(d % 7 == 6 ? kSage.lighter(130) : kRule, 1));
      painter.setBrush(Qt::NoBrush);
      painter.drawEllipse(QPointF(kLeft + nameWidth + (d + 0.5) * cell, y + rowHeight / 2 + 4),
                          cell * 0.33, cell * 0.33);
    }
  }
}

void PlannerPainter::paintGoals(QPainter &painter) {
  paintHeading(painter, "GOALS", QString());
  const QStringList sections{"THIS YEAR", "THIS MONTH", "THIS WEEK"};
  const qreal height = (900 - kTop - 2 * 16) / 3;
  for (int s = 0; s < sections.size(); ++s) {
    const QRectF box(kLeft, kTop + s * (height + 16), kRight - kLeft, height);
    frame(painter, box);
    drawLabel(painter, box.adjusted(16, 12, -16, 0), sections.at(s), 11, kSage);
    for (int i = 0; i < 5; ++i) {
      const qreal y = box.top() + 52 + i * 34;
      if (y + 20 > box.bottom())
        break;
      checkbox(painter, QPointF(box.left() + 16, y));
      painter.setPen(QPen(kRule, 1));
      painter.drawLine(QPointF(box.left() + 40, y + 14), QPointF(box.right() - 16, y + 14));
    }
  }
}
