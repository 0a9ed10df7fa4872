// What the user waits for in the sorted list and the chart windows with a full book: opening each
// window (built, shown and painted) and turning a sorted grid round.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "book_generator.h"
#include "listing/windows/frm_graph1.h"
#include "listing/windows/frm_graph2.h"
#include "listing/windows/frm_sort.h"

namespace {

class NoDialogs : public Dialogs {
 public:
  MessageBox::Answer message(const MessageBox&) override { return MessageBox::Answer::Ok; }
  std::optional<QString> input(const QString&, const QString&, const QString& d) override { return d; }
  void beep() override {}
};

// The full book loaded with its statistics, as the main window holds it.
Module1& FullBook() {
  static std::unique_ptr<Module1> module = [] {
    auto m = std::make_unique<Module1>(bench::Book().folder);
    m->Lists = bench::Book().lists;
    m->Prof.TargetPoints = bench::Book().targetPoints;
    auto loaded = recipe_file::LoadRecipeFile(bench::Book().recipePath);
    if (auto* table = std::get_if<RecipeTable>(&loaded)) m->Recipes = std::move(*table);
    m->ComputeStatistics();
    return m;
  }();
  return *module;
}

template <typename Window, typename Make>
void TimeOpening(benchmark::State& state, Make make) {
  if (FullBook().RecipeCount() == 0) {
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
  state.counters["recipes"] = FullBook().RecipeCount();
}

void BM_OpenSortedList(benchmark::State& state) {
  TimeOpening<frmSort>(state, [] { return new frmSort(FullBook()); });
}
BENCHMARK(BM_OpenSortedList)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ResortSortedList(benchmark::State& state) {
  frmSort window(FullBook());
  window.show();
  QApplication::processEvents();
  int index = 0;
  for (auto _ : state) {
    index = 1 - index;  // highest first, then lowest first again
    window.option_Click(ListingValue::Calories, index);
    QApplication::processEvents();  // the grid repainted in its new order
  }
}
BENCHMARK(BM_ResortSortedList)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_OpenCategoryCharts(benchmark::State& state) {
  NoDialogs dialogs;
  TimeOpening<frmGraph1>(state, [&] { return new frmGraph1(FullBook(), dialogs); });
}
BENCHMARK(BM_OpenCategoryCharts)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_OpenRatingCharts(benchmark::State& state) {
  NoDialogs dialogs;
  TimeOpening<frmGraph2>(state, [&] { return new frmGraph2(FullBook(), dialogs); });
}
BENCHMARK(BM_OpenRatingCharts)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
