// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/rules/search_keys.h"

#include <cfloat>

#include "platform/rules/numbers.h"

namespace {

// The input text occurs in the field, exactly as typed. An empty field contains nothing, not even
// the empty text; an empty input occurs in every other field.
bool contains(const QString& field, const QString& text) { return !field.isEmpty() && field.contains(text); }

// An empty box passes; a filled one passes when it equals its field.
bool equalWhereFilled(const QStringList& boxes, std::initializer_list<const QString*> fields) {
  qsizetype i = 0;
  for (const QString* field : fields) {
    const QString& box = boxes[i++];
    if (!box.isEmpty() && box != *field) return false;
  }
  return true;
}

// Full-width digits, point and signs, as a Japanese input method types them, read as their
// half-width forms.
double readBound(const QString& text) { return numbers::ReadNumberHeld(text.normalized(QString::NormalizationForm_KC)); }

float singleBound(const QString& text) {
  const double value = readBound(text);
  if (value > FLT_MAX) return FLT_MAX;
  if (value < -FLT_MAX) return -FLT_MAX;
  return float(value);
}

bool inRange(float value, const SearchCriterion& c) { return c.lowerSingle <= value && value < c.upperSingle; }

bool isRangeKey(SearchKey key) {
  return key == SearchKey::Calories || key == SearchKey::Salt || key == SearchKey::CookingTime ||
         key == SearchKey::CookCount;
}

}  // namespace

int SearchKeyInputCount(SearchKey key) {
  switch (key) {
    case SearchKey::Ingredients: return 5;
    case SearchKey::Classification: return 3;
    case SearchKey::Calories:
    case SearchKey::Salt:
    case SearchKey::CookingTime:
    case SearchKey::Ratings:
    case SearchKey::CookCount: return 2;
    default: return 1;
  }
}

SearchCriterion MakeSearchCriterion(SearchKey key, const QStringList& inputs) {
  SearchCriterion c;
  c.key = key;
  c.texts = inputs.mid(0, SearchKeyInputCount(key));
  while (c.texts.size() < SearchKeyInputCount(key)) c.texts.append(QString());
  if (isRangeKey(key)) {
    c.lowerSingle = singleBound(c.texts[0]);
    c.upperSingle = singleBound(c.texts[1]);
    c.lowerDouble = readBound(c.texts[0]);
    c.upperDouble = readBound(c.texts[1]);
  }
  return c;
}

bool SearchIsIgnored(const SearchCriterion& criterion) {
  if (criterion.key != SearchKey::Classification && criterion.key != SearchKey::Ratings) return false;
  for (const QString& box : criterion.texts)
    if (!box.isEmpty()) return false;
  return true;
}

bool RecipeMeetsKey(const SearchCriterion& c, const Recipe& r) {
  switch (c.key) {
    case SearchKey::DishName: return contains(r.DishName, c.texts[0]);
    case SearchKey::Steps: return contains(r.Steps, c.texts[0]);
    case SearchKey::Memo: return contains(r.Memo, c.texts[0]);
    case SearchKey::Reference: return contains(r.Reference, c.texts[0]);
    case SearchKey::Ingredients:
      for (const QString& text : c.texts)
        if (!contains(r.Ingredients, text)) return false;
      return true;
    case SearchKey::Classification: return equalWhereFilled(c.texts, {&r.Genre, &r.Kind, &r.CookingMethod});
    case SearchKey::Ratings: return equalWhereFilled(c.texts, {&r.SelfRating, &r.OthersRating});
    case SearchKey::Calories: return inRange(r.CaloriesPerPerson, c);
    case SearchKey::Salt: return inRange(r.Salt, c);
    case SearchKey::CookingTime: return inRange(r.CookingTime, c);
    case SearchKey::CookCount: {
      const double count = numbers::ReadNumber(r.CookCount);
      return c.lowerDouble <= count && count < c.upperDouble;
    }
  }
  return false;
}
