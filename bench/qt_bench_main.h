// The main of the benchmarks that need a Qt application: without a display
// the window and the canvas draw into memory the same way.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

namespace kw::bench {

// Runs the registered benchmarks; `registerMore` adds those that need the
// application to exist first.
inline int RunWithQt(int argc, char** argv, void (*registerMore)() = nullptr) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (registerMore) registerMore();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace kw::bench
