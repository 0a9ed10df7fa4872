// SPDX-License-Identifier: GPL-3.0-or-later
// Rolling backups: names that sort by time, the daily and the removing copies, the newest 20
// kept, and a copy that cannot be made reported without touching the book.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "store/rules/backups.h"
#include "backup/rules/recipe_restore.h"
#include "rules_test_util.h"
#include "store/rules/recipe_reader.h"
#include "support/file_size_limit.h"
#include "support/fixed_clock.h"
#include "support/temp_book.h"

namespace {

using backups::Change;

const QDateTime kMorning(QDate(2026, 12, 8), QTime(9, 5, 7));

QStringList backupNames(const TempBook& book) {
  return QDir(backups::FolderOf(book.folder())).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QStringList listedNames(const TempBook& book, const QString& fileName) {
  QStringList names;
  for (const backups::Backup& b : backups::List(book.folder(), fileName)) names.append(b.fileName);
  return names;
}

TEST(BackupNames, CarryTheTimeAndSortByIt) {
  EXPECT_EQ(backups::NameFor(u"レシピ.TXT"_s, kMorning), u"レシピ_20261208-090507.TXT"_s);
  EXPECT_EQ(backups::NameFor(u"レシピ.TXT"_s, kMorning, 2), u"レシピ_20261208-090507_02.TXT"_s);
  EXPECT_EQ(backups::NameFor(u"MENU"_s, kMorning), u"MENU_20261208-090507"_s);

  TempBook book;
  QDir().mkdir(backups::FolderOf(book.folder()));
  const QStringList inOrder = {u"レシピ_20261207-235959.TXT"_s, u"レシピ_20261208-090507.TXT"_s,
                               u"レシピ_20261208-090507_02.TXT"_s, u"レシピ_20261208-090507_10.txt"_s,
                               u"レシピ_20261208-100000.TXT"_s};
  const QStringList others = {u"レシピ_2026.TXT"_s, u"ジャンル_20261208-090507.TXT"_s, u"レシピ_20261399-000000.TXT"_s,
                              u"レシピ.TXT"_s};
  for (const QString& name : inOrder + others) book.writeBytes(backups::kFolderName + u'/' + name, "x");
  QFile::link(book.path(backups::kFolderName + u"/レシピ_20261208-100000.TXT"_s),
              book.path(backups::kFolderName + u"/レシピ_20261209-000000.TXT"_s));
  QStringList sorted = inOrder;
  sorted.sort();
  EXPECT_EQ(sorted, inOrder) << "names of one file sort by time";
  EXPECT_EQ(listedNames(book, u"レシピ.txt"_s), inOrder) << "letter case aside, links and other shapes passed over";
  EXPECT_EQ(backups::List(book.folder(), u"レシピ.TXT"_s)[2].takenAt, kMorning);
}

TEST(BackupBeforeWrite, CopiesOncePerDayAndBeforeEveryRemoval) {
  TempBook book;
  const QString path = book.path(u"レシピ.TXT"_s);
  EXPECT_FALSE(backups::BeforeWrite(path, Change::Removes, kMorning)) << "a missing file needs no copy";
  EXPECT_TRUE(backupNames(book).isEmpty());

  const struct Step {
    const char* content;
    Change change;
    QDateTime at;
    QString copy;  // the copy's name, empty when none is taken
  } steps[] = {
      {"first", Change::Keeps, kMorning, u"レシピ_20261208-090507.TXT"_s},
      {"second", Change::Keeps, kMorning.addSecs(60), {}},
      {"third", Change::Removes, kMorning.addSecs(120), u"レシピ_20261208-090707.TXT"_s},
      {"fourth", Change::Removes, kMorning.addSecs(120), u"レシピ_20261208-090707_02.TXT"_s},
      {"fifth", Change::Keeps, kMorning.addDays(1), u"レシピ_20261209-090507.TXT"_s},
  };
  QStringList expected;
  for (const Step& step : steps) {
    book.writeBytes(u"レシピ.TXT"_s, step.content);
    EXPECT_FALSE(backups::BeforeWrite(path, step.change, step.at)) << step.content;
    if (step.copy.isEmpty()) continue;
    expected.append(step.copy);
    EXPECT_EQ(book.bytes(backups::kFolderName + u'/' + step.copy), QByteArray(step.content)) << step.content;
  }
  EXPECT_EQ(backupNames(book), expected);
}

TEST(BackupBeforeWrite, KeepsTheNewestTwentyOfEachFile) {
  TempBook book;
  book.writeBytes(u"ジャンル.TXT"_s, "genres");
  book.writeBytes(u"レシピ.TXT"_s, "recipes");
  EXPECT_FALSE(backups::BeforeWrite(book.path(u"ジャンル.TXT"_s), Change::Removes, kMorning));
  for (int i = 0; i < backups::kKeptPerFile + 5; ++i)
    EXPECT_FALSE(backups::BeforeWrite(book.path(u"レシピ.TXT"_s), Change::Removes, kMorning.addSecs(i)));
  const QStringList kept = listedNames(book, u"レシピ.TXT"_s);
  ASSERT_EQ(kept.size(), backups::kKeptPerFile);
  EXPECT_EQ(kept.front(), backups::NameFor(u"レシピ.TXT"_s, kMorning.addSecs(5)));
  EXPECT_EQ(kept.back(), backups::NameFor(u"レシピ.TXT"_s, kMorning.addSecs(24)));
  EXPECT_EQ(listedNames(book, u"ジャンル.TXT"_s).size(), 1) << "another file's copies are its own";
}

TEST(BackupBeforeWrite, ACopyThatCannotBeMadeIsReportedAndLeavesNothing) {
  TempBook book;
  book.writeBytes(u"レシピ.TXT"_s, QByteArray(4000, 'r'));
  const QString path = book.path(u"レシピ.TXT"_s);
  {
    FileSizeLimit full(1000);  // a full disk
    const auto error = backups::BeforeWrite(path, Change::Removes, kMorning);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, FileError::Kind::WriteFailed);
  }
  EXPECT_TRUE(backupNames(book).isEmpty()) << "no half copy";

  QDir(backups::FolderOf(book.folder())).removeRecursively();
  book.writeBytes(backups::kFolderName, "a file where the folder goes");
  const auto error = backups::BeforeWrite(path, Change::Removes, kMorning);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->path, backups::FolderOf(book.folder()));
  EXPECT_EQ(book.bytes(u"レシピ.TXT"_s), QByteArray(4000, 'r'));
}

TEST(BookBackups, TellsAFailureOnceUntilACopyWorksAgain) {
  TempBook book;
  book.writeBytes(u"レシピ.TXT"_s, "recipes");
  FixedClock clock(kMorning.date(), kMorning.time());
  BookBackups keeper;
  keeper.setClock(clock);
  const QString path = book.path(u"レシピ.TXT"_s);
  book.writeBytes(backups::kFolderName, "in the way");
  EXPECT_TRUE(keeper.beforeWrite(path, Change::Removes));
  EXPECT_FALSE(keeper.beforeWrite(path, Change::Removes)) << "told once";
  QFile::remove(book.path(backups::kFolderName));
  EXPECT_FALSE(keeper.beforeWrite(path, Change::Removes));
  EXPECT_EQ(listedNames(book, u"レシピ.TXT"_s), QStringList{backups::NameFor(u"レシピ.TXT"_s, kMorning)})
      << "named by the clock";
  QDir(backups::FolderOf(book.folder())).removeRecursively();
  book.writeBytes(backups::kFolderName, "in the way again");
  EXPECT_TRUE(keeper.beforeWrite(path, Change::Removes)) << "told again after a copy worked";
}

TEST(BackupRecordCount, CountsSeparatorLines) {
  const QByteArray star(31, '*');
  const TempBook book;
  const auto count = [&](const QByteArray& bytes) {
    book.writeBytes(u"r.txt"_s, bytes);
    return valueOf(recipe_file::CountRecordsInFile(book.path(u"r.txt"_s)));
  };
  EXPECT_EQ(count(""), 0);
  EXPECT_EQ(count(star + "\r\nx\r\n'\r\n" + star + "\r\ny\r\n'\r\n"), 2);
  EXPECT_EQ(count(star + "\n" + star + "*\r\n" + star), 2) << "LF ends, a longer line, no last line end";
  EXPECT_EQ(count(QByteArray(300 * 1024, 'a') + "\r\n" + star + "\r\n"), 1) << "beyond the first piece read";
}

// A refreshed listing reads only the copies it has not counted before.
TEST(BackupRecordCount, ARefreshedListingCountsOnlyNewCopies) {
  const QByteArray star(31, '*');
  TempBook book;
  book.writeBytes(u"レシピ.TXT"_s, star + "\r\nx\r\n");
  EXPECT_FALSE(backups::BeforeWrite(book.path(u"レシピ.TXT"_s), Change::Removes, kMorning));
  std::vector<backups::RecipeBackup> listed = backups::RecipeBackups(book.folder());
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(listed[0].recipeCount, 1);
  listed[0].recipeCount = 7;  // stands for a count the copy is not read again for
  book.writeBytes(u"レシピ.TXT"_s, star + "\r\nx\r\n" + star + "\r\ny\r\n");
  EXPECT_FALSE(backups::BeforeWrite(book.path(u"レシピ.TXT"_s), Change::Removes, kMorning.addSecs(1)));
  const std::vector<backups::RecipeBackup> refreshed = backups::RecipeBackups(book.folder(), listed);
  ASSERT_EQ(refreshed.size(), 2u);
  EXPECT_EQ(refreshed[0].recipeCount, 2) << "the new copy, newest first, is counted";
  EXPECT_EQ(refreshed[1].recipeCount, 7) << "the earlier copy keeps its count";
}

}  // namespace
