// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The book's ingredient lines read and folded once per loaded table: for each recipe the distinct
// ingredients it names, as numbers into one list of folded names. Walks over the whole book that
// come back on every press (the use-it-up ranking) read these numbers instead of the lines.
#include <QHash>
#include <QString>
#include <vector>

#include "fridge/rules/ingredient_names.h"
#include "store/rules/recipe.h"

class FoldedBook {
 public:
  // Brings the folding up to the table: a recipe whose Ingredients text is still the one folded
  // keeps its numbers, the others are read again.
  void follow(const RecipeTable& recipes);

  // The number of a folded name; -1 when no recipe of the book names it.
  int idOf(const QString& key) const { return idOfKey_.value(key, -1); }
  int idCount() const { return int(idOfKey_.size()); }
  // The distinct ingredients of recipe number (1..count), in the order the recipe names them.
  const std::vector<int>& ingredientsOf(int number) const { return recipes_[size_t(number - 1)].ids; }

  IngredientFolder& folder() { return folder_; }

 private:
  struct FoldedRecipe {
    QString ingredients;  // the text folded, shared with the table's
    std::vector<int> ids;
  };
  void fold(FoldedRecipe& recipe);

  IngredientFolder folder_;
  QHash<QString, int> idOfKey_;
  std::vector<FoldedRecipe> recipes_;
};
