// SPDX-License-Identifier: GPL-3.0-or-later
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

namespace {

// The ingredients of a recipe that the stock does not hold, as the recipe writes them.
QStringList missingNamesOf(const Recipe& recipe, const std::vector<char>& inStock, FoldedBook& folded) {
  QStringList names;
  QSet<int> seen;
  ForEachIngredient(recipe.Ingredients, [&](QStringView, const IngredientNeed& need) {
    const int id = folded.idOf(folded.folder().key(need.name));
    if (id < 0 || inStock[size_t(id)] || seen.contains(id)) return;
    seen.insert(id);
    names.append(need.name);
  });
  return names;
}

}  // namespace

std::vector<UseItUpSuggestion> RankUseItUp(const RecipeTable& recipes, const std::vector<StockEntry>& stock,
                                           FoldedBook& folded, int namedRows) {
  folded.follow(recipes);
  // For each ingredient of the book: whether the stock holds it, and its entry that earns most.
  std::vector<char> inStock(size_t(folded.idCount()), 0);
  std::vector<UsedStockItem> best(size_t(folded.idCount()));
  const StockByName byName(stock, folded.folder());
  for (size_t i = 0; i < stock.size(); ++i) {
    const int id = folded.idOf(StockKey(stock[i], folded.folder()));
    if (id < 0) continue;
    inStock[size_t(id)] = 1;
    if (best[size_t(id)].stockPosition != 0) continue;
    // The first entry met of an ingredient looks at all of its entries, earliest date first.
    for (int position : *byName.positions(StockKey(stock[i], folded.folder()))) {
      const int points = UseItUpPoints(stock[size_t(position - 1)].DaysLeft);
      if (points > best[size_t(id)].points || best[size_t(id)].stockPosition == 0)
        best[size_t(id)] = {position, points};
    }
  }

  std::vector<UseItUpSuggestion> ranked;
  for (int number = 1; number <= recipes.count(); ++number) {
    UseItUpSuggestion suggestion{number, 0, {}, 0, {}};
    for (int id : folded.ingredientsOf(number)) {
      if (!inStock[size_t(id)]) {
        ++suggestion.missing;
      } else if (best[size_t(id)].points > 0) {
        suggestion.points += best[size_t(id)].points;
        suggestion.items.push_back(best[size_t(id)]);
      }
    }
    if (suggestion.points > 0) ranked.push_back(std::move(suggestion));
  }
  std::stable_sort(ranked.begin(), ranked.end(), [](const UseItUpSuggestion& a, const UseItUpSuggestion& b) {
    if (a.points != b.points) return a.points > b.points;
    return a.missing < b.missing;
  });
  for (size_t i = 0; i < ranked.size() && i < size_t(namedRows); ++i)
    ranked[i].missingNames = missingNamesOf(recipes[ranked[i].recordNumber], inStock, folded);
  return ranked;
}

std::vector<UseItUpSuggestion> RankUseItUp(const RecipeTable& recipes, const std::vector<StockEntry>& stock) {
  FoldedBook folded;
  return RankUseItUp(recipes, stock, folded);
}
