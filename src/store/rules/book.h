// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recipe book as start-up reads it: every data file, in order, into one value. Windows fill
// their controls from it; nothing is shown or written while it loads.
#include <QStringList>
#include <optional>
#include <variant>

#include "platform/rules/data_folder.h"
#include "platform/rules/file_error.h"
#include "store/rules/category_lists.h"
#include "store/rules/profile_file.h"
#include "store/rules/recipe.h"
#include "store/rules/recipe_file.h"

struct LoadedBook {
  Profile Prof;
  CategoryLists Lists;
  QStringList References;  // the reference list, in file order
  RecipeTable Recipes;
  int HelpTourOn = 0;
};

// Reads the profile, the three category lists, the reference list, the recipe file (telling
// progress about it) and the settings, in that order. The first file that fails is returned.
std::variant<LoadedBook, FileError> LoadBook(const DataFolder& folder, const recipe_file::Progress& progress = {});

// Reads every one of those files that exists, as LoadBook does, and returns the first that fails;
// missing files are passed over. Used before creating missing files, so that a book that cannot
// start is left as it was.
std::optional<FileError> CheckExistingBookFiles(const DataFolder& folder);
