#pragma once
// What the refrigerator's files cannot hold in a typed name or date: a double quote ends a quoted
// field, a line break ends an entry, and a comma ends a name in the ingredient list. Characters
// outside Shift-JIS cannot be written at all.
#include <QString>
#include <optional>

struct TextProblem {
  enum class Kind { DoubleQuote, Comma, LineBreak, Unencodable };
  Kind kind;
  char32_t character = 0;  // for Unencodable
};

std::optional<TextProblem> CheckIngredientName(const QString& name);
std::optional<TextProblem> CheckDateText(const QString& date);
