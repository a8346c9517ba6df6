#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <functional>

class QPainter;

// The content of the tutorial pages, as data: text boxes, photos and a sketch
// painter per page. Coordinates are page points (757 by 950; the handwriting
// layer covers the top 757 by 910).
namespace TutorialPages {

struct TextRun {
  QString text;
  double pointSize = 18;
  QColor color = QColor(0x33, 0x33, 0x38);
};

struct TextBox {
  QPointF topLeft;
  double width = 380;
  QList<TextRun> runs;
};

struct Photo {
  QPointF center;
  QSizeF size;
  double rotate = 0; // radians about the centre
  int motif = 0;     // which painted picture (TutorialPhoto)
};

struct Sticker {
  QPointF center;
  int number = 1; // 1 to 50, as the sticker picker numbers them
};

struct Page {
  QList<TextBox> texts;
  QList<Photo> photos;
  QList<Sticker> stickers; // 44 by 44 points each
  std::function<void(QPainter &)> sketch; // may be empty
};

QList<Page> pages();

} // namespace TutorialPages
