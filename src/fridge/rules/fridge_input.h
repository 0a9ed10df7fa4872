// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the refrigerator's files cannot hold in a typed name or date: a double quote ends a quoted
// field and a line break ends an entry. The stock quotes its fields, so a comma stays in a stock
// name ("卵(M,L)"); the ingredient list writes names bare and reads a comma as the end of a name,
// so a name for the list cannot hold one. Characters outside Shift-JIS cannot be written at all.
#include <QString>
#include <optional>

struct TextProblem {
  enum class Kind { DoubleQuote, Comma, LineBreak, Unencodable };
  Kind kind;
  char32_t character = 0;  // for Unencodable
};

// A name, purchase date or best-before date for the stock file.
std::optional<TextProblem> CheckStockText(const QString& text);
// A name for the ingredient list file.
std::optional<TextProblem> CheckIngredientListName(const QString& name);
