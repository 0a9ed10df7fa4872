// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exchanging recipes between users. An export writes chosen records of the recipe file, exactly
// as they stand, into "追加レシピ.TXT" in a new folder "追加レシピ000", "追加レシピ001", ... beside
// the recipe file, with their pictures. An import reads such a file and appends chosen records to
// the recipe file. Both keep every record's lines byte for byte, each line ending in CR LF.
#include <QString>
#include <variant>
#include <vector>

#include "platform/rules/data_folder.h"
#include "platform/rules/file_error.h"
#include "store/rules/raw_records.h"
#include "store/rules/recipe.h"

namespace exchange {

inline const QString kExchangeFileName = QStringLiteral("追加レシピ.TXT");
inline const QString kExchangeFolderPrefix = QStringLiteral("追加レシピ");
constexpr int kMaxExportCount = 10;
constexpr int kLastExchangeFolderNumber = 32767;

// The file's bytes and its records; none when the file holds no dish-name line.
using ExchangeFile = recipe_file::RawRecords;

// Reads and checks an exchange file: only a regular file of at most kExchangeFileCap bytes (a
// full book is about 23 MB), not a link that leads out of its folder. A file without any dish-name line comes back with no
// records (it is not exchange data). A file with one is checked whole: bytes that are not CP932,
// a record that does not end or a line outside the records is an error, so nothing half-read is
// ever appended.
std::variant<ExchangeFile, FileError> ReadExchangeFile(const QString& path);

// True when both paths name one file (the same path spelled otherwise, a link to it).
bool IsSameFile(const QString& a, const QString& b);

// Appends the chosen records (indexes into file.records, in file order) to the recipe file, as
// recipe_file::AppendRawRecords does.
inline std::optional<FileError> AppendExchangeRecords(const QString& recipePath, const ExchangeFile& file,
                                                      const std::vector<int>& chosen) {
  return recipe_file::AppendRawRecords(recipePath, file, chosen);
}

struct ExportResult {
  QString folderName;  // "追加レシピ003"
  QString folderPath;
};

// Puts the complete folder staged under the first free "追加レシピ" + number (at least three
// digits) in folder, in one rename, so that a numbered folder is never seen half filled. A name
// that is taken (by a folder or a file) moves on to the next number; any other failure, or
// running past lastNumber, is an error.
std::variant<ExportResult, FileError> PlaceExchangeFolder(const QString& staged, const QString& folder,
                                                          int lastNumber = kLastExchangeFolderNumber);

// An export is built in a hidden folder of this prefix beside the numbered ones; one that a
// killed export left behind is removed at the next start.
inline const QString kUnfinishedExportPrefix = QStringLiteral(".追加レシピ作成中-");
void RemoveUnfinishedExports(const QString& folder);

// Exports records of the book by record number (duplicates and order do not matter: the file
// holds them in file order) with their pictures. The records are taken from the recipe file and
// must still be the table's: a file changed since it was loaded is refused. A picture that is
// missing or cannot be copied is skipped.
std::variant<ExportResult, FileError> ExportRecipes(const DataFolder& book, const RecipeTable& table,
                                                    std::vector<int> recordNumbers,
                                                    int lastFolderNumber = kLastExchangeFolderNumber);

}  // namespace exchange
