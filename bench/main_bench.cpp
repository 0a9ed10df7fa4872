// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmarks' entry point. The book is generated before the first benchmark runs, so its
// generation is never timed and its size is printed ahead of the figures.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "book_generator.h"

int main(int argc, char** argv) {
  // The window benchmarks need an application; offscreen, no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  bench::Book();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
