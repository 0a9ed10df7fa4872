// What the cook waits for when the menu and the refrigerator work together on a full book and a
// stock of 1,000 entries: the shopping list of a nine-dish plan (the rules alone, and pressed in
// the menu until its window shows), and the use-it-up ranking of the whole book (the rules alone,
// and shown in its window).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include "book_generator.h"
#include "fridge/rules/fridge_dates.h"
#include "fridge/rules/fridge_files.h"
#include "fridge/rules/use_it_up.h"
#include "fridge/windows/frm_tukaikiri.h"
#include "menu/rules/shopping_list.h"
#include "menu/windows/frm_menu.h"
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

void BM_ShoppingListFromTheMenu(benchmark::State& state) {
  const KitchenOnBook& kitchen = Kitchen();
  bench::SilentDialogs dialogs;
  Clock clock;
  frmMenu menu(*kitchen.module, dialogs, clock, [](QWidget&) {});
  menu.show();
  QApplication::processEvents();
  auto* button = menu.findChild<QPushButton*>(QStringLiteral("cmdKaimono"));
  for (auto _ : state) {
    button->click();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_ShoppingListFromTheMenu)->Unit(benchmark::kMillisecond)->MinTime(1.0);

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

}  // namespace
