#pragma once
// The shopping list of a three-day plan: every ingredient of the planned dishes, walked meal by
// meal in plan order (day 1 breakfast, lunch, dinner, day 2 ...) and line by line, each met by
// one stock entry of the refrigerator when one is left, or else put on the list to buy.
//
// A stock entry serves one ingredient line: an entry used by an earlier meal is not there for a
// later one, and of several entries of an ingredient the one with the earliest best-before date
// is used first. Ingredients are matched by name (fridge/rules/ingredient_names.h); amounts are
// shown as written and never added up or converted.
#include <QStringList>
#include <vector>

#include "fridge/rules/ingredient_names.h"
#include "fridge/rules/stock.h"
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
};

// The needs of one ingredient that has to be bought, named as it is first written.
struct BuyGroup {
  QString name;
  std::vector<int> needs;  // indices into ShoppingList::needs, in plan order
};

struct ShoppingList {
  std::vector<PlannedNeed> needs;   // plan order
  std::vector<BuyGroup> toBuy;      // in the order first needed
  std::vector<int> atHome;          // indices into needs of those met from the stock
  std::vector<int> dishesNotInBook; // slots whose dish the recipe table does not hold
  int plannedDishes = 0;            // slots with a dish
};

// True when a slot's text names a dish: not empty and not the unchosen "レシピ選択".
bool IsPlannedDish(const QString& slotText);

// stock: the refrigerator's entries in file order.
ShoppingList BuildShoppingList(const MenuPlan& plan, const RecipeTable& recipes, const std::vector<StockEntry>& stock);

// "3個（肉じゃが）": a need's amount as written and its dish.
QString AmountForDish(const PlannedNeed& need);

// "2個（カレー）、3個（肉じゃが）": every need of a group to buy.
QString UsesOf(const ShoppingList& list, const BuyGroup& group);

// "冷蔵庫の「玉葱」（賞味期限 2024/05/20）": the stock entry a need takes.
QString StockEntryText(const StockEntry& entry);

// The list as text, one line a row: a heading with the plan's days, "【買うもの】" with one line
// per ingredient (its amounts and dishes), "【家にあるもの】" with the stock entry used for each
// need, and the dishes the book does not hold. The clipboard and the printed page get these lines.
QStringList ShoppingListLines(const ShoppingList& list, const MenuPlan& plan, const std::vector<StockEntry>& stock);

// The lines on A4 pages whose printable area is given, titled "買い物リスト".
PageDocument ShoppingListDocument(const QStringList& lines, TwipsSize printable);
