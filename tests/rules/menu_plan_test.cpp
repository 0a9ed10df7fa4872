// SPDX-License-Identifier: GPL-3.0-or-later
// The menu file: three lines of four quoted fields, read back field by field.
#include <gtest/gtest.h>

#include "menu/rules/menu_plan.h"
#include "rules_test_util.h"
#include "support/temp_book.h"

namespace {

MenuPlan samplePlan() {
  MenuPlan plan;
  plan.Days[0] = {u"24年03月09日 土曜日"_s, u"鮭の塩焼き"_s, u"ざるそば"_s, u"肉じゃが"_s};
  plan.Days[1] = {u"24年03月10日 日曜日"_s, QString(), u"カレー, 辛口"_s, u"レシピ選択"_s};
  plan.Days[2] = {u"24年03月11日 月曜日"_s, u"トースト～"_s, u"冷やし中華"_s, QString()};
  return plan;
}

TEST(MenuPlan, IsWrittenAsThreeLinesOfFourQuotedFields) {
  TempBook book;
  const QString path = book.path(kMenuFileName);
  ASSERT_FALSE(WriteMenuPlan(path, samplePlan()));
  EXPECT_EQ(book.bytes(kMenuFileName),
            sjisLines({u"\"24年03月09日 土曜日\",\"鮭の塩焼き\",\"ざるそば\",\"肉じゃが\""_s,
                       u"\"24年03月10日 日曜日\",\"\",\"カレー, 辛口\",\"レシピ選択\""_s,
                       u"\"24年03月11日 月曜日\",\"トースト～\",\"冷やし中華\",\"\""_s}));
  const MenuPlan back = valueOf(ReadMenuPlan(path));
  for (int day = 0; day < kMenuDays; ++day) EXPECT_EQ(back.Days[day].DayCaption, samplePlan().Days[day].DayCaption);
  for (int slot = 0; slot < kMenuSlots; ++slot) EXPECT_EQ(back.dish(slot), samplePlan().dish(slot)) << slot;
}

TEST(MenuPlan, SlotsCountThreeMealsADay) {
  MenuPlan plan = samplePlan();
  EXPECT_EQ(plan.dish(0), u"鮭の塩焼き"_s);
  EXPECT_EQ(plan.dish(5), u"レシピ選択"_s);
  EXPECT_EQ(plan.dish(7), u"冷やし中華"_s);
  plan.dish(4) = u"親子丼"_s;
  EXPECT_EQ(plan.Days[1].Lunch, u"親子丼"_s);
}

TEST(MenuPlan, AMissingFileOpensTheBlankPlan) {
  TempBook book;
  const MenuPlan plan = valueOf(ReadMenuPlan(book.path(kMenuFileName)));
  EXPECT_EQ(plan.Days[0].DayCaption, u"日付１"_s);
  EXPECT_EQ(plan.Days[2].DayCaption, u"日付３"_s);
  for (int slot = 0; slot < kMenuSlots; ++slot) EXPECT_EQ(plan.dish(slot), u"レシピ選択"_s);
}

TEST(MenuPlan, AShortFileKeepsBlankTextsWhereFieldsAreMissing) {
  TempBook book;
  book.writeBytes(kMenuFileName, sjis(u"\"24年03月09日 土曜日\",\"鮭\"\r\n\"日付\",\"a\",\"b\",\"c\",\"extra\""_s));
  const MenuPlan plan = valueOf(ReadMenuPlan(book.path(kMenuFileName)));
  EXPECT_EQ(plan.Days[0].DayCaption, u"24年03月09日 土曜日"_s);
  EXPECT_EQ(plan.Days[0].Breakfast, u"鮭"_s);
  EXPECT_EQ(plan.Days[0].Lunch, u"レシピ選択"_s);
  EXPECT_EQ(plan.Days[1].Dinner, u"c"_s);
  EXPECT_EQ(plan.Days[2].DayCaption, u"日付３"_s);
}

TEST(MenuPlan, AFileThatIsNotCp932IsAnError) {
  TempBook book;
  book.writeBytes(kMenuFileName, QByteArray("\"\x82\"\r\n"));
  EXPECT_EQ(errorOf(ReadMenuPlan(book.path(kMenuFileName))).kind, FileError::Kind::NotCp932);
}

TEST(MenuPlan, FieldsTheFileCannotHoldAreRefusedAndTheOldFileKept) {
  TempBook book;
  const QString path = book.path(kMenuFileName);
  ASSERT_FALSE(WriteMenuPlan(path, samplePlan()));
  const QByteArray before = book.bytes(kMenuFileName);

  MenuPlan quote = samplePlan();
  quote.Days[1].Dinner = u"\"特製\"カレー"_s;
  auto error = WriteMenuPlan(path, quote);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, FileError::Kind::Refused);
  EXPECT_EQ(error->message(), u"2日目の夕「\"特製\"カレー」に「\"」が入っています。献立には「\"」を使えません。"_s);

  MenuPlan lineBreak = samplePlan();
  lineBreak.Days[2].DayCaption = u"週末\r\nの夜"_s;
  error = WriteMenuPlan(path, lineBreak);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->message(), u"3日目の日付「週末 の夜」に改行が入っています。献立には改行を使えません。"_s);

  MenuPlan emoji = samplePlan();
  emoji.Days[0].Breakfast = u"おにぎり😀"_s;
  error = WriteMenuPlan(path, emoji);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, FileError::Kind::Unencodable);
  EXPECT_EQ(book.bytes(kMenuFileName), before);
}

TEST(MenuPlan, DayCaptionsCarryTwoDigitDatesAndTheJapaneseWeekday) {
  EXPECT_EQ(MenuDayCaption(QDate(2024, 3, 9)), u"24年03月09日 土曜日"_s);
  EXPECT_EQ(MenuDayCaption(QDate(2024, 3, 10)), u"24年03月10日 日曜日"_s);
  EXPECT_EQ(MenuDayCaption(QDate(2009, 12, 28)), u"09年12月28日 月曜日"_s);
  EXPECT_EQ(MenuDayCaption(QDate(2026, 12, 8)), u"26年12月08日 火曜日"_s);
  EXPECT_EQ(MenuShortDate(QDate(2024, 3, 9)), u"2024/03/09"_s);
}

}  // namespace
