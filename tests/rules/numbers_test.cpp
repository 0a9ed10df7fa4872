// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the files and text boxes hold them: lenient reading, and the shortest decimal text
// the files are written with.
#include "platform/rules/numbers.h"

#include <gtest/gtest.h>

#include <cfloat>

#include "rules_test_util.h"

namespace {

struct Reading {
  std::string name;
  QString text;
  double value;
};

const Reading kReadings[] = {
    {"Integer", u"350"_s, 350},
    {"Fraction", u"2.5"_s, 2.5},
    {"TabsAndLineFeeds", u"\t\r\n 7"_s, 7},
    {"BlanksBetweenDigits", u"1 2\t3"_s, 123},
    {"Minus", u"-3.5"_s, -3.5},
    {"BlankAfterSign", u"- 4"_s, -4},
    {"LeadingPoint", u".25"_s, 0.25},
    {"SecondPointEndsNumber", u"1.2.3"_s, 1.2},
    {"ExponentUpperE", u"1.5E3"_s, 1500},
    {"ExponentD", u"2D3"_s, 2000},
    {"NegativeExponent", u"25E-1"_s, 2.5},
    {"ExponentWithBlanks", u"1 E + 2"_s, 100},
    {"ExponentWithoutDigits", u"1e"_s, 1},
    {"ExponentSignWithoutDigits", u"7E-"_s, 7},
    {"SecondExponentIgnored", u"1e2e3"_s, 100},
    {"TrailingJapanese", u"40分"_s, 40},
    {"CommaEndsNumber", u"1,000"_s, 1},
    {"NoNumber", u"abc"_s, 0},
    {"Empty", QString(), 0},
    {"OnlySign", u"-"_s, 0},
    {"ExponentWithoutMantissa", u"E5"_s, 0},
    {"TextBeforeDigits", u"約300"_s, 0},
    {"TooLargeReadsZero", u"1E400"_s, 0},
};

void PrintTo(const Reading& r, std::ostream* os) { *os << r.name; }

class ReadNumber : public testing::TestWithParam<Reading> {};

TEST_P(ReadNumber, TakesTheLeadingNumber) { EXPECT_DOUBLE_EQ(numbers::ReadNumber(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Lenient, ReadNumber, testing::ValuesIn(kReadings), ByName());

TEST(ReadSingle, RoundsToSinglePrecisionAndRefusesOverflow) {
  EXPECT_EQ(numbers::ReadSingle(u"0.123456789"_s), 0.123456789f);
  EXPECT_EQ(numbers::ReadSingle(u"2.5g"_s), 2.5f);
  EXPECT_TRUE(numbers::FitsSingle(u"3E38"_s));
  EXPECT_FALSE(numbers::FitsSingle(u"1E39"_s));
  EXPECT_FALSE(numbers::FitsSingle(u"-1E39"_s));
  EXPECT_EQ(numbers::ReadSingle(u"1E39"_s), 0.0f);
}

struct Formatting {
  std::string name;
  double value;
  QString text;
};

void PrintTo(const Formatting& f, std::ostream* os) { *os << f.name; }

const Formatting kSingles[] = {
    {"Zero", 0, u"0"_s},
    {"NegativeZero", -0.0, u"0"_s},
    {"Integer", 350, u"350"_s},
    {"Fraction", 2.5, u"2.5"_s},
    {"NotExactInBinary", 0.7, u"0.7"_s},
    {"SevenSignificantDigits", 0.123456789, u"0.1234568"_s},
    {"Negative", -2.5, u"-2.5"_s},
    {"LargestFixed", 1234567, u"1234567"_s},
    {"TenMillion", 1e7, u"1E+07"_s},
    {"EightDigitsRounded", 12345678, u"1.234568E+07"_s},
};

class FormatSingle : public testing::TestWithParam<Formatting> {};

TEST_P(FormatSingle, WritesShortestText) { EXPECT_EQ(numbers::FormatSingle(float(GetParam().value)), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Single, FormatSingle, testing::ValuesIn(kSingles), ByName());

const Formatting kDoubles[] = {
    {"Zero", 0, u"0"_s},
    {"Integer", 7, u"7"_s},
    {"NineDigits", 0.123456789, u"0.123456789"_s},
    {"SumWithBinaryError", 0.1 + 0.2, u"0.3"_s},
    {"Third", 1.0 / 3, u"0.333333333333333"_s},
    {"Negative", -0.5, u"-0.5"_s},
    {"FifteenDigitsFixed", 1e14, u"100000000000000"_s},
    {"SixteenDigitsGoExponent", 1e15, u"1E+15"_s},
    {"NegativeLarge", -1e15, u"-1E+15"_s},
    {"ExponentWithMantissa", 1234567890123456, u"1.23456789012346E+15"_s},
    {"TenThousandth", 0.0001, u"0.0001"_s},
    {"HundredThousandth", 0.00001, u"1E-05"_s},
    {"SmallWithMantissa", 0.000015, u"1.5E-05"_s},
    {"NegativeSmall", -0.00001, u"-1E-05"_s},
};

class FormatDouble : public testing::TestWithParam<Formatting> {};

TEST_P(FormatDouble, WritesShortestText) { EXPECT_EQ(numbers::FormatDouble(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Double, FormatDouble, testing::ValuesIn(kDoubles), ByName());

// What is written reads back as the same value, at the precision it was written with.
TEST(Numbers, WrittenTextReadsBackToTheValue) {
  for (double v : {0.5, 350.0, -12.25, 1e15, 1.5e-5, 123456789012345.0, 0.0001, 2.5e-10}) {
    EXPECT_DOUBLE_EQ(numbers::ReadNumber(numbers::FormatDouble(v)), v) << v;
  }
  for (float v : {0.7f, 2.5f, 1e7f, 12345678.0f, -0.001f}) {
    const float back = numbers::ReadSingle(numbers::FormatSingle(v));
    EXPECT_NEAR(back, v, std::abs(v) * 1e-6f) << v;
  }
}

}  // namespace
