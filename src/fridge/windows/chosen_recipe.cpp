// SPDX-License-Identifier: GPL-3.0-or-later
#include "fridge/windows/chosen_recipe.h"

int ChosenRecipeNumber(const RecipeTable& recipes, Dialogs& dialogs, const QString& dish) {
  const int number = recipes.FindRecipeByDishName(dish);
  if (number < 1)
    dialogs.warn(QStringLiteral("「%1」はレシピから削除されています。\n一覧を新しくします。").arg(dish),
                 QStringLiteral("レシピが見つかりません"));
  return number < 1 ? 0 : number;
}
