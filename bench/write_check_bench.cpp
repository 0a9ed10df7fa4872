// SPDX-License-Identifier: GPL-3.0-or-later
// What proving the recipe file unchanged costs before a write, on the full book: a look at the
// file's identity when its time is settled, and a hash of its content when the time is too recent
// to tell (the file was written a moment ago). Read against BM_ChangeExisting, the write it guards.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <QFile>

#include "book_generator.h"
#include "platform/rules/file_stamp.h"
#include "store/rules/recipe_file.h"

namespace {

using bench::Book;

// Sets the file's time an hour back, so that its stamp leaves no doubt.
void settle(const QString& path) {
  struct stat info {};
  ::stat(QFile::encodeName(path).constData(), &info);
  struct timespec times[2] = {info.st_atim, info.st_mtim};
  times[1].tv_sec -= 3600;
  ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

void BM_CheckBeforeWrite(benchmark::State& state) {
  bench::RestoreRecipeFile();
  const bool inDoubt = state.range(0) != 0;
  if (!inDoubt) settle(Book().recipePath);
  const FileStamp stamp = file_stamp::of(Book().recipePath);
  if (stamp.inDoubt != inDoubt) state.SkipWithError("the stamp is not as intended");
  for (auto _ : state) {
    FileStamp check = stamp;  // a fresh copy each time, so a stamp in doubt is never settled here
    if (!file_stamp::unchanged(Book().recipePath, check)) state.SkipWithError("the file looks changed");
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * Book().recipeBytes.size());
}
BENCHMARK(BM_CheckBeforeWrite)->Arg(0)->Arg(1)->ArgName("inDoubt")->Unit(benchmark::kMillisecond);

// BM_ChangeExisting's write with the check: each write follows the last at once, so the stamp is
// always in doubt and the content is hashed every time (the dearest case).
void BM_ChangeExistingChecked(benchmark::State& state) {
  bench::RestoreRecipeFile();
  auto loaded = recipe_file::LoadStampedRecipeFile(Book().recipePath);
  auto& [table, stamp] = std::get<recipe_file::StampedTable>(loaded);
  const int middle = table.count() / 2;
  int cooked = 0;
  for (auto _ : state) {
    table[middle].CookCount = QString::number(++cooked);
    auto written = recipe_file::RewriteRecipeFile(Book().recipePath, table, &stamp);
    if (!std::holds_alternative<RecipeTable>(written)) state.SkipWithError("the write was refused");
  }
  bench::RestoreRecipeFile();
}
BENCHMARK(BM_ChangeExistingChecked)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// The same write without the check, for the ratio.
void BM_ChangeExistingUnchecked(benchmark::State& state) {
  bench::RestoreRecipeFile();
  auto loaded = recipe_file::LoadStampedRecipeFile(Book().recipePath);
  RecipeTable& table = std::get<recipe_file::StampedTable>(loaded).table;
  const int middle = table.count() / 2;
  int cooked = 0;
  for (auto _ : state) {
    table[middle].CookCount = QString::number(++cooked);
    auto written = recipe_file::RewriteRecipeFile(Book().recipePath, table);
    if (!std::holds_alternative<RecipeTable>(written)) state.SkipWithError("the write failed");
  }
  bench::RestoreRecipeFile();
}
BENCHMARK(BM_ChangeExistingUnchecked)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
