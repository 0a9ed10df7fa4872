// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recipes that use up what is about to spoil. Each stocked ingredient a recipe uses earns points
// by its days left: past its best-before date 3, 0 to 3 days left 2, 4 to 7 days left 1, else 0
// (an entry without a best-before date earns nothing). An ingredient the recipe names twice counts
// once, with its best entry. Recipes are ranked by their points, then by fewer missing ingredients
// (named in the recipe, not in the stock at all), then in book order; those without points are
// left out.
#include <QStringList>
#include <limits>
#include <optional>
#include <vector>

#include "fridge/rules/folded_book.h"
#include "fridge/rules/stock.h"
#include "store/rules/recipe.h"

int UseItUpPoints(const std::optional<int>& daysLeft);

struct UsedStockItem {
  int stockPosition = 0;  // 1-based, in the stock as given
  int points = 0;
};

struct UseItUpSuggestion {
  int recordNumber = 0;
  int points = 0;
  std::vector<UsedStockItem> items;  // the ingredients that earned points, in the recipe's order
  int missing = 0;
  QStringList missingNames;  // as the recipe writes them; filled for the first namedRows only
};

// stock: the entries with their days left for today. folded follows the table first, so a book
// is read line by line once and again only where it changed.
std::vector<UseItUpSuggestion> RankUseItUp(const RecipeTable& recipes, const std::vector<StockEntry>& stock,
                                           FoldedBook& folded, int namedRows = std::numeric_limits<int>::max());

// The same with a folding of its own.
std::vector<UseItUpSuggestion> RankUseItUp(const RecipeTable& recipes, const std::vector<StockEntry>& stock);
