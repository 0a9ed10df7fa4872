// SPDX-License-Identifier: GPL-3.0-or-later
// The recipe file: loading, the three writers, the shapes the reader must accept, and the records
// the writers must refuse so that the file always reads back as it was written.
#include "store/rules/recipe_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <functional>
#include <tuple>
#include <vector>

#include "platform/rules/data_folder.h"
#include "platform/rules/numbers.h"
#include "rules_test_util.h"
#include "support/temp_book.h"

namespace {

using recipe_file::RecipeForm;

const QString kStar31 = QString(31, u'*');

// One record for 肉じゃが, as the program writes it, and the recipe it holds.
const QStringList kNikujagaLines = {
    kStar31,
    u"【料理名　】肉じゃが"_s,
    u"【ジャンル】和食"_s,
    u"【種類　　】煮物"_s,
    u"【調理方法】煮る"_s,
    u"【一人分㌍】350"_s,
    u"【塩分　　】2.5"_s,
    u"【料理時間】40"_s,
    u"【自己評価】良"_s,
    u"【三者評価】未"_s,
    u"【回数　　】1"_s,
    u"【参考　　】"_s,
    u"----------"_s,
    u"【材料】"_s,
    u"じゃがいも　3個"_s,
    u"牛肉　200g"_s,
    u"----------"_s,
    u"【作り方】"_s,
    u"----------"_s,
    u"【メモ】"_s,
    u"----------"_s,
    u"【調理実績】"_s,
    u"2003/05/12"_s,
    u"'"_s,
};

Recipe nikujaga() {
  return Recipe{.DishName = u"肉じゃが"_s, .Genre = u"和食"_s, .Kind = u"煮物"_s, .CookingMethod = u"煮る"_s,
                .CaloriesPerPerson = 350, .Salt = 2.5f, .CookingTime = 40, .SelfRating = u"良"_s,
                .OthersRating = u"未"_s, .CookCount = u"1"_s, .Ingredients = u"じゃがいも　3個\r\n牛肉　200g"_s,
                .CookingLog = u"2003/05/12"_s};
}

// A recipe with every section filled, several lines in some.
Recipe fullRecipe(const QString& name) {
  return Recipe{.DishName = name, .Genre = u"和食"_s, .Kind = u"主菜"_s, .CookingMethod = u"煮る"_s,
                .CaloriesPerPerson = 512.5f, .Salt = 0.7f, .CookingTime = 15, .SelfRating = u"優"_s,
                .OthersRating = u"良"_s, .CookCount = u"2"_s, .Reference = u"料理の本"_s,
                .Ingredients = nikujaga().Ingredients, .Steps = u"１．切る\r\n２．煮る"_s, .Memo = u"甘めに"_s,
                .CookingLog = u"2003/05/12\r\n2003/06/01"_s};
}

RecipeForm formOf(const Recipe& r) {
  RecipeForm f;
  f.DishName = r.DishName;
  f.Genre = r.Genre;
  f.Kind = r.Kind;
  f.CookingMethod = r.CookingMethod;
  f.Calories = numbers::FormatSingle(r.CaloriesPerPerson);
  f.Salt = numbers::FormatSingle(r.Salt);
  f.CookingTime = numbers::FormatSingle(r.CookingTime);
  f.SelfRating = r.SelfRating;
  f.OthersRating = r.OthersRating;
  f.CookCount = r.CookCount.toInt();
  f.Reference = r.Reference;
  f.Ingredients = r.Ingredients;
  f.Steps = r.Steps;
  f.Memo = r.Memo;
  if (!r.CookingLog.isEmpty()) f.CookingLog = r.CookingLog.split(u"\r\n"_s);
  return f;
}

// The lines of one record whose four sections hold the given lines.
QStringList recordWithSections(const QString& name, const QStringList sections[4]) {
  QStringList lines = kNikujagaLines.mid(0, 12);
  lines[1] = u"【料理名　】"_s + name;
  const QString labels[4] = {u"【材料】"_s, u"【作り方】"_s, u"【メモ】"_s, u"【調理実績】"_s};
  for (int s = 0; s < 4; ++s) {
    lines << u"----------"_s << labels[s];
    lines += sections[s];
  }
  lines << u"'"_s;
  return lines;
}

// True when the writer wrote; a refusal or a write error fails the test with its message.
testing::AssertionResult wrote(const recipe_file::Written& result) {
  if (auto* error = std::get_if<FileError>(&result))
    return testing::AssertionFailure() << error->message().toStdString();
  return testing::AssertionSuccess();
}

// The error of a writer that was expected not to write.
FileError refusal(recipe_file::Written result) { return errorOf(std::move(result)); }

// The record's lines as the rewrite writes them.
QStringList recordLines(const Recipe& recipe) {
  TempBook book;
  EXPECT_TRUE(wrote(recipe_file::RewriteRecipeFile(book.path(u"r.txt"_s), RecipeTable({recipe}))));
  return book.lines(u"r.txt"_s);
}

class RecipeFile : public testing::Test {
 protected:
  QString path() const { return book.path(recipe_file::kFileName); }
  void write(const QStringList& lines) const { book.writeLines(recipe_file::kFileName, lines); }
  QByteArray bytes() const { return book.bytes(recipe_file::kFileName); }
  QStringList lines() const { return book.lines(recipe_file::kFileName); }
  RecipeTable load() const { return valueOf(recipe_file::LoadRecipeFile(path())); }

  TempBook book;
};

TEST_F(RecipeFile, NikujagaLoadsIntoTheFields) {
  write(kNikujagaLines);
  const RecipeTable table = load();
  ASSERT_EQ(table.count(), 1);
  EXPECT_EQ(table[1], nikujaga());
}

TEST_F(RecipeFile, NikujagaIsRewrittenByteForByte) {
  write(kNikujagaLines);
  const QByteArray original = bytes();
  ASSERT_TRUE(wrote(recipe_file::RewriteRecipeFile(path(), load())));
  EXPECT_EQ(bytes(), original);
  EXPECT_EQ(recordLines(nikujaga()), kNikujagaLines);
}

TEST_F(RecipeFile, RewriteThenLoadGivesTheSameTable) {
  Recipe trailingBreak = fullRecipe(u"ぶり大根"_s);
  trailingBreak.Ingredients = u"ぶり　2切れ\r\n大根　1/2本\r\n"_s;
  Recipe blankLines = fullRecipe(u"麻婆豆腐"_s);
  blankLines.Steps = u"\r\n１．炒める\r\n\r\n"_s;
  blankLines.Genre = u"中華"_s;
  blankLines.CaloriesPerPerson = -1.25f;
  Recipe empty;
  empty.DishName = u"名前だけ"_s;
  empty.CookCount = u"0"_s;
  const RecipeTable table({fullRecipe(u"親子丼"_s), trailingBreak, blankLines, empty, nikujaga()});
  ASSERT_TRUE(wrote(recipe_file::RewriteRecipeFile(path(), table)));
  const RecipeTable back = load();
  ASSERT_EQ(back.count(), table.count());
  for (int i = 1; i <= table.count(); ++i) EXPECT_EQ(back[i], table[i]) << i;
}

// What a writer hands back is the file as it reads: the values that read as the records it was
// told share their text with them, and what reads otherwise (a number rounded to the digits the
// file holds, a record another writer changed since it was read) is taken as read.
TEST_F(RecipeFile, AWriteGivesBackTheFileAsItReadsSharingWhatReadsTheSame) {
  ASSERT_TRUE(wrote(recipe_file::RewriteRecipeFile(path(), RecipeTable({fullRecipe(u"親子丼"_s), fullRecipe(u"牛丼"_s), nikujaga()}))));
  RecipeTable table = load();  // texts of their own: literals share nothing
  table[2].Salt = 1.2345678f;
  const RecipeTable rewritten = valueOf(recipe_file::RewriteRecipeFile(path(), table));
  ASSERT_EQ(rewritten.count(), 3);
  EXPECT_EQ(rewritten[2].Salt, numbers::ReadSingle(u"1.234568"));
  for (int i = 1; i <= 3; ++i) EXPECT_TRUE(rewritten[i].Ingredients.isSharedWith(table[i].Ingredients)) << i;

  RecipeTable stale = rewritten;
  stale[1].Memo = u"古いメモ"_s;
  const RecipeTable appended =
      valueOf(recipe_file::AppendRecipe(path(), formOf(fullRecipe(u"カツ丼"_s)), nullptr, &stale));
  const RecipeTable onDisk = load();
  ASSERT_EQ(appended.count(), 4);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(appended[i], onDisk[i]) << i;
  EXPECT_TRUE(appended[2].Steps.isSharedWith(stale[2].Steps));
}

TEST_F(RecipeFile, EmptyFileHoldsNoRecipes) {
  write({});
  EXPECT_EQ(load().count(), 0);
  write({QString(), QString()});
  EXPECT_EQ(load().count(), 0);
  ASSERT_TRUE(wrote(recipe_file::RewriteRecipeFile(path(), RecipeTable())));
  EXPECT_TRUE(bytes().isEmpty());
}

TEST_F(RecipeFile, TrailingEmptyLinesAreTolerated) {
  write(kNikujagaLines + QStringList{QString(), QString()});
  const RecipeTable table = load();
  ASSERT_EQ(table.count(), 1);
  EXPECT_EQ(table[1], nikujaga());
}

struct EmptySectionCase {
  std::string name;
  int section;        // 0 ingredients, 1 steps, 2 memo, 3 cooking log
  bool oneEmptyLine;  // otherwise no line at all
};

void PrintTo(const EmptySectionCase& c, std::ostream* os) { *os << c.name; }

class EmptySection : public RecipeFile, public testing::WithParamInterface<EmptySectionCase> {};

// Both shapes of an empty section load as empty text, and the reader stays in step for the
// next record.
TEST_P(EmptySection, LoadsAsEmptyText) {
  QStringList sections[4] = {{u"卵　2個"_s}, {u"１．混ぜる"_s}, {u"簡単"_s}, {u"2004/01/02"_s}};
  sections[GetParam().section] = GetParam().oneEmptyLine ? QStringList{QString()} : QStringList{};
  write(recordWithSections(u"卵焼き"_s, sections) + kNikujagaLines);
  const RecipeTable table = load();
  ASSERT_EQ(table.count(), 2);
  const QString values[4] = {table[1].Ingredients, table[1].Steps, table[1].Memo, table[1].CookingLog};
  for (int s = 0; s < 4; ++s) EXPECT_EQ(values[s], s == GetParam().section ? QString() : sections[s].first()) << s;
  EXPECT_EQ(table[2], nikujaga());
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, EmptySection,
    testing::Values(EmptySectionCase{"IngredientsNoLine", 0, false}, EmptySectionCase{"IngredientsEmptyLine", 0, true},
                    EmptySectionCase{"StepsNoLine", 1, false}, EmptySectionCase{"StepsEmptyLine", 1, true},
                    EmptySectionCase{"MemoNoLine", 2, false}, EmptySectionCase{"MemoEmptyLine", 2, true},
                    EmptySectionCase{"LogNoLine", 3, false}, EmptySectionCase{"LogEmptyLine", 3, true}),
    ByName());

TEST_F(RecipeFile, IngredientsWithAFinalLineBreakKeepIt) {
  Recipe r = nikujaga();
  r.Ingredients = u"じゃがいも　3個\r\n牛肉　200g\r\n"_s;
  ASSERT_TRUE(wrote(recipe_file::AppendRecipe(path(), formOf(r))));
  EXPECT_EQ(lines().mid(14, 4), (QStringList{u"じゃがいも　3個"_s, u"牛肉　200g"_s, QString(), u"----------"_s}));
  RecipeTable table = load();
  ASSERT_EQ(table.count(), 1);
  EXPECT_EQ(table[1].Ingredients, r.Ingredients);
  ASSERT_TRUE(wrote(recipe_file::RewriteRecipeFile(path(), table)));
  EXPECT_EQ(load()[1].Ingredients, r.Ingredients);
}

TEST_F(RecipeFile, AppendWritesTypedNumbersInFullAndRewriteInSinglePrecision) {
  RecipeForm form = formOf(nikujaga());
  form.Salt = u"0.123456789"_s;
  form.Calories = u"350kcal"_s;
  form.CookingTime = QString();
  form.CookCount = 3;
  ASSERT_TRUE(wrote(recipe_file::AppendRecipe(path(), form)));
  QStringList written = lines();
  EXPECT_EQ(written[5], u"【一人分㌍】350"_s);
  EXPECT_EQ(written[6], u"【塩分　　】0.123456789"_s);
  EXPECT_EQ(written[7], u"【料理時間】0"_s);
  EXPECT_EQ(written[10], u"【回数　　】3"_s);

  const RecipeTable table = load();
  EXPECT_EQ(table[1].Salt, 0.123456789f);
  ASSERT_TRUE(wrote(recipe_file::RewriteRecipeFile(path(), table)));
  EXPECT_EQ(lines()[6], u"【塩分　　】0.1234568"_s);
}

TEST_F(RecipeFile, AppendKeepsTheOldRecordsByteForByte) {
  write(kNikujagaLines);
  const QByteArray original = bytes();
  RecipeForm form = formOf(fullRecipe(u"親子丼"_s));
  form.CookingLog = {u"2005/01/01"_s, u"2004/12/31"_s};
  ASSERT_TRUE(wrote(recipe_file::AppendRecipe(path(), form)));
  EXPECT_TRUE(bytes().startsWith(original));
  const RecipeTable table = load();
  ASSERT_EQ(table.count(), 2);
  EXPECT_EQ(table[1], nikujaga());
  EXPECT_EQ(table[2].DishName, u"親子丼"_s);
  EXPECT_EQ(table[2].CookingLog, u"2005/01/01\r\n2004/12/31"_s);  // list order, not date order
  EXPECT_EQ(table[2].Steps, u"１．切る\r\n２．煮る"_s);
}

// The reader passes over empty lines at the end; the append puts the new record before them (they
// go), so the book reads back. The table a writer returns is the file as it now reads.
TEST_F(RecipeFile, AppendAfterEmptyLinesAtTheEndKeepsTheBookReadable) {
  const QByteArray original = sjisLines(kNikujagaLines);
  for (const QByteArray& tail : {QByteArray("\r\n"), QByteArray("\r\n\n\r\n"), QByteArray("\n")}) {
    book.writeBytes(recipe_file::kFileName, original + tail);
    const recipe_file::Written written = recipe_file::AppendRecipe(path(), formOf(fullRecipe(u"親子丼"_s)));
    ASSERT_TRUE(wrote(written));
    EXPECT_EQ(bytes(), original + sjisLines(recordLines(fullRecipe(u"親子丼"_s))));
    const RecipeTable table = load();
    ASSERT_EQ(table.count(), 2);
    EXPECT_EQ(table[2], fullRecipe(u"親子丼"_s));
    EXPECT_EQ(std::get<RecipeTable>(written)[2], table[2]);
  }
  // A book of nothing but empty lines becomes a book of the one record.
  book.writeBytes(recipe_file::kFileName, "\r\n\r\n");
  ASSERT_TRUE(wrote(recipe_file::AppendRecipe(path(), formOf(nikujaga()))));
  EXPECT_EQ(bytes(), original);
}

// A file that would not read back after the append (text after its last record, put there
// behind the program's back) is reported and left as it was.
TEST_F(RecipeFile, AppendToAFileThatDoesNotReadIsRefused) {
  const QByteArray broken = sjisLines(kNikujagaLines + QStringList{u"おまけ"_s});
  book.writeBytes(recipe_file::kFileName, broken);
  const FileError error = refusal(recipe_file::AppendRecipe(path(), formOf(fullRecipe(u"親子丼"_s))));
  EXPECT_EQ(error.kind, FileError::Kind::Malformed);
  EXPECT_EQ(error.line, 25);
  EXPECT_EQ(bytes(), broken);
}

struct CountCase {
  std::string name;
  QString inFile;
  QString loaded;
};

void PrintTo(const CountCase& c, std::ostream* os) { *os << c.name; }

class CookCount : public RecipeFile, public testing::WithParamInterface<CountCase> {};

TEST_P(CookCount, IsNormalisedOnLoadingAndWrittenBackSo) {
  QStringList record = kNikujagaLines;
  record[10] = u"【回数　　】"_s + GetParam().inFile;
  write(record);
  const RecipeTable table = load();
  EXPECT_EQ(table[1].CookCount, GetParam().loaded);
  ASSERT_TRUE(wrote(recipe_file::RewriteRecipeFile(path(), table)));
  EXPECT_EQ(lines()[10], u"【回数　　】"_s + GetParam().loaded);
}

INSTANTIATE_TEST_SUITE_P(Texts, CookCount,
                         testing::Values(CountCase{"LeadingZero", u"03"_s, u"3"_s},
                                         CountCase{"Empty", QString(), u"0"_s},
                                         CountCase{"NoNumber", u"なし"_s, u"0"_s},
                                         CountCase{"TrailingText", u"4回"_s, u"4"_s},
                                         CountCase{"PointZero", u" 2.0 "_s, u"2"_s}),
                         ByName());

using How = recipe_file::OneRecordEdit::How;

struct EditCase {
  std::string name;
  int count;
  How how;
  int n;
  std::vector<int> kept;  // the table's records written, in order; 0 is the edit's own record
  bool refused = false;   // a record with no place to go: nothing is written
};

void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }

class WriteEdited : public RecipeFile, public testing::WithParamInterface<EditCase> {};

TEST_P(WriteEdited, ChangesOnlyThatRecord) {
  std::vector<Recipe> records;
  for (int i = 1; i <= GetParam().count; ++i) {
    Recipe r = fullRecipe(u"料理%1"_s.arg(i));
    if (i % 2 == 0) r.Memo.clear();  // empty sections take the one-empty-line shape when one is left out
    records.push_back(r);
  }
  const RecipeTable table(records);
  const recipe_file::OneRecordEdit edit{GetParam().how, GetParam().n, fullRecipe(u"新しい料理"_s)};
  write(kNikujagaLines);
  const QByteArray before = bytes();
  const auto written = GetParam().how == How::LeaveOut
                           ? recipe_file::WriteRecipeFileWithout(path(), table, GetParam().n)
                           : recipe_file::WriteEditedTable(path(), table, edit);
  if (GetParam().refused) {
    EXPECT_EQ(refusal(written).kind, FileError::Kind::Refused);
    EXPECT_EQ(bytes(), before);
    return;
  }
  ASSERT_TRUE(wrote(written));
  const RecipeTable back = load();
  ASSERT_EQ(back.count(), int(GetParam().kept.size()));
  for (int i = 1; i <= back.count(); ++i) {
    const int kept = GetParam().kept[size_t(i - 1)];
    EXPECT_EQ(back[i], kept ? table[kept] : edit.record) << i;
  }
  if (GetParam().kept.empty()) EXPECT_TRUE(bytes().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Records, WriteEdited,
                         testing::Values(EditCase{"LeaveOutFirst", 3, How::LeaveOut, 1, {2, 3}},
                                         EditCase{"LeaveOutMiddle", 3, How::LeaveOut, 2, {1, 3}},
                                         EditCase{"LeaveOutLast", 3, How::LeaveOut, 3, {1, 2}},
                                         EditCase{"LeaveOutOnly", 1, How::LeaveOut, 1, {}},
                                         EditCase{"LeaveOutZero", 3, How::LeaveOut, 0, {1, 2, 3}},
                                         EditCase{"LeaveOutPastTheEnd", 3, How::LeaveOut, 4, {1, 2, 3}},
                                         EditCase{"LeaveOutOfEmptyTable", 0, How::LeaveOut, 1, {}},
                                         EditCase{"ReplaceMiddle", 3, How::Replace, 2, {1, 0, 3}},
                                         EditCase{"ReplaceLast", 3, How::Replace, 3, {1, 2, 0}},
                                         EditCase{"InsertFirst", 2, How::Insert, 1, {0, 1, 2}},
                                         EditCase{"InsertAppends", 2, How::Insert, 3, {1, 2, 0}},
                                         EditCase{"InsertIntoEmptyTable", 0, How::Insert, 1, {0}},
                                         EditCase{"ReplacePastTheEnd", 2, How::Replace, 3, {}, true},
                                         EditCase{"InsertPastTheEnd", 2, How::Insert, 4, {}, true},
                                         EditCase{"InsertAtZero", 2, How::Insert, 0, {}, true}),
                         ByName());

TEST_F(RecipeFile, WriteWithoutWritesEmptySectionsAsOneEmptyLine) {
  Recipe r = nikujaga();
  r.Ingredients.clear();
  r.CookingLog.clear();
  ASSERT_TRUE(wrote(recipe_file::WriteRecipeFileWithout(path(), RecipeTable({r, fullRecipe(u"x"_s)}), 2)));
  const QStringList expected =
      kNikujagaLines.mid(0, 14) + QStringList{QString(),         u"----------"_s, u"【作り方】"_s, QString(),
                                              u"----------"_s,   u"【メモ】"_s,   QString(),       u"----------"_s,
                                              u"【調理実績】"_s, QString(),       u"'"_s};
  EXPECT_EQ(lines(), expected);
  EXPECT_EQ(load()[1], r);
}

TEST_F(RecipeFile, AsteriskLineInsideASectionDoesNotMakeAnExtraRecord) {
  Recipe r = nikujaga();
  r.Ingredients = u"牛肉\r\n"_s + kStar31 + u"\r\nたまねぎ"_s;
  ASSERT_TRUE(wrote(recipe_file::RewriteRecipeFile(path(), RecipeTable({r, fullRecipe(u"親子丼"_s)}))));
  std::vector<std::tuple<int, int, QString>> calls;
  const auto result = recipe_file::LoadRecipeFile(
      path(), [&](int loaded, int counted, const QString& name) { calls.emplace_back(loaded, counted, name); });
  const RecipeTable table = valueOf(result);
  ASSERT_EQ(table.count(), 2);
  EXPECT_EQ(table[1].Ingredients, r.Ingredients);
  EXPECT_EQ(table[2].DishName, u"親子丼"_s);
  // The count told first is the number of separator lines, one too many here.
  const std::vector<std::tuple<int, int, QString>> expected = {
      {0, 3, QString()}, {1, 3, u"肉じゃが"_s}, {2, 3, u"親子丼"_s}};
  EXPECT_EQ(calls, expected);
}

struct MalformedCase {
  std::string name;
  QStringList lines;
  int line;
  FileError::Kind kind = FileError::Kind::Malformed;  // Unfinished: cut short
};

void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.name; }

QStringList replaced(QStringList lines, int index, const QString& text) {
  lines[index] = text;
  return lines;
}

class MalformedFile : public RecipeFile, public testing::WithParamInterface<MalformedCase> {};

TEST_P(MalformedFile, IsReportedWithItsLine) {
  write(GetParam().lines);
  const QByteArray before = bytes();
  const FileError error = errorOf(recipe_file::LoadRecipeFile(path()));
  EXPECT_EQ(error.kind, GetParam().kind);
  EXPECT_EQ(error.line, GetParam().line);
  EXPECT_EQ(error.path, path());
  EXPECT_FALSE(error.detail.isEmpty());
  EXPECT_EQ(bytes(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, MalformedFile,
    testing::Values(MalformedCase{"EndsInTheHeader", kNikujagaLines.mid(0, 5), 5, FileError::Kind::Unfinished},
                    MalformedCase{"EndsInTheIngredients", kNikujagaLines.mid(0, 16), 16, FileError::Kind::Unfinished},
                    MalformedCase{"EndsBeforeTheRecordEnd", kNikujagaLines.mid(0, 23), 23, FileError::Kind::Unfinished},
                    MalformedCase{"EndsBeforeTheRecordEndThenEmptyLines",
                                  kNikujagaLines.mid(0, 23) + QStringList{QString(), QString()}, 23, FileError::Kind::Unfinished},
                    MalformedCase{"SecondRecordCutShort", kNikujagaLines + kNikujagaLines.mid(0, 10), 34, FileError::Kind::Unfinished},
                    MalformedCase{"TextAfterTheLastRecord", kNikujagaLines + QStringList{u"おまけ"_s}, 25},
                    MalformedCase{"SecondRecordWithoutSeparator", kNikujagaLines + kNikujagaLines.mid(1), 25},
                    MalformedCase{"EmptyLineBetweenRecords", kNikujagaLines + QStringList{QString()} + kNikujagaLines,
                                  25},
                    MalformedCase{"ThirtyAsterisks", replaced(kNikujagaLines, 0, QString(30, u'*')), 1}),
    ByName());

TEST(RecipeFileLimits, MoreRecordsThanTheBookCanNumberAreRefused) {
  TempBook book;
  const QByteArray record = sjisLines(kNikujagaLines);
  QByteArray bytes;
  bytes.reserve(qsizetype(kMaxRecipes + 1) * record.size());
  for (int i = 0; i < kMaxRecipes; ++i) bytes += record;
  book.writeBytes(u"r.txt"_s, bytes);
  EXPECT_EQ(valueOf(recipe_file::LoadRecipeFile(book.path(u"r.txt"_s))).count(), kMaxRecipes);
  book.writeBytes(u"r.txt"_s, bytes + record);
  const FileError error = errorOf(recipe_file::LoadRecipeFile(book.path(u"r.txt"_s)));
  EXPECT_EQ(error.kind, FileError::Kind::Malformed);
  EXPECT_EQ(error.line, kMaxRecipes * int(kNikujagaLines.size()) + 1);

  // A writer refuses such a table too, however it splits the work, and leaves nothing beside it.
  book.writeBytes(u"r.txt"_s, bytes);
  std::vector<Recipe> records(size_t(kMaxRecipes) + 1, nikujaga());
  const FileError written = errorOf(recipe_file::RewriteRecipeFile(book.path(u"r.txt"_s), RecipeTable(records)));
  EXPECT_EQ(written.kind, FileError::Kind::Malformed);
  EXPECT_EQ(written.line, error.line);
  EXPECT_EQ(book.bytes(u"r.txt"_s), bytes);
  EXPECT_EQ(QDir(book.path({})).entryList(QDir::Files), QStringList{u"r.txt"_s});
}

struct RefusedCase {
  std::string name;
  std::function<void(Recipe&)> spoil;
  QString field;  // named in the reason
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class RefusedRecord : public RecipeFile, public testing::WithParamInterface<RefusedCase> {
 protected:
  Recipe spoiled() const {
    Recipe r = fullRecipe(u"親子丼"_s);
    GetParam().spoil(r);
    return r;
  }
};

TEST_P(RefusedRecord, IsNamedByCheckStorable) {
  const auto formReason = recipe_file::checkStorable(formOf(spoiled()));
  ASSERT_TRUE(formReason);
  EXPECT_TRUE(formReason->contains(GetParam().field)) << formReason->toStdString();
}

TEST_P(RefusedRecord, LeavesTheFileUntouchedByEveryWriter) {
  write(kNikujagaLines);
  const QByteArray before = bytes();
  // The good record comes first: nothing of it may be written either.
  const RecipeTable table({nikujaga(), spoiled(), fullRecipe(u"牛丼"_s)});

  const FileError rewrite = refusal(recipe_file::RewriteRecipeFile(path(), table));
  EXPECT_EQ(rewrite.kind, FileError::Kind::Refused);
  EXPECT_TRUE(rewrite.message().contains(GetParam().field)) << rewrite.message().toStdString();
  EXPECT_EQ(bytes(), before);

  EXPECT_EQ(refusal(recipe_file::WriteRecipeFileWithout(path(), table, 3)).kind, FileError::Kind::Refused);
  EXPECT_EQ(bytes(), before);

  EXPECT_EQ(refusal(recipe_file::AppendRecipe(path(), formOf(spoiled()))).kind, FileError::Kind::Refused);
  EXPECT_EQ(bytes(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, RefusedRecord,
    testing::Values(
        RefusedCase{"IngredientLineIsSectionEnd", [](Recipe& r) { r.Ingredients += u"\r\n----------"_s; }, u"材料"_s},
        RefusedCase{"MemoLineIsSectionEnd", [](Recipe& r) { r.Memo = u"a\r\n----------\r\nb"_s; }, u"メモ"_s},
        RefusedCase{"LogLineIsRecordEnd", [](Recipe& r) { r.CookingLog += u"\r\n'"_s; }, u"調理実績"_s},
        RefusedCase{"DishNameWithLineBreak", [](Recipe& r) { r.DishName = u"肉\r\nじゃが"_s; }, u"料理名"_s},
        RefusedCase{"GenreWithLineFeed", [](Recipe& r) { r.Genre = u"和\n食"_s; }, u"ジャンル"_s},
        RefusedCase{"IngredientsWithLoneLineFeed", [](Recipe& r) { r.Ingredients = u"牛肉\nたまねぎ"_s; }, u"材料"_s},
        RefusedCase{"DishNameUnencodable", [](Recipe& r) { r.DishName = u"cr\u00EApe"_s; }, u"料理名"_s},
        RefusedCase{"MemoEmoji", [](Recipe& r) { r.Memo = u"おいしい😀"_s; }, u"メモ"_s}),
    ByName());

// Lines that look like the format's own lines but sit where the reader does not stop at them are
// stored and read back unchanged.
TEST_F(RecipeFile, LookAlikeLinesWhereTheReaderDoesNotStopAreStored) {
  Recipe r = fullRecipe(u"'"_s);
  r.Genre = u"----------"_s;
  r.Reference = kStar31;
  r.Ingredients = kStar31 + u"\r\n ----------\r\n'"_s;
  r.Steps = u"【メモ】\r\n'"_s;
  r.Memo = u"'"_s;
  r.CookingLog = u"----------\r\n2003/05/12"_s;
  ASSERT_FALSE(recipe_file::checkStorable(formOf(r)));
  ASSERT_TRUE(wrote(recipe_file::RewriteRecipeFile(path(), RecipeTable({r, nikujaga()}))));
  RecipeTable back = load();
  ASSERT_EQ(back.count(), 2);
  EXPECT_EQ(back[1], r);
  EXPECT_EQ(back[2], nikujaga());
  ASSERT_TRUE(wrote(recipe_file::WriteRecipeFileWithout(path(), back, 0)));
  back = load();
  ASSERT_EQ(back.count(), 2);
  EXPECT_EQ(back[1], r);
}

TEST(RecipeFileNames, AreMatchedWithoutRegardToCase) {
  TempBook book;
  book.writeLines(u"レシピ.TXT"_s, kNikujagaLines);
  const DataFolder folder(book.folder());
  const QString path = folder.path(u"レシピ.txt"_s);
  RecipeTable table = valueOf(recipe_file::LoadRecipeFile(path));
  ASSERT_EQ(table.count(), 1);
  table.append(fullRecipe(u"親子丼"_s));
  ASSERT_TRUE(wrote(recipe_file::WriteRecipeFileWithout(folder.path(u"レシピ.txt"_s), table, 1)));
  EXPECT_EQ(QDir(book.folder()).entryList(QDir::Files), QStringList{u"レシピ.TXT"_s});
  const RecipeTable back = valueOf(recipe_file::LoadRecipeFile(folder.path(recipe_file::kFileName)));
  ASSERT_EQ(back.count(), 1);
  EXPECT_EQ(back[1].DishName, u"親子丼"_s);
}

TEST(RecipeTable, FindRecipeByDishNameGivesTheFirstExactMatch) {
  const RecipeTable table({fullRecipe(u"親子丼"_s), fullRecipe(u"牛丼"_s), fullRecipe(u"親子丼"_s)});
  EXPECT_EQ(table.FindRecipeByDishName(u"親子丼"_s), 1);
  EXPECT_EQ(table.FindRecipeByDishName(u"牛丼"_s), 2);
  EXPECT_EQ(table.FindRecipeByDishName(u"牛丼 "_s), 0);
  EXPECT_EQ(RecipeTable().FindRecipeByDishName(QString()), 0);
}

}  // namespace

TEST_F(RecipeFile, CarriageReturnsInsideLinesOfAnOldFileDoNotStopARewrite) {
  // An old file may hold a lone CR inside a line; it reads back as it is written, so a change of
  // any recipe must still be able to rewrite the whole book.
  QByteArray old = sjisLines(kNikujagaLines);
  old.replace(sjis(u"牛肉　200g"_s), sjis(u"牛肉\r200g"_s));
  old.replace(sjis(u"【参考　　】"_s), sjis(u"【参考　　】本\r"_s));
  book.writeBytes(recipe_file::kFileName, old);
  const RecipeTable table = load();
  ASSERT_EQ(table.count(), 1);
  EXPECT_EQ(table[1].Reference, u"本\r"_s);
  ASSERT_TRUE(wrote(recipe_file::RewriteRecipeFile(path(), table)));
  EXPECT_EQ(bytes(), old);
}

TEST(RecipeForms, AChangeStoresEveryFieldButTheNameAsTheFileWillReadIt) {
  const Recipe full = fullRecipe(u"煮魚"_s);
  RecipeForm form = formOf(full);
  form.DishName = u"別の名前"_s;  // the name is the key and is never changed
  form.CookCount = 2;
  Recipe changed{.DishName = u"煮魚"_s};
  recipe_file::ApplyForm(changed, form);
  EXPECT_EQ(changed, full);

  form.Salt = u"1e39"_s;  // beyond single precision: would read back as 0
  const auto problem = recipe_file::checkStorable(form);
  ASSERT_TRUE(problem);
  EXPECT_EQ(*problem, u"塩分の数値が大きすぎます。"_s);
}
