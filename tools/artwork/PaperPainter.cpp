#include "PaperPainter.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>
#include <random>

namespace {
constexpr qreal kLineSpacing = 30;
constexpr qreal kFirstLine = 120;
constexpr qreal kLastLine = 920;
constexpr qreal kCell = 25;

QPen hairline(const QColor &color, qreal width = 1) {
  QPen pen(color, width);
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

// The ruled area of grid and dot pages: whole cells, centred on the page.
QRectF cellArea() {
  const QSizeF page = PaperPainter::pageSize();
  const int columns = int((page.width() - 50) / kCell);
  const int rows = int((page.height() - 90) / kCell);
  const QSizeF size(columns * kCell, rows * kCell);
  return {QPointF((page.width() - size.width()) / 2, (page.height() - size.height()) / 2 + 10),
          size};
}
} // namespace

void PaperPainter::paint(QPainter &painter, const PaperStyle &style) {
  paintGround(painter, style);
  const QSizeF page = pageSize();
  switch (style.ruling) {
  case PaperStyle::Ruling::Plain:
    break;
  case PaperStyle::Ruling::Lined:
    paintLines(painter, style.ink, 0, page.width(), kFirstLine, kLastLine, kLineSpacing);
    break;
  case PaperStyle::Ruling::Grid:
    paintGrid(painter, style.ink, cellArea(), kCell);
    break;
  case PaperStyle::Ruling::Dotted:
    paintDots(painter, style.ink, cellArea(), kCell);
    break;
  case PaperStyle::Ruling::Cornell:
    paintCornell(painter, style);
    break;
  case PaperStyle::Ruling::Music:
    paintMusic(painter, style);
    break;
  }
  if (style.margin) {
    painter.setPen(hairline(style.accent, 1.2));
    painter.drawLine(QPointF(84, 0), QPointF(84, page.height()));
    painter.setPen(hairline(style.accent, 0.6));
    painter.drawLine(QPointF(88, 0), QPointF(88, page.height()));
  }
}

void PaperPainter::paintGround(QPainter &painter, const PaperStyle &style) {
  const QRectF page(QPointF(), pageSize());
  // A faint light falling from the top makes flat colour read as paper.
  QLinearGradient light(page.topLeft(), page.bottomRight());
  light.setColorAt(0, style.paper.lighter(101));
  light.setColorAt(1, style.paper.darker(102));
  painter.fillRect(page, light);
  if (style.fibres)
    paintFibres(painter, style.paper);
}

void PaperPainter::paintFibres(QPainter &painter, const QColor &paper) {
  std::mt19937 random(1514);
  // Mottling: a smoothed random field, drawn small and scaled up, so the page
  // shows soft clouds and no pixel-sized grain (which would make the JPEG large).
  constexpr int kWidth = 120;
  constexpr int kHeight = 150;
  std::uniform_real_distribution<float> noise(-1, 1);
  std::vector<float> field(kWidth * kHeight);
  for (float &v : field)
    v = noise(random);
  for (int pass = 0; pass < 3; ++pass) {
    std::vector<float> blurred(field.size());
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        float sum = 0;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx)
            sum += field[std::clamp(y + dy, 0, kHeight - 1) * kWidth + std::clamp(x + dx, 0, kWidth - 1)];
        blurred[y * kWidth + x] = sum / 9;
      }
    }
    field.swap(blurred);
  }
  QImage mottle(kWidth, kHeight, QImage::Format_ARGB32);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const float v = std::clamp(field[y * kWidth + x] * 2.4f, -1.0f, 1.0f);
      mottle.setPixelColor(x, y, v < 0 ? QColor(80, 45, 10, int(-v * 38))
                                       : QColor(255, 238, 205, int(v * 42)));
    }
  }
  const QRectF page(QPointF(), pageSize());
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(page, mottle);
  painter.setRenderHint(QPainter::Antialiasing);
  std::uniform_real_distribution<qreal> unit(0, 1);
  for (int i = 0; i < 1400; ++i) {
    const QPointF start(unit(random) * page.width(), unit(random) * page.height());
    const qreal angle = unit(random) * 6.2832;
    const qreal length = 5 + unit(random) * unit(random) * 40;
    const QPointF end = start + QPointF(std::cos(angle), std::sin(angle)) * length;
    const QPointF bend = (start + end) / 2 + QPointF(unit(random) - 0.5, unit(random) - 0.5) * 6;
    QPainterPath fibre(start);
    fibre.quadTo(bend, end);
    const bool light = unit(random) < 0.55;
    QColor color = light ? paper.lighter(118) : paper.darker(125);
    color.setAlphaF(0.25 + unit(random) * 0.3);
    painter.setPen(QPen(color, 0.4 + unit(random) * 0.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(fibre);
  }
  painter.restore();
}

void PaperPainter::paintLines(QPainter &painter, const QColor &color, qreal left, qreal right,
                              qreal top, qreal bottom, qreal spacing) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(hairline(color));
  for (qreal y = top; y <= bottom + 0.01; y += spacing)
    painter.drawLine(QPointF(left, y), QPointF(right, y));
  painter.restore();
}

void PaperPainter::paintGrid(QPainter &painter, const QColor &color, const QRectF &area,
                             qreal cell) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  QColor minor = color;
  minor.setAlphaF(color.alphaF() * 0.55);
  const int columns = qRound(area.width() / cell);
  const int rows = qRound(area.height() / cell);
  for (int pass = 0; pass < 2; ++pass) {
    const bool major = pass == 1;
    painter.setPen(hairline(major ? color : minor, major ? 1.0 : 0.7));
    for (int c = 0; c <= columns; ++c) {
      if ((c % 5 == 0) == major) {
        const qreal x = area.left() + c * cell;
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
      }
    }
    for (int r = 0; r <= rows; ++r) {
      if ((r % 5 == 0) == major) {
        const qreal y = area.top() + r * cell;
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
      }
    }
  }
  painter.restore();
}

void PaperPainter::paintDots(QPainter &painter, const QColor &color, const QRectF &area,
                             qreal cell) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(color);
  for (qreal y = area.top(); y <= area.bottom() + 0.01; y += cell) {
    for (qreal x = area.left(); x <= area.right() + 0.01; x += cell)
      painter.drawEllipse(QPointF(x, y), 1.4, 1.4);
  }
  painter.restore();
}

void PaperPainter::paintCornell(QPainter &painter, const PaperStyle &style) {
  const QSizeF page = pageSize();
  const qreal cueRight = 210;
  const qreal summaryTop = 770;
  paintLines(painter, style.ink, 0, page.width(), 150, summaryTop - 20, kLineSpacing);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(hairline(style.accent, 1.6));
  painter.drawLine(QPointF(0, 110), QPointF(page.width(), 110));
  painter.drawLine(QPointF(cueRight, 110), QPointF(cueRight, summaryTop));
  painter.drawLine(QPointF(0, summaryTop), QPointF(page.width(), summaryTop));
  QFont font("DejaVu Sans", 11);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
  painter.setFont(font);
  painter.setPen(style.accent);
  painter.drawText(QRectF(30, 120, 170, 20), Qt::AlignLeft, "CUES");
  painter.drawText(QRectF(cueRight + 20, 120, 300, 20), Qt::AlignLeft, "NOTES");
  painter.drawText(QRectF(30, summaryTop + 12, 300, 20), Qt::AlignLeft, "SUMMARY");
  painter.drawText(QRectF(30, 70, 300, 20), Qt::AlignLeft, "TOPIC");
  painter.drawText(QRectF(page.width() - 230, 70, 200, 20), Qt::AlignLeft, "DATE");
  painter.restore();
  paintLines(painter, style.ink, 30, page.width() - 30, summaryTop + 60, 920, kLineSpacing);
}

void PaperPainter::paintMusic(QPainter &painter, const PaperStyle &style) {
  const QSizeF page = pageSize();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(hairline(style.ink, 1.0));
  const qreal gap = 8;
  const int staves = 10;
  const qreal top = 105;
  const qreal pitch = (page.height() - top - 70) / staves;
  for (int s = 0; s < staves; ++s) {
    const qreal y0 = top + s * pitch;
    for (int line = 0; line < 5; ++line)
      painter.drawLine(QPointF(50, y0 + line * gap), QPointF(page.width() - 50, y0 + line * gap));
    painter.drawLine(QPointF(50, y0), QPointF(50, y0 + 4 * gap));
    painter.drawLine(QPointF(page.width() - 50, y0), QPointF(page.width() - 50, y0 + 4 * gap));
  }
  painter.restore();
}
