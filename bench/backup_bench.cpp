// SPDX-License-Identifier: GPL-3.0-or-later
// What backups add to a full book: the entry taken before a delete (the old record, compressed),
// the day's first state (the whole book, compressed), the size of everything kept after a day of
// 20 deletes and 20 changes against the book's, and listing the entries as the restore window
// opens.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QDirIterator>

#include "backup/rules/recipe_restore.h"
#include "book_generator.h"
#include "store/rules/recipe_reader.h"

namespace {

using bench::Book;

const QDateTime kStart(QDate(2026, 1, 1), QTime(9, 0));

void clearBackups() { QDir(backups::FolderOf(Book().folder)).removeRecursively(); }

backups::Write deleting(int number) {
  const Recipe& r = bench::LoadedRecipes()[number];
  return {backups::Change::Removes, QStringLiteral("削除: %1").arg(r.DishName), {{number, recipe_file::RecordBytes(r)}}};
}

qint64 backupBytes() {
  qint64 total = 0;
  for (QDirIterator it(backups::FolderOf(Book().folder), QDir::Files | QDir::Hidden); it.hasNext();) {
    it.next();
    total += it.fileInfo().size();
  }
  return total;
}

void report(benchmark::State& state, const backups::Outcome& outcome) {
  if (outcome.notKept) state.SkipWithError(outcome.notKept->message().toUtf8().constData());
}

// The day's first state is there; each delete keeps its old record.
void BM_BackupBeforeDelete(benchmark::State& state) {
  clearBackups();
  report(state, backups::BeforeWrite(Book().recipePath, {}, kStart));
  const int middle = kMaxRecipes / 2;
  QDateTime at = kStart;
  for (auto _ : state) report(state, backups::BeforeWrite(Book().recipePath, deleting(middle), at = at.addSecs(1)));
  state.counters["entries"] = double(backups::List(Book().folder, recipe_file::kFileName).size());
}
BENCHMARK(BM_BackupBeforeDelete)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_BackupDayStart(benchmark::State& state) {
  clearBackups();
  QDateTime at = kStart;
  for (auto _ : state) report(state, backups::BeforeWrite(Book().recipePath, {}, at = at.addDays(1)));
  state.counters["compressed_share"] = double(backupBytes()) / backups::kDaysKept / double(Book().recipeBytes.size());
}
BENCHMARK(BM_BackupDayStart)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Everything in the backup folder after a day's 20 deletes and 20 changes, against the book.
void BM_BackupSizeAfterADay(benchmark::State& state) {
  for (auto _ : state) {
    clearBackups();
    QDateTime at = kStart;
    for (int i = 1; i <= 20; ++i) {
      report(state, backups::BeforeWrite(Book().recipePath, deleting(i * 1000), at = at.addSecs(60)));
      backups::Write change = deleting(i * 1000 + 1);
      change.what = QStringLiteral("変更登録: %1").arg(bench::LoadedRecipes()[i * 1000 + 1].DishName);
      report(state, backups::BeforeWrite(Book().recipePath, change, at = at.addSecs(60)));
    }
  }
  state.counters["backup_mb"] = double(backupBytes()) / 1e6;
  state.counters["book_mb"] = double(Book().recipeBytes.size()) / 1e6;
  state.counters["share_of_book"] = double(backupBytes()) / double(Book().recipeBytes.size());
}
BENCHMARK(BM_BackupSizeAfterADay)->Unit(benchmark::kMillisecond)->Iterations(1);

// Runs after the one above: the restore window's listing, every entry checked.
void BM_ListBackupsChecked(benchmark::State& state) {
  for (auto _ : state) {
    const auto listed = backups::ListBackups(Book().folder);
    if (listed.size() != 41 || listed.back().recipeCount != kMaxRecipes) state.SkipWithError("expected 41 entries");
  }
}
BENCHMARK(BM_ListBackupsChecked)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_CountRecordsOfFullBook(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(recipe_file::CountRecordsInFile(bench::Book().recipePath));
  state.SetBytesProcessed(int64_t(state.iterations()) * bench::Book().recipeBytes.size());
}
BENCHMARK(BM_CountRecordsOfFullBook)->Unit(benchmark::kMillisecond);

}  // namespace
