// SPDX-License-Identifier: GPL-3.0-or-later
// The sorted list's orders and record numbers, and the wording of the chart figures.
#include <gtest/gtest.h>

#include "listing/rules/chart_figures.h"
#include "listing/rules/sorted_listing.h"
#include "rules_test_util.h"

namespace {

Recipe Dish(const QString& name, float calories, float salt = 0, float time = 0, const QString& count = u"0"_s) {
  Recipe r;
  r.DishName = name;
  r.CaloriesPerPerson = calories;
  r.Salt = salt;
  r.CookingTime = time;
  r.CookCount = count;
  return r;
}

// The grid as shown: "name value" per row, and the record numbers behind the rows.
QStringList Shown(const SortedRecipeModel& model) {
  QStringList rows;
  for (int r = 0; r < model.rowCount(); ++r)
    rows << model.data(model.index(r, 0)).toString() + u' ' + model.data(model.index(r, 1)).toString();
  return rows;
}
std::vector<int> Records(const SortedRecipeModel& model) {
  std::vector<int> records;
  for (int r = 0; r < model.rowCount(); ++r) {
    records.push_back(model.recordNumberAt(r));
    EXPECT_EQ(model.data(model.index(r, 0), SortedRecipeModel::RecordNumberRole).toInt(), records.back());
  }
  return records;
}

std::shared_ptr<const RecipeListing> Listing(std::vector<Recipe> recipes) {
  return std::make_shared<const RecipeListing>(RecipeTable(std::move(recipes)));
}

}  // namespace

TEST(SortedList, OrdersByNumberNotByTextAndTurnsRound) {
  SortedRecipeModel model(Listing({Dish(u"百"_s, 100), Dish(u"九"_s, 9), Dish(u"十"_s, 10), Dish(u"半"_s, 9.5f)}),
                          ListingValue::Calories, u"カロリー"_s);
  EXPECT_EQ(Shown(model), QStringList({u"九 9"_s, u"半 9.5"_s, u"十 10"_s, u"百 100"_s}));
  EXPECT_EQ(Records(model), (std::vector<int>{2, 4, 3, 1}));
  model.sortByValue(false);
  EXPECT_EQ(Shown(model), QStringList({u"百 100"_s, u"十 10"_s, u"半 9.5"_s, u"九 9"_s}));
  EXPECT_FALSE(model.ascending());
  model.sortByValue(true);
  EXPECT_EQ(Records(model), (std::vector<int>{2, 4, 3, 1}));
}

TEST(SortedList, EqualValuesKeepTableOrderAndEachRowKeepsItsOwnRecord) {
  // Two recipes of one name: each row opens its own record, not the first of the name.
  SortedRecipeModel model(Listing({Dish(u"カレー"_s, 500), Dish(u"サラダ"_s, 80), Dish(u"カレー"_s, 300),
                                   Dish(u"スープ"_s, 300)}),
                          ListingValue::Calories, u"カロリー"_s);
  EXPECT_EQ(Shown(model), QStringList({u"サラダ 80"_s, u"カレー 300"_s, u"スープ 300"_s, u"カレー 500"_s}));
  EXPECT_EQ(Records(model), (std::vector<int>{2, 3, 4, 1}));
  model.sortByValue(false);
  EXPECT_EQ(Records(model), (std::vector<int>{1, 3, 4, 2}));
  EXPECT_EQ(model.recordNumberAt(-1), 0);
  EXPECT_EQ(model.recordNumberAt(4), 0);
}

TEST(SortedList, EachGridShowsItsValueAsTheRecipeFileWritesIt) {
  const auto listing = Listing({Dish(u"肉じゃが"_s, 350, 2.5f, 0.7f, u"12"_s), Dish(u"冷奴"_s, 1e-5f, 0.1f, 5, u"3"_s)});
  SortedRecipeModel salt(listing, ListingValue::Salt, u"塩分"_s);
  EXPECT_EQ(Shown(salt), QStringList({u"冷奴 0.1"_s, u"肉じゃが 2.5"_s}));
  SortedRecipeModel time(listing, ListingValue::CookingTime, u"時間"_s);
  EXPECT_EQ(Shown(time), QStringList({u"肉じゃが 0.7"_s, u"冷奴 5"_s}));
  SortedRecipeModel calories(listing, ListingValue::Calories, u"カロリー"_s);
  EXPECT_EQ(Shown(calories), QStringList({u"冷奴 1E-05"_s, u"肉じゃが 350"_s}));
  // Times cooked: 3 before 12 (a text sort would put "12" first).
  SortedRecipeModel count(listing, ListingValue::CookCount, u"回数"_s);
  EXPECT_EQ(Shown(count), QStringList({u"冷奴 3"_s, u"肉じゃが 12"_s}));
  EXPECT_EQ(count.headerData(0, Qt::Horizontal).toString(), u"料理名"_s);
  EXPECT_EQ(count.headerData(1, Qt::Horizontal).toString(), u"回数"_s);
  EXPECT_EQ(count.columnCount(), 2);
}

TEST(SortedList, AnEmptyBookHasNoRows) {
  SortedRecipeModel model(Listing({}), ListingValue::Salt, u"塩分"_s);
  EXPECT_EQ(model.rowCount(), 0);
  model.sortByValue(false);
  EXPECT_EQ(model.rowCount(), 0);
  EXPECT_EQ(model.recordNumberAt(0), 0);
  EXPECT_FALSE(model.data(model.index(0, 0)).isValid());
}

TEST(ChartFigures, SharesHaveOneDecimalRoundedHalfUpAndLevelIsWhole) {
  EXPECT_EQ(ShareText(0.125f), u"12.5%"_s);
  EXPECT_EQ(ShareText(2.0f / 3.0f), u"66.7%"_s);
  EXPECT_EQ(ShareText(1.0f / 3.0f), u"33.3%"_s);
  EXPECT_EQ(ShareText(0.0625f), u"6.3%"_s);
  EXPECT_EQ(ShareText(0), u"0.0%"_s);
  EXPECT_EQ(ShareText(1), u"100.0%"_s);
  EXPECT_EQ(LevelCaption(85.2f), u"Level  85"_s);
  EXPECT_EQ(LevelCaption(85.5f), u"Level  86"_s);
  EXPECT_EQ(LevelCaption(0), u"Level  0"_s);
}

TEST(ChartFigures, CategoryPanelsListEveryItemWithItsSwatchAndUnknownGenresUnderOther) {
  Module1 module(QString{});
  module.Lists = {{u"和食"_s, u"洋食"_s, u"中華"_s, u"エスニック"_s, u"イタリアン"_s, u"デザート"_s, u"その他"_s},
                  {u"主菜"_s, u"副菜"_s, u"汁物"_s, u"ご飯物"_s, u"麺類"_s, u"サラダ"_s, u"鍋物"_s, u"お菓子"_s,
                   u"飲み物"_s, u"その他"_s},
                  {u"焼く"_s, u"煮る"_s, u"炒める"_s, u"揚げる"_s, u"蒸す"_s, u"茹でる"_s, u"和える"_s, u"生のまま"_s,
                   u"電子レンジ"_s, u"その他"_s}};
  std::vector<Recipe> recipes(3);
  recipes[0].Genre = recipes[1].Genre = u"和食"_s;
  recipes[2].Genre = u"中華"_s;
  recipes.push_back(Recipe{.Genre = u"創作"_s});
  module.Recipes = RecipeTable(recipes);
  module.ComputeStatistics();

  const std::vector<ChartPanelFigures> panels = CategoryFigures(module);
  ASSERT_EQ(panels.size(), 3u);
  EXPECT_EQ(panels[0].heading, u"ジャンル別"_s);
  EXPECT_EQ(panels[0].nameHeader, u"ジャンル"_s);
  EXPECT_EQ(panels[1].heading, u"種類別"_s);
  EXPECT_EQ(panels[2].nameHeader, u"調理方法"_s);
  ASSERT_EQ(panels[0].rows.size(), 7u);
  ASSERT_EQ(panels[1].rows.size(), 10u);
  ASSERT_EQ(panels[2].rows.size(), 10u);
  EXPECT_EQ(panels[0].rows[0], (ChartRow{u"和食"_s, 2, 0.5f, {0xFF, 0, 0}}));
  EXPECT_EQ(panels[0].rows[2].count, 1);
  EXPECT_EQ(panels[0].rows[6].name, u"その他"_s);
  EXPECT_EQ(panels[0].rows[6].count, 1);
  EXPECT_EQ(panels[0].rows[6].colour, (Rgb{0xC0, 0xC0, 0xFF}));
  EXPECT_EQ(panels[1].rows[9].colour, (Rgb{0xFF, 0xFF, 0xC0}));
  EXPECT_EQ(panels[2].rows[5].colour, (Rgb{0xFF, 0x80, 0xFF}));
}

TEST(ChartFigures, RatingPanelsTakeTheirCountsSharesColoursAndFaces) {
  Statistics s;
  s.SelfRatedCount = 3;
  s.SelfUnratedCount = 1;
  s.SelfRatedShare = 0.75f;
  s.SelfUnratedShare = 0.25f;
  s.SelfExcellentCount = 2;
  s.SelfExcellentShare = 2 / 3.0f;
  s.SelfPoorCount = 1;
  s.SelfPoorShare = 1 / 3.0f;
  s.OthersExcellentCount = 1;
  s.OthersGoodCount = 2;
  s.OthersGoodShare = 2 / 3.0f;
  const std::vector<ChartPanelFigures> panels = RatingFigures(s);
  ASSERT_EQ(panels.size(), 3u);
  EXPECT_EQ(panels[0].heading, u"調理実績"_s);
  EXPECT_EQ(panels[0].rows, (std::vector<ChartRow>{{u"調理済み"_s, 3, 0.75f, {0, 0xFF, 0}, 0},
                                                   {u"未調理"_s, 1, 0.25f, {0xFF, 0, 0}, 3}}));
  EXPECT_EQ(panels[1].heading, u"自己評価"_s);
  EXPECT_EQ(panels[1].rows, (std::vector<ChartRow>{{u"優"_s, 2, 2 / 3.0f, {0, 0, 0xFF}, 0},
                                                   {u"良"_s, 0, 0, {0xFF, 0xFF, 0}, 1},
                                                   {u"不"_s, 1, 1 / 3.0f, {0xFF, 0, 0}, 2}}));
  EXPECT_EQ(panels[2].heading, u"三者評価"_s);
  EXPECT_EQ(panels[2].rows[1], (ChartRow{u"良"_s, 2, 2 / 3.0f, {0xFF, 0xFF, 0}, 1}));
  EXPECT_EQ(panels[2].rows[2].count, 0);
}
