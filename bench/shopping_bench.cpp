// SPDX-License-Identifier: GPL-3.0-or-later
// What the cook waits for when the menu and the refrigerator work together on a full book and a
// stock of 1,000 entries: the shopping list of a nine-dish plan (the rules alone, and pressed in
// the menu until its window shows), bought lines into the refrigerator and back, and the use-it-up
// ranking of the whole book (the rules alone, cold and with the book folded once, and shown in its
// window).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTreeWidget>
#include <QTemporaryDir>

#include "book_generator.h"
#include "fridge/rules/fridge_dates.h"
#include "fridge/rules/fridge_files.h"
#include "fridge/rules/use_it_up.h"
#include "fridge/windows/frm_tukaikiri.h"
#include "menu/rules/shopping_list.h"
#include "menu/windows/frm_menu.h"
#include "platform/rules/text_file.h"
#include "silent_dialogs.h"

namespace {

constexpr int kStockEntries = 1000;

// The full book in a folder of its own, with a nine-dish plan spread over the book in "MENU.TXT"
// and 1,000 stock entries in "冷蔵庫.TXT": names of the book's ingredients, some written in
// katakana or with an amount, best-before dates from ten days ago to three weeks ahead, or none.
struct KitchenOnBook {
  QTemporaryDir dir;
  std::unique_ptr<Module1> module;
  MenuPlan plan;
  std::vector<StockEntry> stock;
};

const KitchenOnBook& Kitchen() {
  static KitchenOnBook* kitchen = [] {
    auto* k = new KitchenOnBook;
    k->module = std::make_unique<Module1>(k->dir.path());
    k->module->Recipes = bench::LoadedRecipes();
    const RecipeTable& recipes = k->module->Recipes;
    k->plan = BlankMenuPlan();
    const QDate today = QDate::currentDate();
    for (int day = 0; day < kMenuDays; ++day) k->plan.Days[size_t(day)].DayCaption = MenuDayCaption(today.addDays(day));
    for (int slot = 0; slot < kMenuSlots; ++slot) k->plan.dish(slot) = recipes[1 + slot * (recipes.count() / kMenuSlots)].DishName;
    WriteMenuPlan(k->module->path(kMenuFileName), k->plan);

    const char* const names[] = {"牛乳", "卵", "豆腐", "キャベツ", "ニンジン", "玉ねぎ", "豚バラ肉", "鶏もも肉", "鮭",
                                 "ほうれん草", "じゃがいも 3個", "しょうゆ", "みそ", "もやし", "ナス", "長ねぎ",
                                 "しいたけ", "大根", "白菜", "ピーマン", "ベーコン", "チーズ", "トマト", "えのき"};
    for (int i = 0; i < kStockEntries; ++i) {
      const QString bestBefore = i % 7 == 0 ? QString() : fridge_dates::DateText(today.addDays(i * 13 % 31 - 10));
      k->stock.push_back(MakeEntry(QString::fromUtf8(names[i % std::size(names)]), fridge_dates::DateText(today),
                                   bestBefore, today));
    }
    fridge_files::WriteStock(k->module->path(fridge_files::kStockFileName), k->stock);
    // A cook's own sections and staples, as the list reads them on every press.
    QStringList aisles;
    for (int i = 0; i < 50; ++i) aisles.append(QStringLiteral("自家製品%1,手作りコーナー").arg(i));
    aisles.append(QStringLiteral("手作りコーナー,3"));
    text_file::writeLines(k->module->path(kAisleFileName), aisles);
    text_file::writeLines(k->module->path(kStapleFileName), {QStringLiteral("塩"), QStringLiteral("こしょう"),
                                                             QStringLiteral("しょうゆ"), QStringLiteral("砂糖"),
                                                             QStringLiteral("サラダ油"), QStringLiteral("みりん")});
    return k;
  }();
  return *kitchen;
}

void BM_ShoppingListRules(benchmark::State& state) {
  const KitchenOnBook& kitchen = Kitchen();
  size_t toBuy = 0;
  for (auto _ : state) {
    auto stock = fridge_files::ReadStock(kitchen.module->path(fridge_files::kStockFileName), QDate::currentDate());
    const auto& entries = std::get<std::vector<StockEntry>>(stock);
    const ShoppingList list = BuildShoppingList(kitchen.plan, kitchen.module->Recipes, entries);
    benchmark::DoNotOptimize(ShoppingListLines(list, kitchen.plan, entries));
    toBuy = list.toBuy.size();
  }
  state.counters["to_buy"] = double(toBuy);
}
BENCHMARK(BM_ShoppingListRules)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The menu over the kitchen's book, shown.
struct ShownMenu {
  bench::SilentDialogs dialogs;
  Clock clock;
  frmMenu menu;
  ShownMenu() : menu(*Kitchen().module, dialogs, clock, [](QWidget&) {}) {
    menu.show();
    QApplication::processEvents();
  }
  // Until the shopping list shows.
  void pressShoppingList() {
    menu.findChild<QPushButton*>(QStringLiteral("cmdKaimono"))->click();
    QApplication::processEvents();
  }
};

void BM_ShoppingListFromTheMenu(benchmark::State& state) {
  ShownMenu shown;
  for (auto _ : state) shown.pressShoppingList();
}
BENCHMARK(BM_ShoppingListFromTheMenu)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Two lines ticked, put into the refrigerator and taken out again: two writes of the 1,000-entry
// stock file, each followed by the list made afresh.
void BM_IntoTheFridgeAndBack(benchmark::State& state) {
  ShownMenu shown;
  shown.pressShoppingList();
  auto* list = shown.menu.findChild<QWidget*>(QStringLiteral("frmKaimono"));
  auto* tree = list->findChild<QTreeWidget*>(QStringLiteral("tvwKau"));
  auto* into = list->findChild<QPushButton*>(QStringLiteral("cmdReizouko"));
  auto* back = list->findChild<QPushButton*>(QStringLiteral("cmdTorikesi"));
  for (auto _ : state) {
    for (int ticked = 0, row = 0; ticked < 2 && row < tree->topLevelItemCount(); ++row) {
      QTreeWidgetItem* item = tree->topLevelItem(row);
      if (!(item->flags() & Qt::ItemIsUserCheckable) || item->checkState(0) == Qt::Checked) continue;
      item->setCheckState(0, Qt::Checked);
      QApplication::processEvents();
      ++ticked;
      row = -1;  // the tree was made again
    }
    into->click();
    back->click();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_IntoTheFridgeAndBack)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Every press folds the whole book again: what the first press after loading costs.
void BM_UseItUpRules(benchmark::State& state) {
  const KitchenOnBook& kitchen = Kitchen();
  size_t ranked = 0;
  for (auto _ : state) {
    const auto suggestions = RankUseItUp(kitchen.module->Recipes, kitchen.stock);
    ranked = suggestions.size();
    benchmark::DoNotOptimize(ranked);
  }
  state.counters["ranked"] = double(ranked);
  state.counters["recipes"] = kitchen.module->RecipeCount();
}
BENCHMARK(BM_UseItUpRules)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The book folded once and kept, as the window keeps it: every later press.
void BM_UseItUpRulesFoldedOnce(benchmark::State& state) {
  const KitchenOnBook& kitchen = Kitchen();
  FoldedBook folded;
  RankUseItUp(kitchen.module->Recipes, kitchen.stock, folded);
  for (auto _ : state)
    benchmark::DoNotOptimize(RankUseItUp(kitchen.module->Recipes, kitchen.stock, folded, frmTukaikiri::kMaxShown));
}
BENCHMARK(BM_UseItUpRulesFoldedOnce)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_UseItUpWindow(benchmark::State& state) {
  const KitchenOnBook& kitchen = Kitchen();
  bench::SilentDialogs dialogs;
  frmTukaikiri window(kitchen.module->Recipes, dialogs);
  window.show();
  for (auto _ : state) {
    window.showFor(kitchen.stock);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_UseItUpWindow)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The first press in a use-it-up window opened after the book was loaded: the main window began
// folding the book beside the load, and a user opening the refrigerator comes later, so the
// fold has ended; the press then only ranks and shows.
void BM_UseItUpFirstPressAfterLoad(benchmark::State& state) {
  const KitchenOnBook& kitchen = Kitchen();
  bench::SilentDialogs dialogs;
  for (auto _ : state) {
    state.PauseTiming();
    FoldedBook folded;
    folded.foldBeside(kitchen.module->Recipes);
    folded.settle();
    frmTukaikiri window(kitchen.module->Recipes, dialogs, nullptr, &folded);
    window.show();
    QApplication::processEvents();
    state.ResumeTiming();
    window.showFor(kitchen.stock);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_UseItUpFirstPressAfterLoad)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The fold itself, as it runs beside the load.
void BM_FoldBookBeside(benchmark::State& state) {
  const KitchenOnBook& kitchen = Kitchen();
  for (auto _ : state) {
    FoldedBook folded;
    folded.foldBeside(kitchen.module->Recipes);
    folded.settle();
  }
}
BENCHMARK(BM_FoldBookBeside)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace
