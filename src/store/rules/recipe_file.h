// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recipe file "レシピ.TXT": the records in order, each opened by a line of 31 asterisks and
// closed by a line holding a single apostrophe; CP932, CR LF.
#include <QStringList>
#include <functional>
#include <optional>
#include <variant>

#include "platform/rules/file_error.h"
#include "platform/rules/file_stamp.h"
#include "store/rules/recipe.h"

namespace recipe_file {

inline const QString kFileName = QStringLiteral("レシピ.TXT");
inline const QString kSeparator = QString(31, u'*');
inline const QString kSectionEnd = QStringLiteral("----------");
inline const QString kRecordEnd = QStringLiteral("'");

// Told the record count after counting, then every record as it is read (number, count, name).
using Progress = std::function<void(int loaded, int counted, const QString& dishName)>;

// Reads the whole file. A file that ends inside a record, holds text after its last record, or
// holds more records than the book can number is reported with its line, never half-read.
std::variant<RecipeTable, FileError> LoadRecipeFile(const QString& path, const Progress& progress = {});

// The main window's fields as typed, for a new record.
struct RecipeForm {
  QString DishName, Genre, Kind, CookingMethod;
  QString Calories, Salt, CookingTime;  // texts, read leniently
  QString SelfRating, OthersRating;
  int CookCount = 0;  // times cooked
  QString Reference;
  QString Ingredients, Steps, Memo;  // lines joined by CR LF
  QStringList CookingLog;
};

// Record as a change stores it: every field but the name taken from the form, numbers read
// leniently into single precision, the count as a number, the log entries joined by CR LF.
void ApplyForm(Recipe& record, const RecipeForm& form);

// Why a recipe cannot be stored as it is, naming the field ("材料に…"); nothing when it can.
std::optional<QString> checkStorable(const RecipeForm& form);

// What a writer leaves: the table as the written file reads, or why nothing was written (the
// file is then as it was). A writer never leaves a file that does not read back.
using Written = std::variant<RecipeTable, FileError>;

// The writers that rewrite the file take the stamp of the file as the table was read from it:
// they write only over that file (else nothing is written and the error is ChangedOutside), and
// leave in it the stamp of the file they wrote. Without a stamp they write over whatever is there.

// Appends one record built from the form's texts; numbers are written from doubles (up to 15
// significant digits). The old content stays byte for byte, but for empty lines at its end,
// which go (the new record follows the last one). The file is read as it is now, and must end
// with a whole record (else Unfinished: another writer is still at it, or it was cut short); a
// change by another writer between that read and the write is read again. The stamp, when
// given, is set to the written file's. known, when given, is the table as the file was last read:
// the records that still read the same share their values with it. With the stamp of that read
// in *stamp, a file that is still the one read is not read back: known is what it holds.
Written AppendRecipe(const QString& path, const RecipeForm& form, FileStamp* stamp = nullptr,
                     const RecipeTable* known = nullptr);

// The record's lines as RewriteRecipeFile writes them, each ending in CR LF; empty when the
// record cannot be written.
QByteArray RecordBytes(const Recipe& record);

// Writes records 1..count over the file; numbers from their single-precision values.
Written RewriteRecipeFile(const QString& path, const RecipeTable& table, FileStamp* stamp = nullptr);

// Writes every record but record n over the file; an empty section is written as one empty
// line. When n is not a record number no record is left out.
Written WriteRecipeFileWithout(const QString& path, const RecipeTable& table, int n, FileStamp* stamp = nullptr);

// One record's change to a table, written without copying the table: record number left out (as
// WriteRecipeFileWithout writes), replaced by record, or record put before it (count()+1 appends).
struct OneRecordEdit {
  enum class How { LeaveOut, Replace, Insert };
  How how = How::Replace;
  int number = 0;
  Recipe record;  // Replace and Insert
};
Written WriteEditedTable(const QString& path, const RecipeTable& table, const OneRecordEdit& edit,
                         FileStamp* stamp = nullptr);

// The table and stamp of the file as it is now: the stamp is taken before the read, so that a
// change during the read shows as a change at the next write.
struct StampedTable {
  RecipeTable table;
  FileStamp stamp;
};
std::variant<StampedTable, FileError> LoadStampedRecipeFile(const QString& path, const Progress& progress = {});

}  // namespace recipe_file
