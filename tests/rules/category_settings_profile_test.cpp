// SPDX-License-Identifier: GPL-3.0-or-later
// The small quoted-field files: the three category lists, the settings line and the profile.
#include <gtest/gtest.h>

#include <QFile>

#include "platform/rules/data_folder.h"
#include "platform/rules/numbers.h"
#include "rules_test_util.h"
#include "store/rules/book.h"
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
  const CategoryLists lists = valueOf(LoadBook(DataFolder(book.folder()))).Lists;
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
  const FileError error = errorOf(LoadBook(DataFolder(book.folder())));
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
  const QStringList items = {u"和食"_s, u"洋食, 仏"_s, u" 中華 "_s, u"ｴｽﾆｯｸ"_s, u"イタリアン"_s, u"デザート　"_s};
  const QStringList kinds(9, u"主菜"_s), methods(9, u"焼く"_s);
  ASSERT_FALSE(SaveCategoryLists(folder, items, kinds, methods));
  EXPECT_EQ(book.bytes(kGenreFile.fileName), sjisLines(quotedLines(items)));
  EXPECT_EQ(book.bytes(kMethodFile.fileName), sjisLines(quotedLines(methods)));
  EXPECT_EQ(valueOf(LoadCategoryList(folder, kGenreFile)), items + QStringList{kOther});
  EXPECT_EQ(valueOf(LoadCategoryList(folder, kKindFile)), kinds + QStringList{kOther});
}

struct RefusedItemCase {
  std::string name;
  QString item;
  QString why;
};

const RefusedItemCase kRefusedItems[] = {
    {"DoubleQuote", u"5\"鍋"_s, u"「\"」"_s},
    {"LineFeed", u"和\n食"_s, u"改行"_s},
    {"CarriageReturn", u"和\r食"_s, u"改行"_s},
};

void PrintTo(const RefusedItemCase& c, std::ostream* os) { *os << c.name; }

class CategoryItemRefused : public testing::TestWithParam<RefusedItemCase> {};

// An item in the last list is refused before the first list's file is touched.
TEST_P(CategoryItemRefused, AndNoListFileChanges) {
  TempBook book;
  book.writeStandardFiles();
  const QStringList names = {kGenreFile.fileName, kKindFile.fileName, kMethodFile.fileName};
  std::vector<QByteArray> before;
  for (const QString& name : names) before.push_back(book.bytes(name));
  QStringList methods(9, u"煮る"_s);
  methods[8] = GetParam().item;
  const auto error =
      SaveCategoryLists(DataFolder(book.folder()), QStringList(6, u"新"_s), QStringList(9, u"新"_s), methods);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, FileError::Kind::Refused);
  EXPECT_TRUE(error->message().contains(GetParam().why)) << error->message().toStdString();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(book.bytes(names[i]), before[size_t(i)]) << i;
}

INSTANTIATE_TEST_SUITE_P(CategoryLists, CategoryItemRefused, testing::ValuesIn(kRefusedItems), ByName());

TEST(CategoryLists, SaveWritesOverTheExistingFileWhateverItsCase) {
  TempBook book;
  book.writeLines(u"種類.txt"_s, quotedLines({u"古い"_s}));
  const QStringList items(9, u"新"_s);
  ASSERT_FALSE(SaveCategoryLists(DataFolder(book.folder()), QStringList(6, u"和"_s), items, items));
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

struct NicknameCase {
  std::string name;
  QString nickname;
  QString line;  // as written
};

const NicknameCase kNicknames[] = {
    {"Plain", u"花子"_s, u"花子"_s},
    {"IdeographicSpaceAtTheEnd", u"花子　"_s, u"花子　"_s},
    {"DoubleQuoteInside", u"花\"子"_s, u"花\"子"_s},
    {"BlanksAtTheEnds", u" 花子 "_s, u"\" 花子 \""_s},
    {"Comma", u"花子,太郎"_s, u"\"花子,太郎\""_s},
};

void PrintTo(const NicknameCase& c, std::ostream* os) { *os << c.name; }

class ProfileNickname : public ProfileFile, public testing::WithParamInterface<NicknameCase> {};

TEST_P(ProfileNickname, ReadsBackAsSaved) {
  ASSERT_FALSE(SaveProfile(path(), Profile{GetParam().nickname, 100, kPhotoShown, 0}));
  EXPECT_EQ(lines().value(0), GetParam().line);
  EXPECT_EQ(valueOf(LoadProfile(path())).Nickname, GetParam().nickname);
  // Saved again as read, it stays the same.
  ASSERT_FALSE(SaveProfile(path(), valueOf(LoadProfile(path()))));
  EXPECT_EQ(lines().value(0), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(ProfileFile, ProfileNickname, testing::ValuesIn(kNicknames), ByName());

// An old file may hold a double quote in the nickname: it loads, and the photo mode can still be
// switched (the profile saved again) with the nickname unchanged.
TEST_F(ProfileFile, OldNicknameWithADoubleQuoteCanBeSavedAgain) {
  book.writeLines(kProfileFileName, {u"ママ\"の\"台所"_s, u" 100 "_s, kPhotoShown, u" 0 "_s});
  Profile p = valueOf(LoadProfile(path()));
  EXPECT_EQ(p.Nickname, u"ママ\"の\"台所"_s);
  p.PhotoMode = kPhotoHidden;
  ASSERT_FALSE(SaveProfile(path(), p));
  EXPECT_EQ(lines(), (QStringList{u"ママ\"の\"台所"_s, u" 100 "_s, kPhotoHidden, u" 0 "_s}));
}

TEST_F(ProfileFile, LineBreaksAreRefusedInEveryValueAndTheFileKept) {
  book.writeStandardFiles();
  const QByteArray before = book.bytes(kProfileFileName);
  const Profile good{u"花子"_s, 100, kPhotoShown, 0};
  for (const QString& breakText : {u"花\n子"_s, u"花\r子"_s}) {
    Profile nickname = good;
    nickname.Nickname = breakText;
    Profile mode = good;
    mode.PhotoMode = breakText;
    const std::optional<FileError> errors[] = {SaveProfile(path(), nickname), SaveProfile(path(), mode),
                                               SaveProfileWithTargetText(path(), good, u"1\n2"_s)};
    for (const auto& error : errors) {
      ASSERT_TRUE(error);
      EXPECT_EQ(error->kind, FileError::Kind::Refused);
      EXPECT_TRUE(error->message().contains(u"改行"_s)) << error->message().toStdString();
    }
  }
  EXPECT_EQ(book.bytes(kProfileFileName), before);
}

TEST_F(ProfileFile, BindingMarginIsBroughtIntoZeroToFifteen) {
  const std::pair<QString, int> cases[] = {{u" 7 "_s, 7},      {u"99"_s, 15},   {u" 1e308 "_s, 15},
                                           {u"-3"_s, 0},       {u"-1e308"_s, 0}, {u"15.9"_s, 15},
                                           {u"4294967297"_s, 15}, {u"x"_s, 0}};
  for (const auto& [line, margin] : cases) {
    book.writeLines(kProfileFileName, {u"花子"_s, u" 100 "_s, kPhotoShown, line});
    EXPECT_EQ(valueOf(LoadProfile(path())).BindingMargin, margin) << line.toStdString();
  }
}

TEST(Profile, MainCaptionCarriesTheNickname) {
  EXPECT_EQ(MainCaption(u"花子"_s), u"Zestra  \uFF5E 花子のレシピ"_s);
  EXPECT_EQ(MainCaption(QString()), u"Zestra  \uFF5E のレシピ"_s);
}

}  // namespace
