#include "TutorialPages.h"

#include "InkPainter.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QtMath>

namespace TutorialPages {
namespace {
const QColor kInk(0x2b, 0x3a, 0x67);
const QColor kRed(0xc8, 0x3b, 0x3b);
const QColor kGreen(0x3f, 0x8a, 0x5a);
const QColor kGrey(0x6b, 0x6e, 0x75);
const QColor kYellowMarker(255, 214, 64, 110);
const QColor kGreenMarker(120, 214, 140, 110);
const QColor kPinkMarker(255, 130, 170, 100);
constexpr double kLeft = 60;
constexpr double kWidth = 637;

TextBox title(const QString &text, const QString &subtitle = QString()) {
  TextBox box{{kLeft, 36}, kWidth, {{text, 34, QColor(0x24, 0x27, 0x2e)}}};
  if (!subtitle.isEmpty())
    box.runs << TextRun{"\n" + subtitle, 17, kGrey};
  return box;
}

TextBox body(double x, double y, double width, const QString &text, double size = 17) {
  return {{x, y}, width, {{text, size}}};
}

// A labelled paragraph: a coloured lead word, then the explanation.
TextBox lead(double y, const QString &word, const QColor &color, const QString &text) {
  return {{kLeft, y}, kWidth, {{word + "  ", 21, color}, {text, 17}}};
}

// Where the title's first line ends, so the marker lies under the words.
double titleWidth(const QString &text) {
  QFont font = QGuiApplication::font();
  font.setPointSizeF(34);
  return QFontMetricsF(font).horizontalAdvance(text);
}

QList<QPointF> wave(double x0, double x1, double y, double amplitude, double waves) {
  QList<QPointF> points;
  for (int k = 0; k <= 24; ++k) {
    const double u = k / 24.0;
    points << QPointF(x0 + u * (x1 - x0), y + amplitude * qSin(u * waves * 2 * M_PI));
  }
  return points;
}

void highlightTitle(InkPainter &ink, const QString &text, const QColor &marker) {
  const double right = kLeft + 8 + titleWidth(text);
  ink.marker({{kLeft + 4, 86}, {(kLeft + right) / 2, 84}, {right, 85}}, marker, 22);
}

void paintFeather(InkPainter &ink, const QPointF &c, double scale) {
  const auto at = [&](double x, double y) { return c + QPointF(x, y) * scale; };
  ink.pen({at(-60, 120), at(-20, 40), at(30, -40), at(80, -110)}, kInk, 2.6);
  ink.pen({at(-28, 60), at(-56, 10), at(-30, -60), at(40, -100), at(80, -110)}, kInk, 2.2);
  ink.pen({at(-28, 60), at(20, 40), at(60, -20), at(78, -100)}, kInk, 2.2);
  for (int i = 0; i < 6; ++i) {
    const double t = i / 6.0;
    const QPointF on = at(-40 + t * 110, 60 - t * 160);
    ink.pen({on, on + QPointF(-22, -4) * scale * (1 - t * 0.5)}, kInk, 1.4);
    ink.pen({on, on + QPointF(18, 8) * scale * (1 - t * 0.5)}, kInk, 1.4);
  }
}

Page welcome() {
  Page page;
  page.texts << title("Welcome to Quill", "Your notebook for handwriting, pictures and clippings.")
             << body(kLeft, 180, 420,
                     "Every page has three layers: the paper at the back, the things you place "
                     "on it (text boxes, photos, recordings, videos and stickers) and your "
                     "handwriting on top of everything.")
             << body(kLeft, 370, 420,
                     "Pages open for reading. Flip the Read/Edit switch at the top left, next "
                     "to the back button, to start writing.")
             << body(kLeft, 520, kWidth,
                     "Turn pages with the arrows at the bottom of the screen, or swipe along "
                     "the bottom bar. The right arrow on the last page adds a new page. The "
                     "slim strip at the right edge scrubs through all pages.")
             << body(kLeft, 680, kWidth,
                     "This notebook shows every tool in a few pages. Write on it, try things "
                     "out: it is yours to scribble in.", 19);
  page.sketch = [](QPainter &p) {
    InkPainter ink(p);
    highlightTitle(ink, "Welcome to Quill", kYellowMarker);
    paintFeather(ink, {600, 330}, 1.0);
    ink.arrow({{180, 468}, {110, 430}, {60, 360}, {40, 260}, {34, 160}}, kRed, 2.4);
    // A signature-like flourish under the last paragraph.
    ink.pen(wave(kLeft, 420, 820, 9, 3.5), kInk, 2.2);
    ink.pen({{440, 810}, {470, 838}, {500, 796}}, kInk, 2.4);
  };
  return page;
}

Page drawing() {
  Page page;
  page.texts << title("Write and draw", "Tap a tool in the bar, then tap it again for its colour and size.")
             << lead(170, "Pen", kInk, "writes like a fountain pen: the faster your finger moves, "
                                      "the finer the line.")
             << lead(350, "Marker", QColor(0xc7, 0x8a, 0x22),
                     "is see-through, for highlighting words and colouring in.")
             << lead(520, "Rubber", kRed,
                     "rubs out handwriting. \"Clean page\" in its settings clears the whole page.")
             << lead(690, "Undo", kGreen,
                     "Turn two fingers on the page like a dial: anticlockwise to undo, "
                     "clockwise to redo, one step for every half turn.");
  page.sketch = [](QPainter &p) {
    InkPainter ink(p);
    highlightTitle(ink, "Write and draw", kGreenMarker);
    ink.pen(wave(80, 400, 270, 18, 2.5), kInk, 3);
    ink.pen(wave(80, 400, 300, 8, 5), kRed, 2);
    // A spiral, drawn in one go.
    QList<QPointF> spiral;
    for (int k = 0; k <= 60; ++k) {
      const double a = k * 0.32;
      spiral << QPointF(560, 280) + QPointF(qCos(a), qSin(a)) * (4 + k * 0.9);
    }
    ink.pen(spiral, kInk, 2.6);
    ink.marker({{80, 440}, {250, 436}, {420, 441}}, kYellowMarker, 24);
    ink.marker({{80, 476}, {250, 480}, {420, 475}}, kPinkMarker, 24);
    ink.marker({{470, 420}, {520, 480}, {570, 420}, {620, 480}, {670, 420}}, kGreenMarker, 20);
    // A zigzag with a rubbed-out gap.
    QList<QPointF> zigzag;
    for (int k = 0; k <= 12; ++k)
      zigzag << QPointF(90 + k * 45, k % 2 ? 600 : 640);
    ink.pen(zigzag, kInk, 3);
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    ink.marker({{300, 590}, {330, 650}, {360, 590}, {390, 650}}, Qt::black, 26);
    p.restore();
    ink.pen({{300, 670}, {345, 676}, {395, 668}}, kRed, 1.6);
    // Two arrows going round: undo and redo.
    QList<QPointF> back;
    QList<QPointF> forth;
    for (int k = 0; k <= 12; ++k) {
      const double a = M_PI * (0.15 + k * 0.06);
      back << QPointF(600, 810) + QPointF(qCos(a), -qSin(a)) * 50;
      forth << QPointF(600, 810) + QPointF(qCos(a + M_PI), -qSin(a + M_PI)) * 50;
    }
    ink.arrow(back, kGreen, 2.6);
    ink.arrow(forth, kInk, 2.6);
  };
  return page;
}

Page textAndPhotos() {
  Page page;
  page.texts << title("Text boxes and photos")
             << body(kLeft, 110, kWidth,
                     "With the text tool, double-tap the page for a new text box, or drag to "
                     "the right to give it a width. Drag a box to move it; drag its lower "
                     "right corner to make it larger.")
             << body(470, 330, 230,
                     "Photos come from the Insert menu. Take one or choose one, give it a "
                     "filter, and it flies onto the page. Move, turn and resize it with your "
                     "fingers.")
             << body(kLeft, 650, kWidth,
                     "The Insert menu also gives the page a new background, and adds videos, "
                     "voice recordings and music from your library.");
  page.photos << Photo{{250, 440}, {340, 255}, -0.06, 0};
  page.sketch = [](QPainter &p) {
    InkPainter ink(p);
    ink.arrow({{480, 560}, {460, 600}, {420, 580}}, kRed, 2.4);
    ink.ring({250, 440}, 200, 160, kYellowMarker.darker(130), 2);
    ink.pen(wave(kLeft, 360, 770, 6, 4), kInk, 2.2);
    // A small sun doodle next to the photo.
    ink.ring({640, 240}, 22, 22, QColor(0xe0, 0x9a, 0x20), 2.4);
    for (int k = 0; k < 8; ++k) {
      const double a = k * M_PI / 4;
      ink.pen({QPointF(640, 240) + QPointF(qCos(a), qSin(a)) * 32,
               QPointF(640, 240) + QPointF(qCos(a), qSin(a)) * 44},
              QColor(0xe0, 0x9a, 0x20), 2.2);
    }
  };
  return page;
}

Page collect() {
  Page page;
  page.texts << title("Clip, stamp and share")
             << lead(110, "Stickers", QColor(0xc7, 0x8a, 0x22),
                     "Choose one of fifty stickers, then tap the page to stamp it. Hold a "
                     "sticker for a moment to delete it.")
             << TextBox{{kLeft, 260}, 380, {{"Excerpt drawer  ", 21, kGreen},
                                     {"The drawer slides in over the page with a web browser "
                                      "and your Twitter timeline. Clip text, pictures and "
                                      "videos from it; they fly into your page.", 17}}}
             << lead(520, "Screenshot", kInk,
                     "Turn on the screenshot tool and frame any part of the screen to clip it "
                     "into the page.")
             << lead(660, "Share", kRed,
                     "Send the page as a picture by mail, to Twitter or to Facebook.");
  page.photos << Photo{{575, 360}, {230, 172}, 0.07, 1};
  page.stickers << Sticker{{560, 230}, 4} << Sticker{{612, 226}, 23} << Sticker{{664, 232}, 41};
  page.sketch = [](QPainter &p) {
    InkPainter ink(p);
    // A paper plane with its dotted flight.
    const QPointF plane(600, 800);
    ink.pen({plane + QPointF(-60, 10), plane + QPointF(40, -30), plane + QPointF(-20, 30),
             plane + QPointF(-60, 10)}, kInk, 2.4);
    ink.pen({plane + QPointF(-20, 30), plane + QPointF(-24, 6), plane + QPointF(40, -30)}, kInk, 2);
    for (int k = 0; k < 7; ++k) {
      const QPointF d = plane + QPointF(-90 - k * 34, 40 + 14 * qSin(k * 0.9));
      ink.pen({d, d + QPointF(12, -2)}, kGrey, 2);
    }
    // Stars.
    for (const QPointF c : {QPointF(520, 486), QPointF(650, 496), QPointF(420, 810)}) {
      QList<QPointF> star;
      for (int k = 0; k <= 5; ++k) {
        const double a = -M_PI / 2 + k * 4 * M_PI / 5;
        star << c + QPointF(qCos(a), qSin(a)) * 16;
      }
      ink.pen(star, QColor(0xe0, 0x9a, 0x20), 2.2);
    }
    ink.arrow({{440, 330}, {455, 350}, {462, 372}}, kGreen, 2.2);
  };
  return page;
}

Page shelf() {
  Page page;
  page.texts << title("Your notebooks")
             << body(kLeft, 110, kWidth,
                     "Back takes you to the shelf. Tap + to make a notebook: pick a template, "
                     "a page background and a cover (or make a cover from a photo), give it a "
                     "title and tap Done.")
             << body(kLeft, 250, 400,
                     "Tap Edit on the shelf to delete a notebook or change its cover and title. "
                     "Hold a cover and drag it to put it elsewhere on the shelf.")
             << body(kLeft, 420, 400,
                     "The page list at the top right shows all pages of a notebook: tap one to "
                     "open it, hold and drag to reorder, and delete pages in edit mode.")
             << body(kLeft, 620, kWidth,
                     "Quill saves a page when you turn it, when you leave it, and when you "
                     "choose Save in the settings menu. Happy writing!", 19);
  page.sketch = [](QPainter &p) {
    InkPainter ink(p);
    // Three books and a plant on a shelf.
    ink.pen({{480, 470}, {590, 471}, {700, 469}}, kInk, 3);
    const QList<QRectF> books{{490, 330, 34, 140}, {528, 350, 30, 120}, {562, 320, 38, 150}};
    const QList<QColor> colours{kRed, kGreen, kInk};
    for (int i = 0; i < books.size(); ++i) {
      const QRectF b = books.at(i);
      ink.pen({b.bottomLeft(), b.topLeft(), b.topRight(), b.bottomRight()}, colours.at(i), 2.4);
      ink.pen({b.topLeft() + QPointF(6, 24), b.topRight() + QPointF(-6, 24)}, colours.at(i), 1.6);
    }
    ink.pen({{630, 468}, {622, 430}, {676, 430}, {668, 468}}, QColor(0xa9, 0x6b, 0x3f), 2.4);
    for (const double lean : {-24.0, 0.0, 22.0})
      ink.pen({{649, 430}, {649 + lean * 0.4, 400}, {649 + lean, 372}}, kGreen, 2.2);
    ink.marker({{kLeft + 4, 734}, {260, 731}, {430, 735}}, kYellowMarker, 22);
    ink.arrow({{470, 505}, {600, 525}, {712, 445}, {733, 250}, {740, 40}}, kRed, 2.2);
  };
  return page;
}
} // namespace

QList<Page> pages() { return {welcome(), drawing(), textAndPhotos(), collect(), shelf()}; }

} // namespace TutorialPages
