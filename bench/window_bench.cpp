// SPDX-License-Identifier: GPL-3.0-or-later
// What the user waits for in the main window with a full book: the whole start-up until the main
// window is shown (the splash's minimum time aside), and storing a change, a delete and a new
// recipe from the window (backup, write, reload, statistics, name list and the recipe shown
// again).
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QThread>

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

void press(frmMain& window, const char* button) {
  window.findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

// Times act() in the program started on the book, as the user waits for it: the backup, the
// write, the reload and the recipe shown again. prepare() runs before each act, the recipe file
// is put back and reloaded after each, both outside the timing; the book must then hold
// `expected` recipes.
template <typename Prepare, typename Act>
void timeFromWindow(benchmark::State& state, int expected, Prepare prepare, Act act) {
  SilentDialogs dialogs;
  Clock clock;
  auto program = bench::StartOnBook(state, dialogs, clock);
  if (!program) return;
  frmMain& window = *program->main;
  // What the process holds with the program started, and after the writes: a write should leave
  // no lasting peak behind.
  state.counters["rss_start_mb"] = bench::ResidentMegabytes();
  for (auto _ : state) {
    state.PauseTiming();
    prepare(window);
    state.ResumeTiming();
    act(window);
    state.PauseTiming();
    if (program->module->RecipeCount() != expected) state.SkipWithError("the book does not hold what it should");
    bench::RestoreRecipeFile();
    window.LoadRecipeFile();
    // A user's next press comes after a pause, in which the table the reload replaced is freed
    // on its own thread; without it, that freeing would take a core from the timed write.
    QThread::msleep(200);
    state.ResumeTiming();
  }
  program->module->Backups.finish();
  state.counters["rss_after_mb"] = bench::ResidentMegabytes();
}

void BM_ChangeFromWindow(benchmark::State& state) {
  int n = 0;
  timeFromWindow(
      state, kMaxRecipes,
      [&](frmMain& window) {
        window.showRecord(kMaxRecipes / 2);
        window.findChild<QLineEdit*>(QStringLiteral("txtCal"))->setText(QString::number(++n));
      },
      [](frmMain& window) { press(window, "cmdTouroku"); });
}
BENCHMARK(BM_ChangeFromWindow)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_DeleteFromWindow(benchmark::State& state) {
  timeFromWindow(
      state, kMaxRecipes - 1, [](frmMain& window) { window.showRecord(kMaxRecipes / 2); },
      [](frmMain& window) { press(window, "cmdDelete"); });
}
BENCHMARK(BM_DeleteFromWindow)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// A new recipe on a book one short of full (one recipe deleted outside the timing).
void BM_RegisterFromWindow(benchmark::State& state) {
  const QString name = bench::NewRecipeForm().DishName;
  timeFromWindow(
      state, kMaxRecipes,
      [&](frmMain& window) {
        window.showRecord(1);
        press(window, "cmdDelete");
        press(window, "cmdNew");
        window.findChild<QComboBox*>(QStringLiteral("cboNamae"))->setEditText(name);
      },
      [](frmMain& window) { press(window, "cmdTouroku"); });
}
BENCHMARK(BM_RegisterFromWindow)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
