// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/rules/recipe.h"

RecipeTable::RecipeTable(std::vector<Recipe> records) {
  records_.reserve(records.size() + 1);
  records_.emplace_back();
  for (Recipe& r : records) records_.push_back(std::move(r));
}

int RecipeTable::FindRecipeByDishName(const QString& name) const {
  for (int i = 1; i <= count(); ++i)
    if (records_[size_t(i)].DishName == name) return i;
  return 0;
}

QStringList RecipeTable::DishNames() const {
  QStringList names;
  names.reserve(count());
  for (int i = 1; i <= count(); ++i) names.append(records_[size_t(i)].DishName);
  return names;
}
