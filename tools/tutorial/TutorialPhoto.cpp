#include "TutorialPhoto.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {
// A ridge across the picture: a wavy top edge filled down to the bottom.
QPainterPath ridge(double width, double height, double base, double amplitude, double phase) {
  QPainterPath path(QPointF(0, height));
  for (int x = 0; x <= 40; ++x) {
    const double u = x / 40.0;
    const double y = base + amplitude * (0.6 * qSin(u * 5.1 + phase) + 0.4 * qSin(u * 11.3 + phase * 2));
    path.lineTo(u * width, y);
  }
  path.lineTo(width, height);
  path.closeSubpath();
  return path;
}

void paintSunset(QPainter &p, double w, double h) {
  QLinearGradient sky(0, 0, 0, h * 0.62);
  sky.setColorAt(0, QColor(0x3d, 0x4f, 0x8f));
  sky.setColorAt(0.55, QColor(0xe9, 0x8a, 0x6b));
  sky.setColorAt(1, QColor(0xf8, 0xd0, 0x8a));
  p.fillRect(QRectF(0, 0, w, h), sky);
  QRadialGradient sun(QPointF(w * 0.66, h * 0.5), h * 0.3);
  sun.setColorAt(0, QColor(255, 244, 214, 255));
  sun.setColorAt(0.18, QColor(255, 230, 170, 230));
  sun.setColorAt(1, QColor(255, 200, 140, 0));
  p.fillRect(QRectF(0, 0, w, h), sun);
  const QColor hills[] = {QColor(0x8a, 0x5f, 0x7a), QColor(0x5e, 0x47, 0x6b), QColor(0x39, 0x33, 0x52)};
  for (int i = 0; i < 3; ++i)
    p.fillPath(ridge(w, h, h * (0.42 + i * 0.08), h * (0.07 - i * 0.015), i * 1.7), hills[i]);
  QLinearGradient lake(0, h * 0.64, 0, h);
  lake.setColorAt(0, QColor(0xf0, 0xb4, 0x8c));
  lake.setColorAt(1, QColor(0x3a, 0x46, 0x7a));
  p.fillRect(QRectF(0, h * 0.64, w, h * 0.36), lake);
  p.setPen(QPen(QColor(255, 240, 210, 120), h * 0.006, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 7; ++i) {
    const double y = h * (0.67 + i * 0.04);
    const double half = w * (0.08 - i * 0.008);
    p.drawLine(QPointF(w * 0.66 - half, y), QPointF(w * 0.66 + half, y));
  }
}

void paintSea(QPainter &p, double w, double h) {
  QLinearGradient sky(0, 0, 0, h * 0.6);
  sky.setColorAt(0, QColor(0x7f, 0xb6, 0xe0));
  sky.setColorAt(1, QColor(0xe4, 0xf1, 0xf7));
  p.fillRect(QRectF(0, 0, w, h), sky);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 200));
  for (int i = 0; i < 3; ++i) {
    const QPointF c(w * (0.2 + i * 0.3), h * (0.16 + (i % 2) * 0.08));
    for (int k = 0; k < 4; ++k)
      p.drawEllipse(c + QPointF((k - 1.5) * w * 0.035, (k % 2) * -h * 0.02), w * 0.05, h * 0.045);
  }
  QLinearGradient sea(0, h * 0.58, 0, h);
  sea.setColorAt(0, QColor(0x3f, 0x8f, 0xb5));
  sea.setColorAt(1, QColor(0x1c, 0x4e, 0x78));
  p.fillRect(QRectF(0, h * 0.58, w, h * 0.42), sea);
  p.setPen(QPen(QColor(255, 255, 255, 90), h * 0.005, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 14; ++i) {
    const double y = h * (0.63 + (i % 7) * 0.05);
    const double x = w * (0.07 * i + 0.03 * (i % 3));
    p.drawLine(QPointF(x, y), QPointF(x + w * 0.06, y));
  }
  const QPointF hull(w * 0.42, h * 0.6);
  QPainterPath boat;
  boat.moveTo(hull + QPointF(-w * 0.09, 0));
  boat.lineTo(hull + QPointF(w * 0.09, 0));
  boat.lineTo(hull + QPointF(w * 0.065, h * 0.04));
  boat.lineTo(hull + QPointF(-w * 0.065, h * 0.04));
  boat.closeSubpath();
  p.setPen(Qt::NoPen);
  p.fillPath(boat, QColor(0x8c, 0x3b, 0x32));
  QPainterPath sail;
  sail.moveTo(hull + QPointF(0, -h * 0.01));
  sail.lineTo(hull + QPointF(0, -h * 0.3));
  sail.quadTo(hull + QPointF(w * 0.08, -h * 0.15), hull + QPointF(w * 0.085, -h * 0.01));
  sail.closeSubpath();
  p.fillPath(sail, QColor(0xfb, 0xf6, 0xea));
  QPainterPath jib;
  jib.moveTo(hull + QPointF(-w * 0.008, -h * 0.27));
  jib.lineTo(hull + QPointF(-w * 0.008, -h * 0.01));
  jib.lineTo(hull + QPointF(-w * 0.07, -h * 0.01));
  jib.closeSubpath();
  p.fillPath(jib, QColor(0xf2, 0xe6, 0xcf));
}
} // namespace

namespace TutorialPhoto {

QImage paint(int motif, const QSize &pixels) {
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  if (motif == 0)
    paintSunset(painter, pixels.width(), pixels.height());
  else
    paintSea(painter, pixels.width(), pixels.height());
  return image;
}

} // namespace TutorialPhoto
