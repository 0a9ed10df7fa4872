// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checking the catalogue's range as typed into its two boxes (first and last recipe number).
#include <QString>
#include <optional>

#include "printing/rules/catalogue_layout.h"

struct RangeCheck {
  enum class Focus { None, First, Last };

  // A range to print, or nothing when the typed one is refused.
  std::optional<CatalogueRange> range;
  // The boxes to empty and where the focus goes when the range is refused.
  bool emptyFirst = false;
  bool emptyLast = false;
  Focus focus = Focus::None;
};

// Each box counts as the number its text begins with (0 when it does not begin with one): a first
// or last outside 1..recipeCount empties its box; then a last below the first (an emptied box
// counting as 0) empties both. The numbers are rounded to whole ones, halves to the even one.
// With no recipes every range is refused.
RangeCheck CheckCatalogueRange(const QString& firstText, const QString& lastText, int recipeCount);
