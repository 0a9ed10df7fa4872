// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the menu shows under each day: the day's calories and salt per person summed over its
// dishes, and the planned dishes whose stocked ingredient will be past its best-before date by
// the day it is cooked.
#include <QDate>
#include <QStringList>
#include <optional>
#include <vector>

#include "fridge/rules/stock.h"
#include "menu/rules/menu_plan.h"
#include "menu/rules/shopping_list.h"
#include "store/rules/recipe.h"

// The date a day caption names when it was set from a date ("24年05月12日 日曜日": 2024-05-12).
std::optional<QDate> DateOfDayCaption(const QString& caption);

struct DayTotals {
  float calories = 0;  // per person, kcal
  float salt = 0;      // per person, g
  // What was counted as 0: "肉じゃがのカロリー", "肉じゃがの塩分" for a value left at 0 in the
  // book, "もう無い料理（レシピにない）" for a dish the book does not hold.
  QStringList countedAsZero;
  bool caloriesIncomplete = false;
  bool saltIncomplete = false;
};

DayTotals TotalsOfDay(const MenuPlan& plan, int day, const RecipeTable& recipes);

// A stock entry that a planned dish uses (as the shopping list assigns them) and whose best-before
// date comes before the day the dish is planned for.
struct ExpiryWarning {
  int slot = 0;
  QString dish;
  QString item;        // the stock entry's name
  QString bestBefore;  // its best-before date as written
};

// Days whose caption is no date are not checked.
std::vector<ExpiryWarning> ExpiryWarnings(const MenuPlan& plan, const ShoppingList& list,
                                          const std::vector<StockEntry>& stock);

// "一人分合計 850kcal　塩分 6.5g", with a "※" after a sum that counts a value as 0 and a second line
// naming them.
QString DayTotalsText(const DayTotals& totals);

// "期限注意：牛乳 2024/05/13まで（夕の肉じゃが）", one line for each warning of the day.
QStringList DayWarningLines(const std::vector<ExpiryWarning>& warnings, int day);
