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
  followTexts(size_t(recipes.count()), [&](size_t i) -> const QString& { return recipes[int(i) + 1].Ingredients; });
}

void FoldedBook::foldBeside(const RecipeTable& recipes) {
  settle();
  // The thread folds copies of the texts, which share the table's: an edit of the table detaches
  // its own text and leaves the copy as it was.
  folding_ = std::thread([this, texts = ingredientTexts(recipes)] {
    followTexts(texts.size(), [&](size_t i) -> const QString& { return texts[i]; });
  });
}

void FoldedBook::settle() {
  if (folding_.joinable()) folding_.join();
}

template <typename TextAt>
void FoldedBook::followTexts(size_t count, TextAt textAt) {
  recipes_.resize(count);
  for (size_t i = 0; i < count; ++i) {
    FoldedRecipe& folded = recipes_[i];
    const QString& text = textAt(i);
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
