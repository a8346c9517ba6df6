#include "SampleLandscape.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

namespace {
QPainterPath hill(double width, double height, double base, double crest, double phase) {
  QPainterPath path(QPointF(0, height));
  path.lineTo(0, base);
  const int steps = 6;
  for (int i = 0; i < steps; ++i) {
    const double x0 = width * i / steps;
    const double x1 = width * (i + 1) / steps;
    const double lift = (i + int(phase)) % 2 ? crest : crest * 0.45;
    path.quadTo((x0 + x1) / 2, base - lift, x1, base - crest * 0.2);
  }
  path.lineTo(width, height);
  path.closeSubpath();
  return path;
}

void addGrain(QImage &image) {
  quint32 state = 0x9e3779b9u;
  for (int y = 0; y < image.height(); ++y) {
    auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      state = state * 1664525u + 1013904223u;
      const int grain = int(state >> 29) - 4; // -4..3
      auto channel = [grain](int value) { return std::clamp(value + grain, 0, 255); };
      row[x] = qRgb(channel(qRed(row[x])), channel(qGreen(row[x])), channel(qBlue(row[x])));
    }
  }
}
} // namespace

QImage renderSampleLandscape(const QSize &size) {
  QImage image(size, QImage::Format_RGB32);
  const double w = size.width();
  const double h = size.height();
  const double unit = std::min(w, h);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);

  QLinearGradient sky(0, 0, 0, h * 0.65);
  sky.setColorAt(0.0, QColor(38, 92, 170));
  sky.setColorAt(0.6, QColor(126, 178, 222));
  sky.setColorAt(1.0, QColor(250, 205, 150));
  painter.fillRect(image.rect(), sky);

  const QPointF sun(w * 0.7, h * 0.34);
  QRadialGradient glow(sun, unit * 0.28);
  glow.setColorAt(0.0, QColor(255, 236, 170, 200));
  glow.setColorAt(1.0, QColor(255, 236, 170, 0));
  painter.setBrush(glow);
  painter.drawEllipse(sun, unit * 0.28, unit * 0.28);
  painter.setBrush(QColor(255, 226, 120));
  painter.drawEllipse(sun, unit * 0.08, unit * 0.08);

  painter.setBrush(QColor(92, 126, 150));
  painter.drawPath(hill(w, h, h * 0.62, h * 0.16, 0));
  QLinearGradient near(0, h * 0.6, 0, h);
  near.setColorAt(0.0, QColor(92, 150, 66));
  near.setColorAt(1.0, QColor(40, 88, 34));
  painter.setBrush(near);
  painter.drawPath(hill(w, h, h * 0.78, h * 0.12, 1));

  const double trunkX = w * 0.26;
  painter.setBrush(QColor(96, 62, 36));
  painter.drawRect(QRectF(trunkX - unit * 0.025, h * 0.5, unit * 0.05, h * 0.3));
  painter.setBrush(QColor(34, 104, 44));
  painter.drawEllipse(QPointF(trunkX, h * 0.45), unit * 0.15, unit * 0.13);
  painter.setBrush(QColor(64, 140, 58));
  painter.drawEllipse(QPointF(trunkX + unit * 0.05, h * 0.41), unit * 0.08, unit * 0.07);

  painter.setBrush(QColor(226, 84, 70));
  for (int i = 0; i < 9; ++i)
    painter.drawEllipse(QPointF(w * (0.45 + 0.05 * i), h * (0.88 + 0.02 * (i % 3))), unit * 0.012, unit * 0.012);
  painter.end();
  addGrain(image);
  return image;
}
