// SPDX-License-Identifier: GPL-3.0-or-later
#include "fridge/rules/fridge_input.h"

#include "platform/rules/cp932.h"

namespace {

std::optional<TextProblem> check(const QString& text, bool commaAllowed) {
  if (text.contains(u'"')) return TextProblem{TextProblem::Kind::DoubleQuote};
  if (!commaAllowed && text.contains(u',')) return TextProblem{TextProblem::Kind::Comma};
  if (text.contains(u'\n') || text.contains(u'\r')) return TextProblem{TextProblem::Kind::LineBreak};
  if (auto bad = cp932::firstUnencodable(text)) return TextProblem{TextProblem::Kind::Unencodable, bad->character};
  return std::nullopt;
}

}  // namespace

std::optional<TextProblem> CheckStockText(const QString& text) { return check(text, true); }

std::optional<TextProblem> CheckIngredientListName(const QString& name) { return check(name, false); }
