// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The book's ingredient lines read and folded once per loaded table: for each recipe the distinct
// ingredients it names, as numbers into one list of folded names. Walks over the whole book that
// come back on every press (the use-it-up ranking) read these numbers instead of the lines.
#include <QHash>
#include <QString>
#include <thread>
#include <vector>

#include "fridge/rules/ingredient_names.h"
#include "store/rules/recipe.h"

class FoldedBook {
 public:
  FoldedBook() = default;
  ~FoldedBook() { settle(); }
  FoldedBook(const FoldedBook&) = delete;
  FoldedBook& operator=(const FoldedBook&) = delete;

  // Brings the folding up to the table: a recipe whose Ingredients text is still the one folded
  // keeps its numbers, the others are read again. A fold begun beside is waited for first.
  void follow(const RecipeTable& recipes);

  // Begins to bring the folding up to the table as it is now, on a thread of its own, so that
  // the first ranking after a load finds the book folded. The table may change meanwhile: the
  // next follow() folds what changed since. Nothing else of the book may be asked until then.
  void foldBeside(const RecipeTable& recipes);
  // Waits for a fold begun beside to end.
  void settle();

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
  // Brings the folding up to count texts, the i-th (from 0) given by textAt(i).
  template <typename TextAt>
  void followTexts(size_t count, TextAt textAt);

  std::thread folding_;

  IngredientFolder folder_;
  QHash<QString, int> idOfKey_;
  std::vector<FoldedRecipe> recipes_;
};
