// SPDX-License-Identifier: GPL-3.0-or-later
// A write that the system stops partway (a full disk) must be reported, and the file must keep
// its old content.
#include <gtest/gtest.h>

#include <QDir>

#include "store/rules/picture_files.h"
#include "platform/rules/text_file.h"
#include "rules_test_util.h"
#include "support/file_size_limit.h"
#include "support/temp_book.h"

namespace {

QByteArray filler(qsizetype size, char c) { return QByteArray(size, c); }

// Nothing but the named files is left in the folder (no temporary file).
void expectOnlyFiles(const TempBook& book, QStringList names) {
  names.sort();
  EXPECT_EQ(QDir(book.folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name), names);
}

struct CutCase {
  std::string name;
  qsizetype oldSize;
  qsizetype newSize;
  rlim_t limit;
};

// A small write goes through Qt's write buffer, a large one straight to the file.
const CutCase kCutCases[] = {
    {"SmallWrite", 300, 1000, 500},
    {"LargeWrite", 3000, 200'000, 70'000},
    {"NewFileWrittenPartly", 0, 1000, 100},
};

void PrintTo(const CutCase& c, std::ostream* os) { *os << c.name; }

class CutShortWrite : public testing::TestWithParam<CutCase> {};

TEST_P(CutShortWrite, IsReportedAndKeepsTheOldFile) {
  TempBook book;
  const QString path = book.path(u"f.txt"_s);
  const QByteArray old = filler(GetParam().oldSize, 'o');
  if (!old.isEmpty()) book.writeBytes(u"f.txt"_s, old);
  std::optional<FileError> error;
  {
    FileSizeLimit limit(GetParam().limit);
    error = text_file::writeBytes(path, filler(GetParam().newSize, 'n'));
  }
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, FileError::Kind::WriteFailed);
  if (old.isEmpty()) {
    EXPECT_FALSE(book.exists(u"f.txt"_s));
    expectOnlyFiles(book, {});
  } else {
    EXPECT_EQ(book.bytes(u"f.txt"_s), old);
    expectOnlyFiles(book, {u"f.txt"_s});
  }
}

INSTANTIATE_TEST_SUITE_P(TextFile, CutShortWrite, testing::ValuesIn(kCutCases), ByName());

TEST(CutShortWrite, WriteLinesAndAppendKeepTheOldFile) {
  TempBook book;
  const QByteArray old = "old\r\n" + filler(2000, 'o') + "\r\n";
  book.writeBytes(u"f.txt"_s, old);
  std::optional<FileError> rewrite, append;
  {
    FileSizeLimit limit(old.size() + 50);
    rewrite = text_file::writeLines(book.path(u"f.txt"_s), {QString(3000, u'n')});
    append = text_file::appendLines(book.path(u"f.txt"_s), {QString(100, u'n')});
  }
  ASSERT_TRUE(rewrite);
  EXPECT_EQ(rewrite->kind, FileError::Kind::WriteFailed);
  ASSERT_TRUE(append);
  EXPECT_EQ(append->kind, FileError::Kind::WriteFailed);
  EXPECT_EQ(book.bytes(u"f.txt"_s), old);
  expectOnlyFiles(book, {u"f.txt"_s});
  // With room enough the same append goes through.
  ASSERT_FALSE(text_file::appendLines(book.path(u"f.txt"_s), {QString(100, u'n')}));
  EXPECT_EQ(book.bytes(u"f.txt"_s), old + QByteArray(100, 'n') + "\r\n");
}

TEST(CutShortWrite, FilesWrittenTogetherAreAllKeptWhenOneFails) {
  TempBook book;
  book.writeBytes(u"a.txt"_s, "a\r\n");
  book.writeBytes(u"b.txt"_s, "b\r\n");
  std::optional<FileError> error;
  {
    FileSizeLimit limit(100);
    error = text_file::writeLinesTogether({{book.path(u"a.txt"_s), {u"short"_s}},
                                           {book.path(u"b.txt"_s), {QString(500, u'x')}}});
  }
  ASSERT_TRUE(error);
  EXPECT_EQ(error->path, book.path(u"b.txt"_s));
  EXPECT_EQ(book.bytes(u"a.txt"_s), QByteArray("a\r\n"));
  EXPECT_EQ(book.bytes(u"b.txt"_s), QByteArray("b\r\n"));
  expectOnlyFiles(book, {u"a.txt"_s, u"b.txt"_s});
}

class CutShortPictureCopy : public testing::TestWithParam<CutCase> {};

TEST_P(CutShortPictureCopy, IsReportedAndKeepsTheOldPicture) {
  TempBook book;
  book.writeBytes(u"source.jpg"_s, filler(GetParam().newSize, 'p'));
  const QByteArray old = filler(GetParam().oldSize, 'o');
  book.writeBytes(u"煮魚.jpg"_s, old);
  std::optional<QString> error;
  {
    FileSizeLimit limit(GetParam().limit);
    error = CopyPictureFile(book.path(u"source.jpg"_s), book.path(u"煮魚.jpg"_s));
  }
  EXPECT_TRUE(error);
  EXPECT_EQ(book.bytes(u"煮魚.jpg"_s), old);
  expectOnlyFiles(book, {u"source.jpg"_s, u"煮魚.jpg"_s});
}

const CutCase kPictureCases[] = {
    {"SmallPicture", 100, 10'000, 4096},
    {"LargePicture", 100, 3'000'000, 1'500'000},
};

INSTANTIATE_TEST_SUITE_P(Pictures, CutShortPictureCopy, testing::ValuesIn(kPictureCases), ByName());

}  // namespace
