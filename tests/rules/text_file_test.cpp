// Reading and writing whole CP932 text files, the quoted-field lines, and finding files by name
// without regard to letter case.
#include "platform/rules/text_file.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

#include <QDir>
#include <QFile>
#include <QFileDevice>

#include "platform/rules/data_folder.h"
#include "platform/rules/quoted_fields.h"
#include "rules_test_util.h"
#include "support/temp_book.h"

namespace {

struct LineCase {
  std::string name;
  QByteArray bytes;
  QStringList lines;
};

const LineCase kLineCases[] = {
    {"CrLf", "\x93\xF7\r\nb\r\n", {QStringLiteral("肉"), QStringLiteral("b")}},
    {"LoneLf", "a\nb\n", {QStringLiteral("a"), QStringLiteral("b")}},
    {"MixedEnds", "a\r\nb\nc\r\n", {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}},
    {"LastLineWithoutEnd", "a\r\nb", {QStringLiteral("a"), QStringLiteral("b")}},
    {"SingleLineWithoutEnd", "\x81\x60", {QStringLiteral("\uFF5E")}},
    {"EmptyFile", "", {}},
    {"OnlyLineEnds", "\r\n\r\n", {QString(), QString()}},
    {"EmptyLineInside", "a\r\n\r\nb\r\n", {QStringLiteral("a"), QString(), QStringLiteral("b")}},
    {"LoneCrStaysInLine", "a\rb\r\n", {QStringLiteral("a\rb")}},
    {"BlanksKept", " a \t\r\n", {QStringLiteral(" a \t")}},
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class ReadLines : public testing::TestWithParam<LineCase> {};

TEST_P(ReadLines, SplitsAtLineEnds) {
  TempBook book;
  book.writeBytes(QStringLiteral("f.txt"), GetParam().bytes);
  EXPECT_EQ(valueOf(text_file::readLines(book.path(QStringLiteral("f.txt")))), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(TextFile, ReadLines, testing::ValuesIn(kLineCases), ByName());

TEST(TextFile, MissingFileIsReportedAsMissing) {
  TempBook book;
  const FileError error = errorOf(text_file::readLines(book.path(QStringLiteral("無い.txt"))));
  EXPECT_EQ(error.kind, FileError::Kind::Missing);
  EXPECT_EQ(error.path, book.path(QStringLiteral("無い.txt")));
}

TEST(TextFile, UndecodableByteIsReportedWithItsLine) {
  TempBook book;
  book.writeBytes(QStringLiteral("f.txt"), "\x93\xF7\r\nok\r\nbad\xFF\r\nmore\r\n");
  const FileError error = errorOf(text_file::readLines(book.path(QStringLiteral("f.txt"))));
  EXPECT_EQ(error.kind, FileError::Kind::NotCp932);
  EXPECT_EQ(error.line, 3);
  EXPECT_TRUE(error.message().contains(QStringLiteral("3行目")));
}

TEST(TextFile, WriteLinesWritesCp932WithCrLfAfterEveryLine) {
  TempBook book;
  const QString path = book.path(QStringLiteral("f.txt"));
  ASSERT_FALSE(text_file::writeLines(path, {QStringLiteral("【一人分㌍】350"), QString(), QStringLiteral("ｱ～")}));
  EXPECT_EQ(book.bytes(QStringLiteral("f.txt")),
            QByteArray("\x81\x79\x88\xEA\x90\x6C\x95\xAA\x87\x69\x81\x7A" "350\r\n\r\n\xB1\x81\x60\r\n"));
  ASSERT_FALSE(text_file::writeLines(path, {}));
  EXPECT_EQ(book.bytes(QStringLiteral("f.txt")), QByteArray());
  // Nothing but the file itself is left in the folder.
  EXPECT_EQ(QDir(book.folder()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("f.txt")});
}

TEST(TextFile, WriteLinesRefusesUnencodableTextAndKeepsTheOldFile) {
  TempBook book;
  const QByteArray old = "old\r\n\x93\xF7\r\n";
  book.writeBytes(QStringLiteral("f.txt"), old);
  const auto error = text_file::writeLines(book.path(QStringLiteral("f.txt")),
                                           {QStringLiteral("new"), QStringLiteral("caf\u00E9")});
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, FileError::Kind::Unencodable);
  EXPECT_EQ(error->line, 2);
  EXPECT_TRUE(error->message().contains(QStringLiteral("U+00E9")));
  EXPECT_EQ(book.bytes(QStringLiteral("f.txt")), old);
}

TEST(TextFile, AppendLinesKeepsOldBytesAndAddsLines) {
  TempBook book;
  // The old content holds a lone LF and a line the encoder would write differently: both stay.
  const QByteArray old = "a\nb\r\n\x87\x9A\r\n";
  book.writeBytes(QStringLiteral("f.txt"), old);
  ASSERT_FALSE(text_file::appendLines(book.path(QStringLiteral("f.txt")), {QStringLiteral("肉"), QString()}));
  EXPECT_EQ(book.bytes(QStringLiteral("f.txt")), old + "\x93\xF7\r\n\r\n");
}

TEST(TextFile, AppendLinesEndsAnUnterminatedLastLineFirst) {
  TempBook book;
  book.writeBytes(QStringLiteral("f.txt"), "a\r\nb");
  ASSERT_FALSE(text_file::appendLines(book.path(QStringLiteral("f.txt")), {QStringLiteral("c")}));
  EXPECT_EQ(book.bytes(QStringLiteral("f.txt")), QByteArray("a\r\nb\r\nc\r\n"));
}

TEST(TextFile, AppendLinesCreatesAMissingFile) {
  TempBook book;
  ASSERT_FALSE(text_file::appendLines(book.path(QStringLiteral("新.txt")), {QStringLiteral("x")}));
  EXPECT_EQ(book.bytes(QStringLiteral("新.txt")), QByteArray("x\r\n"));
}

TEST(TextFile, AppendLinesRefusesUnencodableTextAndKeepsTheOldFile) {
  TempBook book;
  const QByteArray old = "keep\r\n";
  book.writeBytes(QStringLiteral("f.txt"), old);
  const auto error = text_file::appendLines(book.path(QStringLiteral("f.txt")), {QStringLiteral("ok"), QStringLiteral("😀")});
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, FileError::Kind::Unencodable);
  EXPECT_EQ(book.bytes(QStringLiteral("f.txt")), old);
}

TEST(TextFile, WriteIntoAMissingFolderFails) {
  TempBook book;
  const QString path = book.path(QStringLiteral("無いフォルダ/f.txt"));
  const auto error = text_file::writeLines(path, {QStringLiteral("x")});
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, FileError::Kind::WriteFailed);
  EXPECT_FALSE(QFile::exists(path));
}

TEST(TextFile, WriteIntoAReadOnlyFolderFailsAndKeepsTheOldFile) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop root from writing";
  TempBook book;
  const QByteArray old = "old\r\n";
  book.writeBytes(QStringLiteral("f.txt"), old);
  QFile::setPermissions(book.folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  const auto rewrite = text_file::writeLines(book.path(QStringLiteral("f.txt")), {QStringLiteral("new")});
  const auto append = text_file::appendLines(book.path(QStringLiteral("f.txt")), {QStringLiteral("new")});
  QFile::setPermissions(book.folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  ASSERT_TRUE(rewrite);
  EXPECT_EQ(rewrite->kind, FileError::Kind::WriteFailed);
  ASSERT_TRUE(append);
  EXPECT_EQ(append->kind, FileError::Kind::WriteFailed);
  EXPECT_EQ(book.bytes(QStringLiteral("f.txt")), old);
}

struct FieldCase {
  std::string name;
  QString line;
  QStringList fields;
};

const FieldCase kFieldCases[] = {
    {"Quoted", QStringLiteral("\"和食\""), {QStringLiteral("和食")}},
    {"QuotedKeepsInnerBlanksAndCommas", QStringLiteral("\" 中,華 \""), {QStringLiteral(" 中,華 ")}},
    {"QuotedThenNumber", QStringLiteral("\"ヘルプツアー\",1"), {QStringLiteral("ヘルプツアー"), QStringLiteral("1")}},
    {"BlanksAroundFields", QStringLiteral("  \"a\" , 2 "), {QStringLiteral("a"), QStringLiteral("2")}},
    {"UnquotedUpToComma", QStringLiteral(" 和食 ,日本"), {QStringLiteral("和食"), QStringLiteral("日本")}},
    {"BareNumberWithBlanks", QStringLiteral(" 100 "), {QStringLiteral("100")}},
    {"EmptyFields", QStringLiteral(",,"), {QString(), QString(), QString()}},
    {"EmptyLine", QString(), {QString()}},
    {"UnclosedQuoteRunsToLineEnd", QStringLiteral("\"abc"), {QStringLiteral("abc")}},
};

void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }

class QuotedFields : public testing::TestWithParam<FieldCase> {};

TEST_P(QuotedFields, SplitsFields) {
  EXPECT_EQ(quoted_fields::split(GetParam().line), GetParam().fields);
  EXPECT_EQ(quoted_fields::first(GetParam().line), GetParam().fields.value(0));
}

INSTANTIATE_TEST_SUITE_P(Lines, QuotedFields, testing::ValuesIn(kFieldCases), ByName());

TEST(QuotedFields, QuoteRoundTripsTextWithoutDoubleQuote) {
  for (const QString& text : {QStringLiteral("和食"), QStringLiteral(" a,b "), QString()}) {
    ASSERT_TRUE(quoted_fields::canQuote(text));
    EXPECT_EQ(quoted_fields::first(quoted_fields::quote(text)), text);
  }
  EXPECT_FALSE(quoted_fields::canQuote(QStringLiteral("5\"")));
}

TEST(DataFolder, FindsAFileWhateverTheLetterCase) {
  TempBook book;
  book.writeBytes(QStringLiteral("レシピ.TXT"), "x");
  const DataFolder folder(book.folder());
  EXPECT_EQ(folder.path(QStringLiteral("レシピ.txt")), book.path(QStringLiteral("レシピ.TXT")));
  EXPECT_EQ(folder.existing(QStringLiteral("レシピ.Txt")), book.path(QStringLiteral("レシピ.TXT")));
  EXPECT_TRUE(folder.exists(QStringLiteral("レシピ.txt")));
  // A missing file gets the name it was asked by.
  EXPECT_FALSE(folder.exists(QStringLiteral("設定.txt")));
  EXPECT_EQ(folder.path(QStringLiteral("設定.txt")), book.path(QStringLiteral("設定.txt")));
  // Only the letter case is ignored, not the width of kana or letters.
  EXPECT_FALSE(folder.exists(QStringLiteral("ﾚｼﾋﾟ.txt")));
}

TEST(DataFolder, SeesFilesCreatedAndRemovedAfterALookup) {
  TempBook book;
  const DataFolder folder(book.folder());
  EXPECT_FALSE(folder.exists(QStringLiteral("menu.txt")));
  book.writeBytes(QStringLiteral("MENU.TXT"), "x");
  EXPECT_EQ(folder.path(QStringLiteral("menu.txt")), book.path(QStringLiteral("MENU.TXT")));
  QFile::remove(book.path(QStringLiteral("MENU.TXT")));
  EXPECT_FALSE(folder.exists(QStringLiteral("menu.txt")));
}

// A folder's modification time only moves on a clock tick (several milliseconds, two seconds on
// some file systems). A file created in the same tick as a lookup must still be found, or the
// next write under the other spelling creates a second file.
TEST(DataFolder, SeesAFileCreatedWithinTheSameFolderTimestamp) {
  TempBook book;
  const QByteArray dir = QFile::encodeName(book.folder());
  const timespec stamp{::time(nullptr), 0};  // "now", as both changes fall in one tick
  auto pinFolderTime = [&] {
    const timespec times[2] = {stamp, stamp};
    ASSERT_EQ(::utimensat(AT_FDCWD, dir.constData(), times, 0), 0);
  };
  book.writeBytes(QStringLiteral("other.txt"), "x");
  pinFolderTime();
  const DataFolder folder(book.folder());
  EXPECT_FALSE(folder.exists(QStringLiteral("menu.txt")));
  book.writeBytes(QStringLiteral("MENU.TXT"), "x");
  pinFolderTime();
  EXPECT_EQ(folder.path(QStringLiteral("menu.txt")), book.path(QStringLiteral("MENU.TXT")));
}

}  // namespace
