// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/rules/recipe_reader.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/rules/plain_file.h"
#include "store/rules/line_cursor.h"
#include "store/rules/record_walker.h"

namespace recipe_file {

qsizetype EndOfRecords(QByteArrayView bytes) {
  qsizetype end = bytes.size();
  // An empty line is an LF, or a CR LF, that opens the file or follows another line's LF.
  while (end > 0 && bytes[end - 1] == '\n') {
    qsizetype start = end - 1;
    if (start > 0 && bytes[start - 1] == '\r') --start;
    if (start > 0 && bytes[start - 1] != '\n') break;
    end = start;
  }
  return end;
}

namespace {

// The lines that are exactly a record separator. No byte of a two-byte character is an
// asterisk, and asterisks are rare outside the separators, so the count goes from one to the next.
int countSeparators(QByteArrayView bytes) {
  const char* const begin = bytes.data();
  const char* const end = begin + EndOfRecords(bytes);
  const qsizetype length = kSeparator.size();
  int count = 0;
  for (const char* at = begin; at < end;) {
    const auto* star = static_cast<const char*>(std::memchr(at, '*', size_t(end - at)));
    if (!star) break;
    const char* after = star;
    while (after < end && *after == '*') ++after;
    const bool opensLine = star == begin || star[-1] == '\n';
    const bool endsLine = after == end || *after == '\n' || (*after == '\r' && after + 1 < end && after[1] == '\n');
    if (opensLine && endsLine && after - star == length) ++count;
    at = after;
  }
  return count;
}

// The same count for a file, read a piece at a time; the file is then back at its start.
std::variant<int, FileError> countSeparators(plain_file::OpenedFile& file, qsizetype pieceSize) {
  int count = 0;
  {
    LineCursor cursor(file, pieceSize);
    for (QByteArrayView lines; !(lines = cursor.nextWholeLines()).isEmpty();) count += countSeparators(lines);
    if (cursor.readError()) return *cursor.readError();
  }
  if (auto error = file.rewind()) return *error;
  return count;
}

// The records, told to progress against the count of separators counted beforehand.
std::variant<RecipeTable, FileError> readRecords(LineCursor& lines, const QString& path, int counted,
                                                 const Progress& progress,
                                                 std::span<const Recipe* const> known = {}) {
  if (progress) progress(0, counted, QString());
  RecipeTable table;
  table.reserve(std::min(counted, kMaxRecipes));
  RecordWalker records(lines, path);
  while (true) {
    const size_t nextIndex = size_t(table.count());
    records.expect(nextIndex < known.size() ? known[nextIndex] : nullptr);
    if (!records.next()) break;
    table.append(std::move(records.record()));
    if (progress) progress(table.count(), counted, table[table.count()].DishName);
  }
  if (records.error()) return *records.error();
  return table;
}

}  // namespace

std::variant<RecipeTable, FileError> ReadRecipeBytes(QByteArrayView bytes, const QString& path,
                                                     const Progress& progress) {
  LineCursor lines(bytes);
  return readRecords(lines, path, countSeparators(bytes), progress);
}

std::variant<RecipeTable, FileError> ReadRecipeBytes(QByteArrayView bytes, const QString& path,
                                                     std::span<const Recipe* const> known) {
  LineCursor lines(bytes);
  return readRecords(lines, path, countSeparators(bytes), {}, known);
}

std::variant<int, FileError> CountRecordsInFile(const QString& path) {
  auto opened = plain_file::open(path, plain_file::kDataFileCap);
  if (auto* error = std::get_if<FileError>(&opened)) return *error;
  return countSeparators(std::get<plain_file::OpenedFile>(opened), kRecipePieceSize);
}

std::variant<RecipeTable, FileError> ReadRecipeFile(const QString& path, const Progress& progress,
                                                    qsizetype pieceSize) {
  auto opened = plain_file::open(path, plain_file::kDataFileCap);
  if (auto* error = std::get_if<FileError>(&opened)) return *error;
  plain_file::OpenedFile& file = std::get<plain_file::OpenedFile>(opened);
  const auto counted = countSeparators(file, pieceSize);
  if (auto* error = std::get_if<FileError>(&counted)) return *error;
  LineCursor lines(file, pieceSize);
  auto table = readRecords(lines, path, std::get<int>(counted), progress);
  if (std::holds_alternative<RecipeTable>(table) && file.changedWhileRead())
    return FileError{FileError::Kind::Unfinished, path, 0, QStringLiteral("読み込む間にファイルの大きさが変わりました。")};
  return table;
}

}  // namespace recipe_file
