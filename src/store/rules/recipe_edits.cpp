// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/rules/recipe_edits.h"

#include <cstdlib>

namespace recipe_edits {

Located Locate(const RecipeTable& table, const Recipe& before, int near) {
  int best = 0;
  for (int i = 1; i <= table.count(); ++i)
    if (table[i] == before && (best == 0 || std::abs(i - near) < std::abs(best - near))) best = i;
  if (best) return {Found::Same, best};
  if (const int named = table.FindRecipeByDishName(before.DishName)) return {Found::Changed, named};
  return {};
}

}  // namespace recipe_edits
