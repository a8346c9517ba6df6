#include "SampleHome.h"

#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// A user's start of Quill on a catalogue of the given size, measured as the
// user sees it: the program started until it has laid out and shown the first
// screen (written to a picture) and quit. The home is installed already, so
// this is a steady-state launch, not the first-run copy.
static void BM_startup_screenshot(benchmark::State &state) {
  QTemporaryDir dir;
  const QString home = dir.path() + "/home";
  if (!writeSampleHome(home, int(state.range(0)))) {
    state.SkipWithError("could not write the sample home");
    return;
  }
  for (auto _ : state) {
    QProcess quill;
    quill.start(QUILL_APP_PATH, {"--home", home, "--screenshot", dir.path() + "/shot.png"});
    if (!quill.waitForFinished(30000) || quill.exitCode() != 0) {
      state.SkipWithError("quill --screenshot failed");
      return;
    }
  }
}
// The argument is the number of notebooks in the catalogue.
BENCHMARK(BM_startup_screenshot)
    ->Arg(1)
    ->Arg(1000)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
