// SPDX-License-Identifier: GPL-3.0-or-later
// The search keys on a small book: whole-table searches key by key, narrowing, and the entries
// of namesakes.
#include <gtest/gtest.h>

#include <cfloat>

#include "rules_test_util.h"
#include "search/rules/result_list.h"

namespace {

Recipe recipe(const QString& name, const QString& genre, const QString& kind, const QString& method, float calories,
              float salt, float minutes, const QString& self, const QString& others, const QString& count) {
  Recipe r;
  r.DishName = name;
  r.Genre = genre;
  r.Kind = kind;
  r.CookingMethod = method;
  r.CaloriesPerPerson = calories;
  r.Salt = salt;
  r.CookingTime = minutes;
  r.SelfRating = self;
  r.OthersRating = others;
  r.CookCount = count;
  return r;
}

// Records 1..7. 4 and 6 are namesakes; 3 has neither ingredients nor memo.
RecipeTable sampleBook() {
  std::vector<Recipe> records;
  Recipe r = recipe(u"肉じゃが"_s, u"和食"_s, u"主菜"_s, u"煮る"_s, 300, 0.7f, 30, u"優"_s, u"良"_s, u"3"_s);
  r.Ingredients = u"じゃがいも 3個\r\n牛肉 200g\r\n玉ねぎ 1個"_s;
  r.Steps = u"1. 切る\r\n2. 煮込む"_s;
  r.Memo = u"母の味"_s;
  r.Reference = u"きょうの料理 5月号"_s;
  records.push_back(r);
  r = recipe(u"ハンバーグ"_s, u"洋食"_s, u"主菜"_s, u"焼く"_s, 600, 1.0f, 40, u"良"_s, u"未"_s, u"0"_s);
  r.Ingredients = u"牛肉\r\n豚肉\r\nパン粉\r\n玉ねぎ"_s;
  r.Steps = u"こねて焼く"_s;
  records.push_back(r);
  r = recipe(u"Caesar サラダ"_s, u"洋食"_s, u"副菜"_s, u"生"_s, 599.5f, 0.69f, 10, u"未"_s, u"未"_s, u"1"_s);
  r.Steps = u"混ぜる"_s;
  r.Reference = u"料理の本"_s;
  records.push_back(r);
  r = recipe(u"カレー"_s, u"和食"_s, u"主菜"_s, u"煮る"_s, 650, 2.5f, 60, u"未"_s, u"優"_s, u"0"_s);
  r.Ingredients = u"カレールウ\r\n玉ねぎ"_s;
  r.Memo = u"甘口"_s;
  records.push_back(r);
  r = recipe(u"麻婆豆腐"_s, u"中華"_s, u"主菜"_s, u"炒める"_s, 450, 3, 15, u"不"_s, u"良"_s, u"12"_s);
  r.Ingredients = u"豆腐\r\n豚ひき肉"_s;
  records.push_back(r);
  r = recipe(u"カレー"_s, u"和食"_s, u"主菜"_s, u"煮る"_s, 800, 3.5f, 90, u"良"_s, u"良"_s, u"2"_s);
  r.Ingredients = u"カレールウ\r\n牛肉"_s;
  records.push_back(r);
  r = recipe(u"お茶漬け"_s, u"和食"_s, u"主食"_s, u"その他"_s, 0, 0, 0, u"未"_s, u"未"_s, u"0"_s);
  r.Ingredients = u"ごはん"_s;
  records.push_back(r);
  return RecipeTable(std::move(records));
}

std::vector<int> recordsOf(const ResultList& list) {
  std::vector<int> records;
  for (const ResultEntry& e : list) records.push_back(e.record);
  return records;
}

struct KeyCase {
  std::string name;
  SearchKey key;
  QStringList inputs;
  std::vector<int> found;  // records of a whole-table search, in table order
};

const KeyCase kKeyCases[] = {
    {"DishNameEmptyFindsEveryNamedRecipe", SearchKey::DishName, {u""_s}, {1, 2, 3, 4, 5, 6, 7}},
    {"DishNamePart", SearchKey::DishName, {u"バーグ"_s}, {2}},
    {"DishNameFindsBothNamesakes", SearchKey::DishName, {u"カレー"_s}, {4, 6}},
    {"HalfWidthKatakanaIsAnotherText", SearchKey::DishName, {u"ﾊﾝﾊﾞｰｸﾞ"_s}, {}},
    {"HiraganaIsNotKatakana", SearchKey::DishName, {u"かれー"_s}, {}},
    {"LowerCaseDoesNotFindCapital", SearchKey::DishName, {u"caesar"_s}, {}},
    {"BlanksAreNotTrimmed", SearchKey::DishName, {u"カレー "_s}, {}},
    {"IngredientsTwoBoxesBothNeeded", SearchKey::Ingredients, {u"牛肉"_s, u""_s, u""_s, u"玉ねぎ"_s, u""_s}, {1, 2}},
    {"IngredientsAnyOrder", SearchKey::Ingredients, {u"玉ねぎ"_s, u"パン粉"_s, u""_s, u""_s, u""_s}, {2}},
    {"IngredientsEmptyBoxesNeedSomeIngredients", SearchKey::Ingredients, {}, {1, 2, 4, 5, 6, 7}},
    {"IngredientsAcrossALineBreak", SearchKey::Ingredients, {u"200g\r\n玉ねぎ"_s}, {1}},
    {"Steps", SearchKey::Steps, {u"焼く"_s}, {2}},
    {"MemoEmptyFindsRecipesWithAMemo", SearchKey::Memo, {u""_s}, {1, 4}},
    {"Reference", SearchKey::Reference, {u"料理"_s}, {1, 3}},
    {"GenreOnly", SearchKey::Classification, {u"和食"_s, u""_s, u""_s}, {1, 4, 6, 7}},
    {"KindAndMethod", SearchKey::Classification, {u""_s, u"主菜"_s, u"焼く"_s}, {2}},
    {"ClassificationIsExactNotContained", SearchKey::Classification, {u""_s, u"主"_s, u""_s}, {}},
    {"Calories300To600", SearchKey::Calories, {u"300"_s, u"600"_s}, {1, 3, 5}},
    {"CaloriesFullWidthDigits", SearchKey::Calories, {u"３００"_s, u"６００．５"_s}, {1, 2, 3, 5}},
    {"CaloriesUpperEmptyFindsNothing", SearchKey::Calories, {u"300"_s, u""_s}, {}},
    {"CaloriesTextReadsAsZero", SearchKey::Calories, {u"たくさん"_s, u"1"_s}, {7}},
    {"CaloriesLowerAboveUpper", SearchKey::Calories, {u"600"_s, u"300"_s}, {}},
    {"CaloriesHugeUpperBoundIsNoLimit", SearchKey::Calories, {u"0"_s, u"1e40"_s}, {1, 2, 3, 4, 5, 6, 7}},
    {"CaloriesHugeLowerBoundFindsNothing", SearchKey::Calories, {u"1e40"_s, u"1e41"_s}, {}},
    {"CaloriesBoundBeyondDoubleIsNoLimit", SearchKey::Calories, {u"0"_s, u"1e309"_s}, {1, 2, 3, 4, 5, 6, 7}},
    {"CookCountBoundBeyondDoubleIsNoLimit", SearchKey::CookCount, {u"-1e309"_s, u"1e309"_s}, {1, 2, 3, 4, 5, 6, 7}},
    {"SaltPoint7IsFoundAsStored", SearchKey::Salt, {u"0.7"_s, u"1"_s}, {1}},
    {"SaltTrailingUnitIgnored", SearchKey::Salt, {u"3g"_s, u"3.5ｇ"_s}, {5}},
    {"CookingTime", SearchKey::CookingTime, {u"30"_s, u"60"_s}, {1, 2}},
    {"SelfRatingNotYetWhateverOthers", SearchKey::Ratings, {u"未"_s, u""_s}, {3, 4, 7}},
    {"BothRatings", SearchKey::Ratings, {u"良"_s, u"良"_s}, {6}},
    {"OthersRatingOnly", SearchKey::Ratings, {u""_s, u"優"_s}, {4}},
    {"CookCount1To1FindsNothing", SearchKey::CookCount, {u"1"_s, u"1"_s}, {}},
    {"CookCount0To1IsNeverCooked", SearchKey::CookCount, {u"0"_s, u"1"_s}, {2, 4, 7}},
    {"CookCountTwoDigits", SearchKey::CookCount, {u"10"_s, u"20"_s}, {5}},
};

class SearchKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(SearchKeys, WholeTableFindsTheRecordsThatMeetTheKey) {
  const RecipeTable book = sampleBook();
  ResultList results = ListAllRecipes(book);
  EXPECT_EQ(SearchWholeTable(book, MakeSearchCriterion(GetParam().key, GetParam().inputs), results),
            SearchOutcome::Replaced);
  EXPECT_EQ(recordsOf(results), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(Search, SearchKeys, testing::ValuesIn(kKeyCases), ByName());

TEST(Search, ListAllRecipesIsTheTableInOrderWithNames) {
  const RecipeTable book = sampleBook();
  const ResultList all = ListAllRecipes(book);
  ASSERT_EQ(all.size(), 7u);
  EXPECT_EQ(all[0], (ResultEntry{1, u"肉じゃが"_s}));
  EXPECT_EQ(all[5], (ResultEntry{6, u"カレー"_s}));
  EXPECT_TRUE(ListAllRecipes(RecipeTable()).empty());
}

TEST(Search, Salt0Point7IsFoundOnlyBecauseTheBoundIsRoundedLikeTheField) {
  // 0.7 in double lies above the stored single-precision 0.7; compared in double it would miss.
  const SearchCriterion c = MakeSearchCriterion(SearchKey::Salt, {u"0.7"_s, u"0.8"_s});
  EXPECT_EQ(c.lowerSingle, 0.7f);
  EXPECT_TRUE(RecipeMeetsKey(c, sampleBook()[1]));
}

TEST(Search, BoundsBeyondSinglePrecisionAreHeldAtItsLimits) {
  const SearchCriterion c = MakeSearchCriterion(SearchKey::Calories, {u"-1e39"_s, u"1e40"_s});
  EXPECT_EQ(c.lowerSingle, -FLT_MAX);
  EXPECT_EQ(c.upperSingle, FLT_MAX);
  // Times cooked compare in double and need no limit.
  const SearchCriterion count = MakeSearchCriterion(SearchKey::CookCount, {u"0"_s, u"1e40"_s});
  EXPECT_EQ(count.upperDouble, 1e40);
  // Beyond a double too: the largest value of its sign, not 0.
  const SearchCriterion huge = MakeSearchCriterion(SearchKey::CookCount, {u"-1e309"_s, u"1e309"_s});
  EXPECT_EQ(huge.lowerDouble, -DBL_MAX);
  EXPECT_EQ(huge.upperDouble, DBL_MAX);
}

TEST(Search, EqualityKeysWithEveryBoxEmptyChangeNothingInEitherMode) {
  const RecipeTable book = sampleBook();
  for (SearchKey key : {SearchKey::Classification, SearchKey::Ratings}) {
    const SearchCriterion empty = MakeSearchCriterion(key, {});
    ResultList results{{2, u"ハンバーグ"_s}};
    EXPECT_EQ(SearchWholeTable(book, empty, results), SearchOutcome::Ignored);
    EXPECT_EQ(NarrowResultList(book, empty, results), SearchOutcome::Ignored);
    EXPECT_EQ(recordsOf(results), std::vector<int>{2});
    ResultList none;
    EXPECT_EQ(NarrowResultList(book, empty, none), SearchOutcome::Ignored);
  }
}

TEST(Search, WholeTableThatFindsNothingEmptiesTheListButNarrowingKeepsIt) {
  const RecipeTable book = sampleBook();
  const SearchCriterion nothing = MakeSearchCriterion(SearchKey::DishName, {u"寿司"_s});
  ResultList results = ListAllRecipes(book);
  EXPECT_EQ(NarrowResultList(book, nothing, results), SearchOutcome::ZeroResult);
  EXPECT_EQ(results, ListAllRecipes(book));
  EXPECT_EQ(SearchWholeTable(book, nothing, results), SearchOutcome::Replaced);
  EXPECT_TRUE(results.empty());
  // Narrowing an empty list always keeps nothing.
  EXPECT_EQ(NarrowResultList(book, MakeSearchCriterion(SearchKey::DishName, {}), results), SearchOutcome::ZeroResult);
}

TEST(Search, NarrowingKeepsTheSurvivorsInTheListsOrder) {
  const RecipeTable book = sampleBook();
  ResultList results{{6, u"カレー"_s}, {1, u"肉じゃが"_s}, {2, u"ハンバーグ"_s}, {5, u"麻婆豆腐"_s}};
  EXPECT_EQ(NarrowResultList(book, MakeSearchCriterion(SearchKey::Classification, {u""_s, u"主菜"_s}), results),
            SearchOutcome::Replaced);
  EXPECT_EQ(recordsOf(results), (std::vector<int>{6, 1, 2, 5}));
  NarrowResultList(book, MakeSearchCriterion(SearchKey::Ingredients, {u"牛肉"_s}), results);
  EXPECT_EQ(recordsOf(results), (std::vector<int>{6, 1, 2}));
  NarrowResultList(book, MakeSearchCriterion(SearchKey::Calories, {u"500"_s, u"1000"_s}), results);
  EXPECT_EQ(recordsOf(results), (std::vector<int>{6, 2}));
}

TEST(Search, NamesakesAreTestedAndOpenedByTheirOwnRecord) {
  const RecipeTable book = sampleBook();
  const SearchCriterion calories700To900 = MakeSearchCriterion(SearchKey::Calories, {u"700"_s, u"900"_s});
  ResultList results;
  SearchWholeTable(book, calories700To900, results);
  EXPECT_EQ(recordsOf(results), std::vector<int>{6});
  EXPECT_EQ(RecordOfEntry(book, results[0]), 6);

  // Only the namesake that meets the key survives a narrowing of both.
  results = {{4, u"カレー"_s}, {6, u"カレー"_s}};
  EXPECT_EQ(NarrowResultList(book, calories700To900, results), SearchOutcome::Replaced);
  EXPECT_EQ(recordsOf(results), std::vector<int>{6});
}

TEST(Search, AnEntryTheTableNoLongerHoldsIsDroppedAndOpensNothing) {
  const RecipeTable book = sampleBook();
  const ResultEntry gone{8, u"寿司"_s}, renamed{2, u"ロールキャベツ"_s}, held{3, u"Caesar サラダ"_s};
  EXPECT_EQ(RecordOfEntry(book, gone), 0);
  EXPECT_EQ(RecordOfEntry(book, renamed), 0);
  EXPECT_EQ(RecordOfEntry(book, {0, u""_s}), 0);
  ResultList results{gone, renamed, held};
  EXPECT_EQ(NarrowResultList(book, MakeSearchCriterion(SearchKey::DishName, {}), results), SearchOutcome::Replaced);
  EXPECT_EQ(results, ResultList{held});
}

}  // namespace
