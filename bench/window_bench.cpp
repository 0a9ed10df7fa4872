// What the user waits for in the main window with a full book: the whole start-up until the main
// window is shown (the splash's minimum time aside), and storing a change from the window
// (rewrite, reload, statistics, name list and the recipe shown again). The book is full, so the
// window refuses a new recipe; the rules benchmarks time appending on a book one short of full.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "book_generator.h"
#include "program_on_book.h"
#include "resident_memory.h"
#include "silent_dialogs.h"
#include "main_window/frm_main.h"
#include "store/windows/frm_splash.h"

namespace {

using bench::SilentDialogs;

void BM_StartUpToMainWindow(benchmark::State& state) {
  SilentDialogs dialogs;
  Clock clock;
  for (auto _ : state) {
    auto program = bench::StartOnBook(state, dialogs, clock);
    if (!program) return;
    benchmark::DoNotOptimize(program->main.get());
    state.PauseTiming();
    program.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpToMainWindow)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_ChangeFromWindow(benchmark::State& state) {
  SilentDialogs dialogs;
  Clock clock;
  auto program = bench::StartOnBook(state, dialogs, clock);
  if (!program) return;
  frmMain& window = *program->main;
  const int middle = program->module->RecipeCount() / 2;
  int n = 0;
  // What the process holds with the program started, and after the writes: a write should leave
  // no lasting peak behind.
  state.counters["rss_start_mb"] = bench::ResidentMegabytes();
  for (auto _ : state) {
    state.PauseTiming();
    window.showRecord(middle);
    window.findChild<QLineEdit*>(QStringLiteral("txtCal"))->setText(QString::number(++n));
    state.ResumeTiming();
    window.cmdTouroku_Click();
    state.PauseTiming();
    bench::RestoreRecipeFile();
    window.LoadRecipeFile();
    state.ResumeTiming();
  }
  state.counters["rss_after_mb"] = bench::ResidentMegabytes();
}
BENCHMARK(BM_ChangeFromWindow)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Deleting the middle recipe from the window as the user waits for it: the backup, the write,
// the reload and the recipe shown again. The file is put back outside the timing.
void BM_DeleteFromWindow(benchmark::State& state) {
  SilentDialogs dialogs;
  Clock clock;
  auto program = bench::StartOnBook(state, dialogs, clock);
  if (!program) return;
  frmMain& window = *program->main;
  const int middle = program->module->RecipeCount() / 2;
  for (auto _ : state) {
    state.PauseTiming();
    window.showRecord(middle);
    state.ResumeTiming();
    window.cmdDelete_Click();
    state.PauseTiming();
    if (program->module->RecipeCount() != kMaxRecipes - 1) state.SkipWithError("not deleted");
    bench::RestoreRecipeFile();
    window.LoadRecipeFile();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_DeleteFromWindow)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Registering a new recipe from the window on a book one short of full (one recipe deleted
// outside the timing).
void BM_RegisterFromWindow(benchmark::State& state) {
  SilentDialogs dialogs;
  Clock clock;
  auto program = bench::StartOnBook(state, dialogs, clock);
  if (!program) return;
  frmMain& window = *program->main;
  const recipe_file::RecipeForm form = bench::NewRecipeForm();
  for (auto _ : state) {
    state.PauseTiming();
    window.showRecord(1);
    window.cmdDelete_Click();
    window.cmdNew_Click();
    window.findChild<QComboBox*>(QStringLiteral("cboNamae"))->setEditText(form.DishName);
    state.ResumeTiming();
    window.cmdTouroku_Click();
    state.PauseTiming();
    if (program->module->RecipeCount() != kMaxRecipes) state.SkipWithError("not registered");
    bench::RestoreRecipeFile();
    window.LoadRecipeFile();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_RegisterFromWindow)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
