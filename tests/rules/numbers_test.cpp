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
    {"Integer", QStringLiteral("350"), 350},
    {"Fraction", QStringLiteral("2.5"), 2.5},
    {"LeadingBlanks", QStringLiteral("   40"), 40},
    {"TabsAndLineFeeds", QStringLiteral("\t\r\n 7"), 7},
    {"BlanksBetweenDigits", QStringLiteral("1 2\t3"), 123},
    {"BlanksAroundPoint", QStringLiteral("1 . 5"), 1.5},
    {"Minus", QStringLiteral("-3.5"), -3.5},
    {"Plus", QStringLiteral("+8"), 8},
    {"BlankAfterSign", QStringLiteral("- 4"), -4},
    {"LeadingPoint", QStringLiteral(".25"), 0.25},
    {"TrailingPoint", QStringLiteral("5."), 5},
    {"SecondPointEndsNumber", QStringLiteral("1.2.3"), 1.2},
    {"ExponentUpperE", QStringLiteral("1.5E3"), 1500},
    {"ExponentLowerE", QStringLiteral("2e2"), 200},
    {"ExponentD", QStringLiteral("2D3"), 2000},
    {"ExponentLowerD", QStringLiteral("3d1"), 30},
    {"NegativeExponent", QStringLiteral("25E-1"), 2.5},
    {"ExponentWithBlanks", QStringLiteral("1 E + 2"), 100},
    {"ExponentWithoutDigits", QStringLiteral("1e"), 1},
    {"ExponentSignWithoutDigits", QStringLiteral("7E-"), 7},
    {"ExponentThenText", QStringLiteral("1e5分"), 100000},
    {"SecondExponentIgnored", QStringLiteral("1e2e3"), 100},
    {"TrailingJapanese", QStringLiteral("40分"), 40},
    {"TrailingLetters", QStringLiteral("12abc"), 12},
    {"CommaEndsNumber", QStringLiteral("1,000"), 1},
    {"NoNumber", QStringLiteral("abc"), 0},
    {"Empty", QString(), 0},
    {"OnlyBlanks", QStringLiteral("  \t "), 0},
    {"OnlySign", QStringLiteral("-"), 0},
    {"OnlyPoint", QStringLiteral("."), 0},
    {"ExponentWithoutMantissa", QStringLiteral("E5"), 0},
    {"TwoSigns", QStringLiteral("+-1"), 0},
    {"TextBeforeDigits", QStringLiteral("約300"), 0},
    {"TooLargeReadsZero", QStringLiteral("1E400"), 0},
    {"TinyUnderflowsToZero", QStringLiteral("1E-400"), 0},
};

void PrintTo(const Reading& r, std::ostream* os) { *os << r.name; }

class ReadNumber : public testing::TestWithParam<Reading> {};

TEST_P(ReadNumber, TakesTheLeadingNumber) {
  EXPECT_DOUBLE_EQ(numbers::ReadNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Lenient, ReadNumber, testing::ValuesIn(kReadings), ByName());

TEST(ReadSingle, RoundsToSinglePrecisionAndRefusesOverflow) {
  EXPECT_EQ(numbers::ReadSingle(QStringLiteral("0.123456789")), 0.123456789f);
  EXPECT_EQ(numbers::ReadSingle(QStringLiteral("2.5g")), 2.5f);
  EXPECT_TRUE(numbers::FitsSingle(QStringLiteral("3E38")));
  EXPECT_FALSE(numbers::FitsSingle(QStringLiteral("1E39")));
  EXPECT_FALSE(numbers::FitsSingle(QStringLiteral("-1E39")));
  EXPECT_EQ(numbers::ReadSingle(QStringLiteral("1E39")), 0.0f);
}

struct Formatting {
  std::string name;
  double value;
  QString text;
};

void PrintTo(const Formatting& f, std::ostream* os) { *os << f.name; }

const Formatting kSingles[] = {
    {"Zero", 0, QStringLiteral("0")},
    {"NegativeZero", -0.0, QStringLiteral("0")},
    {"Integer", 350, QStringLiteral("350")},
    {"Fraction", 2.5, QStringLiteral("2.5")},
    {"NotExactInBinary", 0.7, QStringLiteral("0.7")},
    {"OneTenth", 0.1, QStringLiteral("0.1")},
    {"SevenSignificantDigits", 0.123456789, QStringLiteral("0.1234568")},
    {"Third", 1.0 / 3, QStringLiteral("0.3333333")},
    {"Negative", -2.5, QStringLiteral("-2.5")},
    {"NegativeFraction", -0.7, QStringLiteral("-0.7")},
    {"LargestFixed", 1234567, QStringLiteral("1234567")},
    {"TenMillion", 1e7, QStringLiteral("1E+07")},
    {"EightDigitsRounded", 12345678, QStringLiteral("1.234568E+07")},
    {"RoundsUpToNextPower", 9999999.6, QStringLiteral("1E+07")},
    {"SmallFixed", 0.001, QStringLiteral("0.001")},
};

class FormatSingle : public testing::TestWithParam<Formatting> {};

TEST_P(FormatSingle, WritesShortestText) {
  EXPECT_EQ(numbers::FormatSingle(float(GetParam().value)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Single, FormatSingle, testing::ValuesIn(kSingles), ByName());

const Formatting kDoubles[] = {
    {"Zero", 0, QStringLiteral("0")},
    {"Integer", 7, QStringLiteral("7")},
    {"NineDigits", 0.123456789, QStringLiteral("0.123456789")},
    {"SumWithBinaryError", 0.1 + 0.2, QStringLiteral("0.3")},
    {"Third", 1.0 / 3, QStringLiteral("0.333333333333333")},
    {"Negative", -0.5, QStringLiteral("-0.5")},
    {"FifteenDigitsFixed", 1e14, QStringLiteral("100000000000000")},
    {"FifteenSignificantDigits", 123456789012345, QStringLiteral("123456789012345")},
    {"SixteenDigitsGoExponent", 1e15, QStringLiteral("1E+15")},
    {"NegativeLarge", -1e15, QStringLiteral("-1E+15")},
    {"ExponentWithMantissa", 1234567890123456, QStringLiteral("1.23456789012346E+15")},
    {"ThreeDigitExponent", 1e100, QStringLiteral("1E+100")},
    {"TenThousandth", 0.0001, QStringLiteral("0.0001")},
    {"HundredThousandth", 0.00001, QStringLiteral("1E-05")},
    {"SmallWithMantissa", 0.000015, QStringLiteral("1.5E-05")},
    {"VerySmall", 2.5e-10, QStringLiteral("2.5E-10")},
    {"NegativeSmall", -0.00001, QStringLiteral("-1E-05")},
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
