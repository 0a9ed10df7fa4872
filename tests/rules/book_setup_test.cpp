// SPDX-License-Identifier: GPL-3.0-or-later
// Setting up a recipe book in a folder on first start, and leaving an existing one alone.
#include "store/rules/book_setup.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHash>

#include "rules_test_util.h"
#include "store/rules/book.h"
#include "store/rules/category_lists.h"
#include "store/rules/profile_file.h"
#include "store/rules/recipe_file.h"
#include "store/rules/reference_list.h"
#include "store/rules/settings_file.h"
#include "support/temp_book.h"

namespace {

TEST(BookSetup, StartupFilesAreTheSevenDataFiles) {
  QStringList names = StartupFileNames();
  names.sort();
  QStringList expected = {kProfileFileName,   kGenreFile.fileName,    kKindFile.fileName, kMethodFile.fileName,
                          kReferenceFileName, recipe_file::kFileName, kSettingsFileName};
  expected.sort();
  EXPECT_EQ(names, expected);
}

TEST(BookSetup, AnEmptyFolderGetsABookThatLoads) {
  TempBook book;
  const DataFolder folder(QDir(book.folder()).filePath(u"新しい本"_s));  // not there yet
  const BookSetup setup = EnsureBook(folder);
  ASSERT_FALSE(setup.error) << setup.error->message().toStdString();
  EXPECT_TRUE(setup.newBook);
  EXPECT_EQ(setup.createdFiles, StartupFileNames());
  for (const QString& name : StartupFileNames()) EXPECT_TRUE(folder.exists(name)) << name.toStdString();

  const LoadedBook loaded = valueOf(LoadBook(folder));
  EXPECT_EQ(loaded.Lists.GenreList.size(), 7);
  EXPECT_EQ(loaded.Lists.KindList.size(), 10);
  EXPECT_EQ(loaded.Lists.MethodList.size(), 10);
  EXPECT_FALSE(loaded.Lists.GenreList.first().isEmpty());
  EXPECT_FALSE(loaded.Lists.MethodList[8].isEmpty());
  EXPECT_FALSE(loaded.Prof.Nickname.isEmpty());
  EXPECT_GT(loaded.Prof.TargetPoints, 0);
  EXPECT_TRUE(loaded.Prof.PhotoMode == kPhotoShown || loaded.Prof.PhotoMode == kPhotoHidden);
  EXPECT_TRUE(loaded.HelpTourOn == 0 || loaded.HelpTourOn == 1);
  // Every shipped recipe can be stored again as it is.
  for (int i = 1; i <= loaded.Recipes.count(); ++i) EXPECT_FALSE(loaded.Recipes[i].DishName.isEmpty());
  const auto rewritten = recipe_file::RewriteRecipeFile(folder.path(recipe_file::kFileName), loaded.Recipes);
  ASSERT_TRUE(std::holds_alternative<RecipeTable>(rewritten)) << std::get<FileError>(rewritten).message().toStdString();
}

TEST(LoadBook, ReadsEveryFileOfTheBook) {
  TempBook book;
  book.writeStandardFiles();
  book.writeLines(kReferenceFileName, {u"料理の本"_s, u"母"_s});
  book.writeLines(kSettingsFileName, {u"\"ヘルプツアー\",1"_s});
  book.writeLines(recipe_file::kFileName, recordLines({u"肉じゃが"_s, u"和食"_s, u"主菜"_s, u"煮る"_s, u"350"_s, u"2"_s,
                                                      u"40"_s, u"良"_s, u"未"_s, u"1"_s, u"料理の本"_s}));
  const LoadedBook loaded = valueOf(LoadBook(DataFolder(book.folder())));
  EXPECT_EQ(loaded.Prof.Nickname, u"花子"_s);
  EXPECT_EQ(loaded.Lists.GenreList.first(), u"和食"_s);
  EXPECT_EQ(loaded.Lists.MethodList.last(), kOther);
  EXPECT_EQ(loaded.References, (QStringList{u"料理の本"_s, u"母"_s}));
  ASSERT_EQ(loaded.Recipes.count(), 1);
  EXPECT_EQ(loaded.Recipes[1].DishName, u"肉じゃが"_s);
  EXPECT_EQ(loaded.HelpTourOn, 1);
}

// A file that cannot be read: the book's files are read in order, and the first failure is the
// one told; when a file is missing too, nothing is created beside the broken one.
struct BrokenFileCase {
  std::string name;
  QString file;
  QByteArray bytes;
  FileError::Kind kind;
};

const BrokenFileCase kBrokenFiles[] = {
    {"RecipeFileCutShort", recipe_file::kFileName, QByteArray(31, '*') + "\r\n", FileError::Kind::Unfinished},
    {"GenreFileNotCp932", kGenreFile.fileName, "\"\xFF\"\r\n", FileError::Kind::NotCp932},
    {"SettingsWithoutFlag", kSettingsFileName, "x\r\n", FileError::Kind::Malformed},
};

void PrintTo(const BrokenFileCase& c, std::ostream* os) { *os << c.name; }

class BrokenFile : public testing::TestWithParam<BrokenFileCase> {};

TEST_P(BrokenFile, StopsLoadBookWithThatFile) {
  TempBook book;
  book.writeStandardFiles();
  book.writeBytes(GetParam().file, GetParam().bytes);
  const FileError error = errorOf(LoadBook(DataFolder(book.folder())));
  EXPECT_EQ(error.kind, GetParam().kind);
  EXPECT_EQ(error.path, book.path(GetParam().file));
}

TEST_P(BrokenFile, LetsNoMissingFileBeCreated) {
  TempBook book;
  book.writeStandardFiles();
  book.writeBytes(GetParam().file, GetParam().bytes);
  for (const QString& missing : {kProfileFileName, kReferenceFileName})
    if (missing != GetParam().file) QFile::remove(book.path(missing));
  const QStringList before = QDir(book.folder()).entryList(QDir::Files);
  const BookSetup setup = EnsureBook(DataFolder(book.folder()));
  ASSERT_TRUE(setup.error);
  EXPECT_EQ(setup.error->path, book.path(GetParam().file));
  EXPECT_TRUE(setup.createdFiles.isEmpty());
  EXPECT_EQ(QDir(book.folder()).entryList(QDir::Files), before);
  EXPECT_EQ(book.bytes(GetParam().file), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(BookSetup, BrokenFile, testing::ValuesIn(kBrokenFiles), ByName());

// The files are written in the code page the program reads, with CR LF line ends.
TEST(BookSetup, NewFilesAreCp932WithCrLf) {
  TempBook book;
  ASSERT_FALSE(EnsureBook(DataFolder(book.folder())).error);
  for (const QString& name : StartupFileNames()) {
    const QByteArray bytes = book.bytes(name);
    EXPECT_FALSE(cp932::decode(bytes).error) << name.toStdString();
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << name.toStdString();
    EXPECT_TRUE(bytes.isEmpty() || bytes.endsWith("\r\n")) << name.toStdString();
  }
  const QByteArray genres = book.bytes(kGenreFile.fileName);
  EXPECT_TRUE(genres.startsWith('"')) << "category items are written in double quotes";
}

TEST(BookSetup, ExistingFilesAreLeftByteForByte) {
  TempBook book;
  book.writeStandardFiles();
  book.writeLines(recipe_file::kFileName, {QString(31, u'*')});  // even a broken one is not touched
  QHash<QString, QByteArray> before;
  for (const QString& name : StartupFileNames()) before.insert(name, book.bytes(name));
  const BookSetup setup = EnsureBook(DataFolder(book.folder()));
  ASSERT_FALSE(setup.error);
  EXPECT_FALSE(setup.newBook);
  EXPECT_TRUE(setup.createdFiles.isEmpty());
  for (const QString& name : StartupFileNames()) EXPECT_EQ(book.bytes(name), before.value(name)) << name.toStdString();
}

TEST(BookSetup, OnlyMissingFilesAreAddedWhateverTheCaseOfExistingNames) {
  TempBook book;
  book.writeLines(u"レシピ.txt"_s, {});
  book.writeLines(u"設定.txt"_s, {u"\"ヘルプツアー\",0"_s});
  const BookSetup setup = EnsureBook(DataFolder(book.folder()));
  ASSERT_FALSE(setup.error);
  EXPECT_FALSE(setup.newBook);
  EXPECT_FALSE(setup.createdFiles.contains(recipe_file::kFileName));
  EXPECT_FALSE(setup.createdFiles.contains(kSettingsFileName));
  EXPECT_EQ(setup.createdFiles.size(), StartupFileNames().size() - 2);
  EXPECT_FALSE(book.exists(recipe_file::kFileName));  // no second file beside "レシピ.txt"
  EXPECT_TRUE(book.bytes(u"レシピ.txt"_s).isEmpty());
  EXPECT_EQ(QDir(book.folder()).entryList(QDir::Files).size(), StartupFileNames().size());
}

}  // namespace
