// SPDX-License-Identifier: GPL-3.0-or-later
// Amounts of one ingredient added up for the shopping list, and the persons a recipe is for.
#include "menu/rules/amounts.h"
#include "rules_test_util.h"

namespace {

struct SumCase {
  std::string name;
  std::vector<AmountToAdd> amounts;
  QString total;
};

const SumCase kSumCases[] = {
    {"Counts", {{u"2個"_s}, {u"3個"_s}}, u"5個"_s},
    {"SpoonsWrittenBefore", {{u"大さじ2"_s}, {u"大さじ2"_s}}, u"大さじ4"_s},
    {"HalfAndOne", {{u"1/2個"_s}, {u"1個"_s}}, u"1と1/2個"_s},
    {"MixedNumber", {{u"1と1/2本"_s}, {u"1/2本"_s}}, u"2本"_s},
    {"FullWidthDigits", {{u"２００ｇ"_s}, {u"100g"_s}}, u"300g"_s},
    {"RangeAndOne", {{u"2～3個"_s}, {u"1個"_s}}, u"3～4個"_s},
    {"RangeWithTheOtherWaveDash", {{u"2〜3個"_s}, {u"1〜2個"_s}}, u"3～5個"_s},
    {"KanjiNumerals", {{u"一かけ"_s}, {u"二かけ"_s}, {u"十二枚"_s}}, u"3かけ＋12枚"_s},
    {"HalfInKanji", {{u"半丁"_s}, {u"1丁"_s}}, u"1と1/2丁"_s},
    {"Decimals", {{u"1.5カップ"_s}, {u"0.5カップ"_s}, {u"カップ0.5"_s}}, u"2.5カップ"_s},
    {"CcAndMlAreOne", {{u"200cc"_s}, {u"100ml"_s}}, u"300cc"_s},
    {"SizeWordKeptApart", {{u"中3個"_s}, {u"中1個"_s}, {u"2個"_s}}, u"中4個＋2個"_s},
    {"UnitsSideBySide", {{u"200g"_s}, {u"1パック"_s}}, u"200g＋1パック"_s},
    {"NotReadKeptAsWrittenOnce", {{u"少々"_s}, {u"1個"_s}, {u"少々"_s}, {u"1パック(200g)"_s}}, u"1個＋少々＋1パック(200g)"_s},
    {"HalfOfAWholeIsNotAUnit", {{u"半分"_s}, {u"1個"_s}}, u"1個＋半分"_s},
    {"EmptyAddsNothing", {{u""_s}, {u"各大さじ1"_s}}, u"大さじ1"_s},
    {"TooManyDigitsStayAsWritten", {{u"12345678901個"_s}, {u"1個"_s}}, u"1個＋12345678901個"_s},
    {"SumsTooLargeStayAsWritten",
     {{u"1/999999937個"_s}, {u"1/999999929個"_s}, {u"1/999999893個"_s}},
     u"1999999866/999999866000004473個＋1/999999893個"_s},
    {"Scaled", {{u"3個"_s, Fraction(2)}, {u"大さじ1"_s, Fraction(3, 2)}, {u"少々"_s, Fraction(2)}}, u"6個＋大さじ1と1/2＋少々"_s},
};

void PrintTo(const SumCase& c, std::ostream* os) { *os << c.name; }

class AmountsAddedUp : public testing::TestWithParam<SumCase> {};

TEST_P(AmountsAddedUp, WhenTheUnitsAgree) { EXPECT_EQ(AddUpAmounts(GetParam().amounts), GetParam().total); }

INSTANTIATE_TEST_SUITE_P(Amounts, AmountsAddedUp, testing::ValuesIn(kSumCases), ByName());

TEST(Amounts, ServingsOfARecipe) {
  EXPECT_EQ(ServingsOf(u"■材料（2人分）\r\nじゃがいも 3個"_s), 2);
  EXPECT_EQ(ServingsOf(u"鶏肉 300g\r\n（４人前）"_s), 4);
  EXPECT_EQ(ServingsOf(u"じゃがいも 3個"_s), std::nullopt);
  EXPECT_EQ(ServingsOf(u"0人分"_s), std::nullopt);
}

}  // namespace
