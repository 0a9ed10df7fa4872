// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two ratings of a recipe and how a click on a face moves them on.
#include <QString>

#include "store/rules/recipe.h"  // the rating words

// 0 "優", 1 "良", 2 "不", 3 "未"; -1 for any other text (no face shown).
int FaceIndex(const QString& rating);
QString RatingOfFace(int index);

struct Ratings {
  QString self;
  QString others;
  bool operator==(const Ratings&) const = default;
};

// A click on the self face: 優 → 良 → 不 → 未 → 優; at 不 → 未 the others' rating becomes 未,
// at 未 → 優 it becomes 優.
Ratings AdvanceSelfRating(const Ratings& current);

// A click on the others' face: 優 → 良 → 不 → 優; ignored while the self rating is 未.
Ratings AdvanceOthersRating(const Ratings& current);
