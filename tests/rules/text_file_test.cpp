// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing whole CP932 text files, the quoted-field lines, and finding files by name
// without regard to letter case.
#include "platform/rules/text_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <ctime>

#include "platform/rules/data_folder.h"
#include "platform/rules/quoted_fields.h"
#include "platform/rules/system_errors.h"
#include "rules_test_util.h"
#include "support/temp_book.h"

namespace {

struct LineCase {
  std::string name;
  QByteArray bytes;
  QStringList lines;
};

const LineCase kLineCases[] = {
    {"CrLf", "\x93\xF7\r\nb\r\n", {u"肉"_s, u"b"_s}},
    {"LoneLf", "a\nb\n", {u"a"_s, u"b"_s}},
    {"MixedEnds", "a\r\nb\nc\r\n", {u"a"_s, u"b"_s, u"c"_s}},
    {"LastLineWithoutEnd", "a\r\nb", {u"a"_s, u"b"_s}},
    {"EmptyFile", "", {}},
    {"OnlyLineEnds", "\r\n\r\n", {QString(), QString()}},
    {"LoneCrStaysInLine", "a\rb\r\n", {u"a\rb"_s}},
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class ReadLines : public testing::TestWithParam<LineCase> {};

TEST_P(ReadLines, SplitsAtLineEnds) {
  TempBook book;
  book.writeBytes(u"f.txt"_s, GetParam().bytes);
  EXPECT_EQ(valueOf(text_file::readLines(book.path(u"f.txt"_s))), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(TextFile, ReadLines, testing::ValuesIn(kLineCases), ByName());

// The system's English words for common failures reach the user in Japanese; others as they are.
TEST(TextFile, CommonSystemErrorsAreToldInJapanese) {
  const std::pair<FileError::Kind, const char*> cases[] = {{FileError::Kind::WriteFailed, "Read-only file system"},
                                                           {FileError::Kind::WriteFailed, "No space left on device"},
                                                           {FileError::Kind::Unreadable, "Permission denied"},
                                                           {FileError::Kind::Unreadable, "Input/output error"}};
  for (const auto& [kind, english] : cases) {
    const QString message = FileError{kind, u"a.TXT"_s, 0, QString::fromLatin1(english)}.message();
    EXPECT_FALSE(message.contains(QString::fromLatin1(english))) << message.toStdString();
    EXPECT_NE(SystemErrorInJapanese(QString::fromLatin1(english)), QString::fromLatin1(english)) << english;
  }
  const FileError other{FileError::Kind::WriteFailed, u"a.TXT"_s, 0, u"Stale file handle?"_s};
  EXPECT_TRUE(other.message().endsWith(u"Stale file handle?"_s));
  EXPECT_EQ(SystemErrorInJapanese(u"Read-only file system"_s), u"読み取り専用の場所のため、書き込めません。"_s);
}

TEST(TextFile, MissingFileIsReportedAsMissing) {
  TempBook book;
  const FileError error = errorOf(text_file::readLines(book.path(u"無い.txt"_s)));
  EXPECT_EQ(error.kind, FileError::Kind::Missing);
  EXPECT_EQ(error.path, book.path(u"無い.txt"_s));
}

TEST(TextFile, UndecodableByteIsReportedWithItsLine) {
  TempBook book;
  book.writeBytes(u"f.txt"_s, "\x93\xF7\r\nok\r\nbad\xFF\r\nmore\r\n");
  const FileError error = errorOf(text_file::readLines(book.path(u"f.txt"_s)));
  EXPECT_EQ(error.kind, FileError::Kind::NotCp932);
  EXPECT_EQ(error.line, 3);
  EXPECT_TRUE(error.message().contains(u"3行目"_s));
}

TEST(TextFile, WriteLinesWritesCp932WithCrLfAfterEveryLine) {
  TempBook book;
  const QString path = book.path(u"f.txt"_s);
  ASSERT_FALSE(text_file::writeLines(path, {u"【一人分㌍】350"_s, QString(), u"ｱ～"_s}));
  EXPECT_EQ(book.bytes(u"f.txt"_s), QByteArray("\x81\x79\x88\xEA\x90\x6C\x95\xAA\x87\x69\x81\x7A"
                                               "350\r\n\r\n\xB1\x81\x60\r\n"));
  ASSERT_FALSE(text_file::writeLines(path, {}));
  EXPECT_EQ(book.bytes(u"f.txt"_s), QByteArray());
  // Nothing but the file itself is left in the folder.
  EXPECT_EQ(QDir(book.folder()).entryList(QDir::Files | QDir::Hidden), QStringList{u"f.txt"_s});
}

TEST(TextFile, WriteLinesRefusesUnencodableTextAndKeepsTheOldFile) {
  TempBook book;
  const QByteArray old = "old\r\n\x93\xF7\r\n";
  book.writeBytes(u"f.txt"_s, old);
  const auto error = text_file::writeLines(book.path(u"f.txt"_s), {u"new"_s, u"caf\u00E9"_s});
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, FileError::Kind::Unencodable);
  EXPECT_EQ(error->line, 2);
  EXPECT_TRUE(error->message().contains(u"U+00E9"_s));
  EXPECT_EQ(book.bytes(u"f.txt"_s), old);
}

TEST(TextFile, AppendLinesKeepsOldBytesAndAddsLines) {
  TempBook book;
  // The old content holds a lone LF and a line the encoder would write differently: both stay.
  const QByteArray old = "a\nb\r\n\x87\x9A\r\n";
  book.writeBytes(u"f.txt"_s, old);
  ASSERT_FALSE(text_file::appendLines(book.path(u"f.txt"_s), {u"肉"_s, QString()}));
  EXPECT_EQ(book.bytes(u"f.txt"_s), old + "\x93\xF7\r\n\r\n");
}

TEST(TextFile, AppendLinesEndsAnUnterminatedLastLineFirst) {
  TempBook book;
  book.writeBytes(u"f.txt"_s, "a\r\nb");
  ASSERT_FALSE(text_file::appendLines(book.path(u"f.txt"_s), {u"c"_s}));
  EXPECT_EQ(book.bytes(u"f.txt"_s), QByteArray("a\r\nb\r\nc\r\n"));
}

TEST(TextFile, AppendLinesRefusesUnencodableTextAndKeepsTheOldFile) {
  TempBook book;
  const QByteArray old = "keep\r\n";
  book.writeBytes(u"f.txt"_s, old);
  const auto error = text_file::appendLines(book.path(u"f.txt"_s), {u"ok"_s, u"😀"_s});
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, FileError::Kind::Unencodable);
  EXPECT_EQ(book.bytes(u"f.txt"_s), old);
}

TEST(TextFile, WriteIntoAMissingFolderFails) {
  TempBook book;
  const QString path = book.path(u"無いフォルダ/f.txt"_s);
  const auto error = text_file::writeLines(path, {u"x"_s});
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, FileError::Kind::WriteFailed);
  EXPECT_FALSE(QFile::exists(path));
}

// A write the file system refuses fails and leaves what was there. A folder standing where the
// file should be refuses for root too (CI runs as root); a read-only folder only for others.
TEST(TextFile, WriteThatTheFileSystemRefusesFailsAndLeavesWhatWasThere) {
  TempBook book;
  QDir(book.folder()).mkdir(u"f.txt"_s);
  book.writeBytes(u"f.txt/inside"_s, "old\r\n");
  const auto rewrite = text_file::writeLines(book.path(u"f.txt"_s), {u"new"_s});
  const auto append = text_file::appendLines(book.path(u"f.txt"_s), {u"new"_s});
  ASSERT_TRUE(rewrite);
  EXPECT_EQ(rewrite->kind, FileError::Kind::WriteFailed);
  EXPECT_TRUE(rewrite->message().contains(u"元の内容はそのまま残っています"_s));
  ASSERT_TRUE(append);
  EXPECT_NE(append->kind, FileError::Kind::Refused);
  EXPECT_EQ(book.bytes(u"f.txt/inside"_s), QByteArray("old\r\n"));
  EXPECT_EQ(QDir(book.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{u"f.txt"_s});

  if (geteuid() == 0) return;  // permissions do not stop root
  const QByteArray old = "old\r\n";
  book.writeBytes(u"g.txt"_s, old);
  QFile::setPermissions(book.folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  const auto readOnlyRewrite = text_file::writeLines(book.path(u"g.txt"_s), {u"new"_s});
  const auto readOnlyAppend = text_file::appendLines(book.path(u"g.txt"_s), {u"new"_s});
  QFile::setPermissions(book.folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  ASSERT_TRUE(readOnlyRewrite);
  EXPECT_EQ(readOnlyRewrite->kind, FileError::Kind::WriteFailed);
  ASSERT_TRUE(readOnlyAppend);
  EXPECT_EQ(readOnlyAppend->kind, FileError::Kind::WriteFailed);
  EXPECT_EQ(book.bytes(u"g.txt"_s), old);
}

struct FieldCase {
  std::string name;
  QString line;
  QStringList fields;
};

const FieldCase kFieldCases[] = {
    {"Quoted", u"\"和食\""_s, {u"和食"_s}},
    {"QuotedKeepsInnerBlanksAndCommas", u"\" 中,華 \""_s, {u" 中,華 "_s}},
    {"BlanksAroundFields", u"  \"a\" , 2 "_s, {u"a"_s, u"2"_s}},
    {"UnquotedUpToComma", u" 和食 ,日本"_s, {u"和食"_s, u"日本"_s}},
    {"EmptyFields", u",,"_s, {QString(), QString(), QString()}},
    {"UnclosedQuoteRunsToLineEnd", u"\"abc"_s, {u"abc"_s}},
};

void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }

class QuotedFields : public testing::TestWithParam<FieldCase> {};

TEST_P(QuotedFields, SplitsFields) {
  EXPECT_EQ(quoted_fields::split(GetParam().line), GetParam().fields);
  EXPECT_EQ(quoted_fields::first(GetParam().line), GetParam().fields.value(0));
}

INSTANTIATE_TEST_SUITE_P(Lines, QuotedFields, testing::ValuesIn(kFieldCases), ByName());

TEST(DataFolder, FindsAFileWhateverTheLetterCase) {
  TempBook book;
  book.writeBytes(u"レシピ.TXT"_s, "x");
  const DataFolder folder(book.folder());
  EXPECT_EQ(folder.path(u"レシピ.txt"_s), book.path(u"レシピ.TXT"_s));
  EXPECT_EQ(folder.existing(u"レシピ.Txt"_s), book.path(u"レシピ.TXT"_s));
  EXPECT_TRUE(folder.exists(u"レシピ.txt"_s));
  // A missing file gets the name it was asked by.
  EXPECT_FALSE(folder.exists(u"設定.txt"_s));
  EXPECT_EQ(folder.path(u"設定.txt"_s), book.path(u"設定.txt"_s));
  // Only the letter case is ignored, not the width of kana or letters.
  EXPECT_FALSE(folder.exists(u"ﾚｼﾋﾟ.txt"_s));
}

TEST(DataFolder, SeesFilesCreatedAndRemovedAfterALookup) {
  TempBook book;
  const DataFolder folder(book.folder());
  EXPECT_FALSE(folder.exists(u"menu.txt"_s));
  book.writeBytes(u"MENU.TXT"_s, "x");
  EXPECT_EQ(folder.path(u"menu.txt"_s), book.path(u"MENU.TXT"_s));
  QFile::remove(book.path(u"MENU.TXT"_s));
  EXPECT_FALSE(folder.exists(u"menu.txt"_s));
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
  book.writeBytes(u"other.txt"_s, "x");
  pinFolderTime();
  const DataFolder folder(book.folder());
  EXPECT_FALSE(folder.exists(u"menu.txt"_s));
  book.writeBytes(u"MENU.TXT"_s, "x");
  pinFolderTime();
  EXPECT_EQ(folder.path(u"menu.txt"_s), book.path(u"MENU.TXT"_s));
}

}  // namespace
