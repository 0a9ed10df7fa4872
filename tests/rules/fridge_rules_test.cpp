// SPDX-License-Identifier: GPL-3.0-or-later
// The refrigerator's rules: days left and warning states, its two files byte for byte, the
// sorts, range deletion, the entry limit, what typed texts the files refuse, and the recipes
// that use an ingredient.
#include <QLocale>

#include "fridge/rules/fridge_dates.h"
#include "fridge/rules/fridge_files.h"
#include "fridge/rules/fridge_input.h"
#include "fridge/rules/recipes_using.h"
#include "fridge/rules/stock.h"
#include "fridge/rules/stock_delivery.h"
#include "rules_test_util.h"
#include "support/temp_book.h"

namespace {

const QDate kToday(2024, 5, 12);

struct DaysLeftCase {
  std::string name;
  QString bestBefore;
  std::optional<int> daysLeft;
  BestBeforeState state;
  QString shown;
};

const DaysLeftCase kDaysLeftCases[] = {
    {"Yesterday", u"2024/05/11"_s, -1, BestBeforeState::Expired, u"-1"_s},
    {"Today", u"2024/05/12"_s, 0, BestBeforeState::WithinThreeDays, u"0"_s},
    {"ThreeDaysAhead", u"2024/05/15"_s, 3, BestBeforeState::WithinThreeDays, u"3"_s},
    {"FourDaysAhead", u"2024/05/16"_s, 4, BestBeforeState::Ok, u"4"_s},
    {"NoBestBefore", u""_s, 1000, BestBeforeState::Ok, u"1000"_s},
    {"LongAgo", u"2023/05/12"_s, -366, BestBeforeState::Expired, u"-366"_s},
    {"WithoutLeadingZeros", u"2024/5/9"_s, -3, BestBeforeState::Expired, u"-3"_s},
    {"NotADate", u"来週まで"_s, std::nullopt, BestBeforeState::NotADate, u"不明"_s},
    {"NoSuchDay", u"2024/02/30"_s, std::nullopt, BestBeforeState::NotADate, u"不明"_s},
    {"DashesAreNotOurForm", u"2024-05-13"_s, std::nullopt, BestBeforeState::NotADate, u"不明"_s},
    {"OnlyBlanks", u"  "_s, std::nullopt, BestBeforeState::NotADate, u"不明"_s},
};

void PrintTo(const DaysLeftCase& c, std::ostream* os) { *os << c.name; }

class DaysLeft : public testing::TestWithParam<DaysLeftCase> {};

TEST_P(DaysLeft, FromTheBestBeforeTextAndToday) {
  const DaysLeftCase& c = GetParam();
  const StockEntry entry = MakeEntry(u"牛乳"_s, u"2024/05/10"_s, c.bestBefore, kToday);
  EXPECT_EQ(entry.DaysLeft, c.daysLeft);
  EXPECT_EQ(StateOf(entry.DaysLeft), c.state);
  EXPECT_EQ(DaysLeftText(entry.DaysLeft), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Fridge, DaysLeft, testing::ValuesIn(kDaysLeftCases), ByName());

TEST(FridgeDates, AreYearMonthDayWhateverTheLocale) {
  const QLocale before;
  for (const char* name : {"en_US", "de_DE", "ja_JP", "ar_EG"}) {
    QLocale::setDefault(QLocale(QString::fromLatin1(name)));
    EXPECT_EQ(fridge_dates::DateText(QDate(2024, 3, 9)), u"2024/03/09"_s) << name;
    EXPECT_EQ(fridge_dates::ParseDate(u"2024/03/09"_s), QDate(2024, 3, 9)) << name;
  }
  QLocale::setDefault(before);
}

TEST(FridgeDates, ChoicesRunFromTodayAcrossMonthAndLeapDay) {
  const QDate today(2024, 3, 2);
  const QStringList purchase = fridge_dates::PurchaseDateChoices(today);
  ASSERT_EQ(purchase.size(), 8);
  EXPECT_EQ(purchase.first(), QString());
  EXPECT_EQ(purchase[1], u"2024/02/25"_s);
  EXPECT_EQ(purchase[5], u"2024/02/29"_s);
  EXPECT_EQ(purchase.last(), u"2024/03/02"_s);
  const QStringList bestBefore = fridge_dates::BestBeforeChoices(today);
  ASSERT_EQ(bestBefore.size(), 90);
  EXPECT_EQ(bestBefore.first(), u"2024/03/02"_s);
  EXPECT_EQ(bestBefore.last(), u"2024/05/30"_s);
  const QStringList counts = fridge_dates::DayCountChoices();
  ASSERT_EQ(counts.size(), 90);
  EXPECT_EQ(counts.first(), u"1"_s);
  EXPECT_EQ(counts.last(), u"90"_s);
}

class FridgeFiles : public testing::Test {
 protected:
  QString stockPath() const { return book.path(fridge_files::kStockFileName); }
  QString namesPath() const { return book.path(fridge_files::kIngredientFileName); }
  TempBook book;
};

TEST_F(FridgeFiles, StockLinesAreThreeQuotedFieldsWithEmptyOnesAsTwoQuotes) {
  std::vector<StockEntry> entries{MakeEntry(u"玉ねぎ"_s, u"2024/03/09"_s, u""_s, kToday),
                                  MakeEntry(u"牛乳"_s, u""_s, u"2024/05/14"_s, kToday)};
  ASSERT_FALSE(fridge_files::WriteStock(stockPath(), entries));
  const QByteArray expected = sjisLines({u"\"玉ねぎ\",\"2024/03/09\",\"\""_s, u"\"牛乳\",\"\",\"2024/05/14\""_s});
  EXPECT_EQ(book.bytes(fridge_files::kStockFileName), expected);

  ASSERT_FALSE(fridge_files::AppendStockEntry(stockPath(), MakeEntry(u"卵,L"_s, u"x"_s, u"y"_s, kToday)));
  EXPECT_EQ(book.bytes(fridge_files::kStockFileName), expected + sjisLines({u"\"卵,L\",\"x\",\"y\""_s}));

  const auto read = valueOf(fridge_files::ReadStock(stockPath(), kToday));
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read[0].IngredientName, u"玉ねぎ"_s);
  EXPECT_EQ(read[0].PurchaseDate, u"2024/03/09"_s);
  EXPECT_EQ(read[0].BestBefore, QString());
  EXPECT_EQ(read[0].DaysLeft, 1000);
  EXPECT_EQ(read[1].DaysLeft, 2);
  EXPECT_EQ(read[2].IngredientName, u"卵,L"_s);

  ASSERT_FALSE(fridge_files::WriteStock(stockPath(), {}));
  EXPECT_EQ(book.bytes(fridge_files::kStockFileName), QByteArray());
  EXPECT_TRUE(valueOf(fridge_files::ReadStock(stockPath(), kToday)).empty());
}

TEST_F(FridgeFiles, MissingFilesReadAsEmptyAndAppendingCreatesThem) {
  EXPECT_TRUE(valueOf(fridge_files::ReadStock(stockPath(), kToday)).empty());
  EXPECT_TRUE(valueOf(fridge_files::ReadIngredientNames(namesPath())).isEmpty());
  ASSERT_FALSE(fridge_files::AppendIngredientName(namesPath(), u"にんじん"_s));
  EXPECT_EQ(book.bytes(fridge_files::kIngredientFileName), sjisLines({u"にんじん"_s}));
}

TEST_F(FridgeFiles, StockLinesTheFormatCannotHoldAreReportedNotMisread) {
  const QString good = u"\"卵\",\"2024/05/01\",\"\""_s;
  for (const QString& bad : {u"\"5\"玉\",\"2024/05/01\",\"\""_s, u"5\"玉,\"2024/05/01\",\"\""_s,
                             u"\"卵\",\"2024/05/01\",\"\",\"余分\""_s, u"\"卵,\"2024/05/01\""_s}) {
    book.writeBytes(fridge_files::kStockFileName, sjisLines({good, u""_s, bad}));
    const FileError error = errorOf(fridge_files::ReadStock(stockPath(), kToday));
    EXPECT_EQ(error.kind, FileError::Kind::Malformed) << bad.toStdString();
    EXPECT_EQ(error.line, 3) << bad.toStdString();
  }
  book.writeBytes(fridge_files::kStockFileName, sjisLines({u" \"卵\" , 2024/05/01 ,\"\" "_s}));
  EXPECT_EQ(valueOf(fridge_files::ReadStock(stockPath(), kToday)).at(0).PurchaseDate, u"2024/05/01"_s);

  book.writeBytes(fridge_files::kStockFileName, QByteArray("\"\x82\"\r\n"));
  EXPECT_EQ(errorOf(fridge_files::ReadStock(stockPath(), kToday)).kind, FileError::Kind::NotCp932);
}

// Bought items go in with one write and come out again only while the file is as that write left it.
TEST_F(FridgeFiles, ADeliveryIsOneWriteUndoneOnlyOverItsOwnBytes) {
  const QByteArray before = "\"milk\",\"2024/05/01\",\"\"\n";  // a lone LF, kept as it is
  book.writeBytes(fridge_files::kStockFileName, before);
  StockDelivery delivery;
  const std::vector<StockEntry> bought = {MakeEntry(u"卵"_s, u"2024/05/12"_s, u"2024/05/22"_s, kToday),
                                          MakeEntry(u"豆腐"_s, u"2024/05/12"_s, u""_s, kToday)};
  ASSERT_EQ(delivery.deliver(stockPath(), bought), std::nullopt);
  EXPECT_EQ(book.bytes(fridge_files::kStockFileName), before + sjisLines({u"\"卵\",\"2024/05/12\",\"2024/05/22\""_s,
                                                            u"\"豆腐\",\"2024/05/12\",\"\""_s}));
  EXPECT_EQ(delivery.delivered(), 2);
  std::optional<FileError> error;
  EXPECT_EQ(delivery.undo(stockPath(), error), StockDelivery::UndoResult::Undone);
  EXPECT_EQ(book.bytes(fridge_files::kStockFileName), before);
  EXPECT_FALSE(delivery.canUndo());

  ASSERT_EQ(delivery.deliver(stockPath(), bought), std::nullopt);
  const QByteArray changed = book.bytes(fridge_files::kStockFileName) + sjisLines({u"\"鮭\",\"\",\"\""_s});
  book.writeBytes(fridge_files::kStockFileName, changed);  // another writer adds a line
  EXPECT_EQ(delivery.undo(stockPath(), error), StockDelivery::UndoResult::FileChanged);
  EXPECT_EQ(book.bytes(fridge_files::kStockFileName), changed);
  EXPECT_FALSE(delivery.canUndo());
}

TEST_F(FridgeFiles, ShortAndBlankStockLinesReadWithEmptyFields) {
  book.writeBytes(fridge_files::kStockFileName, sjisLines({u"\"卵\""_s, u""_s, u"\"ハム\",\"2024/05/01\""_s}));
  const auto read = valueOf(fridge_files::ReadStock(stockPath(), kToday));
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0].IngredientName, u"卵"_s);
  EXPECT_EQ(read[0].PurchaseDate, QString());
  EXPECT_EQ(read[1].PurchaseDate, u"2024/05/01"_s);
  EXPECT_EQ(read[1].DaysLeft, 1000);
}

TEST_F(FridgeFiles, IngredientNamesEndAtCommasLoseOuterBlanksAndKeepDuplicates) {
  book.writeBytes(fridge_files::kIngredientFileName,
                  sjisLines({u"牛乳"_s, u"卵,L"_s, u"  豆腐 "_s, u"\"味噌\""_s, u"牛乳"_s, u""_s}));
  EXPECT_EQ(valueOf(fridge_files::ReadIngredientNames(namesPath())),
            (QStringList{u"牛乳"_s, u"卵"_s, u"L"_s, u"豆腐"_s, u"味噌"_s, u"牛乳"_s}));
  ASSERT_FALSE(fridge_files::AppendIngredientName(namesPath(), u"ｷｬﾍﾞﾂ"_s));
  EXPECT_TRUE(book.bytes(fridge_files::kIngredientFileName).endsWith("\r\n\xB7\xAC\xCD\xDE\xC2\r\n"));
}

TEST(FridgeInput, RefusesWhatTheFilesCannotHold) {
  EXPECT_FALSE(CheckIngredientListName(u"ほうれん草（１束）"_s));
  EXPECT_FALSE(CheckIngredientListName(u"卵，L"_s)) << "a full-width comma is an ordinary character";
  EXPECT_EQ(CheckIngredientListName(u"卵,L"_s)->kind, TextProblem::Kind::Comma) << "the list reads it as two names";
  EXPECT_FALSE(CheckStockText(u"卵(M,L)"_s)) << "the stock quotes its names";
  EXPECT_FALSE(CheckStockText(u"5月10日, 夜"_s));
  for (const auto check : {CheckStockText, CheckIngredientListName}) {
    EXPECT_EQ(check(u"5\"玉"_s)->kind, TextProblem::Kind::DoubleQuote);
    EXPECT_EQ(check(u"卵\nL"_s)->kind, TextProblem::Kind::LineBreak);
    EXPECT_EQ(check(u"2024\r/05"_s)->kind, TextProblem::Kind::LineBreak);
    const auto emoji = check(u"卵🥚"_s);
    ASSERT_TRUE(emoji);
    EXPECT_EQ(emoji->kind, TextProblem::Kind::Unencodable);
    EXPECT_EQ(emoji->character, U'🥚');
  }
}

// A stock of entries named and dated as given, numbered 1..n.
Stock stockOf(const std::vector<std::array<QString, 3>>& rows) {
  std::vector<StockEntry> entries;
  for (const auto& r : rows) entries.push_back(MakeEntry(r[0], r[1], r[2], kToday));
  Stock stock;
  stock.assign(std::move(entries));
  return stock;
}

QStringList namesOf(const Stock& stock) {
  QStringList names;
  for (const StockEntry& e : stock.entries()) names.append(e.IngredientName);
  return names;
}

std::vector<int> numbersOf(const Stock& stock) {
  std::vector<int> numbers;
  for (const StockEntry& e : stock.entries()) numbers.push_back(e.DisplayNumber);
  return numbers;
}

TEST(StockSort, ByNameAndPurchaseDateCompareTextCaseSensitivelyAndRenumber) {
  Stock stock = stockOf({{u"b"_s, u"2024/05/10"_s, {}},
                         {u"B"_s, u"2024/04/30"_s, {}},
                         {u"あ"_s, u""_s, {}},
                         {u"a"_s, u"2024/05/01"_s, {}}});
  stock.sortBy(StockSortKey::IngredientName);
  EXPECT_EQ(namesOf(stock), (QStringList{u"B"_s, u"a"_s, u"b"_s, u"あ"_s}));
  EXPECT_EQ(numbersOf(stock), (std::vector<int>{1, 2, 3, 4}));
  stock.sortBy(StockSortKey::PurchaseDate);
  EXPECT_EQ(namesOf(stock), (QStringList{u"あ"_s, u"B"_s, u"a"_s, u"b"_s}));
}

TEST(StockSort, ByDaysLeftPutsUndatedThenUnreadableLastAndKeepsTiesInOrder) {
  Stock stock = stockOf({{u"なし1"_s, {}, {}},
                         {u"不明"_s, {}, u"そのうち"_s},
                         {u"遠い"_s, {}, u"2030/01/01"_s},
                         {u"昨日"_s, {}, u"2024/05/11"_s},
                         {u"なし2"_s, {}, {}},
                         {u"今日A"_s, {}, u"2024/05/12"_s},
                         {u"今日B"_s, {}, u"2024/05/12"_s}});
  stock.sortBy(StockSortKey::DaysLeft);
  EXPECT_EQ(namesOf(stock),
            (QStringList{u"昨日"_s, u"今日A"_s, u"今日B"_s, u"遠い"_s, u"なし1"_s, u"なし2"_s, u"不明"_s}));
  EXPECT_EQ(numbersOf(stock), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
}

TEST(StockRange, IsTheSameWhicheverWayDraggedAndCutToTheStock) {
  Stock stock = stockOf({{u"1"_s, {}, {}}, {u"2"_s, {}, {}}, {u"3"_s, {}, {}}, {u"4"_s, {}, {}}, {u"5"_s, {}, {}}});
  const auto up = stock.clampRange(4, 2);
  ASSERT_TRUE(up);
  EXPECT_EQ(up->first, 2);
  EXPECT_EQ(up->last, 4);
  const auto beyond = stock.clampRange(3, 9);
  ASSERT_TRUE(beyond);
  EXPECT_EQ(beyond->last, 5);
  EXPECT_FALSE(stock.clampRange(6, 8));
  EXPECT_FALSE(Stock().clampRange(2, 5));

  EXPECT_EQ(stock.without({2, 3}).size(), 3u);
  EXPECT_EQ(stock.count(), 5) << "without() leaves the stock alone";
  stock.remove({2, 3});
  EXPECT_EQ(namesOf(stock), (QStringList{u"1"_s, u"4"_s, u"5"_s}));
  EXPECT_EQ(numbersOf(stock), (std::vector<int>{1, 4, 5})) << "numbers stay until the next sort";
  stock.append(MakeEntry(u"6"_s, {}, {}, kToday));
  EXPECT_EQ(stock.at(4).DisplayNumber, 4);
}

TEST(StockLimit, IsFullAt32767Entries) {
  std::vector<StockEntry> entries(Stock::kMaxEntries - 1, MakeEntry(u"卵"_s, {}, {}, kToday));
  Stock stock;
  stock.assign(std::move(entries));
  EXPECT_FALSE(stock.isFull());
  stock.append(MakeEntry(u"卵"_s, {}, {}, kToday));
  EXPECT_EQ(stock.count(), 32767);
  EXPECT_EQ(stock.at(32767).DisplayNumber, 32767);
  EXPECT_TRUE(stock.isFull());
}

TEST(RecipesUsing, MatchTheExactTextInRecordOrderOnceEach) {
  RecipeTable recipes;
  const auto add = [&](const QString& dish, const QString& ingredients) {
    Recipe r;
    r.DishName = dish;
    r.Ingredients = ingredients;
    recipes.append(r);
  };
  add(u"ほうれん草のおひたし"_s, u"ほうれん草　１束\r\nしょうゆ　少々"_s);
  add(u"卵焼き"_s, u"たまご　３個\r\n砂糖　大さじ１\r\nたまご（飾り）"_s);
  add(u"茶碗蒸し"_s, u"卵　２個"_s);
  add(u"オムライス"_s, u"たまご　２個"_s);
  add(u"Egg"_s, u"EGG"_s);
  EXPECT_EQ(FindRecipesUsing(recipes, u"たまご"_s), (QStringList{u"卵焼き"_s, u"オムライス"_s}));
  EXPECT_TRUE(FindRecipesUsing(recipes, u"egg"_s).isEmpty());
  EXPECT_TRUE(FindRecipesUsing(recipes, u"牛乳"_s).isEmpty());
  EXPECT_TRUE(FindRecipesUsing(recipes, QString()).isEmpty());
}

}  // namespace
