// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding a recipe again in a table read afresh: another window or program may have added,
// changed or removed records since the table on screen was read, so a record is found again by
// its content, not by its old number.
#include "store/rules/recipe.h"

namespace recipe_edits {

enum class Found {
  Same,     // a record equal to it in every field
  Changed,  // no equal record, but one of the same dish name: changed there since
  Gone,     // neither
};

struct Located {
  Found how = Found::Gone;
  int number = 0;  // 1-based; 0 when gone
};

// Where the record (as read before) stands in the table: an equal record, the one nearest to
// near when there are several; else the first record of the same dish name.
Located Locate(const RecipeTable& table, const Recipe& before, int near);

}  // namespace recipe_edits
