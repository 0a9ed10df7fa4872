// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How one record of the recipe file is laid out: its header lines and its sections, in file
// order. The reader, the writers and the checks of the recipe file all go by these tables.
#include <QString>
#include <iterator>

#include "store/rules/recipe.h"
#include "store/rules/recipe_file.h"

namespace recipe_file::layout {

// A header line: the label that opens the line, the field's name in messages, and where the value
// lives in a record and in the form.
struct HeaderField {
  enum class Type { Text, Single, Count };
  QString label;
  QString name;
  Type type;
  QString Recipe::*text = nullptr;      // Text and Count
  float Recipe::*single = nullptr;      // Single
  QString RecipeForm::*typed = nullptr; // Text and Single; the form holds the count as a number
  bool repeats = false;                 // the same few values recur from record to record
};

using T = HeaderField::Type;
inline const HeaderField kHeader[] = {
    {QStringLiteral("【料理名　】"), QStringLiteral("料理名"), T::Text, &Recipe::DishName, nullptr, &RecipeForm::DishName},
    {QStringLiteral("【ジャンル】"), QStringLiteral("ジャンル"), T::Text, &Recipe::Genre, nullptr, &RecipeForm::Genre, true},
    {QStringLiteral("【種類　　】"), QStringLiteral("種類"), T::Text, &Recipe::Kind, nullptr, &RecipeForm::Kind, true},
    {QStringLiteral("【調理方法】"), QStringLiteral("調理方法"), T::Text, &Recipe::CookingMethod, nullptr,
     &RecipeForm::CookingMethod, true},
    {QStringLiteral("【一人分㌍】"), QStringLiteral("一人分㌍"), T::Single, nullptr, &Recipe::CaloriesPerPerson,
     &RecipeForm::Calories},
    {QStringLiteral("【塩分　　】"), QStringLiteral("塩分"), T::Single, nullptr, &Recipe::Salt, &RecipeForm::Salt},
    {QStringLiteral("【料理時間】"), QStringLiteral("調理時間"), T::Single, nullptr, &Recipe::CookingTime,
     &RecipeForm::CookingTime},
    {QStringLiteral("【自己評価】"), QStringLiteral("自己評価"), T::Text, &Recipe::SelfRating, nullptr,
     &RecipeForm::SelfRating, true},
    {QStringLiteral("【三者評価】"), QStringLiteral("三者評価"), T::Text, &Recipe::OthersRating, nullptr,
     &RecipeForm::OthersRating, true},
    {QStringLiteral("【回数　　】"), QStringLiteral("調理回数"), T::Count, &Recipe::CookCount, nullptr, nullptr, true},
    {QStringLiteral("【参考　　】"), QStringLiteral("参考"), T::Text, &Recipe::Reference, nullptr, &RecipeForm::Reference},
};
constexpr int kHeaderCount = int(std::size(kHeader));
constexpr qsizetype kLabelLength = 6;  // every header label is six characters

// The sections after the header, each opened by a line "----------" and its label. The last
// one, the cooking log, ends at the record's end line; the form holds it as a list of entries.
struct Section {
  QString label;
  QString name;
  QString Recipe::*text;
  QString RecipeForm::*typed;  // null for the cooking log
};

inline const Section kSections[] = {
    {QStringLiteral("【材料】"), QStringLiteral("材料"), &Recipe::Ingredients, &RecipeForm::Ingredients},
    {QStringLiteral("【作り方】"), QStringLiteral("作り方"), &Recipe::Steps, &RecipeForm::Steps},
    {QStringLiteral("【メモ】"), QStringLiteral("メモ"), &Recipe::Memo, &RecipeForm::Memo},
    {QStringLiteral("【調理実績】"), QStringLiteral("調理実績"), &Recipe::CookingLog, nullptr},
};
constexpr int kSectionCount = int(std::size(kSections));

// The line that ends section s: the next section's opening line, or the record's end line.
inline const QString& stopLineOf(int s) { return s < kSectionCount - 1 ? kSectionEnd : kRecordEnd; }

}  // namespace recipe_file::layout
