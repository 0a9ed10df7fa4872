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

const QStringList kGenres = {u"和食"_s, u"洋食"_s, u"中華"_s, u"エスニック"_s, u"イタリアン"_s, u"デザート"_s};

TEST(CategoryLists, StandardFilesGiveSevenTenAndTenItemsEndingInOther) {
  TempBook book;
  book.writeStandardFiles();
  const CategoryLists lists = valueOf(LoadCategoryLists(DataFolder(book.folder())));
  EXPECT_EQ(lists.GenreList, kGenres + QStringList{kOther});
  ASSERT_EQ(lists.KindList.size(), 10);
  EXPECT_EQ(lists.KindList.first(), u"主菜"_s);
  EXPECT_EQ(lists.KindList[8], u"飲み物"_s);
  EXPECT_EQ(lists.KindList.last(), kOther);
  ASSERT_EQ(lists.MethodList.size(), 10);
  EXPECT_EQ(lists.MethodList[8], u"電子レンジ"_s);
  EXPECT_EQ(lists.MethodList.last(), kOther);
}

TEST(CategoryLists, LinesAfterTheItemsAreIgnored) {
  TempBook book;
  book.writeLines(kGenreFile.fileName, quotedLines(kGenres + QStringList{u"七番目"_s, u"八番目"_s}));
  EXPECT_EQ(valueOf(LoadCategoryList(DataFolder(book.folder()), kGenreFile)), kGenres + QStringList{kOther});
}

TEST(CategoryLists, TooFewLinesAreReportedNotPadded) {
  TempBook book;
  book.writeStandardFiles();
  book.writeLines(kKindFile.fileName, quotedLines({u"主菜"_s, u"副菜"_s}));
  const FileError error = errorOf(LoadCategoryLists(DataFolder(book.folder())));
  EXPECT_EQ(error.kind, FileError::Kind::Malformed);
  EXPECT_EQ(error.path, book.path(kKindFile.fileName));
  EXPECT_EQ(error.line, 3);
}

TEST(CategoryLists, UnquotedLinesAreTakenUpToTheFirstCommaWithoutBlanks) {
  TempBook book;
  book.writeLines(u"ジャンル.txt"_s,  // lower-case name on disk
                  {u" 和食 ,日本"_s, u"洋食"_s, u"\"中華\",x"_s, u"\" 南国 \""_s, QString(), u"\"a,b\""_s});
  EXPECT_EQ(valueOf(LoadCategoryList(DataFolder(book.folder()), kGenreFile)),
            (QStringList{u"和食"_s, u"洋食"_s, u"中華"_s, u" 南国 "_s, QString(), u"a,b"_s, kOther}));
}

TEST(CategoryLists, SaveQuotesEveryItemAndLoadsBack) {
  TempBook book;
  const DataFolder folder(book.folder());
  const QStringList items = {u"和食"_s, u"洋食, 仏"_s, u" 中華 "_s, u"ｴｽﾆｯｸ"_s, u"イタリアン"_s, u"デザート"_s};
  ASSERT_FALSE(SaveCategoryList(folder, kGenreFile, items));
  EXPECT_EQ(book.bytes(kGenreFile.fileName), sjisLines(quotedLines(items)));
  EXPECT_EQ(valueOf(LoadCategoryList(folder, kGenreFile)), items + QStringList{kOther});
}

TEST(CategoryLists, SaveRefusesADoubleQuoteAndKeepsTheFile) {
  TempBook book;
  book.writeStandardFiles();
  const QByteArray before = book.bytes(kGenreFile.fileName);
  const auto error = SaveCategoryList(DataFolder(book.folder()), kGenreFile,
                                      {u"和食"_s, u"5\"鍋"_s, u"中華"_s, u"a"_s, u"b"_s, u"c"_s});
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, FileError::Kind::Refused);
  EXPECT_EQ(book.bytes(kGenreFile.fileName), before);
}

TEST(CategoryLists, SaveWritesOverTheExistingFileWhateverItsCase) {
  TempBook book;
  book.writeLines(u"種類.txt"_s, quotedLines({u"古い"_s}));
  const QStringList items(9, u"新"_s);
  ASSERT_FALSE(SaveCategoryList(DataFolder(book.folder()), kKindFile, items));
  EXPECT_FALSE(book.exists(u"種類.TXT"_s));
  EXPECT_EQ(book.bytes(u"種類.txt"_s), sjisLines(quotedLines(items)));
}

TEST(Settings, HelpTourFlagRoundTrips) {
  TempBook book;
  const QString path = book.path(kSettingsFileName);
  for (int on : {1, 0}) {
    ASSERT_FALSE(SaveSettings(path, on));
    EXPECT_EQ(book.bytes(kSettingsFileName), sjisLines({u"\"ヘルプツアー\",%1"_s.arg(on)}));
    EXPECT_EQ(valueOf(LoadSettings(path)), on);
  }
}

TEST(Settings, ReadsOnlyTheSecondValue) {
  TempBook book;
  const QString path = book.path(kSettingsFileName);
  book.writeLines(kSettingsFileName, {u"\"何でも\", 1 "_s});
  EXPECT_EQ(valueOf(LoadSettings(path)), 1);
  book.writeLines(kSettingsFileName, {u"ヘルプツアー,0"_s, u"\"x\",1"_s});
  EXPECT_EQ(valueOf(LoadSettings(path)), 0);
}

TEST(Settings, ALineWithoutTwoValuesIsReported) {
  TempBook book;
  const QString path = book.path(kSettingsFileName);
  book.writeLines(kSettingsFileName, {u"\"ヘルプツアー\""_s});
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
  EXPECT_EQ(p.Nickname, u"花子"_s);
  EXPECT_EQ(p.TargetPoints, 100);
  EXPECT_EQ(p.PhotoMode, kPhotoShown);
  EXPECT_EQ(p.BindingMargin, 10);
}

TEST_F(ProfileFile, NumbersAreWrittenWithABlankOnEachSide) {
  const Profile p{u"花子"_s, 100, kPhotoHidden, 5};
  ASSERT_FALSE(SaveProfile(path(), p));
  EXPECT_EQ(book.bytes(kProfileFileName), sjisLines({u"花子"_s, u" 100 "_s, u"写真非表示"_s, u" 5 "_s}));
  const Profile back = valueOf(LoadProfile(path()));
  EXPECT_EQ(back.Nickname, p.Nickname);
  EXPECT_EQ(back.TargetPoints, 100);
  EXPECT_EQ(back.PhotoMode, kPhotoHidden);
  EXPECT_EQ(back.BindingMargin, 5);
}

TEST_F(ProfileFile, FractionalAndLargeTargetsRoundTrip) {
  for (double target : {12.5, 1e15}) {
    ASSERT_FALSE(SaveProfile(path(), Profile{u"a"_s, target, kPhotoShown, 0}));
    EXPECT_EQ(lines()[1], QLatin1Char(' ') + numbers::FormatDouble(target) + QLatin1Char(' '));
    EXPECT_EQ(valueOf(LoadProfile(path())).TargetPoints, target);
  }
}

TEST_F(ProfileFile, TargetTextIsWrittenAsTypedAndReadLeniently) {
  const Profile p{u"花子"_s, 0, kPhotoShown, 3};
  ASSERT_FALSE(SaveProfileWithTargetText(path(), p, u"250点"_s));
  EXPECT_EQ(lines(), (QStringList{u"花子"_s, u"250点"_s, kPhotoShown, u" 3 "_s}));
  EXPECT_EQ(valueOf(LoadProfile(path())).TargetPoints, 250);
  ASSERT_FALSE(SaveProfileWithTargetText(path(), p, u"たくさん"_s));
  EXPECT_EQ(valueOf(LoadProfile(path())).TargetPoints, 0);
}

TEST_F(ProfileFile, LinesAreReadAsQuotedFields) {
  book.writeLines(kProfileFileName, {u"\"花子\""_s, u"\" 300 \""_s, u" \"写真非表示\" "_s, u"  7"_s});
  const Profile p = valueOf(LoadProfile(path()));
  EXPECT_EQ(p.Nickname, u"花子"_s);
  EXPECT_EQ(p.TargetPoints, 300);
  EXPECT_EQ(p.PhotoMode, kPhotoHidden);
  EXPECT_EQ(p.BindingMargin, 7);
}

TEST_F(ProfileFile, NicknameWithACommaSurvivesARoundTrip) {
  const Profile p{u"花子,太郎"_s, 100, kPhotoShown, 0};
  ASSERT_FALSE(SaveProfile(path(), p));
  EXPECT_EQ(valueOf(LoadProfile(path())).Nickname, p.Nickname);
  ASSERT_FALSE(SaveProfileWithTargetText(path(), p, u"100"_s));
  EXPECT_EQ(valueOf(LoadProfile(path())).Nickname, p.Nickname);
  EXPECT_EQ(lines().size(), 4);
}

TEST_F(ProfileFile, NicknameWithADoubleQuoteIsRefusedAndTheFileKept) {
  book.writeStandardFiles();
  const QByteArray before = book.bytes(kProfileFileName);
  const Profile p{u"\"花子\""_s, 100, kPhotoShown, 0};
  ASSERT_TRUE(SaveProfile(path(), p));
  EXPECT_EQ(SaveProfile(path(), p)->kind, FileError::Kind::Refused);
  ASSERT_TRUE(SaveProfileWithTargetText(path(), p, u"100"_s));
  EXPECT_EQ(book.bytes(kProfileFileName), before);
}

TEST(Profile, MainCaptionCarriesTheNickname) {
  EXPECT_EQ(MainCaption(u"花子"_s), u"Zestra  \uFF5E 花子のレシピ"_s);
  EXPECT_EQ(MainCaption(QString()), u"Zestra  \uFF5E のレシピ"_s);
}

}  // namespace
