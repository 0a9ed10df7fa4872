// SPDX-License-Identifier: GPL-3.0-or-later
// What the user waits for in the refrigerator with a full stock of 32,767 entries: opening the
// window, a sort, deleting a range of 10,000 entries (rewrite of the rest included), and finding
// the recipes that use an ingredient in the full book. The bare CP932 decode of the stock file is
// the floor the stock figures are read against.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "book_generator.h"
#include "fridge/rules/fridge_dates.h"
#include "fridge/rules/fridge_files.h"
#include "fridge/rules/recipes_using.h"
#include "fridge/windows/frm_reizou.h"
#include "fridge/windows/stock_grid.h"
#include "support/fixed_clock.h"
#include "platform/rules/cp932.h"
#include "platform/rules/text_file.h"
#include "silent_dialogs.h"

namespace {

const QDate kToday(2024, 5, 12);

// A full stock in its own folder, written once: names from a short list, bought in the last two
// months, best-before dates around today or none.
struct FullStock {
  QTemporaryDir dir;
  QString path;
  QByteArray bytes;
};

const FullStock& Stock() {
  static FullStock* stock = [] {
    auto* s = new FullStock;
    const char* const names[] = {"牛乳", "卵", "豆腐", "納豆", "キャベツ", "にんじん", "たまねぎ", "豚バラ肉",
                                 "鶏もも肉", "鮭", "ヨーグルト", "バター", "チーズ", "ハム", "ほうれん草", "味噌"};
    std::vector<StockEntry> entries;
    for (int i = 0; i < 32767; ++i) {
      const QString bought = fridge_dates::DateText(kToday.addDays(-(i * 7 % 60)));
      const QString bestBefore = i % 5 == 0 ? QString() : fridge_dates::DateText(kToday.addDays(i * 13 % 100 - 10));
      entries.push_back(MakeEntry(QString::fromUtf8(names[i % std::size(names)]), bought, bestBefore, kToday));
    }
    s->path = s->dir.filePath(fridge_files::kStockFileName);
    fridge_files::WriteStock(s->path, entries);
    QFile file(s->path);
    file.open(QIODevice::ReadOnly);
    s->bytes = file.readAll();
    return s;
  }();
  return *stock;
}

void restoreStock() { text_file::writeBytes(Stock().path, Stock().bytes); }

struct OpenFridge {
  OpenFridge() : module(Stock().dir.path()), clock(kToday), window(module, dialogs, clock) {
    window.show();
    QApplication::processEvents();
  }
  Module1 module;
  bench::SilentDialogs dialogs;
  FixedClock clock;
  frmReizou window;
};

void BM_DecodeStockFile(benchmark::State& state) {
  for (auto _ : state) {
    const cp932::Decoded decoded = cp932::decode(Stock().bytes);
    benchmark::DoNotOptimize(decoded.text.constData());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * Stock().bytes.size());
}
BENCHMARK(BM_DecodeStockFile)->Unit(benchmark::kMillisecond);

// Reading both files and filling the boxes and the grid, until the window is painted.
void BM_OpenFridge(benchmark::State& state) {
  restoreStock();
  for (auto _ : state) {
    auto open = std::make_unique<OpenFridge>();
    benchmark::DoNotOptimize(open.get());
    state.PauseTiming();
    open.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenFridge)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A sort button pressed and the grid repainted; the keys alternate so each press reorders.
void BM_SortFridge(benchmark::State& state) {
  restoreStock();
  OpenFridge open;
  const char* const buttons[] = {"cmdZai_Sort", "cmdKou_Sort", "cmdZan_Sort"};
  int n = 0;
  for (auto _ : state) {
    open.window.findChild<QPushButton*>(QString::fromLatin1(buttons[n++ % 3]))->click();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_SortFridge)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Rows 5,000 to 15,000 selected and deleted: one rewrite of the remaining 22,767 entries and one
// removal from the grid.
void BM_DeleteTenThousand(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    restoreStock();
    auto open = std::make_unique<OpenFridge>();
    state.ResumeTiming();
    // The grid tells the window the rows a drag from row 5,000 to row 14,999 highlights.
    auto* grid = open->window.findChild<StockGrid*>(QStringLiteral("msgReizou"));
    emit grid->selectionStarted(5000);
    emit grid->selectionEnded(5000, 14999);
    open->window.findChild<QPushButton*>(QStringLiteral("cmdDel"))->click();
    QApplication::processEvents();
    state.PauseTiming();
    open.reset();
    state.ResumeTiming();
  }
  restoreStock();
}
BENCHMARK(BM_DeleteTenThousand)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The recipes of the full book that use an ingredient: one that many use, and one that none do.
void BM_FindRecipesUsing(benchmark::State& state) {
  static const RecipeTable recipes = bench::GenerateRecipes(bench::Book().lists, kMaxRecipes);
  const QString name = state.range(0) == 0 ? QStringLiteral("たまねぎ") : QStringLiteral("牛乳");
  qsizetype found = 0;
  for (auto _ : state) {
    const QStringList dishes = FindRecipesUsing(recipes, name);
    found = dishes.size();
    benchmark::DoNotOptimize(dishes.constData());
  }
  state.counters["found"] = double(found);
}
BENCHMARK(BM_FindRecipesUsing)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
