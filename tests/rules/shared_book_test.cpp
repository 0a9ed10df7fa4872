// SPDX-License-Identifier: GPL-3.0-or-later
// Two writers on one book: every write proves the file is still the one it read, and a change
// made meanwhile by another writer is kept. Files cut short are told from whole ones.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <QFile>

#include "fridge/rules/fridge_files.h"
#include "menu/rules/menu_plan.h"
#include "platform/rules/cp932.h"
#include "platform/rules/text_file.h"
#include "rules_test_util.h"
#include "store/rules/conflict_copies.h"
#include "store/rules/profile_file.h"
#include "store/rules/recipe_edits.h"
#include "store/rules/recipe_file.h"
#include "store/rules/recipe_reader.h"
#include "support/temp_book.h"

namespace {

const QString kFile = u"レシピ.TXT"_s;

QByteArray record(const QString& name, const QString& memo = {}) {
  return sjisLines(recordLines({name, u"和食"_s, u"主菜"_s, u"煮る"_s, u"100"_s, u"1.5"_s, u"20"_s, u"未"_s, u"未"_s, u"0"_s, {}},
                               u"豚肉"_s, u"煮る"_s, memo));
}

// Puts the modification time back as it was, as a copy that keeps times does.
void keepTime(const QString& path, const struct stat& before) {
  const struct timespec times[2] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

struct OutsideChange {
  std::string name;
  void (*change)(const TempBook& book);
};

const OutsideChange kOutsideChanges[] = {
    {"RewrittenInPlace", [](const TempBook& b) { b.writeBytes(kFile, record(u"カレー"_s) + record(u"B登録"_s)); }},
    {"SameSizeSameTime",
     [](const TempBook& b) {
       struct stat before {};
       ::stat(QFile::encodeName(b.path(kFile)).constData(), &before);
       QFile file(b.path(kFile));
       ASSERT_TRUE(file.open(QIODevice::ReadWrite));
       file.seek(file.size() - 3);  // the last name's last letter, in place
       file.write("X'\r");
       file.close();
       keepTime(b.path(kFile), before);
     }},
    {"ReplacedByRename",
     [](const TempBook& b) {
       b.writeBytes(u"sync.tmp"_s, record(u"カレー"_s));
       ASSERT_TRUE(QFile::remove(b.path(kFile)));
       ASSERT_TRUE(QFile::rename(b.path(u"sync.tmp"_s), b.path(kFile)));
     }},
    {"Removed", [](const TempBook& b) { ASSERT_TRUE(QFile::remove(b.path(kFile))); }},
};

void PrintTo(const OutsideChange& c, std::ostream* os) { *os << c.name; }

class WriteOverStamp : public testing::TestWithParam<OutsideChange> {};

TEST_P(WriteOverStamp, RefusesAFileChangedSinceItWasStampedAndKeepsIt) {
  TempBook book;
  book.writeBytes(kFile, record(u"カレー"_s));
  FileStamp stamp = file_stamp::of(book.path(kFile));
  ASSERT_TRUE(file_stamp::unchanged(book.path(kFile), stamp));
  GetParam().change(book);
  const bool existed = book.exists(kFile);
  const QByteArray outside = existed ? book.bytes(kFile) : QByteArray();

  auto error = text_file::writeBytesOver(book.path(kFile), record(u"A"_s), stamp);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->kind, FileError::Kind::ChangedOutside);
  EXPECT_EQ(book.exists(kFile), existed);
  if (existed) EXPECT_EQ(book.bytes(kFile), outside);
}

// 登録 takes the records it does not read back from the table it was told only while the file is
// still the one that table was read from; after another writer's change it reads the file, even
// one changed in place within the same clock tick.
TEST(SharedBook, AnAppendHandsBackTheFileAsItNowReads) {
  const std::pair<const char*, void (*)(const TempBook&)> changes[] = {
      {"none", [](const TempBook&) {}},
      {"another record", [](const TempBook& b) { b.writeBytes(kFile, record(u"カレー"_s) + record(u"B登録"_s)); }},
      {"same size and time", [](const TempBook& b) {
         struct stat before {};
         ::stat(QFile::encodeName(b.path(kFile)).constData(), &before);
         QByteArray bytes = b.bytes(kFile);
         bytes.replace(cp932::encode(u"カレー"_s).bytes, cp932::encode(u"ケーキ"_s).bytes);
         b.writeBytes(kFile, bytes);
         keepTime(b.path(kFile), before);
       }}};
  for (const auto& [name, change] : changes) {
    TempBook book;
    book.writeBytes(kFile, record(u"カレー"_s));
    auto loaded = valueOf(recipe_file::LoadStampedRecipeFile(book.path(kFile)));
    change(book);
    recipe_file::RecipeForm form;
    form.DishName = u"新しい料理"_s;
    const RecipeTable appended =
        valueOf(recipe_file::AppendRecipe(book.path(kFile), form, &loaded.stamp, &loaded.table));
    const RecipeTable onDisk = valueOf(recipe_file::LoadRecipeFile(book.path(kFile)));
    ASSERT_EQ(appended.count(), onDisk.count()) << name;
    for (int i = 1; i <= onDisk.count(); ++i) EXPECT_EQ(appended[i], onDisk[i]) << name << " " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(SharedBook, WriteOverStamp, testing::ValuesIn(kOutsideChanges), ByName());

TEST(SharedBook, AWriteOverItsOwnStampGoesThroughAndStampsWhatItWrote) {
  TempBook book;
  book.writeBytes(kFile, record(u"カレー"_s));
  FileStamp stamp = file_stamp::of(book.path(kFile));
  for (const QString& name : {u"一"_s, u"二"_s}) {
    ASSERT_FALSE(text_file::writeBytesOver(book.path(kFile), record(name), stamp));
    EXPECT_EQ(book.bytes(kFile), record(name));
    EXPECT_TRUE(file_stamp::unchanged(book.path(kFile), stamp));
  }
}

// A stamp taken while the file's time was recent is proven by its content; once that time is old,
// a proven stamp is settled, and a later change can only show in the time.
TEST(SharedBook, AStampInDoubtIsProvenByContentThenSettled) {
  TempBook book;
  book.writeBytes(kFile, record(u"カレー"_s));
  struct stat old {};
  ASSERT_EQ(::stat(QFile::encodeName(book.path(kFile)).constData(), &old), 0);
  old.st_mtim.tv_sec -= 3600;
  keepTime(book.path(kFile), old);
  FileStamp stamp = file_stamp::of(book.path(kFile));
  stamp.inDoubt = true;  // as when it was taken within the same clock tick as the write
  stamp.hash = file_stamp::hashOf(record(u"ケーキ"_s));
  EXPECT_FALSE(file_stamp::unchanged(book.path(kFile), stamp));
  EXPECT_TRUE(stamp.inDoubt);
  stamp.hash = file_stamp::hashOf(record(u"カレー"_s));
  EXPECT_TRUE(file_stamp::unchanged(book.path(kFile), stamp));
  EXPECT_FALSE(stamp.inDoubt);
}

// A stamp's hash is the content's, whether the content comes whole, in the pieces a writer wrote
// it in, or read back from the file a block at a time; a byte changed in a later block changes it.
TEST(SharedBook, AStampHashIsTheContentsWhereverItIsCut) {
  constexpr qsizetype kMiB = 1024 * 1024;
  QByteArray content(5 * kMiB / 2 + 7, Qt::Uninitialized);
  for (qsizetype i = 0; i < content.size(); ++i) content[i] = char(i * 7919 % 251);
  const size_t whole = file_stamp::hashOf(content);
  for (const qsizetype cut : {qsizetype(0), qsizetype(1), kMiB - 1, kMiB, kMiB + 1, content.size() - 1}) {
    file_stamp::ContentHash pieces;
    pieces.add(QByteArrayView(content).first(cut));
    pieces.add(QByteArrayView(content).sliced(cut));
    EXPECT_EQ(pieces.value(), whole) << cut;
  }
  QByteArray changed = content;
  changed[3 * kMiB / 2] = char(changed[3 * kMiB / 2] + 1);
  EXPECT_NE(file_stamp::hashOf(changed), whole);

  TempBook book;
  book.writeBytes(kFile, content);
  const FileStamp stamp = file_stamp::of(book.path(kFile));
  ASSERT_TRUE(stamp.inDoubt);
  EXPECT_EQ(stamp.hash, whole);
}

TEST(SharedBook, AnUpdateThatChangesNothingLeavesTheFileUntouched) {
  TempBook book;
  book.writeLines(kProfileFileName, {u"花子"_s, u" 100 "_s, u"写真表示"_s, u" 0 "_s});
  const FileStamp before = file_stamp::of(book.path(kProfileFileName));
  Profile same{u"花子"_s, 100, u"写真表示"_s, 0};
  ASSERT_FALSE(SaveProfile(book.path(kProfileFileName), same));
  const FileStamp after = file_stamp::of(book.path(kProfileFileName));
  EXPECT_EQ(after.inode, before.inode);
  EXPECT_EQ(after.mtimeNs, before.mtimeNs);
}

TEST(SharedBook, EachSmallFileWriteKeepsWhatAnotherWriterSavedMeanwhile) {
  TempBook book;
  const QDate today(2024, 5, 12);
  // Window A read the files as they were; then window B saved its change; then A saves its own.
  book.writeLines(kProfileFileName, {u"花子"_s, u" 100 "_s, u"写真表示"_s, u" 0 "_s});
  Profile seenByA{u"花子"_s, 100, u"写真表示"_s, 0};
  book.writeLines(kProfileFileName, {u"太郎"_s, u" 100 "_s, u"写真表示"_s, u" 0 "_s});  // B's nickname
  seenByA.PhotoMode = kPhotoHidden;
  ASSERT_FALSE(SaveProfile(book.path(kProfileFileName), seenByA, kPhotoModeLine));
  EXPECT_EQ(book.lines(kProfileFileName), (QStringList{u"太郎"_s, u" 100 "_s, u"写真非表示"_s, u" 0 "_s}));

  const MenuPlan readByA = BlankMenuPlan();
  MenuPlan savedByB = readByA, shownByA = readByA;
  savedByB.dish(0) = u"B朝"_s;
  shownByA.dish(8) = u"A夕"_s;
  ASSERT_FALSE(WriteMenuPlan(book.path(kMenuFileName), savedByB));
  const MenuPlan saved = valueOf(SaveMenuPlanChanges(book.path(kMenuFileName), readByA, shownByA));
  EXPECT_EQ(saved.dish(0), u"B朝"_s);
  EXPECT_EQ(saved.dish(8), u"A夕"_s);
  EXPECT_EQ(valueOf(ReadMenuPlan(book.path(kMenuFileName))), saved);

  const QString stock = book.path(fridge_files::kStockFileName);
  const StockEntry own = MakeEntry(u"牛乳"_s, u"2024/05/10"_s, {}, today);
  const StockEntry other = MakeEntry(u"卵"_s, u"2024/05/11"_s, {}, today);
  ASSERT_FALSE(fridge_files::AppendStockEntry(stock, own));   // A adds its row
  ASSERT_FALSE(fridge_files::AppendStockEntry(stock, other)); // B adds one A never showed
  EXPECT_EQ(valueOf(fridge_files::RemoveStockEntries(stock, {own}, {})), false);
  const auto left = valueOf(fridge_files::ReadStock(stock, today));
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].IngredientName, u"卵"_s);
}

TEST(SharedBook, ARecordIsFoundAgainByContentNearestWhereItStood) {
  auto r = [](const QString& name, const QString& memo) {
    Recipe recipe;
    recipe.DishName = name;
    recipe.Memo = memo;
    return recipe;
  };
  const RecipeTable table({r(u"B登録"_s, {}), r(u"カレー"_s, u"辛口"_s), r(u"汁"_s, {}), r(u"カレー"_s, u"辛口"_s)});
  const struct {
    Recipe before;
    int near;
    recipe_edits::Found how;
    int number;
  } cases[] = {
      {r(u"カレー"_s, u"辛口"_s), 1, recipe_edits::Found::Same, 2},
      {r(u"カレー"_s, u"辛口"_s), 4, recipe_edits::Found::Same, 4},
      {r(u"カレー"_s, u"甘口"_s), 2, recipe_edits::Found::Changed, 2},
      {r(u"肉じゃが"_s, {}), 1, recipe_edits::Found::Gone, 0},
  };
  for (const auto& c : cases) {
    const recipe_edits::Located found = recipe_edits::Locate(table, c.before, c.near);
    EXPECT_EQ(found.how, c.how) << c.before.DishName.toStdString();
    EXPECT_EQ(found.number, c.number) << c.before.DishName.toStdString();
  }
}

// Files that a writer (a sync tool, a killed program) left unfinished.
struct Unfinished {
  std::string name;
  QByteArray bytes;
};

QByteArray cutAt(const QByteArray& bytes, const QByteArray& before) { return bytes.left(bytes.indexOf(before)); }

const QByteArray kTwo = record(u"カレー"_s) + record(u"肉じゃが"_s, u"甘め"_s);
const Unfinished kUnfinished[] = {
    {"CutAtALineEndInsideARecord", cutAt(kTwo, sjis(u"----------\r\n【メモ】\r\n甘め"_s))},
    {"CutInsideACharacter", cutAt(kTwo, sjis(u"甘め"_s)) + sjis(u"甘"_s).left(1)},
    {"CutAndWrittenOn", cutAt(kTwo, sjis(u"----------\r\n【メモ】\r\n甘め"_s)) + record(u"B登録"_s)},
    {"CutInTheHeaderAndWrittenOn", cutAt(kTwo, sjis(u"【種類　　】"_s)) + record(u"B登録"_s)},
};

void PrintTo(const Unfinished& c, std::ostream* os) { *os << c.name; }

class UnfinishedFile : public testing::TestWithParam<Unfinished> {};

TEST_P(UnfinishedFile, IsToldAsUnfinishedAndNothingIsAppendedToIt) {
  TempBook book;
  book.writeBytes(kFile, GetParam().bytes);
  EXPECT_EQ(errorOf(recipe_file::ReadRecipeFile(book.path(kFile))).kind, FileError::Kind::Unfinished);
  recipe_file::RecipeForm form;
  form.DishName = u"A登録"_s;
  EXPECT_EQ(errorOf(recipe_file::AppendRecipe(book.path(kFile), form)).kind, FileError::Kind::Unfinished);
  EXPECT_EQ(book.bytes(kFile), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(SharedBook, UnfinishedFile, testing::ValuesIn(kUnfinished), ByName());

}  // namespace

namespace {

TEST(ConflictCopies, TheSyncToolsNamesAreFoundAndNothingElse) {
  const struct {
    const char* name;
    bool copy;
  } names[] = {
      {"レシピ.sync-conflict-20261209-101500-ABCDEFG.TXT", true},
      {"レシピ (conflicted copy 2026-12-09 101500).TXT", true},
      {"レシピ (xxx's conflicted copy 2026-12-09).TXT", true},
      {"レシピ (花子's conflicted copy 2026-12-09 (1)).txt", true},
      {"レシピ.TXT", false},
      {"レシピ_20261208-183738.TXT", false},
      {"レシピ.sync-conflict-20261209-101500-ABCDEFG.TXT.tmp", false},
      {"メモ.sync-conflict-20261209-101500-ABCDEFG.TXT", false},
  };
  TempBook book;
  QStringList expected;
  for (const auto& n : names) {
    const QString name = QString::fromUtf8(n.name);
    EXPECT_EQ(IsConflictCopyOf(name, u"レシピ.TXT"_s), n.copy) << n.name;
    book.writeBytes(name, "x");
    if (n.copy) expected.append(book.path(name));
  }
  expected.sort();
  QStringList found = FindConflictCopies(book.folder(), u"レシピ.TXT"_s);
  found.sort();
  EXPECT_EQ(found, expected);
}

}  // namespace
