#include "fridge/rules/use_it_up.h"

#include <QSet>
#include <algorithm>

#include "fridge/rules/ingredient_names.h"
#include "fridge/rules/stock_by_name.h"

int UseItUpPoints(const std::optional<int>& daysLeft) {
  if (!daysLeft || *daysLeft == kNoBestBefore) return 0;
  if (*daysLeft < 0) return 3;
  if (*daysLeft <= 3) return 2;
  if (*daysLeft <= 7) return 1;
  return 0;
}

std::vector<UseItUpSuggestion> RankUseItUp(const RecipeTable& recipes, const std::vector<StockEntry>& stock) {
  IngredientFolder folder;
  const StockByName byName(stock, folder);
  // The entry of each ingredient that earns most, with its points; found once per ingredient.
  QHash<QString, UsedStockItem> bestOfKey;
  const auto bestItem = [&](const QString& key, const std::vector<int>& positions) {
    auto found = bestOfKey.constFind(key);
    if (found != bestOfKey.constEnd()) return *found;
    UsedStockItem best;
    for (int position : positions) {
      const int points = UseItUpPoints(stock[size_t(position - 1)].DaysLeft);
      if (points > best.points) best = {position, points};
    }
    return *bestOfKey.insert(key, best);
  };

  std::vector<UseItUpSuggestion> ranked;
  QSet<QString> seen;
  for (int number = 1; number <= recipes.count(); ++number) {
    UseItUpSuggestion suggestion{number, 0, {}, 0};
    seen.clear();
    ForEachIngredient(recipes[number].Ingredients, [&](QStringView, const IngredientNeed& need) {
      const QString& key = folder.key(need.name);
      if (seen.contains(key)) return;
      seen.insert(key);
      const std::vector<int>* positions = byName.positions(key);
      if (!positions) {
        ++suggestion.missing;
        return;
      }
      const UsedStockItem item = bestItem(key, *positions);
      if (item.points == 0) return;
      suggestion.points += item.points;
      suggestion.items.push_back(item);
    });
    if (suggestion.points > 0) ranked.push_back(std::move(suggestion));
  }
  std::stable_sort(ranked.begin(), ranked.end(), [](const UseItUpSuggestion& a, const UseItUpSuggestion& b) {
    if (a.points != b.points) return a.points > b.points;
    return a.missing < b.missing;
  });
  return ranked;
}
