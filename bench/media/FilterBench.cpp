#include "SampleLandscape.h"
#include "common/FolderPaths.h"
#include "media/ChannelTables.h"
#include "media/FilterLooks.h"
#include "media/PixelBands.h"
#include "media/QNFilterLine.h"

#include <QImage>
#include <benchmark/benchmark.h>

// The filter screen's two paths: OK filters the whole photo (an 8-megapixel
// camera picture), a tap on the strip filters the preview (757 by 950 points
// at scale 2). lut_floor is the least any per-channel look can cost on the
// same photo: one 256-entry table per channel, in the same row bands.

namespace {
const QImage &photo() {
  static const QImage image = renderSampleLandscape(QSize(3264, 2448));
  return image;
}
const QImage &previewPicture() {
  static const QImage image = renderSampleLandscape(QSize(1514, 1900));
  return image;
}
void useResources() {
  static const bool done = [] {
    setResourceFolder(QUILL_RESOURCE_DIR);
    return true;
  }();
  (void)done;
}

void lut_floor(benchmark::State &state) {
  const QImage &source = photo();
  ChannelTables tables = ChannelTables::fromFunction([](float v) { return v * v; });
  for (auto _ : state) {
    QImage target(source.size(), source.format());
    const PixelRows in(source);
    const PixelRows out(target);
    const int width = source.width();
    forEachRowBand(source.height(), [&](int first, int end) {
      for (int y = first; y < end; ++y) {
        const QRgb *from = in.row(y);
        QRgb *to = out.row(y);
        for (int x = 0; x < width; ++x) {
          const QRgb p = from[x];
          to[x] = 0xff000000u | (uint(tables.red[(p >> 16) & 0xff]) << 16) |
                  (uint(tables.green[(p >> 8) & 0xff]) << 8) | tables.blue[p & 0xff];
        }
      }
    });
    benchmark::DoNotOptimize(target.constBits());
  }
}

// OK: the chain of the chosen look over the full photo.
void filter(benchmark::State &state) {
  useResources();
  const QNFilterLine line(int(state.range(0)));
  const QImage &source = photo();
  for (auto _ : state)
    benchmark::DoNotOptimize(line.imageByFilteringImage(source).constBits());
  state.SetLabel(FilterLooks::title(int(state.range(0))).toStdString());
}

// A tap on the strip: the chain switches from the last look to this one and
// filters the preview.
void filter_preview(benchmark::State &state) {
  useResources();
  const int look = int(state.range(0));
  QNFilterLine line(0);
  const QImage &source = previewPicture();
  for (auto _ : state) {
    line.setFilterType(look);
    benchmark::DoNotOptimize(line.imageByFilteringImage(source).constBits());
    state.PauseTiming();
    line.setFilterType(0);
    state.ResumeTiming();
  }
  state.SetLabel(FilterLooks::title(look).toStdString());
}
} // namespace

BENCHMARK(lut_floor)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(filter)->DenseRange(0, 35)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(filter_preview)->DenseRange(0, 35)->Unit(benchmark::kMillisecond)->UseRealTime();
