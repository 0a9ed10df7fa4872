// SPDX-License-Identifier: GPL-3.0-or-later
// What the user waits for in the sorted list and the chart windows with a full book: opening each
// window (built, shown and painted) and turning a sorted grid round.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QRadioButton>
#include <memory>

#include "book_generator.h"
#include "silent_dialogs.h"
#include "listing/windows/frm_graph1.h"
#include "listing/windows/frm_graph2.h"
#include "listing/windows/frm_sort.h"

namespace {

using bench::SilentDialogs;

template <typename Window, typename Make>
void TimeOpening(benchmark::State& state, Make make) {
  if (bench::BookModule().RecipeCount() == 0) {
    state.SkipWithError("the book did not load");
    return;
  }
  for (auto _ : state) {
    std::unique_ptr<Window> window(make());
    window->show();
    QApplication::processEvents();  // the first layout and paint
    benchmark::DoNotOptimize(window.get());
    state.PauseTiming();
    window.reset();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["recipes"] = bench::BookModule().RecipeCount();
}

void BM_OpenSortedList(benchmark::State& state) {
  TimeOpening<frmSort>(state, [] { return new frmSort(bench::BookModule()); });
}
BENCHMARK(BM_OpenSortedList)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ResortSortedList(benchmark::State& state) {
  frmSort window(bench::BookModule());
  window.show();
  QApplication::processEvents();
  int index = 0;
  for (auto _ : state) {
    index = 1 - index;  // highest first, then lowest first again
    window.findChild<QRadioButton*>(QStringLiteral("optCal(%1)").arg(index))->click();
    QApplication::processEvents();  // the grid repainted in its new order
  }
}
BENCHMARK(BM_ResortSortedList)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_OpenCategoryCharts(benchmark::State& state) {
  SilentDialogs dialogs;
  TimeOpening<frmGraph1>(state, [&] { return new frmGraph1(bench::BookModule(), dialogs); });
}
BENCHMARK(BM_OpenCategoryCharts)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_OpenRatingCharts(benchmark::State& state) {
  SilentDialogs dialogs;
  TimeOpening<frmGraph2>(state, [&] { return new frmGraph2(bench::BookModule(), dialogs); });
}
BENCHMARK(BM_OpenRatingCharts)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
