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

// One record for 肉じゃが, as the program writes it.
const QStringList kExampleLines = {
    kStar31,
    QStringLiteral("【料理名　】肉じゃが"),
    QStringLiteral("【ジャンル】和食"),
    QStringLiteral("【種類　　】煮物"),
    QStringLiteral("【調理方法】煮る"),
    QStringLiteral("【一人分㌍】350"),
    QStringLiteral("【塩分　　】2.5"),
    QStringLiteral("【料理時間】40"),
    QStringLiteral("【自己評価】良"),
    QStringLiteral("【三者評価】未"),
    QStringLiteral("【回数　　】1"),
    QStringLiteral("【参考　　】"),
    QStringLiteral("----------"),
    QStringLiteral("【材料】"),
    QStringLiteral("じゃがいも　3個"),
    QStringLiteral("牛肉　200g"),
    QStringLiteral("----------"),
    QStringLiteral("【作り方】"),
    QStringLiteral("----------"),
    QStringLiteral("【メモ】"),
    QStringLiteral("----------"),
    QStringLiteral("【調理実績】"),
    QStringLiteral("2003/05/12"),
    QStringLiteral("'"),
};

Recipe exampleRecipe() {
  Recipe r;
  r.DishName = QStringLiteral("肉じゃが");
  r.Genre = QStringLiteral("和食");
  r.Kind = QStringLiteral("煮物");
  r.CookingMethod = QStringLiteral("煮る");
  r.CaloriesPerPerson = 350;
  r.Salt = 2.5f;
  r.CookingTime = 40;
  r.SelfRating = QStringLiteral("良");
  r.OthersRating = QStringLiteral("未");
  r.CookCount = QStringLiteral("1");
  r.Ingredients = QStringLiteral("じゃがいも　3個\r\n牛肉　200g");
  r.CookingLog = QStringLiteral("2003/05/12");
  return r;
}

// A recipe with every section filled, several lines in some.
Recipe fullRecipe(const QString& name) {
  Recipe r = exampleRecipe();
  r.DishName = name;
  r.Kind = QStringLiteral("主菜");
  r.CaloriesPerPerson = 512.5f;
  r.Salt = 0.7f;
  r.CookingTime = 15;
  r.SelfRating = QStringLiteral("優");
  r.OthersRating = QStringLiteral("良");
  r.CookCount = QStringLiteral("2");
  r.Reference = QStringLiteral("料理の本");
  r.Steps = QStringLiteral("１．切る\r\n２．煮る");
  r.Memo = QStringLiteral("甘めに");
  r.CookingLog = QStringLiteral("2003/05/12\r\n2003/06/01");
  return r;
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
  f.CookCount = r.CookCount;
  f.Reference = r.Reference;
  f.Ingredients = r.Ingredients;
  f.Steps = r.Steps;
  f.Memo = r.Memo;
  if (!r.CookingLog.isEmpty()) f.CookingLog = r.CookingLog.split(QStringLiteral("\r\n"));
  return f;
}

// The lines of one record whose four sections hold the given lines.
QStringList recordWithSections(const QString& name, const QStringList sections[4]) {
  QStringList lines = kExampleLines.mid(0, 12);
  lines[1] = QStringLiteral("【料理名　】") + name;
  const QString labels[4] = {QStringLiteral("【材料】"), QStringLiteral("【作り方】"), QStringLiteral("【メモ】"),
                             QStringLiteral("【調理実績】")};
  for (int s = 0; s < 4; ++s) {
    lines << QStringLiteral("----------") << labels[s];
    lines += sections[s];
  }
  lines << QStringLiteral("'");
  return lines;
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

TEST_F(RecipeFile, WorkedExampleLoadsIntoTheFields) {
  write(kExampleLines);
  const RecipeTable table = load();
  ASSERT_EQ(table.count(), 1);
  EXPECT_EQ(table[1], exampleRecipe());
}

TEST_F(RecipeFile, WorkedExampleIsRewrittenByteForByte) {
  write(kExampleLines);
  const QByteArray original = bytes();
  ASSERT_FALSE(recipe_file::RewriteRecipeFile(path(), load()));
  EXPECT_EQ(bytes(), original);
  EXPECT_EQ(recipe_file::recordLines(exampleRecipe()), kExampleLines);
}

TEST_F(RecipeFile, RewriteThenLoadGivesTheSameTable) {
  Recipe trailingBreak = fullRecipe(QStringLiteral("ぶり大根"));
  trailingBreak.Ingredients = QStringLiteral("ぶり　2切れ\r\n大根　1/2本\r\n");
  Recipe blankLines = fullRecipe(QStringLiteral("麻婆豆腐"));
  blankLines.Steps = QStringLiteral("\r\n１．炒める\r\n\r\n");
  blankLines.Genre = QStringLiteral("中華");
  blankLines.CaloriesPerPerson = -1.25f;
  Recipe empty;
  empty.DishName = QStringLiteral("名前だけ");
  empty.CookCount = QStringLiteral("0");
  const RecipeTable table({fullRecipe(QStringLiteral("親子丼")), trailingBreak, blankLines, empty, exampleRecipe()});
  ASSERT_FALSE(recipe_file::RewriteRecipeFile(path(), table));
  const RecipeTable back = load();
  ASSERT_EQ(back.count(), table.count());
  for (int i = 1; i <= table.count(); ++i) EXPECT_EQ(back[i], table[i]) << i;
}

TEST_F(RecipeFile, EmptyFileHoldsNoRecipes) {
  write({});
  EXPECT_EQ(load().count(), 0);
  write({QString(), QString()});
  EXPECT_EQ(load().count(), 0);
  ASSERT_FALSE(recipe_file::RewriteRecipeFile(path(), RecipeTable()));
  EXPECT_TRUE(bytes().isEmpty());
}

TEST_F(RecipeFile, TrailingEmptyLinesAreTolerated) {
  write(kExampleLines + QStringList{QString(), QString()});
  const RecipeTable table = load();
  ASSERT_EQ(table.count(), 1);
  EXPECT_EQ(table[1], exampleRecipe());
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
  QStringList sections[4] = {{QStringLiteral("卵　2個")}, {QStringLiteral("１．混ぜる")}, {QStringLiteral("簡単")},
                             {QStringLiteral("2004/01/02")}};
  sections[GetParam().section] = GetParam().oneEmptyLine ? QStringList{QString()} : QStringList{};
  write(recordWithSections(QStringLiteral("卵焼き"), sections) + kExampleLines);
  const RecipeTable table = load();
  ASSERT_EQ(table.count(), 2);
  const QString values[4] = {table[1].Ingredients, table[1].Steps, table[1].Memo, table[1].CookingLog};
  for (int s = 0; s < 4; ++s)
    EXPECT_EQ(values[s], s == GetParam().section ? QString() : sections[s].first()) << s;
  EXPECT_EQ(table[2], exampleRecipe());
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, EmptySection,
    testing::Values(EmptySectionCase{"IngredientsNoLine", 0, false}, EmptySectionCase{"IngredientsEmptyLine", 0, true},
                    EmptySectionCase{"StepsNoLine", 1, false}, EmptySectionCase{"StepsEmptyLine", 1, true},
                    EmptySectionCase{"MemoNoLine", 2, false}, EmptySectionCase{"MemoEmptyLine", 2, true},
                    EmptySectionCase{"LogNoLine", 3, false}, EmptySectionCase{"LogEmptyLine", 3, true}),
    ByName());

TEST_F(RecipeFile, IngredientsWithAFinalLineBreakKeepIt) {
  Recipe r = exampleRecipe();
  r.Ingredients = QStringLiteral("じゃがいも　3個\r\n牛肉　200g\r\n");
  ASSERT_FALSE(recipe_file::AppendRecipe(path(), formOf(r)));
  EXPECT_EQ(lines().mid(14, 4), (QStringList{QStringLiteral("じゃがいも　3個"), QStringLiteral("牛肉　200g"), QString(),
                                             QStringLiteral("----------")}));
  RecipeTable table = load();
  ASSERT_EQ(table.count(), 1);
  EXPECT_EQ(table[1].Ingredients, r.Ingredients);
  ASSERT_FALSE(recipe_file::RewriteRecipeFile(path(), table));
  EXPECT_EQ(load()[1].Ingredients, r.Ingredients);
}

TEST_F(RecipeFile, AppendWritesTypedNumbersInFullAndRewriteInSinglePrecision) {
  RecipeForm form = formOf(exampleRecipe());
  form.Salt = QStringLiteral("0.123456789");
  form.Calories = QStringLiteral("350kcal");
  form.CookingTime = QString();
  form.CookCount = QStringLiteral("03");
  ASSERT_FALSE(recipe_file::AppendRecipe(path(), form));
  QStringList written = lines();
  EXPECT_EQ(written[5], QStringLiteral("【一人分㌍】350"));
  EXPECT_EQ(written[6], QStringLiteral("【塩分　　】0.123456789"));
  EXPECT_EQ(written[7], QStringLiteral("【料理時間】0"));
  EXPECT_EQ(written[10], QStringLiteral("【回数　　】3"));

  const RecipeTable table = load();
  EXPECT_EQ(table[1].Salt, 0.123456789f);
  ASSERT_FALSE(recipe_file::RewriteRecipeFile(path(), table));
  EXPECT_EQ(lines()[6], QStringLiteral("【塩分　　】0.1234568"));
}

TEST_F(RecipeFile, AppendKeepsTheOldRecordsByteForByte) {
  write(kExampleLines);
  const QByteArray original = bytes();
  RecipeForm form = formOf(fullRecipe(QStringLiteral("親子丼")));
  form.CookingLog = {QStringLiteral("2005/01/01"), QStringLiteral("2004/12/31")};
  ASSERT_FALSE(recipe_file::AppendRecipe(path(), form));
  EXPECT_TRUE(bytes().startsWith(original));
  const RecipeTable table = load();
  ASSERT_EQ(table.count(), 2);
  EXPECT_EQ(table[1], exampleRecipe());
  EXPECT_EQ(table[2].DishName, QStringLiteral("親子丼"));
  EXPECT_EQ(table[2].CookingLog, QStringLiteral("2005/01/01\r\n2004/12/31"));  // list order, not date order
  EXPECT_EQ(table[2].Steps, QStringLiteral("１．切る\r\n２．煮る"));
}

TEST_F(RecipeFile, AppendCreatesAMissingFileAndWritesAnEmptyLogAsNoLine) {
  RecipeForm form = formOf(exampleRecipe());
  form.CookingLog.clear();
  form.Ingredients.clear();
  ASSERT_FALSE(recipe_file::AppendRecipe(path(), form));
  const QStringList written = lines();
  ASSERT_EQ(written.size(), 21);
  EXPECT_EQ(written.mid(12, 3), (QStringList{QStringLiteral("----------"), QStringLiteral("【材料】"),
                                             QStringLiteral("----------")}));
  EXPECT_EQ(written.mid(19), (QStringList{QStringLiteral("【調理実績】"), QStringLiteral("'")}));
  EXPECT_EQ(load().count(), 1);
}

struct CountCase {
  std::string name;
  QString inFile;
  QString loaded;
};

void PrintTo(const CountCase& c, std::ostream* os) { *os << c.name; }

class CookCount : public RecipeFile, public testing::WithParamInterface<CountCase> {};

TEST_P(CookCount, IsNormalisedOnLoadingAndWrittenBackSo) {
  QStringList record = kExampleLines;
  record[10] = QStringLiteral("【回数　　】") + GetParam().inFile;
  write(record);
  const RecipeTable table = load();
  EXPECT_EQ(table[1].CookCount, GetParam().loaded);
  ASSERT_FALSE(recipe_file::RewriteRecipeFile(path(), table));
  EXPECT_EQ(lines()[10], QStringLiteral("【回数　　】") + GetParam().loaded);
}

INSTANTIATE_TEST_SUITE_P(Texts, CookCount,
                         testing::Values(CountCase{"LeadingZero", QStringLiteral("03"), QStringLiteral("3")},
                                         CountCase{"Empty", QString(), QStringLiteral("0")},
                                         CountCase{"NoNumber", QStringLiteral("なし"), QStringLiteral("0")},
                                         CountCase{"Blanks", QStringLiteral(" 12 "), QStringLiteral("12")},
                                         CountCase{"TrailingText", QStringLiteral("4回"), QStringLiteral("4")},
                                         CountCase{"PointZero", QStringLiteral("2.0"), QStringLiteral("2")}),
                         ByName());

TEST_F(RecipeFile, NumberFieldsAreReadLeniently) {
  QStringList record = kExampleLines;
  record[5] = QStringLiteral("【一人分㌍】 350kcal");
  record[6] = QStringLiteral("【塩分　　】");
  record[7] = QStringLiteral("【料理時間】約30分");
  write(record);
  const Recipe r = load()[1];
  EXPECT_EQ(r.CaloriesPerPerson, 350.0f);
  EXPECT_EQ(r.Salt, 0.0f);
  EXPECT_EQ(r.CookingTime, 0.0f);
}

// The reader takes values by position: the label text itself is never checked.
TEST_F(RecipeFile, LabelsAreNotChecked) {
  QStringList record = kExampleLines;
  record[2] = QStringLiteral("genre:和食");
  record[13] = QStringLiteral("ingredients");
  write(record);
  const Recipe r = load()[1];
  EXPECT_EQ(r.Genre, QStringLiteral("和食"));
  EXPECT_EQ(r.Ingredients, exampleRecipe().Ingredients);
}

struct WithoutCase {
  std::string name;
  int count;
  int n;
  std::vector<int> kept;
};

void PrintTo(const WithoutCase& c, std::ostream* os) { *os << c.name; }

class WriteWithout : public RecipeFile, public testing::WithParamInterface<WithoutCase> {};

TEST_P(WriteWithout, LeavesOutOnlyThatRecord) {
  std::vector<Recipe> records;
  for (int i = 1; i <= GetParam().count; ++i) {
    Recipe r = fullRecipe(QStringLiteral("料理%1").arg(i));
    if (i % 2 == 0) r.Memo.clear();  // empty sections take the one-empty-line shape here
    records.push_back(r);
  }
  const RecipeTable table(records);
  write(kExampleLines);
  ASSERT_FALSE(recipe_file::WriteRecipeFileWithout(path(), table, GetParam().n));
  const RecipeTable back = load();
  ASSERT_EQ(back.count(), int(GetParam().kept.size()));
  for (int i = 1; i <= back.count(); ++i) EXPECT_EQ(back[i], table[GetParam().kept[size_t(i - 1)]]) << i;
  if (GetParam().kept.empty()) EXPECT_TRUE(bytes().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Records, WriteWithout,
                         testing::Values(WithoutCase{"First", 3, 1, {2, 3}}, WithoutCase{"Middle", 3, 2, {1, 3}},
                                         WithoutCase{"Last", 3, 3, {1, 2}}, WithoutCase{"Only", 1, 1, {}},
                                         WithoutCase{"Zero", 3, 0, {1, 2, 3}},
                                         WithoutCase{"PastTheEnd", 3, 4, {1, 2, 3}},
                                         WithoutCase{"Negative", 2, -1, {1, 2}},
                                         WithoutCase{"EmptyTable", 0, 1, {}}),
                         ByName());

TEST_F(RecipeFile, WriteWithoutWritesEmptySectionsAsOneEmptyLine) {
  Recipe r = exampleRecipe();
  r.Ingredients.clear();
  r.CookingLog.clear();
  ASSERT_FALSE(recipe_file::WriteRecipeFileWithout(path(), RecipeTable({r, fullRecipe(QStringLiteral("x"))}), 2));
  const QStringList expected = kExampleLines.mid(0, 14) +
                               QStringList{QString(), QStringLiteral("----------"), QStringLiteral("【作り方】"), QString(),
                                           QStringLiteral("----------"), QStringLiteral("【メモ】"), QString(),
                                           QStringLiteral("----------"), QStringLiteral("【調理実績】"), QString(),
                                           QStringLiteral("'")};
  EXPECT_EQ(lines(), expected);
  EXPECT_EQ(load()[1], r);
}

TEST_F(RecipeFile, AsteriskLineInsideASectionDoesNotMakeAnExtraRecord) {
  Recipe r = exampleRecipe();
  r.Ingredients = QStringLiteral("牛肉\r\n") + kStar31 + QStringLiteral("\r\nたまねぎ");
  ASSERT_FALSE(recipe_file::RewriteRecipeFile(path(), RecipeTable({r, fullRecipe(QStringLiteral("親子丼"))})));
  std::vector<std::tuple<int, int, QString>> calls;
  const auto result = recipe_file::LoadRecipeFile(
      path(), [&](int loaded, int counted, const QString& name) { calls.emplace_back(loaded, counted, name); });
  const RecipeTable table = valueOf(result);
  ASSERT_EQ(table.count(), 2);
  EXPECT_EQ(table[1].Ingredients, r.Ingredients);
  EXPECT_EQ(table[2].DishName, QStringLiteral("親子丼"));
  // The count told first is the number of separator lines, one too many here.
  const std::vector<std::tuple<int, int, QString>> expected = {
      {0, 3, QString()}, {1, 3, QStringLiteral("肉じゃが")}, {2, 3, QStringLiteral("親子丼")}};
  EXPECT_EQ(calls, expected);
}

struct MalformedCase {
  std::string name;
  QStringList lines;
  int line;
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
  EXPECT_EQ(error.kind, FileError::Kind::Malformed);
  EXPECT_EQ(error.line, GetParam().line);
  EXPECT_EQ(error.path, path());
  EXPECT_FALSE(error.detail.isEmpty());
  EXPECT_EQ(bytes(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, MalformedFile,
    testing::Values(
        MalformedCase{"EndsInTheHeader", kExampleLines.mid(0, 5), 5},
        MalformedCase{"EndsInTheIngredients", kExampleLines.mid(0, 16), 16},
        MalformedCase{"EndsBeforeTheRecordEnd", kExampleLines.mid(0, 23), 23},
        MalformedCase{"EndsBeforeTheRecordEndThenEmptyLines", kExampleLines.mid(0, 23) + QStringList{QString(), QString()}, 23},
        MalformedCase{"SecondRecordCutShort", kExampleLines + kExampleLines.mid(0, 10), 34},
        MalformedCase{"TextAfterTheLastRecord", kExampleLines + QStringList{QStringLiteral("おまけ")}, 25},
        MalformedCase{"SecondRecordWithoutSeparator", kExampleLines + kExampleLines.mid(1), 25},
        MalformedCase{"EmptyLineBetweenRecords", kExampleLines + QStringList{QString()} + kExampleLines, 25},
        MalformedCase{"EmptyLineBeforeTheFirstRecord", QStringList{QString()} + kExampleLines, 1},
        MalformedCase{"ThirtyAsterisks", replaced(kExampleLines, 0, QString(30, u'*')), 1}),
    ByName());

TEST(RecipeFileLimits, MoreRecordsThanTheBookCanNumberAreRefused) {
  QStringList lines;
  lines.reserve(qsizetype(kMaxRecipes + 1) * kExampleLines.size());
  for (int i = 0; i < kMaxRecipes; ++i) lines += kExampleLines;
  EXPECT_EQ(valueOf(recipe_file::parseRecipeLines(lines, QStringLiteral("r.txt"))).count(), kMaxRecipes);
  lines += kExampleLines;
  const FileError error = errorOf(recipe_file::parseRecipeLines(lines, QStringLiteral("r.txt")));
  EXPECT_EQ(error.kind, FileError::Kind::Malformed);
  EXPECT_EQ(error.line, kMaxRecipes * int(kExampleLines.size()) + 1);
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
    Recipe r = fullRecipe(QStringLiteral("親子丼"));
    GetParam().spoil(r);
    return r;
  }
};

TEST_P(RefusedRecord, IsNamedByCheckStorable) {
  const auto reason = recipe_file::checkStorable(spoiled());
  ASSERT_TRUE(reason);
  EXPECT_TRUE(reason->contains(GetParam().field)) << reason->toStdString();
  const auto formReason = recipe_file::checkStorable(formOf(spoiled()));
  ASSERT_TRUE(formReason);
  EXPECT_TRUE(formReason->contains(GetParam().field)) << formReason->toStdString();
}

TEST_P(RefusedRecord, LeavesTheFileUntouchedByEveryWriter) {
  write(kExampleLines);
  const QByteArray before = bytes();
  // The good record comes first: nothing of it may be written either.
  const RecipeTable table({exampleRecipe(), spoiled(), fullRecipe(QStringLiteral("牛丼"))});

  const auto rewrite = recipe_file::RewriteRecipeFile(path(), table);
  ASSERT_TRUE(rewrite);
  EXPECT_EQ(rewrite->kind, FileError::Kind::Refused);
  EXPECT_TRUE(rewrite->message().contains(GetParam().field));
  EXPECT_EQ(bytes(), before);

  ASSERT_TRUE(recipe_file::WriteRecipeFileWithout(path(), table, 3));
  EXPECT_EQ(bytes(), before);

  ASSERT_TRUE(recipe_file::AppendRecipe(path(), formOf(spoiled())));
  EXPECT_EQ(bytes(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, RefusedRecord,
    testing::Values(
        RefusedCase{"IngredientLineIsSectionEnd", [](Recipe& r) { r.Ingredients += QStringLiteral("\r\n----------"); },
                    QStringLiteral("材料")},
        RefusedCase{"StepLineIsSectionEnd", [](Recipe& r) { r.Steps = QStringLiteral("----------"); },
                    QStringLiteral("作り方")},
        RefusedCase{"MemoLineIsSectionEnd", [](Recipe& r) { r.Memo = QStringLiteral("a\r\n----------\r\nb"); },
                    QStringLiteral("メモ")},
        RefusedCase{"LogLineIsRecordEnd", [](Recipe& r) { r.CookingLog += QStringLiteral("\r\n'"); },
                    QStringLiteral("調理実績")},
        RefusedCase{"DishNameWithLineBreak", [](Recipe& r) { r.DishName = QStringLiteral("肉\r\nじゃが"); },
                    QStringLiteral("料理名")},
        RefusedCase{"GenreWithLineFeed", [](Recipe& r) { r.Genre = QStringLiteral("和\n食"); }, QStringLiteral("ジャンル")},
        RefusedCase{"ReferenceWithCarriageReturn", [](Recipe& r) { r.Reference = QStringLiteral("本\r"); },
                    QStringLiteral("参考")},
        RefusedCase{"IngredientsWithLoneLineFeed", [](Recipe& r) { r.Ingredients = QStringLiteral("牛肉\nたまねぎ"); },
                    QStringLiteral("材料")},
        RefusedCase{"DishNameUnencodable", [](Recipe& r) { r.DishName = QStringLiteral("cr\u00EApe"); },
                    QStringLiteral("料理名")},
        RefusedCase{"MemoEmoji", [](Recipe& r) { r.Memo = QStringLiteral("おいしい😀"); }, QStringLiteral("メモ")},
        RefusedCase{"LogUnencodable", [](Recipe& r) { r.CookingLog = QStringLiteral("２００３\uAC00"); },
                    QStringLiteral("調理実績")}),
    ByName());

// Lines that look like the format's own lines but sit where the reader does not stop at them are
// stored and read back unchanged.
TEST_F(RecipeFile, LookAlikeLinesWhereTheReaderDoesNotStopAreStored) {
  Recipe r = fullRecipe(QStringLiteral("'"));
  r.Genre = QStringLiteral("----------");
  r.Reference = kStar31;
  r.Ingredients = kStar31 + QStringLiteral("\r\n ----------\r\n'");
  r.Steps = QStringLiteral("【メモ】\r\n'");
  r.Memo = QStringLiteral("'");
  r.CookingLog = QStringLiteral("----------\r\n2003/05/12");
  ASSERT_FALSE(recipe_file::checkStorable(r));
  ASSERT_FALSE(recipe_file::RewriteRecipeFile(path(), RecipeTable({r, exampleRecipe()})));
  RecipeTable back = load();
  ASSERT_EQ(back.count(), 2);
  EXPECT_EQ(back[1], r);
  EXPECT_EQ(back[2], exampleRecipe());
  ASSERT_FALSE(recipe_file::WriteRecipeFileWithout(path(), back, 0));
  back = load();
  ASSERT_EQ(back.count(), 2);
  EXPECT_EQ(back[1], r);
}

TEST(RecipeFileNames, AreMatchedWithoutRegardToCase) {
  TempBook book;
  book.writeLines(QStringLiteral("レシピ.TXT"), kExampleLines);
  const DataFolder folder(book.folder());
  const QString path = folder.path(QStringLiteral("レシピ.txt"));
  RecipeTable table = valueOf(recipe_file::LoadRecipeFile(path));
  ASSERT_EQ(table.count(), 1);
  table.append(fullRecipe(QStringLiteral("親子丼")));
  ASSERT_FALSE(recipe_file::WriteRecipeFileWithout(folder.path(QStringLiteral("レシピ.txt")), table, 1));
  EXPECT_EQ(QDir(book.folder()).entryList(QDir::Files), QStringList{QStringLiteral("レシピ.TXT")});
  const RecipeTable back = valueOf(recipe_file::LoadRecipeFile(folder.path(recipe_file::kFileName)));
  ASSERT_EQ(back.count(), 1);
  EXPECT_EQ(back[1].DishName, QStringLiteral("親子丼"));
}

TEST(RecipeTable, FindRecipeByDishNameGivesTheFirstExactMatch) {
  const RecipeTable table({fullRecipe(QStringLiteral("親子丼")), fullRecipe(QStringLiteral("牛丼")),
                           fullRecipe(QStringLiteral("親子丼"))});
  EXPECT_EQ(table.FindRecipeByDishName(QStringLiteral("親子丼")), 1);
  EXPECT_EQ(table.FindRecipeByDishName(QStringLiteral("牛丼")), 2);
  EXPECT_EQ(table.FindRecipeByDishName(QStringLiteral("牛丼 ")), 0);
  EXPECT_EQ(table.FindRecipeByDishName(QStringLiteral("丼")), 0);
  EXPECT_EQ(RecipeTable().FindRecipeByDishName(QString()), 0);
}

}  // namespace
