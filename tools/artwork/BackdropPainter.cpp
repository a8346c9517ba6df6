#include "BackdropPainter.h"

#include <QColor>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {
constexpr int kTile = 256;
const QColor kLinen(0xd9, 0xd1, 0xc3);
} // namespace

QImage BackdropPainter::linenTile() {
  std::mt19937 random(768);
  std::normal_distribution<float> thread(0, 1);
  // Each row and each column of threads has its own shade; their sum is the
  // weave. Periodic by construction, so the tile has no seams.
  std::vector<float> rows(kTile);
  std::vector<float> columns(kTile);
  for (int i = 0; i < kTile; ++i) {
    rows[i] = thread(random);
    columns[i] = thread(random);
  }
  const auto smooth = [](std::vector<float> &v) {
    std::vector<float> out(v.size());
    for (int i = 0; i < kTile; ++i)
      out[i] = (v[(i + kTile - 1) % kTile] + 2 * v[i] + v[(i + 1) % kTile]) / 4;
    v.swap(out);
  };
  smooth(rows);
  smooth(columns);
  std::uniform_real_distribution<float> fleck(0, 1);
  QImage tile(kTile, kTile, QImage::Format_RGB32);
  for (int y = 0; y < kTile; ++y) {
    for (int x = 0; x < kTile; ++x) {
      // Alternating over- and under-threads make the fine checker of a weave.
      const float weave = ((x + y) % 2 ? 0.5f : -0.5f);
      float v = 5.0f * rows[y] + 4.0f * columns[x] + weave * 3.0f;
      if (fleck(random) < 0.004f)
        v -= 14; // the odd dark slub
      const auto shade = [&](int c) { return std::clamp(int(std::lround(c + v)), 0, 255); };
      tile.setPixel(x, y, qRgb(shade(kLinen.red()), shade(kLinen.green()), shade(kLinen.blue())));
    }
  }
  return tile;
}
