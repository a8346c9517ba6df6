#include "AcvReader.h"

#include <QByteArray>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace {
constexpr int kMaximumPoints = 256;

class BigEndianStream {
public:
  explicit BigEndianStream(const QByteArray &data) : data(data) {}
  std::optional<int> next() {
    if (offset + 2 > data.size())
      return std::nullopt;
    const int value = qFromBigEndian<quint16>(data.constData() + offset);
    offset += 2;
    return value;
  }

private:
  const QByteArray &data;
  qsizetype offset = 0;
};

std::optional<AcvReader::Points> readCurve(BigEndianStream &stream) {
  const auto count = stream.next();
  if (!count || *count < 2 || *count > kMaximumPoints)
    return std::nullopt;
  AcvReader::Points points;
  for (int i = 0; i < *count; ++i) {
    const auto output = stream.next();
    const auto input = stream.next();
    if (!output || !input || *output > 255 || *input > 255)
      return std::nullopt;
    if (!points.empty() && *input <= points.back().x())
      return std::nullopt;
    points.emplace_back(*input, *output);
  }
  return points;
}

// Second derivatives of the natural spline through points (zero at both ends),
// by the tridiagonal system of the continuity conditions.
std::vector<double> secondDerivatives(const AcvReader::Points &p) {
  const size_t n = p.size();
  std::vector<double> second(n, 0.0);
  if (n < 3)
    return second;
  std::vector<double> diagonal(n, 0.0), right(n, 0.0);
  for (size_t i = 1; i + 1 < n; ++i) {
    const double h0 = p[i].x() - p[i - 1].x();
    const double h1 = p[i + 1].x() - p[i].x();
    diagonal[i] = 2.0 * (h0 + h1);
    right[i] = 6.0 * ((p[i + 1].y() - p[i].y()) / h1 - (p[i].y() - p[i - 1].y()) / h0);
    if (i > 1) { // eliminate the sub-diagonal h0 against the row above
      const double factor = h0 / diagonal[i - 1];
      diagonal[i] -= factor * h0;
      right[i] -= factor * right[i - 1];
    }
  }
  for (size_t i = n - 2; i >= 1; --i) {
    const double h1 = p[i + 1].x() - p[i].x();
    second[i] = (right[i] - h1 * second[i + 1]) / diagonal[i];
  }
  return second;
}
} // namespace

std::optional<std::vector<AcvReader::Points>> AcvReader::curves(const QByteArray &data) {
  BigEndianStream stream(data);
  const auto version = stream.next();
  const auto count = stream.next();
  if (!version || (*version != 1 && *version != 4) || !count || *count < 1)
    return std::nullopt;
  std::vector<Points> curves;
  for (int i = 0; i < *count; ++i) {
    auto curve = readCurve(stream);
    if (!curve)
      return std::nullopt;
    if (i < 4)
      curves.push_back(std::move(*curve));
  }
  return curves;
}

ChannelTables::Table AcvReader::splineTable(const Points &points) {
  ChannelTables::Table table{};
  const std::vector<double> second = secondDerivatives(points);
  auto clamped = [](double y) { return std::uint8_t(std::lround(std::clamp(y, 0.0, 255.0))); };
  for (int x = 0; x < 256; ++x) {
    if (x <= points.front().x()) {
      table[x] = clamped(points.front().y());
      continue;
    }
    if (x >= points.back().x()) {
      table[x] = clamped(points.back().y());
      continue;
    }
    size_t i = 0;
    while (points[i + 1].x() < x)
      ++i;
    const QPointF &a = points[i];
    const QPointF &b = points[i + 1];
    const double h = b.x() - a.x();
    const double t = (x - a.x()) / h;
    const double u = 1.0 - t;
    const double y = u * a.y() + t * b.y() +
                     h * h / 6.0 * ((u * u * u - u) * second[i] + (t * t * t - t) * second[i + 1]);
    table[x] = clamped(y);
  }
  return table;
}

std::optional<ChannelTables> AcvReader::tables(const QByteArray &data) {
  const auto read = curves(data);
  if (!read)
    return std::nullopt;
  const ChannelTables straight = ChannelTables::identity();
  auto curve = [&](size_t i, const ChannelTables::Table &fallback) {
    return i < read->size() ? splineTable(read->at(i)) : fallback;
  };
  const ChannelTables channels{curve(1, straight.red), curve(2, straight.green), curve(3, straight.blue)};
  return channels.then(ChannelTables::uniform(curve(0, straight.red)));
}
