// SPDX-License-Identifier: GPL-3.0-or-later
// The recipe file read straight from its bytes: line ends of either kind, labels of any
// characters, and a byte that is not CP932 named by its line wherever it stands.
#include "store/rules/recipe_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "exchange/rules/exchange_file.h"
#include "rules_test_util.h"
#include "store/rules/raw_records.h"
#include "support/temp_book.h"

namespace {

// One record, its two ingredient lines ending in CR LF like every other line.
QByteArray record(const QString& name = u"肉じゃが"_s) {
  return sjisLines({QString(31, u'*'), u"【料理名　】"_s + name, u"【ジャンル】和食"_s, u"【種類　　】煮物"_s,
                    u"【調理方法】煮る"_s, u"【一人分㌍】350"_s, u"【塩分　　】2.5"_s, u"【料理時間】40"_s,
                    u"【自己評価】良"_s, u"【三者評価】未"_s, u"【回数　　】1"_s, u"【参考　　】"_s, u"----------"_s,
                    u"【材料】"_s, u"じゃがいも　3個"_s, u"牛肉　200g"_s, u"----------"_s, u"【作り方】"_s,
                    u"----------"_s, u"【メモ】"_s, u"----------"_s, u"【調理実績】"_s, u"2003/05/12"_s, u"'"_s});
}

QByteArray replaced(QByteArray bytes, const QString& from, const QByteArray& to) {
  return bytes.replace(sjis(from), to);
}

struct ReadCase {
  std::string name;
  QByteArray bytes;
  QString dishName;     // of the last record, when the bytes read
  QString ingredients;  // of the last record
  std::optional<FileError::Kind> error;  // otherwise the bytes read
  int line = 0;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

const QString kIngredients = u"じゃがいも　3個\r\n牛肉　200g"_s;
const QByteArray kBad = "\x81\x20";  // a lead byte without its trail byte

const ReadCase kCases[] = {
    {"CrLf", record(), u"肉じゃが"_s, kIngredients},
    {"LineFeedsOnly", record().replace("\r\n", "\n"), u"肉じゃが"_s, kIngredients},
    {"OneLineFeedInASection", replaced(record(), u"3個\r\n"_s, sjis(u"3個\n"_s)), u"肉じゃが"_s, kIngredients},
    {"NoLineEndAtTheEnd", record() + record(u"親子丼"_s).chopped(2), u"親子丼"_s, kIngredients},
    {"LabelOfOtherCharacters", replaced(record(), u"【料理名　】"_s, "NAME: "), u"肉じゃが"_s, kIngredients},
    {"ShortLabelLine", replaced(record(), u"【料理名　】肉じゃが"_s, "ab"), QString(), kIngredients},
    {"BadByteInAValue", replaced(record(), u"牛肉"_s, kBad), {}, {}, FileError::Kind::NotCp932, 16},
    {"BadByteInALabel", replaced(record(), u"【作り方】"_s, kBad), {}, {}, FileError::Kind::NotCp932, 18},
    {"BadByteInTheHeaderEndLine", record().replace("----------", "-----" + kBad + "---"), {}, {},
     FileError::Kind::NotCp932, 13},
    {"BadByteAfterTheShapeGoesWrong", record() + "text\r\n" + record() + kBad + "\r\n", {}, {},
     FileError::Kind::NotCp932, 50},
    {"BadByteAfterAnEmptyLine", record() + "\r\n" + kBad, {}, {}, FileError::Kind::NotCp932, 26},
    {"EmptyLinesAtTheEnd", record() + "\r\n\n\r\n\r\n\n", u"肉じゃが"_s, kIngredients},
    {"CarriageReturnAfterTheEnd", record() + "\r\n\r", {}, {}, FileError::Kind::Malformed, 25},
    {"EmptyLinesThenText", record() + record() + "\r\n\r\n\r\nx", {}, {}, FileError::Kind::Malformed, 49},
    {"CutShort", record().chopped(5) + "\r\n\r\n", {}, {}, FileError::Kind::Unfinished, 23},
    {"LongLine", replaced(record(), u"牛肉"_s, sjis(QString(3000, u'肉'))), u"肉じゃが"_s,
     u"じゃがいも　3個\r\n"_s + QString(3000, u'肉') + u"　200g"_s},
};

class ReadRecipeBytes : public testing::TestWithParam<ReadCase> {};

// Held whole, and read from a file in pieces so small that lines, line ends and characters
// are cut at every place, and in the pieces the program reads.
struct Reading {
  std::variant<RecipeTable, FileError> read;
  int counted = -1;  // as told to the progress before the first record
};

std::vector<Reading> readings(const QByteArray& bytes) {
  std::vector<Reading> readings(7);
  const auto counting = [&](Reading& r) {
    return [&r](int loaded, int counted, const QString&) {
      if (loaded == 0) r.counted = counted;
    };
  };
  readings[0].read = recipe_file::ReadRecipeBytes(bytes, u"r.txt"_s, counting(readings[0]));
  const TempBook folder;
  folder.writeBytes(u"r.txt"_s, bytes);
  const qsizetype pieces[] = {1, 2, 3, 7, 64, 4096};
  for (size_t i = 0; i < std::size(pieces); ++i)
    readings[i + 1].read = recipe_file::ReadRecipeFile(folder.path(u"r.txt"_s), counting(readings[i + 1]), pieces[i]);
  return readings;
}

void check(const ReadCase& c, const Reading& reading) {
  const auto& read = reading.read;
  if (c.error) {
    const FileError error = errorOf(read);
    EXPECT_EQ(error.kind, *c.error);
    EXPECT_EQ(error.line, c.line);
    return;
  }
  const RecipeTable table = valueOf(read);
  ASSERT_GE(table.count(), 1);
  EXPECT_EQ(reading.counted, table.count());
  const Recipe& last = table[table.count()];
  EXPECT_EQ(last.DishName, c.dishName);
  EXPECT_EQ(last.Ingredients, c.ingredients);
  EXPECT_EQ(last.Salt, 2.5f);
  EXPECT_EQ(last.CookingLog, u"2003/05/12"_s);
}

TEST_P(ReadRecipeBytes, ReadsAsTheFileSays) {
  const ReadCase& c = GetParam();
  for (const Reading& reading : readings(c.bytes)) check(c, reading);
}

// Exchange, export and restore take records as they stand in the bytes: they accept and refuse
// the files the reader does, find its records, and copy each whole (with CR LF line ends).
TEST_P(ReadRecipeBytes, RawRecordsAcceptAndRefuseTheSameFiles) {
  const ReadCase& c = GetParam();
  const TempBook folder;
  folder.writeBytes(u"x.TXT"_s, c.bytes);
  const auto raw = recipe_file::FindRawRecords(u"r.txt"_s, c.bytes);
  const auto exchanged = exchange::ReadExchangeFile(folder.path(u"x.TXT"_s));
  if (c.error) {
    EXPECT_EQ(errorOf(raw).kind, *c.error);
    EXPECT_EQ(errorOf(exchanged).kind, *c.error);
    return;
  }
  const RecipeTable table = valueOf(recipe_file::ReadRecipeBytes(c.bytes, u"r.txt"_s));
  const recipe_file::RawRecords records = valueOf(raw);
  ASSERT_EQ(int(records.records.size()), table.count());
  QByteArray copied;
  for (const recipe_file::RawRecord& record : records.records) {
    EXPECT_EQ(record.dishName, table[int(&record - records.records.data()) + 1].DishName);
    recipe_file::AppendRecordLines(copied, records, record);
  }
  QByteArray expected = c.bytes.left(recipe_file::EndOfRecords(c.bytes)).replace("\r\n", "\n").replace("\n", "\r\n");
  if (!expected.endsWith('\n')) expected += "\r\n";
  EXPECT_EQ(copied, expected);
  EXPECT_TRUE(std::holds_alternative<exchange::ExchangeFile>(exchanged));
}

INSTANTIATE_TEST_SUITE_P(Bytes, ReadRecipeBytes, testing::ValuesIn(kCases), ByName());

}  // namespace
