// SPDX-License-Identifier: GPL-3.0-or-later
// What backups add to a full book: the copy taken before a delete (read, atomic write, dropping
// the oldest of 20), and listing the 20 copies with their recipe counts as the restore window opens.
#include <benchmark/benchmark.h>

#include <QDir>

#include "backup/rules/recipe_restore.h"
#include "book_generator.h"
#include "store/rules/recipe_reader.h"

namespace {

using bench::Book;

void BM_BackupBeforeDelete(benchmark::State& state) {
  QDateTime at(QDate(2026, 1, 1), QTime(0, 0));
  for (auto _ : state) {
    at = at.addSecs(1);
    if (auto error = backups::BeforeWrite(Book().recipePath, backups::Change::Removes, at))
      state.SkipWithError(error->message().toUtf8().constData());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * Book().recipeBytes.size());
}
BENCHMARK(BM_BackupBeforeDelete)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Runs after the one above has left 20 full copies.
void BM_ListTwentyRecipeBackups(benchmark::State& state) {
  for (auto _ : state) {
    const auto listed = backups::RecipeBackups(Book().folder);
    if (listed.size() != size_t(backups::kKeptPerFile) || listed.front().recipeCount != kMaxRecipes)
      state.SkipWithError("expected 20 full copies");
  }
}
BENCHMARK(BM_ListTwentyRecipeBackups)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

namespace {

void BM_CountRecordsOfFullBook(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(recipe_file::CountRecordsInFile(bench::Book().recipePath));
  state.SetBytesProcessed(int64_t(state.iterations()) * bench::Book().recipeBytes.size());
}
BENCHMARK(BM_CountRecordsOfFullBook)->Unit(benchmark::kMillisecond);

}  // namespace
