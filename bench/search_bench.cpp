// SPDX-License-Identifier: GPL-3.0-or-later
// What the user waits for in the search window with a full book: a search over the whole table,
// a narrowing of the full result list, and opening the window with every recipe listed. Read each
// figure against BM_DecodeCp932, the bare decode of the same book.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QLineEdit>
#include <QStringListModel>

#include "book_generator.h"
#include "silent_dialogs.h"
#include "search/rules/result_list.h"
#include "search/windows/frm_kensaku.h"

namespace {

void searchCounters(benchmark::State& state, size_t listed) {
  state.counters["recipes"] = bench::LoadedRecipes().count();
  state.counters["listed"] = double(listed);  // after a narrowing that keeps nothing, the whole list
}

void BM_SearchWholeTable(benchmark::State& state, SearchKey key, QStringList inputs) {
  const RecipeTable& table = bench::LoadedRecipes();
  ResultList results;
  for (auto _ : state) {
    // The inputs are read on every press, so reading them is part of the wait.
    SearchWholeTable(table, MakeSearchCriterion(key, inputs), results);
    benchmark::DoNotOptimize(results.data());
  }
  searchCounters(state, results.size());
}

void BM_NarrowFullList(benchmark::State& state, SearchKey key, QStringList inputs) {
  const RecipeTable& table = bench::LoadedRecipes();
  const ResultList all = ListAllRecipes(table);
  ResultList results;
  for (auto _ : state) {
    state.PauseTiming();
    results = all;
    state.ResumeTiming();
    NarrowResultList(table, MakeSearchCriterion(key, inputs), results);
    benchmark::DoNotOptimize(results.data());
  }
  searchCounters(state, results.size());
}

#define SEARCH_CASES(bm)                                                                                  \
  BENCHMARK_CAPTURE(bm, DishName, SearchKey::DishName, {QStringLiteral("たまねぎ")})                     \
      ->Unit(benchmark::kMillisecond);                                                                   \
  BENCHMARK_CAPTURE(bm, IngredientsTwoWords, SearchKey::Ingredients,                                    \
                    {QStringLiteral("たまねぎ"), QStringLiteral("しょうゆ")})                              \
      ->Unit(benchmark::kMillisecond);                                                                   \
  BENCHMARK_CAPTURE(bm, StepsNoMatch, SearchKey::Steps, {QStringLiteral("圧力鍋")})                       \
      ->Unit(benchmark::kMillisecond);                                                                   \
  BENCHMARK_CAPTURE(bm, Classification, SearchKey::Classification,                                      \
                    {QStringLiteral("和食"), QString(), QStringLiteral("煮る")})                           \
      ->Unit(benchmark::kMillisecond);                                                                   \
  BENCHMARK_CAPTURE(bm, Calories, SearchKey::Calories, {QStringLiteral("300"), QStringLiteral("600")})  \
      ->Unit(benchmark::kMillisecond);                                                                   \
  BENCHMARK_CAPTURE(bm, CookCount, SearchKey::CookCount, {QStringLiteral("1"), QStringLiteral("3")})    \
      ->Unit(benchmark::kMillisecond)

SEARCH_CASES(BM_SearchWholeTable);
SEARCH_CASES(BM_NarrowFullList);

struct FullBook {
  Module1& module = bench::BookModule();
  bench::SilentDialogs dialogs;
  QStringListModel references{QStringList{QStringLiteral("料理の本"), QStringLiteral("料理番組")}};
};

// From the press of the button until the window stands on screen with every recipe listed.
void BM_OpenSearchWindow(benchmark::State& state) {
  FullBook book;
  Module1& module = book.module;
  bench::SilentDialogs& dialogs = book.dialogs;
  QStringListModel& references = book.references;
  for (auto _ : state) {
    auto* window = new frmKensaku(module, dialogs, references);
    window->show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(window->results().size());
    state.PauseTiming();
    delete window;
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["recipes"] = module.RecipeCount();
}
BENCHMARK(BM_OpenSearchWindow)->Unit(benchmark::kMillisecond);

// A press of a row's button in the window on screen: the search, the list model replaced and the
// list repainted. Narrowing starts from the full list each time.
void BM_SearchButtonInWindow(benchmark::State& state, bool narrowing) {
  FullBook book;
  frmKensaku window(book.module, book.dialogs, book.references);
  window.show();
  window.findChild<QLineEdit*>(QStringLiteral("txtNamae"))->setText(QStringLiteral("たまねぎ"));
  QApplication::processEvents();
  for (auto _ : state) {
    state.PauseTiming();
    window.findChild<QPushButton*>(QStringLiteral("cmdALL"))->click();
    QApplication::processEvents();
    state.ResumeTiming();
    window.search(SearchKey::DishName, narrowing);
    QApplication::processEvents();
  }
  state.counters["listed"] = double(window.results().size());
}
BENCHMARK_CAPTURE(BM_SearchButtonInWindow, WholeTable, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchButtonInWindow, NarrowingFullList, true)->Unit(benchmark::kMillisecond);

}  // namespace
