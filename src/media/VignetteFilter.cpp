#include "VignetteFilter.h"

#include <algorithm>
#include <cmath>

void VignetteFilter::mapRow(const QRgb *from, QRgb *to, int width, int y, int height) const {
  const float span = std::max(end - start, 1e-6f);
  const float dy = (y + 0.5f) / height - 0.5f;
  for (int x = 0; x < width; ++x) {
    const float dx = (x + 0.5f) / width - 0.5f;
    const float t = std::clamp((std::sqrt(dx * dx + dy * dy) - start) / span, 0.0f, 1.0f);
    // Scaling every channel, alpha aside, is the same on premultiplied pixels.
    const quint32 keep = quint32((1.0f - t * t * (3.0f - 2.0f * t)) * 256.0f + 0.5f);
    const QRgb p = from[x];
    to[x] = (p & 0xff000000u) | ((((p & 0xff00ffu) * keep) >> 8) & 0xff00ffu) |
            ((((p & 0x00ff00u) * keep) >> 8) & 0x00ff00u);
  }
}
