// SPDX-License-Identifier: GPL-3.0-or-later
#include "fridge/rules/recipes_using.h"

QStringList FindRecipesUsing(const RecipeTable& recipes, const QString& ingredientName) {
  QStringList found;
  if (ingredientName.isEmpty()) return found;
  for (int number = 1; number <= recipes.count(); ++number) {
    if (recipes[number].Ingredients.contains(ingredientName, Qt::CaseSensitive))
      found.append(recipes[number].DishName);
  }
  return found;
}
