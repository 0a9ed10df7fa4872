// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bringing the book back from its backups: every entry with what it holds and whether it reads,
// which of a recipe entry's recipes the book lacks, and the ways back (append chosen records as
// they stand, or put a whole copy in place of its file). Each is one atomic write.
#include <variant>
#include <vector>

#include "store/rules/backups.h"
#include "store/rules/raw_records.h"
#include "store/rules/recipe.h"

namespace backups {

struct ListedBackup {
  Backup backup;
  int recipeCount = -1;  // for the recipe file's entries: the records held
  bool damaged = false;  // cut short, not CP932, or (the recipe file's) not a sound run of records
};

// True when the entry keeps a whole file, which can be put back in its place.
bool KeepsWholeFile(const Backup& backup);

// Every entry of the book, newest first, each checked. Entries of an earlier listing are taken
// over without reading them again: an entry is never rewritten, and checking a whole copy of a
// full book takes a read of it.
std::vector<ListedBackup> ListBackups(const QString& bookFolder, const std::vector<ListedBackup>& known = {});

// A copy that a sync tool left beside the book's file ofFile after a conflict, listed as a whole
// earlier copy of that file and checked as one.
inline const QString kConflictCopyWords = QStringLiteral("競合コピー");
ListedBackup ListConflictCopy(const QString& path, const QString& ofFile);

struct BackupRecipes {
  recipe_file::RawRecords file;  // the entry's records as they stand
  std::vector<int> missing;      // indexes into file.records of those whose dish name the book lacks
  std::vector<int> changed;      // of those the book holds otherwise (the old state of a change)
};

// Reads a recipe entry whole; one that is not a sound run of records is an error. Only an
// entry of single records (the history) lists the changed ones: a whole copy holds the whole
// book of its time.
std::variant<BackupRecipes, FileError> MissingRecipes(const Backup& backup, const RecipeTable& book);

// Appends the chosen records (indexes into from.file.records) to the recipe file.
std::optional<FileError> AppendFromBackup(const QString& recipePath, const BackupRecipes& from,
                                          const std::vector<int>& chosen);

// The book with each chosen record (indexes into from.file.records) back: in place of the book's
// record of the same name, else at the end.
std::variant<RecipeTable, FileError> WithRecordsBack(const RecipeTable& book, const BackupRecipes& from,
                                                     const std::vector<int>& chosen);

// Writes what a whole entry keeps, byte for byte, over its file at path.
std::optional<FileError> RestoreWholeFile(const QString& path, const Backup& backup);

}  // namespace backups
