// Setting up a recipe book in a folder on first start, and leaving an existing one alone.
#include "store/rules/book_setup.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QHash>

#include "rules_test_util.h"
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

  const CategoryLists lists = valueOf(LoadCategoryLists(folder));
  EXPECT_EQ(lists.GenreList.size(), 7);
  EXPECT_EQ(lists.KindList.size(), 10);
  EXPECT_EQ(lists.MethodList.size(), 10);
  EXPECT_FALSE(lists.GenreList.first().isEmpty());
  EXPECT_FALSE(lists.MethodList[8].isEmpty());

  const Profile profile = valueOf(LoadProfile(folder.path(kProfileFileName)));
  EXPECT_FALSE(profile.Nickname.isEmpty());
  EXPECT_GT(profile.TargetPoints, 0);
  EXPECT_TRUE(profile.PhotoMode == kPhotoShown || profile.PhotoMode == kPhotoHidden);

  const int helpTour = valueOf(LoadSettings(folder.path(kSettingsFileName)));
  EXPECT_TRUE(helpTour == 0 || helpTour == 1);
  valueOf(LoadReferenceList(folder.path(kReferenceFileName)));

  const RecipeTable table = valueOf(recipe_file::LoadRecipeFile(folder.path(recipe_file::kFileName)));
  for (int i = 1; i <= table.count(); ++i) {
    EXPECT_FALSE(table[i].DishName.isEmpty());
    EXPECT_FALSE(recipe_file::checkStorable(table[i])) << i;
  }
}

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
