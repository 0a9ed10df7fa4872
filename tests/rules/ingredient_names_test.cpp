// SPDX-License-Identifier: GPL-3.0-or-later
// Which ingredient a free-text ingredient line names, and which spellings are one ingredient.
#include "fridge/rules/ingredient_names.h"
#include "rules_test_util.h"

namespace {

struct LineCase {
  std::string name;
  QString line;
  QList<IngredientNeed> needs;
};

const LineCase kLineCases[] = {
    {"FullWidthBlank", u"じゃがいも　3個"_s, {{u"じゃがいも"_s, u"3個"_s}}},
    {"HalfWidthBlankAndSpoon", u"醤油 小さじ1/4"_s, {{u"醤油"_s, u"小さじ1/4"_s}}},
    {"Pinch", u"塩 少々"_s, {{u"塩"_s, u"少々"_s}}},
    {"AmountWordWithoutBlank", u"こしょう少々"_s, {{u"こしょう"_s, u"少々"_s}}},
    {"SpoonWithoutBlank", u"砂糖大さじ2"_s, {{u"砂糖"_s, u"大さじ2"_s}}},
    {"DigitsWithoutBlank", u"牛肉200g"_s, {{u"牛肉"_s, u"200g"_s}}},
    {"FullWidthDigits", u"卵２個"_s, {{u"卵"_s, u"２個"_s}}},
    {"KanjiNumeralAndCounter", u"にんにく一かけ"_s, {{u"にんにく"_s, u"一かけ"_s}}},
    {"HalfOfOne", u"玉ねぎ半分"_s, {{u"玉ねぎ"_s, u"半分"_s}}},
    {"NumeralOpeningTheName", u"三つ葉 1束"_s, {{u"三つ葉"_s, u"1束"_s}}},
    {"NumeralInsideTheName", u"七味唐辛子 適量"_s, {{u"七味唐辛子"_s, u"適量"_s}}},
    {"AmountInBrackets", u"鶏もも肉(300g)"_s, {{u"鶏もも肉"_s, u"(300g)"_s}}},
    {"Leaders", u"にんじん……1本"_s, {{u"にんじん"_s, u"1本"_s}}},
    {"Colon", u"豚肉：200g"_s, {{u"豚肉"_s, u"200g"_s}}},
    {"Bullet", u"・キャベツ　1/4個"_s, {{u"キャベツ"_s, u"1/4個"_s}}},
    {"GroupLetter", u"A 醤油 大さじ1"_s, {{u"醤油"_s, u"大さじ1"_s}}},
    {"GroupInBrackets", u"（Ａ）みりん　大さじ1"_s, {{u"みりん"_s, u"大さじ1"_s}}},
    {"CupBeforeADigit", u"だし汁カップ2"_s, {{u"だし汁"_s, u"カップ2"_s}}},
    {"CupInTheName", u"カップ麺 1個"_s, {{u"カップ麺"_s, u"1個"_s}}},
    {"NoAmount", u"パセリ"_s, {{u"パセリ"_s, u""_s}}},
    {"TwoSharingTheAmount", u"塩・こしょう　各少々"_s, {{u"塩"_s, u"各少々"_s}, {u"こしょう"_s, u"各少々"_s}}},
    {"CommaBetweenNames", u"酒、みりん 各大さじ1"_s, {{u"酒"_s, u"各大さじ1"_s}, {u"みりん"_s, u"各大さじ1"_s}}},
    {"HeadingInBrackets", u"【合わせ調味料】"_s, {}},
    {"ServingsHeading", u"材料（2人分）"_s, {}},
    {"LabelWithColon", u"たれ："_s, {}},
    {"Note", u"※お好みで七味を"_s, {}},
    {"Water", u"水　200cc"_s, {}},
    {"HotWater", u"お湯 カップ1"_s, {}},
    {"Blank", u"　"_s, {}},
    {"NameOpensWithANumber", u"3倍濃縮めんつゆ 大さじ2"_s, {{u"3倍濃縮めんつゆ"_s, u"大さじ2"_s}}},
    {"NameOpensWithANumberThenTheAmount", u"7分づき米2合"_s, {{u"7分づき米"_s, u"2合"_s}}},
    {"NameOpensWithAPercentage", u"100%オレンジジュース 200ml"_s, {{u"100%オレンジジュース"_s, u"200ml"_s}}},
    {"SizeWordBeforeTheAmount", u"じゃがいも中3個"_s, {{u"じゃがいも"_s, u"中3個"_s}}},
    {"SizeWordBeforeAKanjiCount", u"玉葱大一個"_s, {{u"玉葱"_s, u"大一個"_s}}},
    {"LongerSizeWord", u"ピーマン小さめ2個"_s, {{u"ピーマン"_s, u"小さめ2個"_s}}},
    {"SizeWordThatOpensTheName", u"大根 1/3本"_s, {{u"大根"_s, u"1/3本"_s}}},
    {"SizeWordInsideTheName", u"中華麺大盛り 1玉"_s, {{u"中華麺大盛り"_s, u"1玉"_s}}},
    {"OnlyAnAmount", u"200g"_s, {}},
    {"OnlyACount", u"２個"_s, {}},
    {"CircledNumber", u"①砂糖 大さじ1"_s, {{u"砂糖"_s, u"大さじ1"_s}}},
    {"ParenthesisedNumber", u"⑵醤油 小さじ1"_s, {{u"醤油"_s, u"小さじ1"_s}}},
    {"GroupLetterWithAPoint", u"A.みりん 大さじ2"_s, {{u"みりん"_s, u"大さじ2"_s}}},
    {"GroupLetterWithAFullWidthPoint", u"A．酒 大さじ1"_s, {{u"酒"_s, u"大さじ1"_s}}},
    {"FullWidthGroupLetterWithAColon", u"Ａ:酢 大さじ1"_s, {{u"酢"_s, u"大さじ1"_s}}},
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class IngredientLine : public testing::TestWithParam<LineCase> {};

TEST_P(IngredientLine, NamesItsIngredientsBeforeTheAmount) {
  const LineCase& c = GetParam();
  const QList<IngredientNeed> needs = ReadIngredientLine(c.line);
  ASSERT_EQ(needs.size(), c.needs.size());
  for (qsizetype i = 0; i < needs.size(); ++i) {
    EXPECT_EQ(needs[i].name, c.needs[i].name) << i;
    EXPECT_EQ(needs[i].amount, c.needs[i].amount) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(IngredientNames, IngredientLine, testing::ValuesIn(kLineCases), ByName());

TEST(IngredientNames, TheNamePartOfAStockEntryKeepsItsMiddleDot) {
  EXPECT_EQ(IngredientNamePart(u"牛乳 1L"_s), u"牛乳"_s);
  EXPECT_EQ(IngredientNamePart(u"塩・こしょう"_s), u"塩・こしょう"_s);
  EXPECT_EQ(IngredientNamePart(u"【A】"_s), u""_s);
}

TEST(IngredientNames, EveryLineOfARecipesIngredients) {
  QStringList seen;
  ForEachIngredient(u"【材料】\r\nじゃがいも　3個\r\n\r\n塩・こしょう 少々\r\n水 100cc"_s,
                    [&](QStringView line, const IngredientNeed& need) { seen.append(line.toString() + u"|"_s + need.name); });
  EXPECT_EQ(seen, (QStringList{u"じゃがいも　3個|じゃがいも"_s, u"塩・こしょう 少々|塩"_s, u"塩・こしょう 少々|こしょう"_s}));
}

struct FoldCase {
  std::string name;
  QString a, b;
  bool same;
};

const FoldCase kFoldCases[] = {
    {"Katakana", u"ジャガイモ"_s, u"じゃがいも"_s, true},
    {"HalfWidthKatakana", u"ｷｬﾍﾞﾂ"_s, u"キャベツ"_s, true},
    {"FullWidthLatin", u"ＰＡＳＴＡ"_s, u"pasta"_s, true},
    {"OnionKanji", u"玉葱"_s, u"たまねぎ"_s, true},
    {"OnionMixed", u"玉ねぎ"_s, u"タマネギ"_s, true},
    {"Carrot", u"人参"_s, u"にんじん"_s, true},
    {"SoySauce", u"しょう油"_s, u"醤油"_s, true},
    {"Egg", u"玉子"_s, u"たまご"_s, true},
    {"EggIsNotOnion", u"たまご"_s, u"たまねぎ"_s, false},
    {"VariantInsideAName", u"新玉ねぎ"_s, u"新たまねぎ"_s, true},
    {"ChickenThigh", u"とりもも肉"_s, u"鶏もも肉"_s, true},
    {"SesameOil", u"ごま油"_s, u"胡麻油"_s, true},
    {"LeekIsNotGreenOnion", u"長ねぎ"_s, u"ねぎ"_s, false},
    {"LeekKanji", u"長葱"_s, u"長ねぎ"_s, true},
    {"TaroIsNotSugar", u"さといも"_s, u"さとう"_s, false},
    {"EggplantLongForm", u"なすび"_s, u"茄子"_s, true},
    {"BeefIsNotPork", u"牛肉"_s, u"豚肉"_s, false},
    {"PorkBelly", u"ぶたバラ肉"_s, u"豚ばら肉"_s, true},
    {"MiddleDotInsideAName", u"塩こしょう"_s, u"塩・コショウ"_s, true},
    {"HalfWidthMiddleDot", u"ミックス･ベジタブル"_s, u"ミックスベジタブル"_s, true},
};

void PrintTo(const FoldCase& c, std::ostream* os) { *os << c.name; }

class IngredientFolding : public testing::TestWithParam<FoldCase> {};

TEST_P(IngredientFolding, MakesSpellingsOfOneIngredientEqual) {
  const FoldCase& c = GetParam();
  EXPECT_EQ(FoldIngredientName(c.a) == FoldIngredientName(c.b), c.same)
      << FoldIngredientName(c.a).toStdString() << " / " << FoldIngredientName(c.b).toStdString();
}

INSTANTIATE_TEST_SUITE_P(IngredientNames, IngredientFolding, testing::ValuesIn(kFoldCases), ByName());

TEST(IngredientNames, AFoldedKeyFoldsToItself) {
  for (const QString& name : {u"玉葱"_s, u"ねぎ"_s, u"ごま油"_s, u"鶏卵"_s, u"ｼｲﾀｹ"_s, u"とりがら"_s})
    EXPECT_EQ(FoldIngredientName(FoldIngredientName(name)), FoldIngredientName(name)) << name.toStdString();
  IngredientFolder folder;
  EXPECT_EQ(folder.key(u"タマネギ"_s), FoldIngredientName(u"玉ねぎ"_s));
  EXPECT_EQ(&folder.key(u"タマネギ"_s), &folder.key(u"タマネギ"_s));
}

}  // namespace
