// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/rules/recipe_restore.h"

#include <QSet>
#include <algorithm>

#include "platform/rules/text_file.h"
#include "store/rules/recipe_file.h"
#include "store/rules/recipe_reader.h"

namespace backups {

std::vector<RecipeBackup> RecipeBackups(const QString& bookFolder, const std::vector<RecipeBackup>& known) {
  std::vector<Backup> copies = List(bookFolder, recipe_file::kFileName);
  std::vector<RecipeBackup> found;
  found.reserve(copies.size());
  for (auto copy = copies.rbegin(); copy != copies.rend(); ++copy) {
    const auto earlier = std::find_if(known.begin(), known.end(), [&](const RecipeBackup& k) {
      return k.backup.path == copy->path && k.recipeCount >= 0;
    });
    if (earlier != known.end()) {
      found.push_back({*copy, earlier->recipeCount});
      continue;
    }
    const auto count = recipe_file::CountRecordsInFile(copy->path);
    found.push_back({*copy, std::holds_alternative<int>(count) ? std::get<int>(count) : -1});
  }
  return found;
}

std::variant<BackupRecipes, FileError> MissingRecipes(const QString& backupPath, const RecipeTable& book) {
  auto read = recipe_file::ReadRawRecords(backupPath);
  if (auto* error = std::get_if<FileError>(&read)) return *error;
  BackupRecipes recipes{std::get<recipe_file::RawRecords>(std::move(read)), {}};
  const QStringList names = book.DishNames();
  const QSet<QString> inBook(names.begin(), names.end());
  for (size_t i = 0; i < recipes.file.records.size(); ++i)
    if (!inBook.contains(recipes.file.records[i].dishName)) recipes.missing.push_back(int(i));
  return recipes;
}

std::optional<FileError> AppendFromBackup(const QString& recipePath, const BackupRecipes& from,
                                          const std::vector<int>& chosen) {
  return recipe_file::AppendRawRecords(recipePath, from.file, chosen);
}

std::optional<FileError> RestoreWholeFile(const QString& recipePath, const BackupRecipes& from) {
  return text_file::writeBytes(recipePath, from.file.bytes);
}

}  // namespace backups
