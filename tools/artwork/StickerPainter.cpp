#include "StickerPainter.h"

#include "ArtworkImage.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <functional>

namespace {
const QColor kInk(0x4a, 0x33, 0x22);
const QColor kFace(0xff, 0xd3, 0x4e);
const QColor kRed(0xe8, 0x4a, 0x4a);
const QColor kPink(0xff, 0x8f, 0xa8);
const QColor kBlue(0x4a, 0x9b, 0xe0);
const QColor kGreen(0x5c, 0xb8, 0x5c);
const QColor kOrange(0xf5, 0x9a, 0x30);
const QColor kGrey(0xc9, 0xd2, 0xdc);
const QPointF kCentre(24, 24);

QPainterPath circle(const QPointF &c, double r) {
  QPainterPath path;
  path.addEllipse(c, r, r);
  return path;
}

// Overlapping pieces as one outline (the default odd-even rule would cut holes).
QPainterPath merged(QPainterPath path) {
  path.setFillRule(Qt::WindingFill);
  return path.simplified();
}

QPainterPath heartPath(const QPointF &c, double s) {
  QPainterPath path(c + QPointF(0, 13) * s);
  path.cubicTo(c + QPointF(-20, 0) * s, c + QPointF(-12, -16) * s, c + QPointF(0, -7) * s);
  path.cubicTo(c + QPointF(12, -16) * s, c + QPointF(20, 0) * s, c + QPointF(0, 13) * s);
  return path;
}

QPainterPath starPath(const QPointF &c, double outer, double inner, int points = 5) {
  QPainterPath path;
  for (int k = 0; k < 2 * points; ++k) {
    const double a = -M_PI / 2 + k * M_PI / points;
    const QPointF p = c + QPointF(qCos(a), qSin(a)) * (k % 2 ? inner : outer);
    k ? path.lineTo(p) : path.moveTo(p);
  }
  path.closeSubpath();
  return path;
}

QPainterPath cloudPath(const QPointF &c, double s) {
  QPainterPath path;
  path.addEllipse(c + QPointF(-10, 0) * s, 8 * s, 7 * s);
  path.addEllipse(c + QPointF(0, -5) * s, 10 * s, 9 * s);
  path.addEllipse(c + QPointF(10, 1) * s, 8 * s, 6.5 * s);
  path.addRoundedRect(QRectF(c + QPointF(-17, 0) * s, QSizeF(34, 8) * s), 4 * s, 4 * s);
  return merged(path);
}

QPainterPath roundedRect(const QRectF &rect, double radius) {
  QPainterPath path;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

class Sticker {
public:
  explicit Sticker(QPainter &painter) : p(painter) {}

  // The white border and shadow around the silhouette, then its colour.
  void base(const QPainterPath &shape, const QColor &color) {
    QPainterPathStroker border;
    border.setWidth(6);
    border.setJoinStyle(Qt::RoundJoin);
    const QPainterPath outline = border.createStroke(shape).united(shape);
    p.fillPath(outline.translated(0, 1.2), QColor(0, 0, 0, 55));
    p.fillPath(outline, Qt::white);
    p.fillPath(shape, color);
  }
  void fill(const QPainterPath &shape, const QColor &color) { p.fillPath(shape, color); }
  void line(const QList<QPointF> &points, const QColor &color, double width = 1.8) {
    QPainterPath path(points.first());
    for (int i = 1; i < points.size(); ++i)
      path.lineTo(points.at(i));
    stroke(path, color, width);
  }
  void stroke(const QPainterPath &path, const QColor &color, double width = 1.8) {
    p.strokePath(path, QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  void arc(const QPointF &c, double rx, double ry, double startDeg, double spanDeg,
           const QColor &color, double width = 1.8) {
    QPainterPath path;
    path.arcMoveTo(QRectF(c - QPointF(rx, ry), QSizeF(2 * rx, 2 * ry)), startDeg);
    path.arcTo(QRectF(c - QPointF(rx, ry), QSizeF(2 * rx, 2 * ry)), startDeg, spanDeg);
    stroke(path, color, width);
  }
  void dot(const QPointF &c, double r, const QColor &color) { fill(circle(c, r), color); }

  QPainter &p;
};

// Faces share the round yellow head; the features vary.
void face(Sticker &s, const std::function<void(Sticker &)> &features) {
  s.base(circle(kCentre, 17), kFace);
  s.arc(kCentre, 15.5, 15.5, 200, 140, QColor(0xf0, 0xb4, 0x2c), 2.2); // shade along the chin
  features(s);
}

void eyes(Sticker &s) {
  s.dot({18, 20}, 2.2, kInk);
  s.dot({30, 20}, 2.2, kInk);
}
void cheeks(Sticker &s) {
  s.dot({14.5, 27}, 2.6, QColor(255, 130, 120, 120));
  s.dot({33.5, 27}, 2.6, QColor(255, 130, 120, 120));
}
void smile(Sticker &s) { s.arc({24, 25}, 7, 5.5, 200, 140, kInk, 2); }
QPainterPath grinPath() {
  QPainterPath mouth(QPointF(15, 26));
  mouth.cubicTo(QPointF(16, 36), QPointF(32, 36), QPointF(33, 26));
  mouth.closeSubpath();
  return mouth;
}

void paintFace(Sticker &s, int n) {
  switch (n) {
  case 1: face(s, [](Sticker &s) { eyes(s); smile(s); cheeks(s); }); break;
  case 2: face(s, [](Sticker &s) {
      s.arc({18, 21}, 3, 2.5, 20, 140, kInk); s.arc({30, 21}, 3, 2.5, 20, 140, kInk);
      s.fill(grinPath(), kInk); s.fill(circle({24, 33}, 3.5), kRed); });
    break;
  case 3: face(s, [](Sticker &s) { s.dot({18, 20}, 2.2, kInk); s.line({{27, 20}, {32, 20}}, kInk, 2); smile(s); });
    break;
  case 4: face(s, [](Sticker &s) {
      s.fill(heartPath({18, 20}, 0.32), kRed); s.fill(heartPath({30, 20}, 0.32), kRed); smile(s); });
    break;
  case 5: face(s, [](Sticker &s) {
      s.fill(roundedRect({12, 16, 10.5, 7}, 3), kInk); s.fill(roundedRect({25.5, 16, 10.5, 7}, 3), kInk);
      s.line({{22, 18}, {26, 18}}, kInk, 1.6); s.arc({24, 26}, 6, 4, 200, 140, kInk); });
    break;
  case 6: face(s, [](Sticker &s) { eyes(s); s.fill(circle({24, 30}, 3.6), kInk); }); break;
  case 7: face(s, [](Sticker &s) { eyes(s); s.arc({24, 34}, 6, 4.5, 20, 140, kInk, 2); }); break;
  case 8: face(s, [](Sticker &s) {
      s.arc({18, 20}, 3, 2, 200, 140, kInk); s.arc({30, 20}, 3, 2, 200, 140, kInk);
      s.line({{20, 30}, {28, 30}}, kInk, 2);
      s.line({{33, 10}, {39, 10}, {33, 16}, {39, 16}}, kBlue, 1.6); });
    break;
  case 9: face(s, [](Sticker &s) {
      s.line({{15, 16}, {21, 19}}, kInk, 2); s.line({{33, 16}, {27, 19}}, kInk, 2);
      s.dot({18, 22}, 2, kInk); s.dot({30, 22}, 2, kInk); s.arc({24, 34}, 6, 4, 20, 140, kInk, 2); });
    break;
  case 10: face(s, [](Sticker &s) {
      eyes(s); cheeks(s);
      QPainterPath lips; lips.addEllipse(QPointF(24, 29), 2.5, 3); s.stroke(lips, kInk, 1.8);
      s.fill(heartPath({35, 29}, 0.3), kRed); });
    break;
  case 11: face(s, [](Sticker &s) {
      s.fill(starPath({18, 20}, 4.5, 2), kOrange); s.fill(starPath({30, 20}, 4.5, 2), kOrange);
      s.fill(grinPath(), kInk); });
    break;
  case 12: face(s, [](Sticker &s) {
      eyes(s); s.arc({24, 25}, 7, 5.5, 200, 140, kInk, 2);
      QPainterPath tongue; tongue.addEllipse(QPointF(26.5, 31.5), 3, 3.5); s.fill(tongue, kPink); });
    break;
  case 13: face(s, [](Sticker &s) {
      s.line({{15.5, 18}, {20.5, 22}}, kInk, 1.8); s.line({{20.5, 18}, {15.5, 22}}, kInk, 1.8);
      s.line({{27.5, 18}, {32.5, 22}}, kInk, 1.8); s.line({{32.5, 18}, {27.5, 22}}, kInk, 1.8);
      s.arc({24, 31}, 4, 3, 0, 180, kInk, 2); });
    break;
  case 14: face(s, [](Sticker &s) {
      eyes(s); smile(s);
      QPainterPath drop(QPointF(37, 12)); drop.quadTo(QPointF(41, 19), QPointF(37, 20));
      drop.quadTo(QPointF(33, 19), QPointF(37, 12)); s.fill(drop, kBlue); });
    break;
  case 15: face(s, [](Sticker &s) {
      eyes(s); s.line({{19, 30}, {29, 30}}, kInk, 2); });
    break;
  case 16: face(s, [](Sticker &s) {
      s.dot({18, 20}, 2.2, kInk); s.dot({30, 20}, 2.2, kInk);
      QPainterPath tear(QPointF(30, 23)); tear.quadTo(QPointF(34, 30), QPointF(30, 31));
      tear.quadTo(QPointF(26, 30), QPointF(30, 23)); s.fill(tear, kBlue);
      s.arc({22, 33}, 5, 3.5, 20, 140, kInk, 2); });
    break;
  case 17: face(s, [](Sticker &s) {
      s.fill(circle({18, 20}, 4), Qt::white); s.fill(circle({30, 20}, 4), Qt::white);
      s.dot({19, 21}, 2, kInk); s.dot({31, 21}, 2, kInk); s.fill(grinPath(), kInk); });
    break;
  case 18: face(s, [](Sticker &s) {
      s.arc({18, 21}, 3, 2.5, 20, 140, kInk); s.arc({30, 21}, 3, 2.5, 20, 140, kInk); smile(s); cheeks(s);
      QPainterPath halo; halo.addEllipse(QPointF(24, 6.5), 10, 3); s.stroke(halo, kOrange, 2); });
    break;
  case 19: face(s, [](Sticker &s) {
      s.line({{15, 20}, {21, 20}}, kInk, 2); s.line({{27, 20}, {33, 20}}, kInk, 2);
      s.arc({24, 29}, 4, 2.5, 200, 140, kInk, 2);
      QPainterPath cap; cap.moveTo(10, 13); cap.quadTo(24, -2, 38, 13); cap.closeSubpath(); s.fill(cap, kRed);
      s.dot({24, 3.5}, 2.5, Qt::white); });
    break;
  default: face(s, [](Sticker &s) {
      s.dot({18, 20}, 2.2, kInk); s.dot({30, 20}, 2.2, kInk); s.dot({24, 30}, 2, kInk);
      QFont font("DejaVu Sans", 1); font.setPixelSize(9); font.setBold(true);
      s.p.setFont(font); s.p.setPen(kBlue); s.p.drawText(QPointF(32, 12), "z"); s.p.drawText(QPointF(37, 7), "z"); });
    break;
  }
}

void paintThing(Sticker &s, int n) {
  switch (n) {
  case 21: s.base(heartPath(kCentre + QPointF(0, 2), 1.15), kRed);
    s.arc({18, 19}, 4, 4, 110, 80, QColor(255, 255, 255, 150), 2); break;
  case 22: s.base(heartPath({19, 20}, 0.75).united(heartPath({30, 28}, 0.65)), kPink);
    s.fill(heartPath({30, 28}, 0.65), QColor(0xf0, 0x5a, 0x8a)); break;
  case 23: s.base(starPath(kCentre + QPointF(0, 1.5), 19, 8.5), kFace);
    s.fill(starPath(kCentre + QPointF(0, 1.5), 12, 5.5), QColor(0xff, 0xe4, 0x8a)); break;
  case 24: s.base(starPath({18, 26}, 13, 3.5, 4).united(starPath({34, 13}, 8, 2.2, 4)), kOrange); break;
  case 25: {
    QPainterPath sun = circle(kCentre, 10);
    for (int k = 0; k < 8; ++k) {
      const double a = k * M_PI / 4;
      sun.addEllipse(kCentre + QPointF(qCos(a), qSin(a)) * 16, 3.2, 3.2);
    }
    s.base(merged(sun), kOrange);
    s.fill(circle(kCentre, 8), kFace); break;
  }
  case 26: s.base(cloudPath(kCentre + QPointF(0, 3), 1.15), Qt::white);
    s.stroke(cloudPath(kCentre + QPointF(0, 3), 1.15), kGrey, 1.4); break;
  case 27: {
    QPainterPath shape = cloudPath({24, 18}, 1.0);
    for (int k = 0; k < 3; ++k) {
      QPainterPath drop(QPointF(15 + k * 9, 30));
      drop.quadTo(QPointF(19 + k * 9, 37), QPointF(15 + k * 9, 39));
      drop.quadTo(QPointF(11 + k * 9, 37), QPointF(15 + k * 9, 30));
      shape.addPath(drop);
    }
    s.base(merged(shape), kBlue);
    s.fill(cloudPath({24, 18}, 1.0), QColor(0xe8, 0xee, 0xf4)); break;
  }
  case 28: {
    QPainterPath flake;
    for (int k = 0; k < 6; ++k) {
      const double a = k * M_PI / 3;
      const QPointF tip = kCentre + QPointF(qCos(a), qSin(a)) * 16;
      flake.moveTo(kCentre); flake.lineTo(tip);
      const QPointF mid = kCentre + QPointF(qCos(a), qSin(a)) * 10;
      flake.moveTo(mid + QPointF(qCos(a + 0.8), qSin(a + 0.8)) * 5); flake.lineTo(mid);
      flake.lineTo(mid + QPointF(qCos(a - 0.8), qSin(a - 0.8)) * 5);
    }
    QPainterPathStroker stroker; stroker.setWidth(3.4); stroker.setCapStyle(Qt::RoundCap);
    s.base(stroker.createStroke(flake).simplified(), kBlue); break;
  }
  case 29: s.base(circle(kCentre, 16).subtracted(circle(kCentre + QPointF(8, -6), 13)), kFace);
    s.dot({33, 30}, 1.6, kFace); break;
  case 30: {
    QPainterPath bolt(QPointF(27, 5));
    bolt.lineTo(12, 27); bolt.lineTo(23, 27); bolt.lineTo(19, 43); bolt.lineTo(36, 19);
    bolt.lineTo(25, 19); bolt.closeSubpath();
    s.base(bolt, kFace); break;
  }
  case 31: {
    QPainterPath bow;
    const QColor bands[] = {kRed, kOrange, kFace, kGreen, kBlue};
    QPainterPath outer;
    outer.arcMoveTo(QRectF(6, 12, 36, 36), 0); outer.arcTo(QRectF(6, 12, 36, 36), 0, 180);
    outer.lineTo(16, 30); outer.arcTo(QRectF(16, 22, 16, 16), 180, -180); outer.closeSubpath();
    s.base(outer, Qt::white);
    for (int k = 0; k < 5; ++k) {
      const double r = 17 - k * 1.8;
      s.arc({24, 30}, r, r, 0, 180, bands[k], 2);
    }
    break;
  }
  case 32: {
    QPainterPath flower;
    for (int k = 0; k < 5; ++k) {
      const double a = -M_PI / 2 + k * 2 * M_PI / 5;
      flower.addEllipse(kCentre + QPointF(qCos(a), qSin(a)) * 9, 7.5, 7.5);
    }
    s.base(merged(flower), kPink);
    s.fill(circle(kCentre, 5.5), kFace); break;
  }
  case 33: {
    QPainterPath leaf(QPointF(10, 38));
    leaf.cubicTo(QPointF(8, 18), QPointF(24, 8), QPointF(40, 8));
    leaf.cubicTo(QPointF(40, 26), QPointF(28, 40), QPointF(10, 38));
    s.base(leaf, kGreen);
    s.line({{10, 38}, {24, 24}, {34, 14}}, QColor(0x3d, 0x8c, 0x46), 1.6); break;
  }
  case 34: {
    QPainterPath clover;
    for (int k = 0; k < 4; ++k)
      clover.addPath(heartPath({0, 0}, 0.5) * QTransform().translate(24, 22).rotate(k * 90 + 180).translate(0, -7));
    QPainterPathStroker stem; stem.setWidth(2.6); stem.setCapStyle(Qt::RoundCap);
    QPainterPath stemPath(QPointF(24, 24)); stemPath.quadTo(QPointF(26, 36), QPointF(32, 42));
    s.base(merged(clover).united(stem.createStroke(stemPath)), kGreen); break;
  }
  case 35: {
    QPainterPath apple = circle({19, 27}, 11).united(circle({29, 27}, 11));
    s.base(apple.simplified(), kRed);
    s.line({{24, 18}, {25, 10}}, kInk, 2);
    QPainterPath leaf(QPointF(25, 12)); leaf.quadTo(QPointF(30, 6), QPointF(35, 9)); leaf.quadTo(QPointF(31, 14), QPointF(25, 12));
    s.fill(leaf, kGreen); s.arc({18, 24}, 5, 5, 110, 70, QColor(255, 255, 255, 140), 2); break;
  }
  case 36: {
    QPainterPath stems(QPointF(16, 32)); stems.quadTo(QPointF(22, 14), QPointF(30, 8)); stems.quadTo(QPointF(30, 20), QPointF(33, 34));
    QPainterPathStroker st; st.setWidth(2.4); st.setCapStyle(Qt::RoundCap);
    s.base(circle({15, 34}, 7.5).united(circle({33, 35}, 7.5)).united(st.createStroke(stems)).simplified(), kRed);
    s.stroke(stems, kGreen, 2); s.fill(circle({15, 34}, 7.5), kRed); s.fill(circle({33, 35}, 7.5), kRed); break;
  }
  case 37: {
    QPainterPath cup(QPointF(11, 18)); cup.lineTo(33, 18); cup.lineTo(31, 38); cup.quadTo(22, 41, 13, 38); cup.closeSubpath();
    QPainterPath handle; handle.addEllipse(QPointF(34, 25), 6, 5.5);
    s.base(cup.united(handle).simplified(), Qt::white);
    s.fill(cup, QColor(0xe9, 0x7f, 0x55)); s.fill(handle.subtracted(circle({34, 25}, 3)).subtracted(cup), QColor(0xe9, 0x7f, 0x55));
    s.line({{17, 13}, {19, 9}, {17, 5}}, kGrey, 1.6); s.line({{25, 13}, {27, 9}, {25, 5}}, kGrey, 1.6); break;
  }
  case 38: {
    QPainterPath cake = roundedRect({12, 24, 24, 16}, 3).united(circle({24, 22}, 12).intersected(roundedRect({8, 10, 32, 14}, 0)));
    s.base(cake.simplified(), QColor(0xd9, 0x9a, 0x5b));
    s.fill(circle({24, 22}, 12).intersected(roundedRect({8, 10, 32, 14}, 0)), kPink);
    s.dot({24, 9}, 3, kRed);
    for (int k = 0; k < 3; ++k) s.line({{15 + k * 9.0, 27}, {15 + k * 9.0, 38}}, QColor(0xb8, 0x7a, 0x40), 1.4);
    break;
  }
  case 39: {
    QPainterPath box = roundedRect({9, 19, 30, 21}, 2).united(roundedRect({7, 13, 34, 8}, 2));
    s.base(box, kBlue);
    s.p.fillRect(QRectF(21.5, 13, 5, 27), kFace);
    s.arc({18, 12}, 5, 4, 270, 300, kFace, 2.4); s.arc({30, 12}, 5, 4, -90, -300, kFace, 2.4); break;
  }
  case 40: {
    QPainterPath balloon; balloon.addEllipse(QPointF(24, 19), 12, 14);
    QPainterPath string(QPointF(24, 33)); string.cubicTo(QPointF(20, 37), QPointF(28, 40), QPointF(23, 45));
    QPainterPathStroker st; st.setWidth(1.6); st.setCapStyle(Qt::RoundCap);
    s.base(balloon.united(st.createStroke(string)).simplified(), kRed);
    s.fill(balloon, kRed); s.stroke(string, kInk, 1.2); s.arc({20, 15}, 5, 6, 110, 70, QColor(255, 255, 255, 150), 2.2); break;
  }
  case 41: s.base(circle(kCentre, 17), kGreen); s.line({{15, 24.5}, {21.5, 31}, {33, 18}}, Qt::white, 4); break;
  case 42: s.base(circle(kCentre, 17), kRed); s.line({{17, 17}, {31, 31}}, Qt::white, 4); s.line({{31, 17}, {17, 31}}, Qt::white, 4); break;
  case 43: s.base(circle(kCentre, 17), kOrange); s.line({{24, 14}, {24, 27}}, Qt::white, 4.4); s.dot({24, 34}, 2.6, Qt::white); break;
  case 44: {
    s.base(circle(kCentre, 17), kBlue);
    QPainterPath q(QPointF(18.5, 19)); q.cubicTo(QPointF(18, 11), QPointF(31, 11), QPointF(30, 19));
    q.cubicTo(QPointF(29.5, 24), QPointF(24, 23), QPointF(24, 28));
    s.stroke(q, Qt::white, 4); s.dot({24, 34.5}, 2.6, Qt::white); break;
  }
  case 45: {
    QPainterPath note = circle({16, 35}, 6).united(circle({33, 31}, 6));
    QPainterPath beam(QPointF(20, 12)); beam.lineTo(38, 7); beam.lineTo(38, 13); beam.lineTo(20, 18); beam.closeSubpath();
    QPainterPathStroker st; st.setWidth(3); QPainterPath stems(QPointF(20.5, 35)); stems.lineTo(20.5, 13); stems.moveTo(37.5, 31); stems.lineTo(37.5, 8);
    s.base(note.united(beam).united(st.createStroke(stems)).simplified(), QColor(0x8e, 0x5c, 0xc8)); break;
  }
  case 46: {
    QPainterPath bulb = circle({24, 19}, 12).united(roundedRect({18, 27, 12, 12}, 2));
    s.base(bulb.simplified(), kFace);
    s.p.fillRect(QRectF(18, 31, 12, 8), kGrey);
    s.line({{19, 33.5}, {29, 33.5}}, QColor(0x9a, 0xa6, 0xb2), 1.2); s.line({{19, 36.5}, {29, 36.5}}, QColor(0x9a, 0xa6, 0xb2), 1.2);
    s.arc({24, 19}, 7, 7, 110, 70, QColor(255, 255, 255, 170), 2.2); break;
  }
  case 47: {
    QPainterPath pin(QPointF(24, 44)); pin.cubicTo(QPointF(12, 30), QPointF(9, 24), QPointF(9, 18));
    pin.arcTo(QRectF(9, 3, 30, 30), 180, -180); pin.cubicTo(QPointF(39, 24), QPointF(36, 30), QPointF(24, 44));
    s.base(pin, kRed); s.fill(circle({24, 18}, 5.5), Qt::white); break;
  }
  case 48: {
    QPainterPath flag(QPointF(14, 8)); flag.cubicTo(QPointF(22, 4), QPointF(28, 12), QPointF(38, 8));
    flag.lineTo(38, 24); flag.cubicTo(QPointF(28, 28), QPointF(22, 20), QPointF(14, 24)); flag.closeSubpath();
    QPainterPathStroker st; st.setWidth(3); st.setCapStyle(Qt::RoundCap); QPainterPath pole(QPointF(13, 7)); pole.lineTo(13, 43);
    s.base(flag.united(st.createStroke(pole)).simplified(), kInk); s.fill(flag, kGreen); break;
  }
  case 49: {
    QPainterPath house(QPointF(24, 7)); house.lineTo(41, 22); house.lineTo(37, 22); house.lineTo(37, 40);
    house.lineTo(11, 40); house.lineTo(11, 22); house.lineTo(7, 22); house.closeSubpath();
    s.base(house, QColor(0xf2, 0xe3, 0xc6));
    QPainterPath roof(QPointF(24, 7)); roof.lineTo(41, 22); roof.lineTo(7, 22); roof.closeSubpath();
    s.fill(roof, kRed); s.fill(roundedRect({20.5, 28, 7, 12}, 1), QColor(0x9a, 0x62, 0x3a)); break;
  }
  default: {
    QPainterPath paw = circle({24, 31}, 8.5);
    paw.addEllipse(QPointF(13, 21), 4, 5); paw.addEllipse(QPointF(20, 14), 4, 5);
    paw.addEllipse(QPointF(28, 14), 4, 5); paw.addEllipse(QPointF(35, 21), 4, 5);
    s.base(merged(paw), QColor(0x9a, 0x6b, 0x4f)); break;
  }
  }
}
} // namespace

QImage StickerPainter::paint(int number) {
  QImage image = ArtworkImage::blank(QSizeF(48, 48), 2, false);
  if (number < 1 || number > count())
    return image;
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  Sticker sticker(painter);
  if (number <= 20)
    paintFace(sticker, number);
  else
    paintThing(sticker, number);
  return image;
}
