// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shopping list of a three-day plan: every ingredient of the planned dishes, walked meal by
// meal in plan order (day 1 breakfast, lunch, dinner, day 2 ...) and line by line, each met by
// one stock entry of the refrigerator when one is left, or else put on the list to buy.
//
// A stock entry serves one ingredient line: an entry used by an earlier meal is not there for a
// later one, and of several entries of an ingredient the one with the earliest best-before date
// is used first. An entry past its best-before date serves nothing unless the cook says so.
// Ingredients are matched by name (fridge/rules/ingredient_names.h); the amounts to buy of one
// ingredient are added up where their units agree (menu/rules/amounts.h), scaled when the plan is
// cooked for another number of persons than a recipe is written for.
#include <QSet>
#include <QStringList>
#include <vector>

#include "fridge/rules/ingredient_names.h"
#include "fridge/rules/stock.h"
#include "menu/rules/aisles.h"
#include "menu/rules/amounts.h"
#include "menu/rules/menu_plan.h"
#include "platform/rules/page_document.h"
#include "store/rules/recipe.h"

// One ingredient a planned dish needs.
struct PlannedNeed {
  int slot = 0;           // 0..8, 3 × day + meal
  QString dish;
  QString line;           // the ingredient line as written
  IngredientNeed need;    // its name and amount as written
  QString key;            // the folded name
  int stockPosition = 0;  // the stock entry that meets it (1-based), 0 when it is to be bought
  Fraction scale{1};      // persons planned for over the persons the recipe is written for
};

// The needs of one ingredient that has to be bought, named as it is first written.
struct BuyGroup {
  QString name;
  QString key;             // the folded name
  std::vector<int> needs;  // indices into ShoppingList::needs, in plan order
  QString total;           // the amounts added up ("5個", "大さじ4＋1パック")
  int aisle = 0;           // index into ShoppingList::aisles
};

struct ShoppingOptions {
  bool useExpired = false;  // let stock past its best-before date serve
  int persons = 0;          // the persons cooked for; 0 for each recipe's own
  QStringList staples;      // never bought
  const AisleTable* aisles = nullptr;  // the built-in table when none
};

struct ShoppingList {
  std::vector<PlannedNeed> needs;   // plan order
  std::vector<BuyGroup> toBuy;      // by aisle, each aisle in the order first needed
  std::vector<Aisle> aisles;
  QStringList staplesLeftOut;       // as first written, once each
  std::vector<int> atHome;          // indices into needs of those met from the stock
  std::vector<int> dishesNotInBook; // slots whose dish the recipe table does not hold
  int plannedDishes = 0;            // slots with a dish
};

// True when a slot's text names a dish: not empty and not the unchosen "レシピ選択".
bool IsPlannedDish(const QString& slotText);

// stock: the refrigerator's entries in file order.
ShoppingList BuildShoppingList(const MenuPlan& plan, const RecipeTable& recipes, const std::vector<StockEntry>& stock,
                               const ShoppingOptions& options = {});

// "3個（肉じゃが）", "3個（肉じゃが×2）": a need's amount as written, its dish and its scale.
QString AmountForDish(const PlannedNeed& need);

// "2個（カレー）、3個（肉じゃが）": every need of a group to buy.
QString UsesOf(const ShoppingList& list, const BuyGroup& group);

// "冷蔵庫の「玉葱」（賞味期限 2024/05/20、あと8日）": the stock entry a need takes.
QString StockEntryText(const StockEntry& entry);

// The list as text, one line a row: a heading with the plan's days, "【買うもの】" with one line
// "□ …" per ingredient (its total, amounts and dishes) under its aisle "〈野菜・果物〉", the ticked
// ones ("■ …") after all aisles; "【家にあるもの】" with the stock entry used for each need; the
// dishes the book does not hold; "【常備品として省いたもの】". The clipboard and the printed page
// get these lines.
QStringList ShoppingListLines(const ShoppingList& list, const MenuPlan& plan, const std::vector<StockEntry>& stock,
                              const QSet<QString>& tickedKeys = {});

// The best-before date a bought line goes into the refrigerator with unless the cook sets one:
// today plus the days its aisle keeps.
QDate DefaultBestBefore(const ShoppingList& list, const BuyGroup& group, QDate today);

// "□ じゃがいも　5個　2個（カレー）、3個（肉じゃが）"; "■ …" when ticked.
QString BuyLine(const ShoppingList& list, const BuyGroup& group, bool ticked);

// The lines on A4 pages whose printable area is given, titled "買い物リスト"; a ticked line is
// struck out.
PageDocument ShoppingListDocument(const QStringList& lines, TwipsSize printable);
