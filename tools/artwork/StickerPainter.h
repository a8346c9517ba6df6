#pragma once

class QImage;

// The 50 emoji stickers, numbered 1 to 50: twenty faces and thirty small
// things (hearts, weather, food, signs), each a flat drawing inside a white
// sticker border with a soft shadow, on a 48-point square at scale 2.
class StickerPainter {
public:
  static constexpr int count() { return 50; }
  // Sticker number (1 to count()); a blank picture for any other number.
  static QImage paint(int number);
};
