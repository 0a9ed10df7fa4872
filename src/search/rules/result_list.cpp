// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/rules/result_list.h"

ResultList ListAllRecipes(const RecipeTable& table) {
  ResultList all;
  all.reserve(size_t(table.count()));
  for (int i = 1; i <= table.count(); ++i) all.push_back({i, table[i].DishName});
  return all;
}

SearchOutcome SearchWholeTable(const RecipeTable& table, const SearchCriterion& criterion, ResultList& results) {
  if (SearchIsIgnored(criterion)) return SearchOutcome::Ignored;
  results.clear();
  for (int i = 1; i <= table.count(); ++i)
    if (RecipeMeetsKey(criterion, table[i])) results.push_back({i, table[i].DishName});
  return SearchOutcome::Replaced;
}

SearchOutcome NarrowResultList(const RecipeTable& table, const SearchCriterion& criterion, ResultList& results) {
  if (SearchIsIgnored(criterion)) return SearchOutcome::Ignored;
  ResultList survivors;
  for (const ResultEntry& entry : results) {
    const int record = RecordOfEntry(table, entry);
    if (record != 0 && RecipeMeetsKey(criterion, table[record])) survivors.push_back(entry);
  }
  if (survivors.empty()) return SearchOutcome::ZeroResult;
  results = std::move(survivors);
  return SearchOutcome::Replaced;
}

int RecordOfEntry(const RecipeTable& table, const ResultEntry& entry) {
  const bool held = entry.record >= 1 && entry.record <= table.count() && table[entry.record].DishName == entry.DishName;
  return held ? entry.record : 0;
}
