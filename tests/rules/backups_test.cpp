// SPDX-License-Identifier: GPL-3.0-or-later
// Backups: the day's first state kept apart from the history of removing writes, both ordered by
// the program's own sequence, compressed so that gzip reads them, never in the way of the save
// (no room, a file-size limit), and checked when listed.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <csignal>

#include "backup/rules/recipe_restore.h"
#include "platform/rules/file_size_signal.h"
#include "platform/rules/saves_together.h"
#include "rules_test_util.h"
#include "store/rules/backups.h"
#include "store/rules/gzip_entry.h"
#include "store/rules/recipe_reader.h"
#include "support/file_size_limit.h"
#include "support/fixed_clock.h"
#include "support/temp_book.h"

namespace {

using backups::Change;
using backups::Kind;

const QDateTime kMorning(QDate(2026, 12, 8), QTime(9, 5, 7));
const QString kRecipes = u"レシピ.TXT"_s;

QByteArray record(int n) {
  return sjisLines(recordLines({u"料理%1"_s.arg(n), u"和食"_s, u"主菜"_s, u"焼く"_s, u"0"_s, u"0"_s, u"0"_s, u"未"_s,
                                u"未"_s, u"0"_s, QString()}));
}

QByteArray bookOf(int first, int last) {
  QByteArray bytes;
  for (int n = first; n <= last; ++n) bytes += record(n);
  return bytes;
}

backups::Write deleting(int position, const QByteArray& bytes) {
  return {Change::Removes, u"削除: 料理%1"_s.arg(position), {{position, bytes}}};
}

// Bytes that do not compress.
QByteArray noise(qsizetype size) {
  QByteArray bytes(size, Qt::Uninitialized);
  quint32 state = 12345;
  for (char& c : bytes) c = char((state = state * 1103515245u + 12345u) >> 24);
  return bytes;
}

QByteArray contents(const backups::Backup& b) { return valueOf(backups::Contents(b)); }

std::vector<Kind> kinds(const std::vector<backups::Backup>& list) {
  std::vector<Kind> found;
  for (const auto& b : list) found.push_back(b.kind);
  return found;
}

TEST(Backups, KeepTheDayStartApartFromTheHistoryOfRemovingWrites) {
  TempBook book;
  const QString path = book.path(kRecipes);
  EXPECT_FALSE(backups::BeforeWrite(path, deleting(1, "x"), kMorning).notKept) << "a missing file needs nothing";
  EXPECT_FALSE(QFileInfo::exists(backups::FolderOf(book.folder())));

  const struct Step {
    const char* content;
    backups::Write write;
    QDateTime at;
    std::vector<Kind> made;
  } steps[] = {
      {"first", {Change::Keeps, {}, {}}, kMorning, {Kind::DayStart}},
      {"second", {Change::Keeps, {}, {}}, kMorning.addSecs(60), {}},
      {"third", deleting(2, "old record"), kMorning.addSecs(60), {Kind::Records}},
      {"fourth", {Change::Removes, u"復元"_s, {}}, kMorning.addSecs(60), {Kind::Whole}},
      {"fifth", deleting(1, "r"), kMorning.addDays(1), {Kind::DayStart, Kind::Records}},
  };
  std::vector<Kind> expected;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.content);
    book.writeBytes(kRecipes, step.content);
    const backups::Outcome outcome = backups::BeforeWrite(path, step.write, step.at);
    EXPECT_FALSE(outcome.notKept);
    ASSERT_EQ(outcome.made.size(), qsizetype(step.made.size()));
    expected.insert(expected.end(), step.made.begin(), step.made.end());
    const std::vector<backups::Backup> kept = backups::List(book.folder(), kRecipes);
    ASSERT_EQ(kinds(kept), expected);
    if (step.made.empty()) continue;
    const backups::Backup& newest = kept.back();
    EXPECT_EQ(contents(newest), newest.kind == Kind::Records ? step.write.records[0].bytes : QByteArray(step.content));
    EXPECT_EQ(newest.what, newest.kind == Kind::Records || newest.kind == Kind::Whole ? step.write.what
                                                                                       : backups::kDayStartWords);
  }
  const std::vector<backups::Backup> kept = backups::List(book.folder(), kRecipes);
  EXPECT_EQ(kept[1].positions, std::vector<int>{2});
  EXPECT_EQ(kept[1].fileName, backups::NameFor(kRecipes, kMorning.addSecs(60), 2));
  EXPECT_EQ(backups::NameFor(kRecipes, kMorning, 42), u"レシピ_20261208-090507_000042.TXT.gz"_s);
}

// Twenty-five deletes of a 28-recipe book in one day: the start of the day and every deleted
// record stay; and only the newest day states and writes are kept.
TEST(Backups, ManyDeletesKeepTheDayStartAndTheOldestGoByNumbers) {
  TempBook book;
  const QString path = book.path(kRecipes);
  const QByteArray start = bookOf(1, 28);
  book.writeBytes(kRecipes, start);
  for (int n = 1; n <= 25; ++n) {
    EXPECT_FALSE(backups::BeforeWrite(path, deleting(1, record(n)), kMorning.addSecs(n)).notKept);
    book.writeBytes(kRecipes, bookOf(n + 1, 28));
  }
  std::vector<backups::Backup> kept = backups::List(book.folder(), kRecipes);
  ASSERT_EQ(kept.size(), 26u);
  EXPECT_EQ(contents(kept[0]), start);
  for (int n = 1; n <= 25; ++n) EXPECT_EQ(contents(kept[size_t(n)]), record(n)) << n;

  // Days of writes beyond those kept, and writes beyond those kept, with the clock running back.
  for (int day = 1; day <= backups::kDaysKept + 2; ++day)
    EXPECT_FALSE(backups::BeforeWrite(path, {Change::Keeps, {}, {}}, kMorning.addDays(-day)).notKept);
  for (int n = 0; n < backups::kWritesKept; ++n)
    EXPECT_FALSE(backups::BeforeWrite(path, deleting(1, "r"), kMorning.addDays(-30)).notKept);
  kept = backups::List(book.folder(), kRecipes);
  const auto days = std::count_if(kept.begin(), kept.end(), [](const auto& b) { return b.kind == Kind::DayStart; });
  EXPECT_EQ(days, backups::kDaysKept);
  EXPECT_EQ(kept.size(), size_t(backups::kDaysKept + backups::kWritesKept));
  EXPECT_EQ(kept.back().takenAt.date(), kMorning.addDays(-30).date()) << "the newest by number, whatever its time";
  EXPECT_EQ(kept.front().takenAt.date(), kMorning.addDays(-4).date()) << "the oldest day states went";
}

TEST(Backups, CopiesOfEarlierVersionsAreReadAndNeverPushOutANewEntry) {
  TempBook book;
  book.writeBytes(kRecipes, record(1));
  QDir().mkdir(backups::FolderOf(book.folder()));
  for (int i = 0; i < 20; ++i)
    book.writeBytes(backups::kFolderName + u"/レシピ_20301231-2359%1.TXT"_s.arg(i + 10), bookOf(1, 2));
  book.writeBytes(backups::kFolderName + u"/ジャンル_20301231-235959.TXT"_s, "genres");
  const backups::Outcome outcome = backups::BeforeWrite(book.path(kRecipes), deleting(1, record(1)), kMorning);
  ASSERT_EQ(outcome.made.size(), 2);
  std::vector<backups::Backup> kept = backups::List(book.folder(), u"レシピ.txt"_s);
  ASSERT_EQ(kept.size(), 22u);
  EXPECT_EQ(kept[0].kind, Kind::Earlier);
  EXPECT_EQ(contents(kept[0]), bookOf(1, 2));
  EXPECT_EQ(kept[21].kind, Kind::Records) << "future-dated copies are older than any numbered entry";
  const std::vector<backups::Backup> all = backups::ListAll(book.folder());
  ASSERT_EQ(all.size(), 23u);
  EXPECT_EQ(all[0].kind, Kind::Records) << "newest first";
  EXPECT_EQ(all.back().ofFile, u"レシピ.TXT"_s);
}

// The disk has room for the write but not for the entry as well: old history makes room when it
// can; else the entry is not kept, and nothing of the history is lost for it.
TEST(Backups, NoRoomForTheEntryLeavesItOutAndTheSaveItsRoom) {
  TempBook book;
  const QString path = book.path(kRecipes);
  book.writeBytes(kRecipes, QByteArray(5000, 'r'));
  ASSERT_FALSE(backups::BeforeWrite(path, deleting(1, QByteArray(3000, 'a')), kMorning).notKept);
  const std::vector<backups::Backup> before = backups::List(book.folder(), kRecipes);
  const qint64 history = QFileInfo(before[1].path).size();
  const qint64 writeAlone = 5000 + 64 * 1024;
  const struct {
    const char* name;
    qint64 free;
    bool kept;
    int dropped;
  } cases[] = {
      {"room for both", writeAlone + 10'000, true, 0},
      {"room after the old history goes", writeAlone + history - 1, true, 1},
      {"room for little more than the write", writeAlone - 10'000, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QDir(backups::FolderOf(book.folder())).removeRecursively();
    ASSERT_FALSE(backups::BeforeWrite(path, deleting(1, QByteArray(3000, 'a')), kMorning).notKept);
    const backups::Outcome outcome = backups::BeforeWrite(
        path, deleting(2, QByteArray(3000, 'b')), kMorning.addSecs(1), [&](const QString&) { return c.free; });
    EXPECT_EQ(outcome.made.size(), c.kept ? 1 : 0);
    EXPECT_EQ(outcome.notKept.has_value(), !c.kept);
    EXPECT_EQ(outcome.droppedForRoom, c.dropped);
    EXPECT_EQ(backups::List(book.folder(), kRecipes).size(), size_t(2 + (c.kept ? 1 : 0) - c.dropped));
    EXPECT_EQ(BackupFailureMessage(outcome).isEmpty(), c.kept && c.dropped == 0);
    backups::Discard(outcome);
    EXPECT_EQ(backups::List(book.folder(), kRecipes).size(), size_t(2 - c.dropped)) << "a failed write drops the entry";
  }
}

// A file-size limit below the file: the entry fails like on a full disk, leaving nothing, and
// the program, which ignores the limit's signal, lives on to save.
TEST(Backups, AFileSizeLimitFailsTheEntryAndNotTheProgram) {
  TempBook book;
  book.writeBytes(kRecipes, noise(400'000));
  const QString path = book.path(kRecipes);
  {
    FileSizeLimit full(1000);
    const backups::Outcome outcome = backups::BeforeWrite(path, {Change::Keeps, {}, {}}, kMorning);
    ASSERT_TRUE(outcome.notKept);
    EXPECT_EQ(outcome.notKept->kind, FileError::Kind::WriteFailed);
  }
  EXPECT_TRUE(backups::List(book.folder(), kRecipes).empty()) << "no half entry";
  EXPECT_EXIT(
      {
        std::signal(SIGXFSZ, SIG_DFL);
        IgnoreFileSizeSignal();
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 1000;
        setrlimit(RLIMIT_FSIZE, &limit);
        std::_Exit(backups::BeforeWrite(path, {Change::Keeps, {}, {}}, kMorning).notKept ? 3 : 4);
      },
      testing::ExitedWithCode(3), "");
}

TEST(Backups, AFailureIsToldEveryTime) {
  TempBook book;
  book.writeBytes(kRecipes, "recipes");
  book.writeBytes(backups::kFolderName, "in the way");
  FixedClock clock(kMorning.date(), kMorning.time());
  BookBackups keeper;
  keeper.setClock(clock);
  for (int i = 0; i < 3; ++i) {
    const backups::Outcome outcome = keeper.beforeWrite(book.path(kRecipes), Change::Removes);
    ASSERT_TRUE(outcome.notKept) << i;
    EXPECT_EQ(outcome.notKept->path, backups::FolderOf(book.folder()));
    EXPECT_TRUE(BackupFailureMessage(outcome).startsWith(u"バックアップを作成できませんでした。"_s));
  }
}

// A large file's day start is compressed beside the write; what goes wrong there is told with
// the next backup, and a failed write drops it.
TEST(Backups, ALargeDayStartIsWrittenBesideTheWrite) {
  TempBook book;
  const QByteArray large = noise(3 * 1024 * 1024);
  book.writeBytes(kRecipes, large);
  FixedClock clock(kMorning.date(), kMorning.time());
  BookBackups keeper;
  keeper.setClock(clock);
  backups::Outcome outcome;
  {
    FileSizeLimit full(1024 * 1024);
    outcome = keeper.beforeWrite(book.path(kRecipes), Change::Keeps);
    EXPECT_FALSE(outcome.notKept) << "not yet known";
    keeper.finish();
  }
  EXPECT_TRUE(backups::List(book.folder(), kRecipes).empty());
  outcome = keeper.beforeWrite(book.path(kRecipes), Change::Keeps);
  ASSERT_TRUE(outcome.notKept) << "told with the next backup";
  outcome = keeper.beforeWrite(book.path(kRecipes), Change::Keeps);
  EXPECT_FALSE(outcome.notKept);
  keeper.finish();
  ASSERT_EQ(backups::List(book.folder(), kRecipes).size(), 1u);
  EXPECT_EQ(contents(backups::List(book.folder(), kRecipes)[0]), large);
  clock.set(kMorning.date().addDays(1));
  keeper.discard(keeper.beforeWrite(book.path(kRecipes), Change::Keeps));
  EXPECT_EQ(backups::List(book.folder(), kRecipes).size(), 1u);
}

// What gzip itself reads back, and a damaged entry listed as damaged.
TEST(Backups, EntriesAreGzipAndDamageShowsInTheListing) {
  TempBook book;
  const QByteArray start = bookOf(1, 3);
  book.writeBytes(kRecipes, start);
  ASSERT_FALSE(backups::BeforeWrite(book.path(kRecipes), deleting(2, record(2)), kMorning).notKept);
  const std::vector<backups::Backup> kept = backups::List(book.folder(), kRecipes);
  QProcess zcat;
  zcat.start(u"gzip"_s, {u"-dc"_s, kept[0].path});
  ASSERT_TRUE(zcat.waitForFinished());
  EXPECT_EQ(zcat.readAllStandardOutput(), start);

  const QByteArray member = book.bytes(backups::kFolderName + u'/' + kept[0].fileName);
  const auto cut = [&](const QString& name, const QByteArray& bytes) {
    book.writeBytes(backups::kFolderName + u'/' + name, bytes);
  };
  cut(backups::NameFor(kRecipes, kMorning, 10), member.left(member.size() - 9));             // cut short
  cut(backups::NameFor(kRecipes, kMorning, 11), gzip_entry::Compress("\xef\xbc\xa1", {"seq=11\nkind=day\n", {}, 0}));  // UTF-8
  cut(backups::NameFor(kRecipes, kMorning, 12), "not gzip");
  cut(u"レシピ_20240101-000000.TXT"_s, start.left(start.size() - 5));                        // an earlier copy cut short
  std::vector<backups::ListedBackup> listed = backups::ListBackups(book.folder());
  ASSERT_EQ(listed.size(), 6u);
  // Newest first: the UTF-8 one (11), the delete (2), the day start (1) and the copy of it cut
  // short, then the one that is not gzip and the earlier copy, which carry no number.
  const std::vector<std::pair<int, bool>> expected = {{-1, true}, {1, false}, {3, false}, {-1, true}, {-1, true}, {-1, true}};
  for (size_t i = 0; i < listed.size(); ++i) {
    SCOPED_TRACE(listed[i].backup.fileName.toStdString());
    EXPECT_EQ(listed[i].recipeCount, expected[i].first);
    EXPECT_EQ(listed[i].damaged, expected[i].second);
  }
  listed[1].recipeCount = 7;  // stands for a count the entry is not read again for
  EXPECT_EQ(backups::ListBackups(book.folder(), listed)[1].recipeCount, 7);
}

// A save of three lists that a killed run left at any point is, at the next start, all old or
// all new.
TEST(SavesTogether, AHalfDoneSaveIsFinishedOrRolledBack) {
  const QStringList names = {u"ジャンル.TXT"_s, u"種類.TXT"_s, u"調理方法.TXT"_s};
  const struct {
    const char* when;
    int waiting;  // lists written under their waiting names
    bool listWritten;
    int renamed;
    const char* expected;
  } cases[] = {
      {"while writing the new lists", 2, false, 0, "old"},
      {"before the list of files", 3, false, 0, "old"},
      {"before the first rename", 3, true, 0, "new"},
      {"between renames", 3, true, 2, "new"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.when);
    TempBook book;
    for (int i = 0; i < 3; ++i) {
      book.writeBytes(names[i], i < c.renamed ? "new" : "old");
      if (i >= c.renamed && i < c.waiting) book.writeBytes(names[i] + saves_together::kWaitingSuffix, "new");
    }
    if (c.listWritten) book.writeLines(saves_together::kListName, names);
    saves_together::FinishSavesTogether(book.folder());
    for (const QString& name : names) EXPECT_EQ(book.bytes(name), QByteArray(c.expected)) << name.toStdString();
    EXPECT_EQ(QDir(book.folder()).entryList(QDir::Files | QDir::Hidden).size(), 3) << "nothing left over";
  }
  TempBook book;
  ASSERT_FALSE(saves_together::Save(book.folder(), {{names[0], "a"}, {names[1], "b"}}));
  EXPECT_EQ(book.bytes(names[0]) + book.bytes(names[1]), "ab");
  EXPECT_EQ(QDir(book.folder()).entryList(QDir::Files | QDir::Hidden).size(), 2);
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

}  // namespace
