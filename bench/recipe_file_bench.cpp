// SPDX-License-Identifier: GPL-3.0-or-later
// What the user waits for with a full book: loading it, and registering, changing and deleting a
// recipe (each write reads its bytes back into the table, then the statistics). The bare CP932 decode of
// the same file is the floor the other figures are read against.
#include <benchmark/benchmark.h>

#include <QFile>

#include "book_generator.h"
#include "platform/rules/cp932.h"
#include "platform/rules/text_file.h"
#include "store/rules/book.h"
#include "store/rules/recipe_reader.h"
#include "store/rules/statistics.h"

namespace {

using bench::Book;

// Recompute from the table a load or a write gave; fails the run on a file error.
int compute(benchmark::State& state, const std::variant<RecipeTable, FileError>& loaded) {
  if (auto* error = std::get_if<FileError>(&loaded)) {
    state.SkipWithError(error->message().toUtf8().constData());
    return 0;
  }
  const RecipeTable& table = std::get<RecipeTable>(loaded);
  const Statistics stats = ComputeStatistics(table, Book().lists, Book().targetPoints);
  benchmark::DoNotOptimize(stats.TotalPoints);
  return table.count();
}

int reloadAndCompute(benchmark::State& state) { return compute(state, recipe_file::LoadRecipeFile(Book().recipePath)); }

RecipeTable loadedTable() {
  auto loaded = recipe_file::LoadRecipeFile(Book().recipePath);
  return std::get<RecipeTable>(std::move(loaded));
}

void fileCounters(benchmark::State& state) {
  state.SetBytesProcessed(int64_t(state.iterations()) * Book().recipeBytes.size());
  state.counters["recipes"] = kMaxRecipes;
}

void BM_DecodeCp932(benchmark::State& state) {
  QFile file(Book().recipePath);
  file.open(QIODevice::ReadOnly);
  const QByteArray bytes = file.readAll();
  for (auto _ : state) {
    const cp932::Decoded decoded = cp932::decode(bytes);
    benchmark::DoNotOptimize(decoded.text.constData());
  }
  fileCounters(state);
}
BENCHMARK(BM_DecodeCp932)->Unit(benchmark::kMillisecond);

// The reader alone on the bytes in memory: the decode plus finding the lines and making the records.
void BM_ReadRecipeBytes(benchmark::State& state) {
  for (auto _ : state) {
    auto table = recipe_file::ReadRecipeBytes(Book().recipeBytes, Book().recipePath);
    if (!std::holds_alternative<RecipeTable>(table) || std::get<RecipeTable>(table).count() != kMaxRecipes)
      state.SkipWithError("the book did not read");
  }
  fileCounters(state);
}
BENCHMARK(BM_ReadRecipeBytes)->Unit(benchmark::kMillisecond);

// Reading the file into lines: the decode plus the split at line ends, without the records.
void BM_ReadLines(benchmark::State& state) {
  bench::RestoreRecipeFile();
  for (auto _ : state) {
    auto lines = text_file::readLines(Book().recipePath);
    benchmark::DoNotOptimize(lines);
  }
  fileCounters(state);
}
BENCHMARK(BM_ReadLines)->Unit(benchmark::kMillisecond);

void BM_LoadAndStatistics(benchmark::State& state) {
  bench::RestoreRecipeFile();
  for (auto _ : state) {
    if (reloadAndCompute(state) != kMaxRecipes) state.SkipWithError("wrong record count");
  }
  fileCounters(state);
}
BENCHMARK(BM_LoadAndStatistics)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Start-up's reading without a window: every file of the book.
void BM_LoadBook(benchmark::State& state) {
  bench::RestoreRecipeFile();
  const DataFolder folder(Book().folder);
  for (auto _ : state) {
    auto book = LoadBook(folder);
    if (auto* error = std::get_if<FileError>(&book)) {
      state.SkipWithError(error->message().toUtf8().constData());
      break;
    }
    benchmark::DoNotOptimize(std::get<LoadedBook>(book).Recipes.count());
  }
  fileCounters(state);
}
BENCHMARK(BM_LoadBook)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// A new recipe: append one record (read back), recompute. The book is one short of full, so that the
// appended record fits; the file is put back outside the timing.
void BM_RegisterNew(benchmark::State& state) {
  RecipeTable table = loadedTable();
  RecipeTable oneShort;
  oneShort.reserve(table.count());
  for (int i = 1; i < table.count(); ++i) oneShort.append(table[i]);
  recipe_file::RewriteRecipeFile(Book().recipePath, oneShort);
  QFile file(Book().recipePath);
  file.open(QIODevice::ReadOnly);
  const QByteArray before = file.readAll();
  file.close();
  const recipe_file::RecipeForm form = bench::NewRecipeForm();
  for (auto _ : state) {
    state.PauseTiming();
    text_file::writeBytes(Book().recipePath, before);
    state.ResumeTiming();
    if (compute(state, recipe_file::AppendRecipe(Book().recipePath, form)) != kMaxRecipes)
      state.SkipWithError("wrong record count");
  }
  bench::RestoreRecipeFile();
  fileCounters(state);
}
BENCHMARK(BM_RegisterNew)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// A change of an existing recipe in the middle of the book: update it in the table, rewrite the
// whole file (read back), recompute.
void BM_ChangeExisting(benchmark::State& state) {
  bench::RestoreRecipeFile();
  RecipeTable table = loadedTable();
  const int middle = table.count() / 2;
  int cooked = 0;
  for (auto _ : state) {
    Recipe& r = table[middle];
    r.CookingLog += (r.CookingLog.isEmpty() ? QString() : QStringLiteral("\r\n")) + QStringLiteral("2004/07/01");
    r.CookCount = QString::number(++cooked);
    r.SelfRating = (cooked % 2) ? kExcellent : kGood;
    if (compute(state, recipe_file::RewriteRecipeFile(Book().recipePath, table)) != kMaxRecipes)
      state.SkipWithError("wrong record count");
  }
  bench::RestoreRecipeFile();
  fileCounters(state);
}
BENCHMARK(BM_ChangeExisting)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Deleting the middle recipe: write every other record (read back), recompute; the file is put back
// outside the timing.
void BM_Delete(benchmark::State& state) {
  bench::RestoreRecipeFile();
  const RecipeTable table = loadedTable();
  const int middle = table.count() / 2;
  for (auto _ : state) {
    if (compute(state, recipe_file::WriteRecipeFileWithout(Book().recipePath, table, middle)) != kMaxRecipes - 1)
      state.SkipWithError("wrong record count");
    state.PauseTiming();
    bench::RestoreRecipeFile();
    state.ResumeTiming();
  }
  bench::RestoreRecipeFile();
  fileCounters(state);
}
BENCHMARK(BM_Delete)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
