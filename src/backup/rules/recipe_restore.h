// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bringing recipes back from the backups of the recipe file: which backups there are and how many
// recipes each holds, which of a backup's recipes the book lacks, and the two ways back (append
// chosen records as they stand, or put the whole backup in place of the recipe file). Both are
// one atomic write of the recipe file.
#include <variant>
#include <vector>

#include "store/rules/backups.h"
#include "store/rules/raw_records.h"
#include "store/rules/recipe.h"

namespace backups {

struct RecipeBackup {
  Backup backup;
  int recipeCount = -1;  // -1 when the copy cannot be read
};

// The backups of the book's recipe file, newest first, each with its number of recipes. Counts of
// an earlier listing are taken over without reading the copy again: a copy is never rewritten, and
// counting a full book's copies takes a read of each.
std::vector<RecipeBackup> RecipeBackups(const QString& bookFolder, const std::vector<RecipeBackup>& known = {});

struct BackupRecipes {
  recipe_file::RawRecords file;  // the backup's records as they stand
  std::vector<int> missing;      // indexes into file.records of those whose dish name the book lacks
};

// Reads a backup whole, once; a copy that is not a sound recipe file is an error.
std::variant<BackupRecipes, FileError> MissingRecipes(const QString& backupPath, const RecipeTable& book);

// Appends the chosen records (indexes into from.file.records) to the recipe file.
std::optional<FileError> AppendFromBackup(const QString& recipePath, const BackupRecipes& from,
                                          const std::vector<int>& chosen);

// Writes the backup, byte for byte, over the recipe file.
std::optional<FileError> RestoreWholeFile(const QString& recipePath, const BackupRecipes& from);

}  // namespace backups
