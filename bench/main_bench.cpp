// The benchmarks' entry point. The book is generated before the first benchmark runs, so its
// generation is never timed and its size is printed ahead of the figures.
#include <benchmark/benchmark.h>

#include "book_generator.h"

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  bench::Book();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
