// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The result list of the search window: entries in table order or in the order they survived
// narrowing. Each entry keeps the record it was found in, so that two recipes with the same dish
// name stay apart: narrowing tests the entry's own record, and choosing it opens that record.
#include <QString>
#include <vector>

#include "search/rules/search_keys.h"

struct ResultEntry {
  int record = 0;    // 1..RecipeCount of the table the list was built from
  QString DishName;  // as shown

  bool operator==(const ResultEntry&) const = default;
};

using ResultList = std::vector<ResultEntry>;

// What a search did to the result list.
enum class SearchOutcome {
  Ignored,     // an equality key with every box empty: nothing changed
  Replaced,    // the list now holds the entries found (possibly none, for a whole-table search)
  ZeroResult,  // a narrowing that kept nothing: the list is unchanged, the user is told
};

// Every recipe of the table, in table order.
ResultList ListAllRecipes(const RecipeTable& table);

// Replaces the list by every recipe of the table that meets the key.
SearchOutcome SearchWholeTable(const RecipeTable& table, const SearchCriterion& criterion, ResultList& results);

// Keeps the entries whose record meets the key, in their order; keeps the list as it was when none
// does. An entry whose record is no longer in the table, or now bears another name, is dropped.
SearchOutcome NarrowResultList(const RecipeTable& table, const SearchCriterion& criterion, ResultList& results);

// The record an entry opens, or 0 when the table no longer holds it under the same name.
int RecordOfEntry(const RecipeTable& table, const ResultEntry& entry);
