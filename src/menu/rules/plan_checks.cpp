// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/rules/plan_checks.h"

#include <QRegularExpression>

#include "fridge/rules/fridge_dates.h"
#include "platform/rules/numbers.h"

std::optional<QDate> DateOfDayCaption(const QString& caption) {
  static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{2})年(\\d{2})月(\\d{2})日"));
  const QRegularExpressionMatch match = pattern.match(caption);
  if (!match.hasMatch()) return std::nullopt;
  const QDate date(2000 + match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
  if (!date.isValid()) return std::nullopt;
  return date;
}

DayTotals TotalsOfDay(const MenuPlan& plan, int day, const RecipeTable& recipes) {
  DayTotals totals;
  for (int meal = 0; meal < kMealsPerDay; ++meal) {
    const QString& dish = plan.dish(day * kMealsPerDay + meal);
    if (!IsPlannedDish(dish)) continue;
    const int number = recipes.FindRecipeByDishName(dish);
    if (number < 1) {
      totals.countedAsZero.append(QStringLiteral("%1（レシピにない）").arg(dish));
      totals.caloriesIncomplete = totals.saltIncomplete = true;
      continue;
    }
    const Recipe& recipe = recipes[number];
    totals.calories += recipe.CaloriesPerPerson;
    totals.salt += recipe.Salt;
    if (recipe.CaloriesPerPerson == 0) {
      totals.countedAsZero.append(dish + QStringLiteral("のカロリー"));
      totals.caloriesIncomplete = true;
    }
    if (recipe.Salt == 0) {
      totals.countedAsZero.append(dish + QStringLiteral("の塩分"));
      totals.saltIncomplete = true;
    }
  }
  return totals;
}

std::vector<ExpiryWarning> ExpiryWarnings(const MenuPlan& plan, const ShoppingList& list,
                                          const std::vector<StockEntry>& stock) {
  std::vector<ExpiryWarning> warnings;
  for (const PlannedNeed& need : list.needs) {
    if (need.stockPosition < 1) continue;
    const auto day = DateOfDayCaption(plan.Days[size_t(need.slot / kMealsPerDay)].DayCaption);
    const StockEntry& entry = stock[size_t(need.stockPosition - 1)];
    const auto bestBefore = fridge_dates::ParseDate(entry.BestBefore);
    if (day && bestBefore && *bestBefore < *day)
      warnings.push_back({need.slot, need.dish, entry.IngredientName, entry.BestBefore});
  }
  return warnings;
}

QString DayTotalsText(const DayTotals& totals) {
  const QString mark = QStringLiteral("※");
  QString text = QStringLiteral("一人分合計 %1kcal%2　塩分 %3g%4")
                     .arg(numbers::FormatSingle(totals.calories), totals.caloriesIncomplete ? mark : QString(),
                          numbers::FormatSingle(totals.salt), totals.saltIncomplete ? mark : QString());
  if (!totals.countedAsZero.isEmpty()) text += u'\n' + mark + QStringLiteral("0として計算：") + totals.countedAsZero.join(u'、');
  return text;
}

QStringList DayWarningLines(const std::vector<ExpiryWarning>& warnings, int day) {
  QStringList lines;
  for (const ExpiryWarning& warning : warnings)
    if (warning.slot / kMealsPerDay == day)
      lines.append(QStringLiteral("期限注意：%1 %2まで（%3の%4）")
                       .arg(warning.item, warning.bestBefore, MealCaption(warning.slot % kMealsPerDay), warning.dish));
  return lines;
}
