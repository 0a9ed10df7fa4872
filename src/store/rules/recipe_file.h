#pragma once
// The recipe file "レシピ.TXT": the records in order, each opened by a line of 31 asterisks and
// closed by a line holding a single apostrophe; CP932, CR LF.
#include <QStringList>
#include <functional>
#include <optional>
#include <variant>

#include "platform/rules/file_error.h"
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

// Appends one record built from the form's texts; numbers are written from doubles (up to 15
// significant digits). The old content stays byte for byte, but for empty lines at its end,
// which go (the new record follows the last one).
Written AppendRecipe(const QString& path, const RecipeForm& form);

// The record's lines as RewriteRecipeFile writes them, each ending in CR LF; empty when the
// record cannot be written.
QByteArray RecordBytes(const Recipe& record);

// Writes records 1..count over the file; numbers from their single-precision values.
Written RewriteRecipeFile(const QString& path, const RecipeTable& table);

// Writes every record but record n over the file; an empty section is written as one empty
// line. When n is not a record number no record is left out.
Written WriteRecipeFileWithout(const QString& path, const RecipeTable& table, int n);

}  // namespace recipe_file
