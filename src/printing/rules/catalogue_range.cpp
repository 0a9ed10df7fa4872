// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/rules/catalogue_range.h"

#include <cmath>

#include "platform/rules/numbers.h"

namespace {

bool outside(double number, int recipeCount) { return number < 1 || number > recipeCount; }

}  // namespace

RangeCheck CheckCatalogueRange(const QString& firstText, const QString& lastText, int recipeCount) {
  RangeCheck check;
  double first = numbers::ReadNumber(firstText);
  double last = numbers::ReadNumber(lastText);
  check.emptyFirst = outside(first, recipeCount);
  check.emptyLast = outside(last, recipeCount);
  if (check.emptyFirst) first = 0;
  if (check.emptyLast) last = 0;
  if (last < first) check.emptyFirst = check.emptyLast = true;

  if (check.emptyFirst)
    check.focus = RangeCheck::Focus::First;
  else if (check.emptyLast)
    check.focus = RangeCheck::Focus::Last;
  else
    check.range = CatalogueRange{int(std::nearbyint(first)), int(std::nearbyint(last))};
  return check;
}
