// SPDX-License-Identifier: GPL-3.0-or-later
// The shopping list of a plan against the refrigerator, the day totals and best-before warnings
// under the menu's days, and the use-it-up ranking of the refrigerator.
#include "fridge/rules/use_it_up.h"
#include "menu/rules/plan_checks.h"
#include "menu/rules/shopping_list.h"
#include "rules_test_util.h"

namespace {

const QDate kToday(2024, 5, 12);

Recipe dish(const QString& name, const QString& ingredients, float calories = 300, float salt = 2) {
  Recipe r;
  r.DishName = name;
  r.Ingredients = ingredients;
  r.CaloriesPerPerson = calories;
  r.Salt = salt;
  return r;
}

StockEntry stocked(const QString& name, const QString& bestBefore) {
  return MakeEntry(name, u"2024/05/10"_s, bestBefore, kToday);
}

// Days 12, 13, 14 May 2024, every slot unchosen.
MenuPlan plan(std::initializer_list<std::pair<int, QString>> dishes) {
  MenuPlan p = BlankMenuPlan();
  for (int day = 0; day < kMenuDays; ++day) p.Days[size_t(day)].DayCaption = MenuDayCaption(kToday.addDays(day));
  for (const auto& [slot, name] : dishes) p.dish(slot) = name;
  return p;
}

const RecipeTable kBook({dish(u"肉じゃが"_s, u"じゃがいも　3個\r\n玉ねぎ　1個\r\n牛肉　200g\r\n醤油 大さじ2"_s, 450, 2.5f),
                         dish(u"カレー"_s, u"■材料（4人分）\r\nジャガイモ 2個\r\nたまねぎ 2個\r\n水 600cc"_s, 700, 0),
                         dish(u"味噌汁"_s, u"豆腐 1/2丁\r\nみそ 大さじ2\r\nねぎ 少々"_s, 0, 1.5f)});

TEST(ShoppingList, StockUsedByAnEarlierMealIsNotCountedAgainAndTheEarliestDateGoesFirst) {
  const std::vector<StockEntry> stock = {stocked(u"玉葱"_s, u"2024/05/20"_s), stocked(u"タマネギ"_s, u"2024/05/13"_s),
                                         stocked(u"醤油"_s, u""_s), stocked(u"牛乳 1L"_s, u"2024/05/14"_s)};
  const MenuPlan p = plan({{0, u"カレー"_s}, {2, u"肉じゃが"_s}, {4, u"もう無い料理"_s}, {6, u"カレー"_s}});
  const ShoppingList list = BuildShoppingList(p, kBook, stock);
  EXPECT_EQ(list.plannedDishes, 4);
  EXPECT_EQ(list.dishesNotInBook, std::vector<int>{4});
  // The first カレー takes the onion that spoils first, 肉じゃが the other; the second カレー has to
  // buy one.
  EXPECT_EQ(ShoppingListLines(list, p, stock),
            (QStringList{u"買い物リスト　24年05月12日 日曜日 ～ 24年05月14日 火曜日"_s,
                         u"【買うもの】3品"_s,
                         u"〈野菜・果物〉"_s,
                         u"□ ジャガイモ　7個　2個（カレー）、3個（肉じゃが）、2個（カレー）"_s,
                         u"□ たまねぎ　2個　2個（カレー）"_s,
                         u"〈肉〉"_s,
                         u"□ 牛肉　200g　200g（肉じゃが）"_s,
                         u"【家にあるもの】3品"_s,
                         u"・たまねぎ　2個（カレー） ← 冷蔵庫の「タマネギ」（賞味期限 2024/05/13、あと1日）"_s,
                         u"・玉ねぎ　1個（肉じゃが） ← 冷蔵庫の「玉葱」（賞味期限 2024/05/20、あと8日）"_s,
                         u"・醤油　大さじ2（肉じゃが） ← 冷蔵庫の「醤油」（賞味期限なし）"_s,
                         u"【レシピにない料理（材料はわかりません）】"_s,
                         u"・2日目の昼　もう無い料理"_s}));
}

// Stock past its date serves only when the cook allows it; the fresh entry serves first then.
TEST(ShoppingList, StockPastItsDateServesNothingUnlessAllowed) {
  const RecipeTable book({dish(u"ハンバーグ"_s, u"材料（2人分）\r\n牛乳 大さじ2\r\n豚肉 200g\r\n卵 1個"_s)});
  const std::vector<StockEntry> stock = {stocked(u"牛乳"_s, u"2024/05/11"_s), stocked(u"牛乳 1L"_s, u"2024/05/22"_s),
                                         stocked(u"豚肉"_s, u"2024/05/10"_s)};
  const MenuPlan p = plan({{2, u"ハンバーグ"_s}});
  const auto served = [&](const ShoppingOptions& options) {
    const ShoppingList list = BuildShoppingList(p, book, stock, options);
    std::vector<int> positions;
    for (const PlannedNeed& need : list.needs) positions.push_back(need.stockPosition);
    QStringList toBuy;
    for (const BuyGroup& group : list.toBuy) toBuy.append(group.name + u' ' + group.total + u' ' + UsesOf(list, group));
    return std::pair(positions, toBuy);
  };
  EXPECT_EQ(served({}), std::pair(std::vector<int>{2, 0, 0}, QStringList{u"豚肉 200g 200g（ハンバーグ）"_s, u"卵 1個 1個（ハンバーグ）"_s}));
  EXPECT_EQ(served({true, 0}), std::pair(std::vector<int>{1, 3, 0}, QStringList{u"卵 1個 1個（ハンバーグ）"_s}));
  // Cooked for 5 persons, the recipe for 2 is taken 2.5 times.
  EXPECT_EQ(served({false, 5}).second, (QStringList{u"豚肉 500g 200g（ハンバーグ×2.5）"_s, u"卵 2と1/2個 1個（ハンバーグ×2.5）"_s}));
  EXPECT_EQ(StockEntryText(stock[0]), u"冷蔵庫の「牛乳」（賞味期限 2024/05/11、期限切れ）"_s);
}

TEST(ShoppingList, StaplesAreLeftOutOnceAndTickedLinesGoLastStruckOut) {
  const MenuPlan p = plan({{0, u"カレー"_s}, {2, u"肉じゃが"_s}, {5, u"味噌汁"_s}});
  ShoppingOptions options;
  options.staples = {u"しょうゆ"_s, u"味噌"_s, u"塩"_s};
  const ShoppingList list = BuildShoppingList(p, kBook, {}, options);
  EXPECT_EQ(list.staplesLeftOut, (QStringList{u"醤油"_s, u"みそ"_s}));
  const QSet<QString> ticked{FoldIngredientName(u"じゃがいも"_s)};
  const QStringList lines = ShoppingListLines(list, p, {}, ticked);
  EXPECT_EQ(lines.mid(1, 9), (QStringList{u"【買うもの】5品"_s, u"〈野菜・果物〉"_s, u"□ たまねぎ　3個　2個（カレー）、1個（肉じゃが）"_s,
                                          u"□ ねぎ　少々　少々（味噌汁）"_s, u"〈肉〉"_s, u"□ 牛肉　200g　200g（肉じゃが）"_s,
                                          u"〈豆腐・大豆製品〉"_s, u"□ 豆腐　1/2丁　1/2丁（味噌汁）"_s,
                                          u"■ ジャガイモ　5個　2個（カレー）、3個（肉じゃが）"_s}));
  EXPECT_EQ(lines.mid(lines.size() - 2), (QStringList{u"【常備品として省いたもの】"_s, u"醤油、みそ"_s})) << lines.join(u"\n"_s).toStdString();

  const PageDocument document = ShoppingListDocument(lines, {11000, 16000});
  std::vector<int> struckAt;
  for (const PlacedItem& item : document.pages()[0].items)
    if (const auto* rule = std::get_if<PlacedRule>(&item)) struckAt.push_back(rule->y1);
  ASSERT_EQ(struckAt.size(), 1u);
  EXPECT_EQ(struckAt[0], 9 * 360 + 120);  // through the middle of the tenth line
}

TEST(ShoppingList, AnEmptyPlanNeedsNothingAndTheDocumentFlowsOntoPages) {
  const ShoppingList list = BuildShoppingList(BlankMenuPlan(), kBook, {});
  EXPECT_EQ(list.plannedDishes, 0);
  EXPECT_TRUE(list.needs.empty());

  QStringList lines{u"【買うもの】1品"_s, u"□ "_s + QString(60, u'あ')};
  for (int i = 0; i < 60; ++i) lines.append(u"・line"_s);
  constexpr TwipsSize kArea{11906 - 2 * 567, 16838 - 2 * 567};  // A4 at 10 mm margins
  const PageDocument document = ShoppingListDocument(lines, kArea);
  EXPECT_EQ(document.title(), u"買い物リスト"_s);
  ASSERT_EQ(document.pageCount(), 2);
  const auto& first = document.pages()[0].items;
  const auto& heading = std::get<PlacedText>(first[0]);
  EXPECT_TRUE(heading.font.bold);
  EXPECT_EQ(heading.colour, kPrintGreen);
  // The long line goes on in a second, indented line; nothing passes the page's bottom.
  EXPECT_TRUE(std::get<PlacedText>(first[2]).text.startsWith(u"　　あ"_s));
  for (const PlacedItem& item : first) EXPECT_LE(std::get<PlacedText>(item).y + 360, kArea.height);
}

TEST(PlanChecks, DayTotalsCountUnsetValuesAsZeroAndSayWhich) {
  const MenuPlan p = plan({{0, u"肉じゃが"_s}, {1, u"カレー"_s}, {2, u"味噌汁"_s}, {3, u"もう無い料理"_s}});
  const DayTotals first = TotalsOfDay(p, 0, kBook);
  EXPECT_EQ(first.calories, 1150.0f);
  EXPECT_EQ(first.salt, 4.0f);
  EXPECT_EQ(first.countedAsZero, (QStringList{u"カレーの塩分"_s, u"味噌汁のカロリー"_s}));
  EXPECT_EQ(DayTotalsText(first), u"一人分合計 1150kcal※　塩分 4g※\n※0として計算：カレーの塩分、味噌汁のカロリー"_s);
  EXPECT_EQ(DayTotalsText(TotalsOfDay(p, 1, kBook)), u"一人分合計 0kcal※　塩分 0g※\n※0として計算：もう無い料理（レシピにない）"_s);
  EXPECT_EQ(DayTotalsText(TotalsOfDay(p, 2, kBook)), u"一人分合計 0kcal　塩分 0g"_s);
}

TEST(PlanChecks, AStockedIngredientPastItsDateOnThePlannedDayIsWarnedOnThatDay) {
  EXPECT_EQ(DateOfDayCaption(u"24年03月09日 土曜日"_s), QDate(2024, 3, 9));
  EXPECT_EQ(DateOfDayCaption(u"日付１"_s), std::nullopt);
  EXPECT_EQ(DateOfDayCaption(u"24年02月30日"_s), std::nullopt);

  const std::vector<StockEntry> stock = {stocked(u"豆腐"_s, u"2024/05/13"_s), stocked(u"ねぎ"_s, u"2024/05/13"_s)};
  MenuPlan p = plan({{2, u"味噌汁"_s}, {8, u"味噌汁"_s}});  // the second finds no tofu left
  const ShoppingList list = BuildShoppingList(p, kBook, stock);
  std::vector<ExpiryWarning> warnings = ExpiryWarnings(p, list, stock);
  EXPECT_TRUE(warnings.empty());  // both are still good on the 12th

  p.Days[0].DayCaption = MenuDayCaption(QDate(2024, 5, 14));
  warnings = ExpiryWarnings(p, list, stock);
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_EQ(DayWarningLines(warnings, 0),
            (QStringList{u"期限注意：豆腐 2024/05/13まで（夕の味噌汁）"_s, u"期限注意：ねぎ 2024/05/13まで（夕の味噌汁）"_s}));
  EXPECT_TRUE(DayWarningLines(warnings, 2).isEmpty());

  p.Days[0].DayCaption = u"日付１"_s;
  EXPECT_TRUE(ExpiryWarnings(p, list, stock).empty());
}

TEST(UseItUp, PointsByDaysLeft) {
  const std::pair<std::optional<int>, int> cases[] = {{-5, 3}, {-1, 3}, {0, 2}, {3, 2}, {4, 1},
                                                      {7, 1},  {8, 0},  {1000, 0}, {std::nullopt, 0}};
  for (const auto& [days, points] : cases) EXPECT_EQ(UseItUpPoints(days), points) << days.value_or(-999);
}

TEST(UseItUp, RanksByPointsThenFewerMissingThenBookOrder) {
  const RecipeTable book({dish(u"湯豆腐"_s, u"豆腐 1丁\r\n昆布 5cm\r\nポン酢 適量"_s),
                          dish(u"冷奴"_s, u"豆腐 1丁\r\nねぎ 少々"_s),
                          dish(u"牛乳寒天"_s, u"牛乳 400cc\r\n砂糖 大さじ3\r\n粉寒天 4g"_s),
                          dish(u"肉豆腐"_s, u"豆腐 1丁\r\n牛肉 150g\r\nとうふ 半丁\r\nねぎ 1本"_s),
                          dish(u"サラダ"_s, u"レタス 1/2個\r\nトマト 1個"_s)});
  const std::vector<StockEntry> stock = {
      stocked(u"豆腐"_s, u"2024/05/20"_s),  // 8 days: no points
      stocked(u"トウフ"_s, u"2024/05/14"_s),  // 2 days: 2
      stocked(u"牛乳"_s, u"2024/05/11"_s),    // past: 3
      stocked(u"ねぎ"_s, u"2024/05/18"_s),    // 6 days: 1
      stocked(u"トマト"_s, u""_s)};          // no date: 0
  const std::vector<UseItUpSuggestion> ranked = RankUseItUp(book, stock);
  std::vector<std::pair<int, int>> numbersAndPoints;
  for (const UseItUpSuggestion& s : ranked) numbersAndPoints.push_back({s.recordNumber, s.points});
  // 冷奴 and 肉豆腐 earn 3 like 牛乳寒天; 冷奴 misses nothing, 牛乳寒天 two, 肉豆腐 one.
  EXPECT_EQ(numbersAndPoints, (std::vector<std::pair<int, int>>{{2, 3}, {4, 3}, {3, 3}, {1, 2}}));
  ASSERT_EQ(ranked[1].items.size(), 2u);
  EXPECT_EQ(ranked[1].items[0].stockPosition, 2);  // the best tofu, counted once
  EXPECT_EQ(ranked[1].missing, 1);
  EXPECT_EQ(ranked[1].missingNames, QStringList{u"牛肉"_s});
  EXPECT_EQ(ranked[2].missingNames, (QStringList{u"砂糖"_s, u"粉寒天"_s}));

  // A folding begun beside the load and kept between presses follows a recipe changed while it
  // folded, and one changed back later, and gives the same ranking as a fold made afresh.
  FoldedBook folded;
  RecipeTable changed = book;
  folded.foldBeside(changed);
  changed[5].Ingredients = u"トマト 1個\r\n牛乳 100cc"_s;
  const std::vector<UseItUpSuggestion> again = RankUseItUp(changed, stock, folded, 1);
  ASSERT_EQ(again.size(), ranked.size() + 1);
  EXPECT_EQ(again[1].recordNumber, 5);
  EXPECT_EQ(again[2].missing, 1);
  EXPECT_TRUE(again[2].missingNames.isEmpty());  // named for the first row only
  folded.foldBeside(book);
  EXPECT_EQ(RankUseItUp(book, stock, folded).size(), ranked.size());
}

}  // namespace
