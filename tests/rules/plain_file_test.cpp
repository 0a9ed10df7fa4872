// SPDX-License-Identifier: GPL-3.0-or-later
// Only regular files of sound size, and links that stay in their folder, are read: a pipe, a
// device or a link out of the folder is refused at once, without blocking or filling memory.
#include "platform/rules/plain_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <functional>

#include "exchange/rules/exchange_file.h"
#include "exchange/rules/exchange_pictures.h"
#include "platform/rules/data_folder.h"
#include "platform/rules/text_file.h"
#include "rules_test_util.h"
#include "support/hostile_files.h"
#include "support/temp_book.h"

namespace {

struct Entry {
  std::string name;
  std::function<void(const TempBook& folder, const TempBook& elsewhere)> make;  // makes "x"
  std::optional<QByteArray> read;  // the bytes read, or nothing when refused
  FileError::Kind refusal = FileError::Kind::Unreadable;
  QString reason;  // part of the message of a refusal
};

const QString kNotPlain = u"普通のファイルではない"_s;
const QString kOutside = u"フォルダの外"_s;

const Entry kEntries[] = {
    {"RegularFile", [](const TempBook& f, const TempBook&) { f.writeBytes(u"x"_s, "bytes"); }, QByteArray("bytes")},
    {"EmptyFile", [](const TempBook& f, const TempBook&) { f.writeBytes(u"x"_s, ""); }, QByteArray()},
    {"FileAtTheCap", [](const TempBook& f, const TempBook&) { f.writeBytes(u"x"_s, QByteArray(1024, 'a')); },
     QByteArray(1024, 'a')},
    {"FileOverTheCap", [](const TempBook& f, const TempBook&) { MakeSparseFile(f.path(u"x"_s), 1025); }, std::nullopt,
     FileError::Kind::Unreadable, u"大きすぎる"_s},
    {"NamedPipe", [](const TempBook& f, const TempBook&) { MakeFifo(f.path(u"x"_s)); }, std::nullopt,
     FileError::Kind::Unreadable, kNotPlain},
    {"LinkToDevZero", [](const TempBook& f, const TempBook&) { MakeLink(u"/dev/zero"_s, f.path(u"x"_s)); }, std::nullopt,
     FileError::Kind::Unreadable, kOutside},
    {"LinkToAPipeInTheFolder",
     [](const TempBook& f, const TempBook&) {
       MakeFifo(f.path(u"pipe"_s));
       MakeLink(u"pipe"_s, f.path(u"x"_s));
     },
     std::nullopt, FileError::Kind::Unreadable, kNotPlain},
    {"LinkOutOfTheFolder",
     [](const TempBook& f, const TempBook& elsewhere) {
       elsewhere.writeBytes(u"private"_s, "secret");
       MakeLink(elsewhere.path(u"private"_s), f.path(u"x"_s));
     },
     std::nullopt, FileError::Kind::Unreadable, kOutside},
    {"LinkWithinTheFolder",
     [](const TempBook& f, const TempBook&) {
       QDir(f.folder()).mkdir(u"sub"_s);
       f.writeBytes(u"sub/y"_s, "inside");
       MakeLink(u"sub/../sub/y"_s, f.path(u"x"_s));
     },
     QByteArray("inside")},
    {"DanglingLink", [](const TempBook& f, const TempBook&) { MakeLink(u"nowhere"_s, f.path(u"x"_s)); }, std::nullopt,
     FileError::Kind::Missing},
    {"Folder", [](const TempBook& f, const TempBook&) { QDir(f.folder()).mkdir(u"x"_s); }, std::nullopt,
     FileError::Kind::Unreadable, kNotPlain},
    {"Nothing", [](const TempBook&, const TempBook&) {}, std::nullopt, FileError::Kind::Missing},
};

class PlainFiles : public ::testing::TestWithParam<Entry> {};

TEST_P(PlainFiles, AreReadAndAllElseRefusedAtOnce) {
  TempBook folder, elsewhere;
  GetParam().make(folder, elsewhere);
  auto read = plain_file::read(folder.path(u"x"_s), 1024);
  if (GetParam().read) {
    EXPECT_EQ(valueOf(std::move(read)), *GetParam().read);
    return;
  }
  const FileError error = errorOf(std::move(read));
  EXPECT_EQ(error.kind, GetParam().refusal);
  EXPECT_TRUE(error.message().contains(GetParam().reason)) << error.message().toStdString();
  EXPECT_TRUE(error.message().contains(folder.path(u"x"_s))) << error.message().toStdString();
}
INSTANTIATE_TEST_SUITE_P(Reading, PlainFiles, testing::ValuesIn(kEntries), ByName());

// The data files and the exchange file each have their cap; a sparse file costs no disk.
TEST(PlainFileCaps, DataAndExchangeFilesOverTheirCapAreRefused) {
  TempBook folder;
  MakeSparseFile(folder.path(u"data.TXT"_s), plain_file::kDataFileCap + 1);
  EXPECT_TRUE(errorOf(text_file::readLines(folder.path(u"data.TXT"_s))).message().contains(u"256 MBまで"_s));
  MakeSparseFile(folder.path(u"x.TXT"_s), plain_file::kExchangeFileCap + 1);
  EXPECT_TRUE(errorOf(exchange::ReadExchangeFile(folder.path(u"x.TXT"_s))).message().contains(u"64 MBまで"_s));
  // Under the cap but nothing but line ends: refused before its lines are indexed.
  folder.writeBytes(u"lf.TXT"_s, QByteArray(4'000'001, '\n'));
  EXPECT_TRUE(errorOf(exchange::ReadExchangeFile(folder.path(u"lf.TXT"_s))).message().contains(u"行が多すぎる"_s));
}

// A pipe or a device link named like a picture is no picture of the folder, in whatever case.
TEST(PlainFileLookup, TheFolderFindsOnlyFilesAndLinksToFiles) {
  TempBook folder;
  MakeFifo(folder.path(u"肉じゃが.jpg"_s));
  MakeLink(u"/dev/zero"_s, folder.path(u"カレー.JPG"_s));
  MakeLink(u"nowhere"_s, folder.path(u"煮魚.jpg"_s));
  folder.writeBytes(u"サラダ.JPG"_s, "jpeg");
  const DataFolder data(folder.folder());
  for (const QString& name : {u"肉じゃが.jpg"_s, u"肉じゃが.JPG"_s, u"カレー.JPG"_s, u"カレー.jpg"_s, u"煮魚.jpg"_s})
    EXPECT_EQ(data.existing(name), QString()) << name.toStdString();
  EXPECT_EQ(data.existing(u"サラダ.jpg"_s), folder.path(u"サラダ.JPG"_s));
}

// Pictures beside an exchange file come in only when they are plain files of its folder and the
// book does not already hold the same bytes.
TEST(PlainFileLookup, OnlyPlainPicturesWithNewContentsAreImported) {
  TempBook from, to, elsewhere;
  elsewhere.writeBytes(u"private.jpg"_s, "secret");
  MakeLink(elsewhere.path(u"private.jpg"_s), from.path(u"カレー.jpg"_s));
  MakeLink(u"/dev/zero"_s, from.path(u"カレー.gif"_s));
  MakeFifo(from.path(u"カレー.bmp"_s));
  EXPECT_TRUE(exchange::PicturesToImport(DataFolder(from.folder()), DataFolder(to.folder()), u"カレー"_s).empty());

  from.writeBytes(u"サラダ.jpg"_s, "same");
  to.writeBytes(u"サラダ.JPG"_s, "same");
  from.writeBytes(u"サラダ.gif"_s, "new gif");
  to.writeBytes(u"サラダ.gif"_s, "old gif");
  const auto copies = exchange::PicturesToImport(DataFolder(from.folder()), DataFolder(to.folder()), u"サラダ"_s);
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0].target, to.path(u"サラダ.gif"_s));
  EXPECT_TRUE(copies[0].replaces);
  EXPECT_EQ(copies[0].bytes, QByteArray("new gif"));
}

}  // namespace
