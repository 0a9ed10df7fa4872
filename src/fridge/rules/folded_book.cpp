// SPDX-License-Identifier: GPL-3.0-or-later
#include "fridge/rules/folded_book.h"

#include <algorithm>

namespace {

std::vector<QString> ingredientTexts(const RecipeTable& recipes) {
  std::vector<QString> texts;
  texts.reserve(size_t(recipes.count()));
  for (int number = 1; number <= recipes.count(); ++number) texts.push_back(recipes[number].Ingredients);
  return texts;
}

}  // namespace

void FoldedBook::follow(const RecipeTable& recipes) {
  settle();
  followTexts(ingredientTexts(recipes));
}

void FoldedBook::foldBeside(const RecipeTable& recipes) {
  settle();
  // The thread folds copies of the texts, which share the table's: an edit of the table detaches
  // its own text and leaves the copy as it was.
  folding_ = std::thread([this, texts = ingredientTexts(recipes)] { followTexts(texts); });
}

void FoldedBook::settle() {
  if (folding_.joinable()) folding_.join();
}

void FoldedBook::followTexts(const std::vector<QString>& ingredients) {
  recipes_.resize(ingredients.size());
  for (size_t i = 0; i < ingredients.size(); ++i) {
    FoldedRecipe& folded = recipes_[i];
    if (folded.ingredients.isSharedWith(ingredients[i])) continue;
    const bool same = folded.ingredients == ingredients[i];
    folded.ingredients = ingredients[i];
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
