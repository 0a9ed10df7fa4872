// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A full-size recipe book for the benchmarks: 32,766 recipes with realistic Japanese text, written
// as "レシピ.TXT" beside the usual start-up files. Generated once per process into a temporary
// folder and shared by every benchmark.
#include <QByteArray>
#include <QString>

#include "store/rules/category_lists.h"
#include "store/rules/module1.h"
#include "store/rules/recipe.h"
#include "store/rules/recipe_file.h"

namespace bench {

struct GeneratedBook {
  QString folder;
  QString recipePath;      // the recipe file
  QByteArray recipeBytes;  // its content as generated, to restore it between runs
  CategoryLists lists;
  double targetPoints = 0;
};

// The same recipes for the same count and seed: unique dish names built from ingredient and
// cooking words, category words from the lists, ingredient lines with amounts, numbered steps,
// a memo now and then, a few cooking dates and ratings.
RecipeTable GenerateRecipes(const CategoryLists& lists, int count, unsigned seed = 20030512);

// A form as the main window would hand it over for a new recipe, its name not in the book.
recipe_file::RecipeForm NewRecipeForm();

// The book, generated on first use (and its size printed once).
const GeneratedBook& Book();

// The recipe file as generated, loaded once.
const RecipeTable& LoadedRecipes();

// The book loaded with its lists, target points and statistics, as the main window holds it.
// Shared by every benchmark that opens a window on the book; the windows only read it.
Module1& BookModule();

// Puts the recipe file back as generated.
void RestoreRecipeFile();

}  // namespace bench
