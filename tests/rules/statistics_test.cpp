// SPDX-License-Identifier: GPL-3.0-or-later
// Points, level, the level bar and the category and rating figures derived from the table.
#include "store/rules/statistics.h"

#include <gtest/gtest.h>

#include "platform/rules/level_colours.h"
#include "rules_test_util.h"
#include "store/rules/module1.h"

namespace {

const CategoryLists kLists = {
    {u"和食"_s, u"洋食"_s, u"中華"_s, u"エスニック"_s, u"イタリアン"_s, u"デザート"_s, u"その他"_s},
    {u"主菜"_s, u"副菜"_s, u"汁物"_s, u"ご飯物"_s, u"麺類"_s, u"サラダ"_s, u"鍋物"_s, u"お菓子"_s, u"飲み物"_s,
     u"その他"_s},
    {u"焼く"_s, u"煮る"_s, u"炒める"_s, u"揚げる"_s, u"蒸す"_s, u"茹でる"_s, u"和える"_s, u"生のまま"_s,
     u"電子レンジ"_s, u"その他"_s},
};

Recipe recipe(const QString& genre, const QString& self, const QString& others, const QString& count = u"0"_s) {
  Recipe r;
  r.DishName = genre + self + others;
  r.Genre = genre;
  r.Kind = u"主菜"_s;
  r.CookingMethod = u"煮る"_s;
  r.SelfRating = self;
  r.OthersRating = others;
  r.CookCount = count;
  return r;
}

const Rgb kWhite{255, 255, 255};

struct PointsCase {
  std::string name;
  QString self, others, count;
  double points;
};

void PrintTo(const PointsCase& c, std::ostream* os) { *os << c.name; }

class RecipePointsOf : public testing::TestWithParam<PointsCase> {};

TEST_P(RecipePointsOf, CountsOthersRatingTwoAndTimesCooked) {
  Recipe r = recipe(u"和食"_s, GetParam().self, GetParam().others, GetParam().count);
  EXPECT_EQ(RecipePoints(r), GetParam().points);
  const Statistics s = ComputeStatistics(RecipeTable({r}), kLists, 100);
  EXPECT_EQ(s.TotalPoints, GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(Ratings, RecipePointsOf,
                         testing::Values(PointsCase{"GoodCookedThrice", u"未"_s, u"良"_s, u"3"_s, 7},
                                         PointsCase{"ExcellentNeverCooked", u"未"_s, u"優"_s, u"0"_s, 5},
                                         PointsCase{"UnratedNeverCooked", u"未"_s, u"未"_s, u"0"_s, 2},
                                         PointsCase{"OwnRatingEarnsNothing", u"優"_s, u"未"_s, u"0"_s, 2},
                                         PointsCase{"UnknownRating", u"未"_s, u"A"_s, u"2"_s, 4},
                                         PointsCase{"CountWithoutNumber", u"未"_s, u"良"_s, u"x"_s, 4}),
                         ByName());

TEST(Statistics, OneGoodRecipeCookedThriceAgainstSeventyIsTenPercent) {
  const Statistics s = ComputeStatistics(RecipeTable({recipe(u"和食"_s, u"未"_s, u"良"_s, u"3"_s)}), kLists, 70);
  EXPECT_EQ(s.TotalPoints, 7);
  EXPECT_EQ(s.LevelPercent, 10.0f);
  const auto bar = LevelBarColours(s.LevelPercent);
  EXPECT_EQ(bar[0], (Rgb{0, 255, 255}));
  for (size_t i = 1; i < 10; ++i) EXPECT_EQ(bar[i], kWhite) << i;
}

struct BarCase {
  std::string name;
  float level;
  int lit;
};

void PrintTo(const BarCase& c, std::ostream* os) { *os << c.name; }

class LevelBar : public testing::TestWithParam<BarCase> {};

TEST_P(LevelBar, LightsOneSegmentPerTenPercent) {
  static const Rgb kColours[10] = {{0, 255, 255}, {0, 255, 255}, {0, 255, 0},   {0, 255, 0}, {255, 255, 0},
                                   {255, 255, 0}, {255, 0, 255}, {255, 0, 255}, {255, 0, 0}, {255, 0, 0}};
  const auto bar = LevelBarColours(GetParam().level);
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(bar[size_t(i)], i < GetParam().lit ? kColours[i] : kWhite) << "segment " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Levels, LevelBar,
                         testing::Values(BarCase{"Zero", 0, 0}, BarCase{"JustUnderTen", 9.9f, 0}, BarCase{"Ten", 10, 1},
                                         BarCase{"Twenty", 20, 2}, BarCase{"FiftyFive", 55, 5},
                                         BarCase{"JustUnderHundred", 99.99f, 9}, BarCase{"Hundred", 100, 10},
                                         BarCase{"WellOverHundred", 250, 10}, BarCase{"Negative", -5, 0}),
                         ByName());

TEST(Statistics, LevelWithoutAPositiveTargetIsZero) {
  const RecipeTable table({recipe(u"和食"_s, u"未"_s, u"優"_s, u"9"_s)});
  for (double target : {0.0, -50.0}) {
    const Statistics s = ComputeStatistics(table, kLists, target);
    EXPECT_EQ(s.TotalPoints, 14);
    EXPECT_EQ(s.LevelPercent, 0.0f) << target;
  }
  EXPECT_EQ(LevelPercentOf(150, 200), 75.0f);
  EXPECT_EQ(LevelPercentOf(150, 1000), 15.0f);
  EXPECT_EQ(LevelPercentOf(300, 200), 150.0f);
}

TEST(Statistics, RatingSharesAreOverTheSelfRatedRecipes) {
  const RecipeTable table({recipe(u"和食"_s, u"優"_s, u"未"_s), recipe(u"和食"_s, u"優"_s, u"未"_s),
                           recipe(u"和食"_s, u"未"_s, u"未"_s), recipe(u"和食"_s, u"未"_s, u"未"_s)});
  const Statistics s = ComputeStatistics(table, kLists, 100);
  EXPECT_EQ(s.SelfExcellentCount, 2);
  EXPECT_EQ(s.SelfUnratedCount, 2);
  EXPECT_EQ(s.SelfRatedCount, 2);
  EXPECT_EQ(s.SelfExcellentShare, 1.0f);
  EXPECT_EQ(s.SelfGoodShare, 0.0f);
  EXPECT_EQ(s.OthersExcellentShare, 0.0f);
  EXPECT_EQ(s.SelfRatedShare, 0.5f);
  EXPECT_EQ(s.SelfUnratedShare, 0.5f);
}

// The others' shares are divided by the number of recipes the cook rated, not by the number the
// others rated: the chart compares both against the same base.
TEST(Statistics, OthersSharesUseTheSelfRatedCountAsBase) {
  const RecipeTable table({recipe(u"和食"_s, u"良"_s, u"優"_s), recipe(u"和食"_s, u"不"_s, u"良"_s),
                           recipe(u"和食"_s, u"良"_s, u"未"_s), recipe(u"和食"_s, u"優"_s, u"未"_s),
                           recipe(u"和食"_s, u"未"_s, u"優"_s)});
  const Statistics s = ComputeStatistics(table, kLists, 100);
  EXPECT_EQ(s.SelfRatedCount, 4);
  EXPECT_EQ(s.SelfGoodCount, 2);
  EXPECT_EQ(s.SelfPoorCount, 1);
  EXPECT_EQ(s.OthersExcellentCount, 2);
  EXPECT_EQ(s.OthersGoodCount, 1);
  EXPECT_EQ(s.OthersPoorCount, 0);
  EXPECT_EQ(s.SelfGoodShare, 0.5f);
  EXPECT_EQ(s.SelfPoorShare, 0.25f);
  EXPECT_EQ(s.OthersExcellentShare, 0.5f);
  EXPECT_EQ(s.OthersGoodShare, 0.25f);
  EXPECT_EQ(s.SelfRatedShare, 0.8f);
}

TEST(Statistics, RatingsOutsideTheFourValuesAreNotCounted) {
  const RecipeTable table({recipe(u"和食"_s, u"A"_s, u"B"_s), recipe(u"和食"_s, QString(), u"未"_s)});
  const Statistics s = ComputeStatistics(table, kLists, 100);
  EXPECT_EQ(s.SelfExcellentCount + s.SelfGoodCount + s.SelfPoorCount + s.SelfUnratedCount, 0);
  EXPECT_EQ(s.OthersExcellentCount + s.OthersGoodCount + s.OthersPoorCount, 0);
  EXPECT_EQ(s.SelfRatedShare, 0.0f);
  EXPECT_EQ(s.SelfExcellentShare, 0.0f);
  EXPECT_EQ(s.TotalPoints, 4);
}

TEST(Statistics, RecipesAreCountedByListPositionWithUnknownsInTheLastSlot) {
  Recipe odd = recipe(u"フレンチ"_s, u"未"_s, u"未"_s);
  odd.Kind = u"主菜 "_s;  // a trailing blank is another word
  odd.CookingMethod = QString();
  Recipe other = recipe(u"その他"_s, u"未"_s, u"未"_s);
  other.CookingMethod = u"電子レンジ"_s;
  const RecipeTable table({recipe(u"和食"_s, u"未"_s, u"未"_s), recipe(u"デザート"_s, u"未"_s, u"未"_s),
                           recipe(u"デザート"_s, u"未"_s, u"未"_s), odd, other});
  const Statistics s = ComputeStatistics(table, kLists, 100);
  EXPECT_EQ(s.GenreCounts, (std::array<int, 7>{1, 0, 0, 0, 0, 2, 2}));
  EXPECT_EQ(s.KindCounts, (std::array<int, 10>{4, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(s.MethodCounts, (std::array<int, 10>{0, 3, 0, 0, 0, 0, 0, 0, 1, 1}));
  EXPECT_EQ(s.GenreShares[5], 0.4f);
  EXPECT_EQ(s.GenreShares[6], 0.4f);
  EXPECT_EQ(s.KindShares[0], 0.8f);
  EXPECT_EQ(s.MethodShares[8], 0.2f);
}

TEST(Statistics, EmptyTableGivesZeroEverywhere) {
  const Statistics s = ComputeStatistics(RecipeTable(), kLists, 100);
  EXPECT_EQ(s.TotalPoints, 0);
  EXPECT_EQ(s.LevelPercent, 0.0f);
  EXPECT_EQ(s.GenreCounts, (std::array<int, 7>{}));
  EXPECT_EQ(s.GenreShares, (std::array<float, 7>{}));
  EXPECT_EQ(s.SelfRatedShare, 0.0f);
  for (const Rgb& c : LevelBarColours(s.LevelPercent)) EXPECT_EQ(c, kWhite);
}

// Once no recipe is self-rated any more, the rating shares are 0 again: figures are recomputed
// whole from the table, never carried over from the book as it was.
TEST(Statistics, SharesOfABookThatLostItsRatedRecipesAreZero) {
  Module1 module(QString{});
  module.Lists = kLists;
  module.Recipes = RecipeTable({recipe(u"和食"_s, u"優"_s, u"良"_s), recipe(u"和食"_s, u"未"_s, u"未"_s)});
  module.ComputeStatistics();
  ASSERT_EQ(module.Stats.SelfExcellentShare, 1.0f);
  ASSERT_EQ(module.Stats.OthersGoodShare, 1.0f);
  module.Recipes = RecipeTable({recipe(u"和食"_s, u"未"_s, u"未"_s)});
  module.ComputeStatistics();
  EXPECT_EQ(module.Stats.SelfExcellentShare, 0.0f);
  EXPECT_EQ(module.Stats.OthersGoodShare, 0.0f);
  EXPECT_EQ(module.Stats.SelfUnratedShare, 1.0f);
  module.Recipes = RecipeTable();
  module.ComputeStatistics();
  EXPECT_EQ(module.Stats.SelfUnratedShare, 0.0f);
  EXPECT_EQ(module.Stats.GenreShares, (std::array<float, 7>{}));
}

TEST(Statistics, LevelMessageText) {
  EXPECT_EQ(LevelMessage(70), QStringLiteral("目標ポイント 70p に対するレベルが１００％をこえました！\n"
                                             "おめでとうございます。 ＼(^o^)／ﾔｯﾀｧ \n"
                                             "\n"
                                             "さらなるレベルアップを目指して、次の目標ポイントを指定しましょう。"));
  EXPECT_TRUE(LevelMessage(150.5).startsWith(u"目標ポイント 150.5p に"_s));
  EXPECT_FALSE(LevelMessage(70).contains(u'\r'));
  EXPECT_EQ(kLevelMessageTitle, u"目標レベル達成"_s);
}

}  // namespace
