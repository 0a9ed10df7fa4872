#include "backup/rules/recipe_restore.h"

#include <QSet>
#include <algorithm>

#include "platform/rules/cp932.h"
#include "platform/rules/text_file.h"
#include "store/rules/recipe_file.h"
#include "store/rules/recipe_reader.h"

namespace backups {
namespace {

// The entry's records, checked as the book's reader would take them.
std::variant<exchange::ExchangeFile, FileError> readRecords(const Backup& backup) {
  auto contents = Contents(backup);
  if (auto* error = std::get_if<FileError>(&contents)) return *error;
  exchange::ExchangeFile file{backup.path, exchange::ByteLines(std::get<QByteArray>(std::move(contents))), {}};
  const cp932::Decoded decoded = cp932::decode(file.lines.bytes());
  if (decoded.error) return FileError{FileError::Kind::NotCp932, backup.path, decoded.error->line, {}};
  auto spans = exchange::FindRecords(file.lines, backup.path);
  if (auto* error = std::get_if<FileError>(&spans)) return *error;
  for (const exchange::RecordSpan& span : std::get<std::vector<exchange::RecordSpan>>(spans)) {
    if (!file.lines.line(span.first + 1).startsWith(exchange::DishNameLabel()))
      return FileError{FileError::Kind::Malformed, backup.path, int(span.first) + 2,
                       QStringLiteral("料理名の行（【料理名　】で始まる行）があるはずの所に別の行があります。")};
    file.records.push_back({exchange::DishNameOf(file.lines, span), span});
  }
  return file;
}

QByteArray bytesOf(const exchange::ExchangeFile& file, const exchange::ExchangeRecord& record) {
  QByteArray bytes;
  exchange::AppendRecord(bytes, file.lines, record.span);
  return bytes;
}

bool isRecipeFile(const Backup& backup) { return backup.ofFile.compare(recipe_file::kFileName, Qt::CaseInsensitive) == 0; }

ListedBackup check(const Backup& backup) {
  ListedBackup listed{backup, -1, backup.kind == Kind::Damaged};
  if (listed.damaged) return listed;
  if (isRecipeFile(backup)) {
    auto records = readRecords(backup);
    if (auto* file = std::get_if<exchange::ExchangeFile>(&records)) listed.recipeCount = int(file->records.size());
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

std::variant<BackupRecipes, FileError> MissingRecipes(const Backup& backup, const RecipeTable& book) {
  auto read = readRecords(backup);
  if (auto* error = std::get_if<FileError>(&read)) return *error;
  BackupRecipes recipes{std::get<exchange::ExchangeFile>(std::move(read)), {}, {}};
  const QStringList names = book.DishNames();
  const QSet<QString> inBook(names.begin(), names.end());
  for (size_t i = 0; i < recipes.file.records.size(); ++i) {
    const exchange::ExchangeRecord& r = recipes.file.records[i];
    if (!inBook.contains(r.dishName)) recipes.missing.push_back(int(i));
    else if (backup.kind == Kind::Records &&
             bytesOf(recipes.file, r) != recipe_file::RecordBytes(book[book.FindRecipeByDishName(r.dishName)]))
      recipes.changed.push_back(int(i));
  }
  return recipes;
}

std::optional<FileError> AppendFromBackup(const QString& recipePath, const BackupRecipes& from,
                                          const std::vector<int>& chosen) {
  return exchange::AppendExchangeRecords(recipePath, from.file, chosen);
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
