// The small quoted-field files: the three category lists, the settings line and the profile.
#include <gtest/gtest.h>

#include <QFile>

#include "platform/rules/data_folder.h"
#include "platform/rules/numbers.h"
#include "rules_test_util.h"
#include "store/rules/category_lists.h"
#include "store/rules/profile_file.h"
#include "store/rules/settings_file.h"
#include "support/temp_book.h"

namespace {

QStringList quotedLines(const QStringList& items) {
  QStringList lines;
  for (const QString& item : items) lines.append(QLatin1Char('"') + item + QLatin1Char('"'));
  return lines;
}

const QStringList kGenres = {QStringLiteral("和食"), QStringLiteral("洋食"), QStringLiteral("中華"),
                             QStringLiteral("エスニック"), QStringLiteral("イタリアン"), QStringLiteral("デザート")};

TEST(CategoryLists, StandardFilesGiveSevenTenAndTenItemsEndingInOther) {
  TempBook book;
  book.writeStandardFiles();
  const CategoryLists lists = valueOf(LoadCategoryLists(DataFolder(book.folder())));
  EXPECT_EQ(lists.GenreList, kGenres + QStringList{kOther});
  ASSERT_EQ(lists.KindList.size(), 10);
  EXPECT_EQ(lists.KindList.first(), QStringLiteral("主菜"));
  EXPECT_EQ(lists.KindList[8], QStringLiteral("飲み物"));
  EXPECT_EQ(lists.KindList.last(), kOther);
  ASSERT_EQ(lists.MethodList.size(), 10);
  EXPECT_EQ(lists.MethodList[8], QStringLiteral("電子レンジ"));
  EXPECT_EQ(lists.MethodList.last(), kOther);
}

TEST(CategoryLists, LinesAfterTheItemsAreIgnored) {
  TempBook book;
  book.writeLines(kGenreFile.fileName, quotedLines(kGenres + QStringList{QStringLiteral("七番目"), QStringLiteral("八番目")}));
  EXPECT_EQ(valueOf(LoadCategoryList(DataFolder(book.folder()), kGenreFile)), kGenres + QStringList{kOther});
}

TEST(CategoryLists, TooFewLinesAreReportedNotPadded) {
  TempBook book;
  book.writeStandardFiles();
  book.writeLines(kKindFile.fileName, quotedLines({QStringLiteral("主菜"), QStringLiteral("副菜")}));
  const FileError error = errorOf(LoadCategoryLists(DataFolder(book.folder())));
  EXPECT_EQ(error.kind, FileError::Kind::Malformed);
  EXPECT_EQ(error.path, book.path(kKindFile.fileName));
  EXPECT_EQ(error.line, 3);
}

TEST(CategoryLists, MissingFileIsReported) {
  TempBook book;
  book.writeStandardFiles();
  QFile::remove(book.path(kMethodFile.fileName));
  EXPECT_EQ(errorOf(LoadCategoryLists(DataFolder(book.folder()))).kind, FileError::Kind::Missing);
}

TEST(CategoryLists, UnquotedLinesAreTakenUpToTheFirstCommaWithoutBlanks) {
  TempBook book;
  book.writeLines(QStringLiteral("ジャンル.txt"),  // lower-case name on disk
                  {QStringLiteral(" 和食 ,日本"), QStringLiteral("洋食"), QStringLiteral("\"中華\",x"),
                   QStringLiteral("\" 南国 \""), QString(), QStringLiteral("\"a,b\"")});
  EXPECT_EQ(valueOf(LoadCategoryList(DataFolder(book.folder()), kGenreFile)),
            (QStringList{QStringLiteral("和食"), QStringLiteral("洋食"), QStringLiteral("中華"), QStringLiteral(" 南国 "),
                         QString(), QStringLiteral("a,b"), kOther}));
}

TEST(CategoryLists, SaveQuotesEveryItemAndLoadsBack) {
  TempBook book;
  const DataFolder folder(book.folder());
  const QStringList items = {QStringLiteral("和食"), QStringLiteral("洋食, 仏"), QStringLiteral(" 中華 "),
                             QStringLiteral("ｴｽﾆｯｸ"), QStringLiteral("イタリアン"), QStringLiteral("デザート")};
  ASSERT_FALSE(SaveCategoryList(folder, kGenreFile, items));
  EXPECT_EQ(book.bytes(kGenreFile.fileName), sjisLines(quotedLines(items)));
  EXPECT_EQ(valueOf(LoadCategoryList(folder, kGenreFile)), items + QStringList{kOther});
}

TEST(CategoryLists, SaveRefusesADoubleQuoteAndKeepsTheFile) {
  TempBook book;
  book.writeStandardFiles();
  const QByteArray before = book.bytes(kGenreFile.fileName);
  const auto error = SaveCategoryList(DataFolder(book.folder()), kGenreFile,
                                      {QStringLiteral("和食"), QStringLiteral("5\"鍋"), QStringLiteral("中華"),
                                       QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, FileError::Kind::Refused);
  EXPECT_EQ(book.bytes(kGenreFile.fileName), before);
}

TEST(CategoryLists, SaveWritesOverTheExistingFileWhateverItsCase) {
  TempBook book;
  book.writeLines(QStringLiteral("種類.txt"), quotedLines({QStringLiteral("古い")}));
  const QStringList items(9, QStringLiteral("新"));
  ASSERT_FALSE(SaveCategoryList(DataFolder(book.folder()), kKindFile, items));
  EXPECT_FALSE(book.exists(QStringLiteral("種類.TXT")));
  EXPECT_EQ(book.bytes(QStringLiteral("種類.txt")), sjisLines(quotedLines(items)));
}

TEST(CategoryLists, CategorySlotFallsBackToTheLastItem) {
  const QStringList genres = kGenres + QStringList{kOther};
  EXPECT_EQ(CategorySlot(genres, QStringLiteral("和食")), 1);
  EXPECT_EQ(CategorySlot(genres, QStringLiteral("デザート")), 6);
  EXPECT_EQ(CategorySlot(genres, kOther), 7);
  EXPECT_EQ(CategorySlot(genres, QStringLiteral("和食 ")), 7);
  EXPECT_EQ(CategorySlot(genres, QString()), 7);
}

TEST(Settings, HelpTourFlagRoundTrips) {
  TempBook book;
  const QString path = book.path(kSettingsFileName);
  for (int on : {1, 0}) {
    ASSERT_FALSE(SaveSettings(path, on));
    EXPECT_EQ(book.bytes(kSettingsFileName), sjisLines({QStringLiteral("\"ヘルプツアー\",%1").arg(on)}));
    EXPECT_EQ(valueOf(LoadSettings(path)), on);
  }
}

TEST(Settings, ReadsOnlyTheSecondValue) {
  TempBook book;
  const QString path = book.path(kSettingsFileName);
  book.writeLines(kSettingsFileName, {QStringLiteral("\"何でも\", 1 ")});
  EXPECT_EQ(valueOf(LoadSettings(path)), 1);
  book.writeLines(kSettingsFileName, {QStringLiteral("ヘルプツアー,0"), QStringLiteral("\"x\",1")});
  EXPECT_EQ(valueOf(LoadSettings(path)), 0);
}

TEST(Settings, ALineWithoutTwoValuesIsReported) {
  TempBook book;
  const QString path = book.path(kSettingsFileName);
  book.writeLines(kSettingsFileName, {QStringLiteral("\"ヘルプツアー\"")});
  EXPECT_EQ(errorOf(LoadSettings(path)).kind, FileError::Kind::Malformed);
  book.writeLines(kSettingsFileName, {});
  EXPECT_EQ(errorOf(LoadSettings(path)).kind, FileError::Kind::Malformed);
  QFile::remove(path);
  EXPECT_EQ(errorOf(LoadSettings(path)).kind, FileError::Kind::Missing);
}

class ProfileFile : public testing::Test {
 protected:
  QString path() const { return book.path(kProfileFileName); }
  QStringList lines() const { return book.lines(kProfileFileName); }
  TempBook book;
};

TEST_F(ProfileFile, StandardFileLoads) {
  book.writeStandardFiles();
  const Profile p = valueOf(LoadProfile(path()));
  EXPECT_EQ(p.Nickname, QStringLiteral("花子"));
  EXPECT_EQ(p.TargetPoints, 100);
  EXPECT_EQ(p.PhotoMode, kPhotoShown);
  EXPECT_EQ(p.BindingMargin, 10);
}

TEST_F(ProfileFile, NumbersAreWrittenWithABlankOnEachSide) {
  const Profile p{QStringLiteral("花子"), 100, kPhotoHidden, 5};
  ASSERT_FALSE(SaveProfile(path(), p));
  EXPECT_EQ(book.bytes(kProfileFileName),
            sjisLines({QStringLiteral("花子"), QStringLiteral(" 100 "), QStringLiteral("写真非表示"), QStringLiteral(" 5 ")}));
  const Profile back = valueOf(LoadProfile(path()));
  EXPECT_EQ(back.Nickname, p.Nickname);
  EXPECT_EQ(back.TargetPoints, 100);
  EXPECT_EQ(back.PhotoMode, kPhotoHidden);
  EXPECT_EQ(back.BindingMargin, 5);
}

TEST_F(ProfileFile, FractionalAndLargeTargetsRoundTrip) {
  for (double target : {12.5, 0.0, 1e15, 123456.75}) {
    ASSERT_FALSE(SaveProfile(path(), Profile{QStringLiteral("a"), target, kPhotoShown, 0}));
    EXPECT_EQ(lines()[1], QLatin1Char(' ') + numbers::FormatDouble(target) + QLatin1Char(' '));
    EXPECT_EQ(valueOf(LoadProfile(path())).TargetPoints, target);
  }
}

TEST_F(ProfileFile, TargetTextIsWrittenAsTypedAndReadLeniently) {
  const Profile p{QStringLiteral("花子"), 0, kPhotoShown, 3};
  ASSERT_FALSE(SaveProfileWithTargetText(path(), p, QStringLiteral("250点")));
  EXPECT_EQ(lines(), (QStringList{QStringLiteral("花子"), QStringLiteral("250点"), kPhotoShown, QStringLiteral(" 3 ")}));
  EXPECT_EQ(valueOf(LoadProfile(path())).TargetPoints, 250);
  ASSERT_FALSE(SaveProfileWithTargetText(path(), p, QStringLiteral("たくさん")));
  EXPECT_EQ(valueOf(LoadProfile(path())).TargetPoints, 0);
}

TEST_F(ProfileFile, LinesAreReadAsQuotedFields) {
  book.writeLines(kProfileFileName, {QStringLiteral("\"花子\""), QStringLiteral("\" 300 \""), QStringLiteral(" \"写真非表示\" "),
                                     QStringLiteral("  7")});
  const Profile p = valueOf(LoadProfile(path()));
  EXPECT_EQ(p.Nickname, QStringLiteral("花子"));
  EXPECT_EQ(p.TargetPoints, 300);
  EXPECT_EQ(p.PhotoMode, kPhotoHidden);
  EXPECT_EQ(p.BindingMargin, 7);
}

TEST_F(ProfileFile, NicknameWithACommaSurvivesARoundTrip) {
  const Profile p{QStringLiteral("花子,太郎"), 100, kPhotoShown, 0};
  ASSERT_FALSE(SaveProfile(path(), p));
  EXPECT_EQ(valueOf(LoadProfile(path())).Nickname, p.Nickname);
  ASSERT_FALSE(SaveProfileWithTargetText(path(), p, QStringLiteral("100")));
  EXPECT_EQ(valueOf(LoadProfile(path())).Nickname, p.Nickname);
  EXPECT_EQ(lines().size(), 4);
}

TEST_F(ProfileFile, NicknameWithADoubleQuoteIsRefusedAndTheFileKept) {
  book.writeStandardFiles();
  const QByteArray before = book.bytes(kProfileFileName);
  const Profile p{QStringLiteral("\"花子\""), 100, kPhotoShown, 0};
  ASSERT_TRUE(SaveProfile(path(), p));
  EXPECT_EQ(SaveProfile(path(), p)->kind, FileError::Kind::Refused);
  ASSERT_TRUE(SaveProfileWithTargetText(path(), p, QStringLiteral("100")));
  EXPECT_EQ(book.bytes(kProfileFileName), before);
}

TEST_F(ProfileFile, UnencodableNicknameIsRefusedAndTheFileKept) {
  book.writeStandardFiles();
  const QByteArray before = book.bytes(kProfileFileName);
  const auto error = SaveProfile(path(), Profile{QStringLiteral("Zo\u00E9"), 100, kPhotoShown, 0});
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, FileError::Kind::Unencodable);
  EXPECT_EQ(book.bytes(kProfileFileName), before);
}

TEST_F(ProfileFile, ShortFileKeepsDefaults) {
  book.writeLines(kProfileFileName, {QStringLiteral("花子")});
  const Profile p = valueOf(LoadProfile(path()));
  EXPECT_EQ(p.Nickname, QStringLiteral("花子"));
  EXPECT_EQ(p.TargetPoints, 0);
  EXPECT_EQ(p.PhotoMode, kPhotoShown);
  EXPECT_EQ(p.BindingMargin, 0);
}

TEST(Profile, MainCaptionCarriesTheNickname) {
  EXPECT_EQ(MainCaption(QStringLiteral("花子")), QStringLiteral("Zestra  \uFF5E 花子のレシピ"));
  EXPECT_EQ(MainCaption(QString()), QStringLiteral("Zestra  \uFF5E のレシピ"));
}

}  // namespace
