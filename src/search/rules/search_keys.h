// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The eleven search keys and how a recipe meets one. A key is applied alone, either to the whole
// table or to narrow the current result list; narrowing by further keys gives their AND.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "store/rules/recipe.h"

enum class SearchKey {
  DishName,        // containment in DishName
  Ingredients,     // all five texts contained in Ingredients
  Steps,           // containment in Steps
  Memo,            // containment in Memo
  Reference,       // containment in Reference
  Classification,  // equality of Genre, Kind, CookingMethod per filled box
  Calories,        // range over CaloriesPerPerson, single precision
  Salt,            // range over Salt, single precision
  CookingTime,     // range over CookingTime, single precision
  Ratings,         // equality of SelfRating, OthersRating per filled box
  CookCount,       // range over CookCount, double precision
};

// The number of input texts each key reads, in the order of the window's boxes.
int SearchKeyInputCount(SearchKey key);

// A key with its inputs read once, numbers already converted, ready to test many recipes.
struct SearchCriterion {
  SearchKey key = SearchKey::DishName;
  QStringList texts;       // containment and equality keys: the typed or chosen texts
  float lowerSingle = 0;   // single-precision ranges: lower bound included
  float upperSingle = 0;   //                          upper bound excluded
  double lowerDouble = 0;  // times cooked
  double upperDouble = 0;
};

// Reads the inputs of a key (as many texts as SearchKeyInputCount; missing ones count as empty).
// Range bounds take the leading number of their text (full-width digits read as digits); a bound beyond single precision is held at
// the largest single-precision value of its sign, so "1e40" as an upper bound means "no limit", and one beyond a double ("1e309")
// at the largest value of its sign too.
SearchCriterion MakeSearchCriterion(SearchKey key, const QStringList& inputs);

// True for the equality keys when every box is empty: such a search changes nothing.
bool SearchIsIgnored(const SearchCriterion& criterion);

// Whether the recipe meets the key.
bool RecipeMeetsKey(const SearchCriterion& criterion, const Recipe& recipe);
