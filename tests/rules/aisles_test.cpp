// SPDX-License-Identifier: GPL-3.0-or-later
// The store sections of the shopping list: the built-in table, the user's file, and the days a
// bought item of each section keeps.
#include "fridge/rules/ingredient_names.h"
#include "menu/rules/aisles.h"
#include "rules_test_util.h"
#include "support/temp_book.h"

namespace {

QString aisleOf(const AisleTable& table, const QString& name) {
  return table.aisles()[size_t(table.aisleOf(FoldIngredientName(name)))].name;
}

TEST(Aisles, TheBuiltInTableFindsTheSectionByTheLongestNameHeld) {
  const AisleTable table;
  const std::pair<QString, QString> cases[] = {
      {u"ジャガイモ"_s, u"野菜・果物"_s},   {u"豚バラ肉"_s, u"肉"_s},          {u"牛乳"_s, u"卵・乳製品"_s},
      {u"塩鮭"_s, u"魚介"_s},               {u"ごま油"_s, u"調味料"_s},        {u"白ごま"_s, u"乾物・その他"_s},
      {u"油揚げ"_s, u"豆腐・大豆製品"_s},   {u"鶏もも肉"_s, u"肉"_s},          {u"鶏がらスープの素"_s, u"調味料"_s},
      {u"パン粉"_s, u"乾物・その他"_s},     {u"食パン"_s, u"米・麺・パン"_s},  {u"しょうゆ"_s, u"調味料"_s},
      {u"ドラゴンフルーツ"_s, u"乾物・その他"_s}};
  for (const auto& [name, aisle] : cases) EXPECT_EQ(aisleOf(table, name), aisle) << name.toStdString();
  EXPECT_EQ(table.aisles().back().name, u"乾物・その他"_s);
}

TEST(Aisles, TheUsersFileAddsNamesSectionsAndDaysAndABadLineIsNamed) {
  AisleTable table;
  EXPECT_EQ(table.addLines({u"# 自分の店"_s, u""_s, u"パクチー,野菜・果物"_s, u"ドラゴンフルーツ,果物屋"_s, u"肉,2"_s,
                            u"ごま油,乾物・その他"_s, u"果物屋,４"_s}),
            std::nullopt);
  EXPECT_EQ(aisleOf(table, u"パクチー"_s), u"野菜・果物"_s);
  EXPECT_EQ(aisleOf(table, u"ドラゴンフルーツ"_s), u"果物屋"_s);
  EXPECT_EQ(aisleOf(table, u"ごま油"_s), u"乾物・その他"_s);  // the user's word wins
  EXPECT_EQ(aisleOf(table, u"エスカルゴ"_s), u"乾物・その他"_s);
  QStringList names;
  std::vector<int> days;
  for (const Aisle& a : table.aisles()) names.append(a.name), days.push_back(a.keepsDays);
  EXPECT_EQ(names.mid(names.size() - 2), (QStringList{u"果物屋"_s, u"乾物・その他"_s}));
  EXPECT_EQ(days[1], 2);
  EXPECT_EQ(days[days.size() - 2], 4);

  const AisleTable before = table;
  for (const QString& bad : {u"パクチー"_s, u"肉,0"_s, u"a,b,c"_s, u",野菜・果物"_s})
    EXPECT_EQ(table.addLines({u"セリ,野菜・果物"_s, bad}), 2) << bad.toStdString();
  EXPECT_EQ(aisleOf(table, u"セリ"_s), aisleOf(before, u"セリ"_s));  // nothing of a bad file is taken

  TempBook book;
  EXPECT_TRUE(std::holds_alternative<AisleTable>(ReadAisleTable(book.path(kAisleFileName))));
  book.writeLines(kAisleFileName, {u"セリ,野菜・果物"_s, u"肉"_s});
  const auto read = ReadAisleTable(book.path(kAisleFileName));
  ASSERT_TRUE(std::holds_alternative<FileError>(read));
  EXPECT_EQ(std::get<FileError>(read).line, 2);
}

}  // namespace
