// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One recipe of a page as the book would hold it, for the preview to show and the user to edit:
// 料理名 from name, 材料 one ingredient a line (name, ideographic space, amount), 作り方 numbered
// 「１．」… with a section's name as a heading line, the calories and salt per person, the cooking
// time in minutes, the site as 参考, the description and the address as メモ, and the categories
// guessed against the user's lists. Every character the code page cannot hold is replaced and
// listed; a line the recipe file cannot hold is changed and said.
#include <QJsonObject>
#include <QList>
#include <QStringList>

#include "store/rules/category_lists.h"
#include "store/rules/recipe_file.h"
#include "web_import/rules/code_page_text.h"

namespace web_import {

struct ImportedRecipe {
  recipe_file::RecipeForm form;       // multi-line texts joined by LF, as a text box holds them
  QStringList notes;                  // how figures were taken, what was left for the user
  QList<Substitution> substitutions;  // characters the code page cannot hold, and what stands for them
  QString imageAddress;               // the picture as the page names it (may be relative)
};

struct PageSource {
  QString siteName;  // the site, for 参考
  QString address;   // the page's address, for メモ
};

ImportedRecipe MapRecipe(const QJsonObject& recipe, const PageSource& source, const CategoryLists& lists);

// The recipe's name for a list of several (its name, else "レシピ N").
QString RecipeTitle(const QJsonObject& recipe, int number);

}  // namespace web_import
