#pragma once

#include "ChannelTables.h"

#include <QPointF>
#include <optional>
#include <vector>

class QByteArray;

// Reads Photoshop curves (ACV) files: a big-endian 16-bit version (1 or 4) and
// curve count, then per curve a point count and (output, input) pairs, all
// 0..255. The curves are the master (RGB composite), red, green and blue;
// further curves are ignored and missing ones are straight.
class AcvReader {
public:
  using Points = std::vector<QPointF>; // (input, output), inputs rising

  // The curves of the file, or nothing when it is truncated or malformed.
  static std::optional<std::vector<Points>> curves(const QByteArray &data);
  // The curve as Photoshop draws it: a natural cubic spline through the
  // points, flat before the first point and after the last, clamped to 0..255.
  static ChannelTables::Table splineTable(const Points &points);
  // Per channel, its own curve followed by the master curve.
  static std::optional<ChannelTables> tables(const QByteArray &data);
};
