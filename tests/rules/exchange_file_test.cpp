// SPDX-License-Identifier: GPL-3.0-or-later
// Exchange files: the export into a new numbered folder, reading an exchange file, and appending
// its records to the book; every check is on the files' bytes.
#include "exchange/rules/exchange_file.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "rules_test_util.h"
#include "store/rules/recipe_file.h"
#include "support/temp_book.h"

namespace {

const QString kBook = u"レシピ.TXT"_s;

QStringList recipe(const QString& name, const QString& memo = {}) {
  return recordLines({name, u"和食"_s, u"主菜"_s, u"煮る"_s, u"350"_s, u"2.5"_s, u"40"_s, u"良"_s, u"未"_s, u"1"_s, {}},
                     u"じゃがいも　3個\n牛肉　200g"_s, {}, memo, u"2003/05/12"_s);
}

QByteArray bytesOf(const std::vector<QStringList>& records) {
  QByteArray bytes;
  for (const QStringList& r : records) bytes += sjisLines(r);
  return bytes;
}

// A record as another program may have left it: numbers not in their shortest form, a count with
// a leading zero, blanks and quotes in the memo, and 纊 in its NEC code (ED 40), which reads as
// the same character as the IBM code the program itself would write. Only a copy of the bytes
// keeps all of that.
QByteArray oddRecord(const QString& name) {
  QByteArray bytes = sjisLines(recordLines(
      {name, u"和食"_s, u"主菜"_s, u"煮る"_s, u"0350"_s, u"2.50"_s, u"40"_s, u"良"_s, u"未"_s, u"03"_s, {}}, u"米"_s, {},
      u"  先頭に空白, \"引用\", コンマ"_s, u"2003/05/12\n2003/05/13\n2003/05/14"_s));
  const QByteArray memoLine = sjis(u"  先頭に空白, \"引用\", コンマ"_s);
  return bytes.replace(memoLine + "\r\n", memoLine + "\r\n" + QByteArray("\xED\x40\r\n"));
}

class ExchangeFileTest : public ::testing::Test {
 protected:
  void writeBook(const QByteArray& bytes) { book.writeBytes(kBook, bytes); }
  RecipeTable table() { return valueOf(recipe_file::LoadRecipeFile(book.path(kBook))); }
  DataFolder folder() const { return DataFolder(book.folder()); }
  QString exchangePath(const QString& folderName) const {
    return book.path(folderName + u"/"_s + exchange::kExchangeFileName);
  }
  QByteArray bytesAt(const QString& path) const {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
  }

  TempBook book;
};

TEST_F(ExchangeFileTest, ExportCopiesTheChosenRecordsInFileOrderByteForByte) {
  std::vector<QByteArray> records;
  for (int i = 1; i <= 10; ++i) records.push_back(i == 5 ? oddRecord(u"料理5"_s) : bytesOf({recipe(u"料理%1"_s.arg(i))}));
  QByteArray whole;
  for (const QByteArray& r : records) whole += r;
  writeBook(whole);

  const auto result = valueOf(exchange::ExportRecipes(folder(), table(), {9, 5, 2}));
  EXPECT_EQ(result.folderName, u"追加レシピ000"_s);
  EXPECT_EQ(bytesAt(exchangePath(result.folderName)), records[1] + records[4] + records[8]);
  EXPECT_EQ(book.bytes(kBook), whole);
}

TEST_F(ExchangeFileTest, TwoRecipesOfOneNameExportTheOneChosenByNumber) {
  const QByteArray first = bytesOf({recipe(u"カレー"_s, u"甘口"_s)});
  const QByteArray second = bytesOf({recipe(u"カレー"_s, u"辛口"_s)});
  writeBook(first + second);
  const auto result = valueOf(exchange::ExportRecipes(folder(), table(), {2}));
  EXPECT_EQ(bytesAt(exchangePath(result.folderName)), second);
}

TEST_F(ExchangeFileTest, ExportTakesTheNextFreeFolderNumber) {
  writeBook(bytesOf({recipe(u"カレー"_s)}));
  QDir(book.folder()).mkdir(u"追加レシピ000"_s);
  book.writeBytes(u"追加レシピ001"_s, "a file takes the name too");
  const auto result = valueOf(exchange::ExportRecipes(folder(), table(), {1}));
  EXPECT_EQ(result.folderName, u"追加レシピ002"_s);
  EXPECT_TRUE(QFile::exists(exchangePath(u"追加レシピ002"_s)));
}

TEST_F(ExchangeFileTest, FolderCounterStopsAtItsBound) {
  writeBook(bytesOf({recipe(u"カレー"_s)}));
  for (const QString& taken : {u"追加レシピ000"_s, u"追加レシピ001"_s, u"追加レシピ002"_s}) QDir(book.folder()).mkdir(taken);
  const FileError error = errorOf(exchange::ExportRecipes(folder(), table(), {1}, 2));
  EXPECT_EQ(error.kind, FileError::Kind::Refused);
  EXPECT_TRUE(error.message().contains(u"追加レシピ2"_s)) << error.message().toStdString();
  EXPECT_EQ(QDir(book.folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 3);

  // Four-digit numbers follow three-digit ones.
  QDir(book.folder()).mkdir(u"staged"_s);
  EXPECT_EQ(valueOf(exchange::PlaceExchangeFolder(book.path(u"staged"_s), book.folder(), 1000)).folderName,
            u"追加レシピ003"_s);
}

TEST_F(ExchangeFileTest, FolderThatCannotBeCreatedIsReportedAtOnce) {
  // A file where the folder should be: creating anything inside it fails for every number.
  book.writeBytes(u"file"_s, "x");
  QDir(book.folder()).mkdir(u"staged"_s);
  const FileError error = errorOf(exchange::PlaceExchangeFolder(book.path(u"staged"_s), book.path(u"file"_s)));
  EXPECT_EQ(error.kind, FileError::Kind::Refused);
  EXPECT_TRUE(error.message().contains(u"追加レシピ000"_s)) << error.message().toStdString();
}

TEST_F(ExchangeFileTest, PicturesTravelWithTheirRecipes) {
  writeBook(bytesOf({recipe(u"カレー"_s), recipe(u"サラダ"_s), recipe(u"A/B"_s)}));
  book.writeBytes(u"カレー.jpg"_s, "jpeg");
  book.writeBytes(u"カレー.BMP"_s, "bitmap");
  book.writeBytes(u"サラダ.gif"_s, "not chosen");
  QDir(book.folder()).mkdir(u"A"_s);
  book.writeBytes(u"A/B.jpg"_s, "outside the folder");
  const auto result = valueOf(exchange::ExportRecipes(folder(), table(), {1, 3}));
  QDir exported(result.folderPath);
  EXPECT_EQ(exported.entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
            (QStringList{u"カレー.BMP"_s, u"カレー.jpg"_s, exchange::kExchangeFileName}));
  EXPECT_EQ(bytesAt(exported.filePath(u"カレー.BMP"_s)), QByteArray("bitmap"));
}

// An export killed partway (here by the file size limit's signal, while it copies a picture)
// leaves no numbered folder; the next start removes what it left, and numbering goes on at 000.
TEST_F(ExchangeFileTest, AKilledExportLeavesNoNumberedFolder) {
  writeBook(bytesOf({recipe(u"カレー"_s)}));
  book.writeBytes(u"カレー.jpg"_s, QByteArray(200'000, 'j'));
  const RecipeTable loaded = table();
  const pid_t child = fork();
  if (child == 0) {
    signal(SIGXFSZ, SIG_DFL);
    rlimit limit{20'000, 20'000};
    setrlimit(RLIMIT_FSIZE, &limit);
    exchange::ExportRecipes(folder(), loaded, {1});
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
  const QDir dir(book.folder());
  EXPECT_EQ(dir.entryList({u"追加レシピ*"_s}, QDir::AllEntries), QStringList());
  EXPECT_EQ(dir.entryList({exchange::kUnfinishedExportPrefix + u"*"_s}, QDir::Dirs | QDir::Hidden).size(), 1);

  exchange::RemoveUnfinishedExports(book.folder());
  EXPECT_EQ(dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), (QStringList{u"カレー.jpg"_s, kBook}));
  EXPECT_EQ(valueOf(exchange::ExportRecipes(folder(), loaded, {1})).folderName, u"追加レシピ000"_s);
  EXPECT_EQ(bytesAt(book.path(u"追加レシピ000/カレー.jpg"_s)).size(), 200'000);
}

TEST_F(ExchangeFileTest, ExportRefusesARecipeFileChangedSinceItWasLoaded) {
  writeBook(bytesOf({recipe(u"カレー"_s), recipe(u"サラダ"_s)}));
  const RecipeTable loaded = table();
  writeBook(bytesOf({recipe(u"サラダ"_s)}));
  const FileError error = errorOf(exchange::ExportRecipes(folder(), loaded, {1}));
  EXPECT_EQ(error.kind, FileError::Kind::Refused);
  EXPECT_FALSE(QDir(book.path(u"追加レシピ000"_s)).exists());
}

// Reading an exchange file.

TEST_F(ExchangeFileTest, ReadingListsTheDishNamesInFileOrder) {
  // A memo line that looks like a dish-name line is part of its record.
  book.writeBytes(u"x.TXT"_s,
                  bytesOf({recipe(u"カレー"_s, u"【料理名　】偽物"_s), recipe(u"サラダ"_s)}) + oddRecord(u"スープ"_s) + "\r\n\r\n");
  const auto file = valueOf(exchange::ReadExchangeFile(book.path(u"x.TXT"_s)));
  QStringList names;
  for (const auto& record : file.records) names.append(record.dishName);
  EXPECT_EQ(names, (QStringList{u"カレー"_s, u"サラダ"_s, u"スープ"_s}));
}

TEST_F(ExchangeFileTest, FileWithoutDishNameLinesIsNoExchangeData) {
  book.writeLines(u"memo.TXT"_s, {u"買い物メモ"_s, u"にんじん"_s});
  EXPECT_TRUE(valueOf(exchange::ReadExchangeFile(book.path(u"memo.TXT"_s))).records.empty());
}

struct BadExchangeFile {
  std::string name;
  QByteArray bytes;
  FileError::Kind kind;
  int line;
};

class BadExchangeFiles : public ExchangeFileTest, public ::testing::WithParamInterface<BadExchangeFile> {};

TEST_P(BadExchangeFiles, AreRefusedWithTheirLine) {
  book.writeBytes(u"x.TXT"_s, GetParam().bytes);
  const FileError error = errorOf(exchange::ReadExchangeFile(book.path(u"x.TXT"_s)));
  EXPECT_EQ(error.kind, GetParam().kind);
  EXPECT_EQ(error.line, GetParam().line);
}

QByteArray withoutLastLine(const QStringList& lines) { return sjisLines(lines.mid(0, lines.size() - 1)); }

const BadExchangeFile kBadExchangeFiles[] = {
    {"RecordThatDoesNotEnd", bytesOf({recipe(u"カレー"_s)}) + withoutLastLine(recipe(u"サラダ"_s)),
     FileError::Kind::Unfinished, 25},
    {"BytesThatAreNotCp932", bytesOf({recipe(u"カレー"_s)}).replace(sjis(u"牛肉"_s), "\x81\x20"), FileError::Kind::NotCp932,
     16},
    {"TextAfterTheLastRecord", bytesOf({recipe(u"カレー"_s)}) + sjisLines({u"おまけ"_s}), FileError::Kind::Malformed, 25},
    {"RecordWithoutItsDishNameLine",
     bytesOf({recipe(u"カレー"_s)}) + bytesOf({recipe(u"サラダ"_s)}).replace(sjis(u"【料理名　】"_s), "name:"),
     FileError::Kind::Malformed, 26},
};
INSTANTIATE_TEST_SUITE_P(Exchange, BadExchangeFiles, testing::ValuesIn(kBadExchangeFiles), ByName());

// Appending to the book.

TEST_F(ExchangeFileTest, AppendKeepsTheBookAndAddsTheChosenRecordsByteForByte) {
  const QByteArray old = bytesOf({recipe(u"肉じゃが"_s)});
  writeBook(old);
  // The exchange file's own line ends may be bare LFs; the book gets CR LF.
  const QByteArray salad = bytesOf({recipe(u"サラダ"_s)});
  QByteArray bareLf = salad;
  bareLf.replace("\r\n", "\n");
  book.writeBytes(u"x.TXT"_s, oddRecord(u"カレー"_s) + bareLf + oddRecord(u"スープ"_s));
  const auto file = valueOf(exchange::ReadExchangeFile(book.path(u"x.TXT"_s)));

  EXPECT_FALSE(exchange::AppendExchangeRecords(book.path(kBook), file, {0, 2}));
  EXPECT_EQ(book.bytes(kBook), old + oddRecord(u"カレー"_s) + oddRecord(u"スープ"_s));
  EXPECT_FALSE(exchange::AppendExchangeRecords(book.path(kBook), file, {1}));
  EXPECT_EQ(book.bytes(kBook), old + oddRecord(u"カレー"_s) + oddRecord(u"スープ"_s) + salad);
  EXPECT_EQ(table().count(), 4);
}

TEST_F(ExchangeFileTest, AppendDropsEmptyLinesAfterTheLastRecordSoTheBookReadsBack) {
  const QByteArray old = bytesOf({recipe(u"肉じゃが"_s)});
  const QByteArray lastLineWithoutEnd = old.left(old.size() - 2);
  for (const QByteArray& shape : {old + "\r\n\r\n", lastLineWithoutEnd, QByteArray("\r\n")}) {
    writeBook(shape);
    book.writeBytes(u"x.TXT"_s, bytesOf({recipe(u"カレー"_s)}));
    const auto file = valueOf(exchange::ReadExchangeFile(book.path(u"x.TXT"_s)));
    EXPECT_FALSE(exchange::AppendExchangeRecords(book.path(kBook), file, {0}));
    const QByteArray kept = shape.startsWith("\r\n") ? QByteArray() : old;
    EXPECT_EQ(book.bytes(kBook), kept + bytesOf({recipe(u"カレー"_s)}));
    EXPECT_EQ(table().count(), kept.isEmpty() ? 1 : 2);
  }
}

TEST_F(ExchangeFileTest, AppendRefusesABookThatIsNotSoundAndWritesNothing) {
  const QByteArray broken = withoutLastLine(recipe(u"肉じゃが"_s));
  writeBook(broken);
  book.writeBytes(u"x.TXT"_s, bytesOf({recipe(u"カレー"_s)}));
  const auto file = valueOf(exchange::ReadExchangeFile(book.path(u"x.TXT"_s)));
  const auto error = exchange::AppendExchangeRecords(book.path(kBook), file, {0});
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, FileError::Kind::Unfinished);
  EXPECT_EQ(book.bytes(kBook), broken);
}

TEST_F(ExchangeFileTest, AppendThatWouldPassTheRecipeLimitIsRefusedBeforeWriting) {
  const QByteArray one = bytesOf({recordLines({u"a"_s})});
  const QByteArray almostFull = one.repeated(kMaxRecipes - 1);
  writeBook(almostFull);
  book.writeBytes(u"x.TXT"_s, bytesOf({recipe(u"カレー"_s), recipe(u"サラダ"_s)}));
  const auto file = valueOf(exchange::ReadExchangeFile(book.path(u"x.TXT"_s)));

  const auto error = exchange::AppendExchangeRecords(book.path(kBook), file, {0, 1});
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, FileError::Kind::Refused);
  EXPECT_TRUE(error->message().contains(u"32766"_s));
  EXPECT_EQ(book.bytes(kBook).size(), almostFull.size());

  EXPECT_FALSE(exchange::AppendExchangeRecords(book.path(kBook), file, {1}));
  EXPECT_EQ(table().count(), kMaxRecipes);
}

TEST_F(ExchangeFileTest, SameFileIsRecognisedUnderAnotherPath) {
  writeBook({});
  book.writeBytes(u"other.TXT"_s, {});
  QDir(book.folder()).mkdir(u"sub"_s);
  QFile::link(book.path(kBook), book.path(u"link.TXT"_s));
  EXPECT_TRUE(exchange::IsSameFile(book.path(kBook), book.path(u"sub/../"_s + kBook)));
  EXPECT_TRUE(exchange::IsSameFile(book.path(kBook), book.path(u"link.TXT"_s)));
  EXPECT_FALSE(exchange::IsSameFile(book.path(kBook), book.path(u"other.TXT"_s)));
  EXPECT_FALSE(exchange::IsSameFile(book.path(kBook), book.path(u"missing.TXT"_s)));
}

}  // namespace
