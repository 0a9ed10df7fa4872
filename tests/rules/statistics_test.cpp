// Points, level, the level bar and the category and rating figures derived from the table.
#include "store/rules/statistics.h"

#include <gtest/gtest.h>

#include "rules_test_util.h"

namespace {

const CategoryLists kLists = {
    {QStringLiteral("和食"), QStringLiteral("洋食"), QStringLiteral("中華"), QStringLiteral("エスニック"),
     QStringLiteral("イタリアン"), QStringLiteral("デザート"), QStringLiteral("その他")},
    {QStringLiteral("主菜"), QStringLiteral("副菜"), QStringLiteral("汁物"), QStringLiteral("ご飯物"), QStringLiteral("麺類"),
     QStringLiteral("サラダ"), QStringLiteral("鍋物"), QStringLiteral("お菓子"), QStringLiteral("飲み物"), QStringLiteral("その他")},
    {QStringLiteral("焼く"), QStringLiteral("煮る"), QStringLiteral("炒める"), QStringLiteral("揚げる"), QStringLiteral("蒸す"),
     QStringLiteral("茹でる"), QStringLiteral("和える"), QStringLiteral("生のまま"), QStringLiteral("電子レンジ"),
     QStringLiteral("その他")},
};

Recipe recipe(const QString& genre, const QString& self, const QString& others, const QString& count = QStringLiteral("0")) {
  Recipe r;
  r.DishName = genre + self + others;
  r.Genre = genre;
  r.Kind = QStringLiteral("主菜");
  r.CookingMethod = QStringLiteral("煮る");
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
  Recipe r = recipe(QStringLiteral("和食"), GetParam().self, GetParam().others, GetParam().count);
  EXPECT_EQ(RecipePoints(r), GetParam().points);
  const Statistics s = ComputeStatistics(RecipeTable({r}), kLists, 100);
  EXPECT_EQ(s.TotalPoints, GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(
    Ratings, RecipePointsOf,
    testing::Values(PointsCase{"GoodCookedThrice", QStringLiteral("未"), QStringLiteral("良"), QStringLiteral("3"), 7},
                    PointsCase{"ExcellentNeverCooked", QStringLiteral("未"), QStringLiteral("優"), QStringLiteral("0"), 5},
                    PointsCase{"Poor", QStringLiteral("未"), QStringLiteral("不"), QStringLiteral("1"), 4},
                    PointsCase{"UnratedNeverCooked", QStringLiteral("未"), QStringLiteral("未"), QStringLiteral("0"), 2},
                    PointsCase{"OwnRatingEarnsNothing", QStringLiteral("優"), QStringLiteral("未"), QStringLiteral("0"), 2},
                    PointsCase{"UnknownRating", QStringLiteral("未"), QStringLiteral("A"), QStringLiteral("2"), 4},
                    PointsCase{"EmptyRating", QStringLiteral("未"), QString(), QStringLiteral("1"), 3},
                    PointsCase{"CountWithoutNumber", QStringLiteral("未"), QStringLiteral("良"), QStringLiteral("x"), 4},
                    PointsCase{"LargeCount", QStringLiteral("未"), QStringLiteral("優"), QStringLiteral("120"), 125}),
    ByName());

TEST(Statistics, OneGoodRecipeCookedThriceAgainstSeventyIsTenPercent) {
  const Statistics s =
      ComputeStatistics(RecipeTable({recipe(QStringLiteral("和食"), QStringLiteral("未"), QStringLiteral("良"), QStringLiteral("3"))}),
                        kLists, 70);
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
  for (int i = 0; i < 10; ++i) EXPECT_EQ(bar[size_t(i)], i < GetParam().lit ? kColours[i] : kWhite) << "segment " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Levels, LevelBar,
                         testing::Values(BarCase{"Zero", 0, 0}, BarCase{"JustUnderTen", 9.9f, 0}, BarCase{"Ten", 10, 1},
                                         BarCase{"JustUnderTwenty", 19.99f, 1}, BarCase{"Twenty", 20, 2},
                                         BarCase{"FiftyFive", 55, 5}, BarCase{"Seventy", 70, 7},
                                         BarCase{"JustUnderHundred", 99.99f, 9}, BarCase{"Hundred", 100, 10},
                                         BarCase{"WellOverHundred", 250, 10}, BarCase{"Negative", -5, 0}),
                         ByName());

TEST(Statistics, LevelWithoutAPositiveTargetIsZero) {
  const RecipeTable table({recipe(QStringLiteral("和食"), QStringLiteral("未"), QStringLiteral("優"), QStringLiteral("9"))});
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
  const RecipeTable table({recipe(QStringLiteral("和食"), QStringLiteral("優"), QStringLiteral("未")),
                           recipe(QStringLiteral("和食"), QStringLiteral("優"), QStringLiteral("未")),
                           recipe(QStringLiteral("和食"), QStringLiteral("未"), QStringLiteral("未")),
                           recipe(QStringLiteral("和食"), QStringLiteral("未"), QStringLiteral("未"))});
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
  const RecipeTable table({recipe(QStringLiteral("和食"), QStringLiteral("良"), QStringLiteral("優")),
                           recipe(QStringLiteral("和食"), QStringLiteral("不"), QStringLiteral("良")),
                           recipe(QStringLiteral("和食"), QStringLiteral("良"), QStringLiteral("未")),
                           recipe(QStringLiteral("和食"), QStringLiteral("優"), QStringLiteral("未")),
                           recipe(QStringLiteral("和食"), QStringLiteral("未"), QStringLiteral("優"))});
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
  const RecipeTable table({recipe(QStringLiteral("和食"), QStringLiteral("A"), QStringLiteral("B")),
                           recipe(QStringLiteral("和食"), QString(), QStringLiteral("未"))});
  const Statistics s = ComputeStatistics(table, kLists, 100);
  EXPECT_EQ(s.SelfExcellentCount + s.SelfGoodCount + s.SelfPoorCount + s.SelfUnratedCount, 0);
  EXPECT_EQ(s.OthersExcellentCount + s.OthersGoodCount + s.OthersPoorCount, 0);
  EXPECT_EQ(s.SelfRatedShare, 0.0f);
  EXPECT_EQ(s.SelfExcellentShare, 0.0f);
  EXPECT_EQ(s.TotalPoints, 4);
}

TEST(Statistics, RecipesAreCountedByListPositionWithUnknownsInTheLastSlot) {
  Recipe odd = recipe(QStringLiteral("フレンチ"), QStringLiteral("未"), QStringLiteral("未"));
  odd.Kind = QStringLiteral("主菜 ");  // a trailing blank is another word
  odd.CookingMethod = QString();
  Recipe other = recipe(QStringLiteral("その他"), QStringLiteral("未"), QStringLiteral("未"));
  other.CookingMethod = QStringLiteral("電子レンジ");
  const RecipeTable table({recipe(QStringLiteral("和食"), QStringLiteral("未"), QStringLiteral("未")),
                           recipe(QStringLiteral("デザート"), QStringLiteral("未"), QStringLiteral("未")),
                           recipe(QStringLiteral("デザート"), QStringLiteral("未"), QStringLiteral("未")), odd, other});
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

TEST(Statistics, LevelMessageText) {
  EXPECT_EQ(LevelMessage(70), QStringLiteral("目標ポイント 70p に対するレベルが１００％をこえました！\n"
                                             "おめでとうございます。 ＼(^o^)／ﾔｯﾀｧ \n"
                                             "\n"
                                             "さらなるレベルアップを目指して、次の目標ポイントを指定しましょう。"));
  EXPECT_TRUE(LevelMessage(150.5).startsWith(QStringLiteral("目標ポイント 150.5p に")));
  EXPECT_FALSE(LevelMessage(70).contains(u'\r'));
  EXPECT_EQ(kLevelMessageTitle, QStringLiteral("目標レベル達成"));
}

}  // namespace
