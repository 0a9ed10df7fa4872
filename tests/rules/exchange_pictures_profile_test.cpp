// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures brought in with an exchange file, the target points typed in the settings frame, and
// the figures the frame shows.
#include <gtest/gtest.h>

#include <QDir>

#include "exchange/rules/exchange_pictures.h"
#include "exchange/rules/profile_entry.h"
#include "rules_test_util.h"
#include "store/rules/profile_file.h"
#include "store/rules/statistics.h"
#include "support/temp_book.h"

namespace {

struct NameCase {
  std::string name;
  QString dishName;
  bool untrusted;
};

class PictureNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(PictureNames, OnlyAPlainFileNameMayNameAPicture) {
  EXPECT_EQ(exchange::UntrustedPictureName(GetParam().dishName).has_value(), GetParam().untrusted);
}

const NameCase kNames[] = {
    {"Plain", u"カレーライス"_s, false},
    {"DotsInside", u"簡単..おかず"_s, false},
    {"Blanks", u"ご飯 (大盛り)"_s, false},
    {"Slash", u"../../.bashrc"_s, true},
    {"Backslash", u"..\\system"_s, true},
    {"DotDot", u".."_s, true},
    {"Dot", u"."_s, true},
    {"Tab", u"カレー\tライス"_s, true},
    {"Delete", u"カレー\x7f"_s, true},
    {"Empty", u""_s, true},
    {"LongerThanAFileName", QString(90, u'あ'), true},
};
INSTANTIATE_TEST_SUITE_P(Exchange, PictureNames, testing::ValuesIn(kNames), ByName());

TEST(ExchangePictures, ExistingPicturesAreMarkedAndMatchedWithoutRegardToCase) {
  TempBook from, to;
  from.writeBytes(u"カレー.JPG"_s, "new jpeg");
  from.writeBytes(u"カレー.gif"_s, "new gif");
  from.writeBytes(u"サラダ.jpg"_s, "another dish");
  to.writeBytes(u"カレー.jpg"_s, "old jpeg");
  const auto copies = exchange::PicturesToImport(DataFolder(from.folder()), DataFolder(to.folder()), u"カレー"_s);
  ASSERT_EQ(copies.size(), 2u);
  EXPECT_EQ(copies[0].source, from.path(u"カレー.JPG"_s));
  EXPECT_EQ(copies[0].target, to.path(u"カレー.jpg"_s));
  EXPECT_TRUE(copies[0].replaces);
  EXPECT_EQ(copies[1].source, from.path(u"カレー.gif"_s));
  EXPECT_EQ(copies[1].target, to.path(u"カレー.gif"_s));
  EXPECT_FALSE(copies[1].replaces);

  // An exchange file in the book's own folder brings nothing over its own pictures.
  EXPECT_TRUE(exchange::PicturesToImport(DataFolder(to.folder()), DataFolder(to.folder()), u"カレー"_s).empty());
}

TEST(ExchangePictures, AnUntrustedNameLooksForNoPicture) {
  TempBook from, to;
  QDir(from.folder()).mkdir(u"sub"_s);
  from.writeBytes(u"sub/x.jpg"_s, "jpeg");
  EXPECT_TRUE(exchange::PicturesToImport(DataFolder(from.folder()), DataFolder(to.folder()), u"sub/x"_s).empty());
}

struct TargetCase {
  std::string name;
  QString typed;
  std::optional<double> value;
  QString stored;
};

class TargetPoints : public ::testing::TestWithParam<TargetCase> {};

TEST_P(TargetPoints, AcceptOnlyAPositiveNumber) {
  const auto entry = exchange::ReadTargetPoints(GetParam().typed);
  ASSERT_EQ(entry.has_value(), GetParam().value.has_value());
  if (!entry) return;
  EXPECT_DOUBLE_EQ(entry->value, *GetParam().value);
  EXPECT_EQ(entry->text, GetParam().stored);
}

const TargetCase kTargets[] = {
    {"Plain", u"1000"_s, 1000, u"1000"_s},
    {"Blanks", u" 200 "_s, 200, u"200"_s},
    {"Separators", u"1,000"_s, 1000, u"1000"_s},
    {"ManySeparators", u"12,345,678"_s, 12345678, u"12345678"_s},
    {"FullWidth", u"１０００"_s, 1000, u"1000"_s},
    {"FullWidthSeparatorsAndPoint", u"１，２３４．５"_s, 1234.5, u"1234.5"_s},
    {"Fraction", u"0.5"_s, 0.5, u"0.5"_s},
    {"Empty", u""_s, std::nullopt, {}},
    {"Zero", u"0"_s, std::nullopt, {}},
    {"Negative", u"-100"_s, std::nullopt, {}},
    {"Letters", u"abc"_s, std::nullopt, {}},
    {"Unit", u"1000P"_s, std::nullopt, {}},
    {"MisplacedSeparator", u"1,00"_s, std::nullopt, {}},
    {"Exponent", u"1E3"_s, std::nullopt, {}},
    {"BeyondSinglePrecision", u"1"_s + QString(39, u'0'), std::nullopt, {}},
    {"TooSmallForSinglePrecision", u"0."_s + QString(50, u'0') + u"1"_s, std::nullopt, {}},
};
INSTANTIATE_TEST_SUITE_P(Profile, TargetPoints, testing::ValuesIn(kTargets), ByName());

TEST(ProfileFigures, PointsAndLevelAsTheFrameShowsThem) {
  EXPECT_EQ(exchange::PointsText(150), u"150 P"_s);
  EXPECT_EQ(exchange::PointsText(7.5), u"7.5 P"_s);
  EXPECT_EQ(exchange::LevelText(LevelPercentOf(150, 200)), u"75.0 %"_s);
  EXPECT_EQ(exchange::LevelText(LevelPercentOf(150, 1000)), u"15.0 %"_s);
  EXPECT_EQ(exchange::LevelText(0), u"0.0 %"_s);
}

TEST(ProfileMargin, StoredMarginOutsideItsRangeIsClamped) {
  TempBook book;
  const std::pair<QString, int> cases[] = {{u" 7 "_s, 7}, {u" 99 "_s, 15}, {u" -3 "_s, 0}, {u" 1E+300 "_s, 15}, {u"x"_s, 0}};
  for (const auto& [line, margin] : cases) {
    book.writeLines(kProfileFileName, {u"花子"_s, u" 100 "_s, u"写真表示"_s, line});
    EXPECT_EQ(valueOf(LoadProfile(book.path(kProfileFileName))).BindingMargin, margin) << line.toStdString();
  }
}

}  // namespace
