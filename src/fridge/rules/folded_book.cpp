// SPDX-License-Identifier: GPL-3.0-or-later
#include "fridge/rules/folded_book.h"

#include <algorithm>

void FoldedBook::follow(const RecipeTable& recipes) {
  recipes_.resize(size_t(recipes.count()));
  for (int number = 1; number <= recipes.count(); ++number) {
    FoldedRecipe& folded = recipes_[size_t(number - 1)];
    const QString& text = recipes[number].Ingredients;
    if (folded.ingredients.isSharedWith(text)) continue;
    const bool same = folded.ingredients == text;
    folded.ingredients = text;
    if (!same) fold(folded);
  }
}

void FoldedBook::fold(FoldedRecipe& recipe) {
  recipe.ids.clear();
  ForEachIngredientName(recipe.ingredients, [&](QStringView, QStringView name) {
    const QString& key = folder_.key(name);
    auto found = idOfKey_.constFind(key);
    if (found == idOfKey_.constEnd()) found = idOfKey_.insert(key, int(idOfKey_.size()));
    if (std::find(recipe.ids.begin(), recipe.ids.end(), *found) == recipe.ids.end()) recipe.ids.push_back(*found);
  });
}
