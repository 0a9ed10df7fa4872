// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/rules/recipe_restore.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>

#include "platform/rules/cp932.h"
#include "platform/rules/text_file.h"
#include "store/rules/recipe_file.h"
#include "store/rules/recipe_reader.h"

namespace backups {
namespace {

// The entry's records, checked as the book's reader would take them.
std::variant<recipe_file::RawRecords, FileError> readRecords(const Backup& backup) {
  auto contents = Contents(backup);
  if (auto* error = std::get_if<FileError>(&contents)) return *error;
  const cp932::Decoded decoded = cp932::decode(std::get<QByteArray>(contents));
  if (decoded.error) return FileError{FileError::Kind::NotCp932, backup.path, decoded.error->line, {}};
  return recipe_file::FindRawRecords(backup.path, std::get<QByteArray>(std::move(contents)));
}

QByteArray bytesOf(const recipe_file::RawRecords& file, const recipe_file::RawRecord& record) {
  QByteArray bytes;
  recipe_file::AppendRecordLines(bytes, file, record);
  return bytes;
}

bool isRecipeFile(const Backup& backup) { return backup.ofFile.compare(recipe_file::kFileName, Qt::CaseInsensitive) == 0; }

ListedBackup check(const Backup& backup) {
  ListedBackup listed{backup, -1, backup.kind == Kind::Damaged};
  if (listed.damaged) return listed;
  if (isRecipeFile(backup)) {
    auto records = readRecords(backup);
    if (auto* file = std::get_if<recipe_file::RawRecords>(&records)) listed.recipeCount = int(file->records.size());
    else listed.damaged = true;
    return listed;
  }
  auto contents = Contents(backup);
  listed.damaged = std::holds_alternative<FileError>(contents) || cp932::decode(std::get<QByteArray>(contents)).error.has_value();
  return listed;
}

}  // namespace

bool KeepsWholeFile(const Backup& backup) {
  return backup.kind == Kind::DayStart || backup.kind == Kind::Whole || backup.kind == Kind::Earlier;
}

std::vector<ListedBackup> ListBackups(const QString& bookFolder, const std::vector<ListedBackup>& known) {
  std::vector<ListedBackup> listed;
  for (const Backup& backup : ListAll(bookFolder)) {
    const auto earlier = std::find_if(known.begin(), known.end(), [&](const ListedBackup& k) {
      return k.backup.path == backup.path && k.backup.sequence == backup.sequence;
    });
    listed.push_back(earlier != known.end() ? *earlier : check(backup));
  }
  return listed;
}

ListedBackup ListConflictCopy(const QString& path, const QString& ofFile) {
  const QFileInfo info(path);
  Backup backup{path, info.fileName(), ofFile, Kind::Earlier, 0, info.lastModified(), kConflictCopyWords, {}};
  return check(backup);
}

std::variant<BackupRecipes, FileError> MissingRecipes(const Backup& backup, const RecipeTable& book) {
  auto read = readRecords(backup);
  if (auto* error = std::get_if<FileError>(&read)) return *error;
  BackupRecipes recipes{std::get<recipe_file::RawRecords>(std::move(read)), {}, {}};
  const QStringList names = book.DishNames();
  const QSet<QString> inBook(names.begin(), names.end());
  for (size_t i = 0; i < recipes.file.records.size(); ++i) {
    const recipe_file::RawRecord& r = recipes.file.records[i];
    if (!inBook.contains(r.dishName)) recipes.missing.push_back(int(i));
    else if (backup.kind == Kind::Records &&
             bytesOf(recipes.file, r) != recipe_file::RecordBytes(book[book.FindRecipeByDishName(r.dishName)]))
      recipes.changed.push_back(int(i));
  }
  return recipes;
}

std::optional<FileError> AppendFromBackup(const QString& recipePath, const BackupRecipes& from,
                                          const std::vector<int>& chosen) {
  return recipe_file::AppendRawRecords(recipePath, from.file, chosen);
}

std::variant<RecipeTable, FileError> WithRecordsBack(const RecipeTable& book, const BackupRecipes& from,
                                                     const std::vector<int>& chosen) {
  RecipeTable table = book;
  for (int index : chosen) {
    auto read = recipe_file::ReadRecipeBytes(bytesOf(from.file, from.file.records[size_t(index)]), from.file.path);
    if (auto* error = std::get_if<FileError>(&read)) return *error;
    const Recipe& old = std::get<RecipeTable>(read)[1];
    if (const int number = table.FindRecipeByDishName(old.DishName); number > 0) table[number] = old;
    else table.append(old);
  }
  return table;
}

std::optional<FileError> RestoreWholeFile(const QString& path, const Backup& backup) {
  if (!KeepsWholeFile(backup))
    return FileError{FileError::Kind::Refused, backup.path, 0, QStringLiteral("このバックアップはファイル全体ではありません。")};
  auto contents = Contents(backup);
  if (auto* error = std::get_if<FileError>(&contents)) return *error;
  if (isRecipeFile(backup)) {
    if (auto records = readRecords(backup); auto* error = std::get_if<FileError>(&records)) return *error;
  } else if (auto decoded = cp932::decode(std::get<QByteArray>(contents)); decoded.error) {
    return FileError{FileError::Kind::NotCp932, backup.path, decoded.error->line, {}};
  }
  return text_file::writeBytes(path, std::get<QByteArray>(contents));
}

}  // namespace backups
