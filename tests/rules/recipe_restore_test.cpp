// SPDX-License-Identifier: GPL-3.0-or-later
// Getting recipes back from a backup of the recipe file: which of its recipes the book lacks, and
// the two ways back, both checked on the files' bytes.
#include "backup/rules/recipe_restore.h"

#include <gtest/gtest.h>

#include <optional>

#include "rules_test_util.h"
#include "store/rules/recipe_file.h"
#include "support/temp_book.h"

namespace {

const QString kBook = u"レシピ.TXT"_s;
const QString kBackup = u"backup.TXT"_s;

QByteArray record(const QString& name) {
  return sjisLines(recordLines({name, u"和食"_s, {}, {}, u"0"_s, u"0"_s, u"0"_s, u"未"_s, u"未"_s, u"0"_s}, u"米　2合"_s, {},
                               u"メモ"_s, u"2024/05/01"_s));
}

// A record as another program may have written it: bare LF line ends and a count of "03".
QByteArray oddRecord(const QString& name) {
  return record(name).replace("\r\n", "\n").replace(sjis(u"【回数　　】0"_s), sjis(u"【回数　　】03"_s));
}

// A plain copy of the recipe file at path, as earlier versions kept them.
backups::Backup copyAt(const QString& path) {
  backups::Backup copy;
  copy.path = path;
  copy.ofFile = kBook;
  copy.kind = backups::Kind::Earlier;
  return copy;
}

RecipeTable bookOf(const QStringList& names) {
  RecipeTable table;
  for (const QString& name : names) table.append(Recipe{name});
  return table;
}

struct BackupCase {
  std::string name;
  std::optional<QByteArray> bytes;  // none: the backup has gone
  QStringList missing;              // the dish names the book lacks, in file order
  std::optional<FileError::Kind> error;
};

void PrintTo(const BackupCase& c, std::ostream* os) { *os << c.name; }

const BackupCase kBackups[] = {
    {"OnlyWhatTheBookLacks", record(u"カレー"_s) + oddRecord(u"肉じゃが"_s) + record(u"サラダ"_s) + "\r\n",
     {u"カレー"_s, u"サラダ"_s}},
    {"NothingLacking", record(u"肉じゃが"_s), {}},
    {"Empty", QByteArray(), {}},
    {"Damaged", record(u"カレー"_s) + record(u"サラダ"_s).chopped(3), {}, FileError::Kind::Unfinished},
    {"NotText", record(u"カレー"_s).replace(sjis(u"メモ"_s), "\x81\x20"), {}, FileError::Kind::NotCp932},
    {"Vanished", std::nullopt, {}, FileError::Kind::Missing},
};

class MissingRecipes : public testing::TestWithParam<BackupCase> {};

TEST_P(MissingRecipes, AreTheBackupsRecipesTheBookLacks) {
  const BackupCase& c = GetParam();
  TempBook book;
  if (c.bytes) book.writeBytes(kBackup, *c.bytes);
  const auto read = backups::MissingRecipes(copyAt(book.path(kBackup)), bookOf({u"肉じゃが"_s}));
  if (c.error) {
    EXPECT_EQ(errorOf(read).kind, *c.error);
    return;
  }
  const backups::BackupRecipes recipes = valueOf(read);
  QStringList missing;
  for (int index : recipes.missing) missing.append(recipes.file.records[size_t(index)].dishName);
  EXPECT_EQ(missing, c.missing);
}

INSTANTIATE_TEST_SUITE_P(Backups, MissingRecipes, testing::ValuesIn(kBackups), ByName());

class RestoreFromBackup : public testing::Test {
 protected:
  void SetUp() override {
    book.writeBytes(kBook, record(u"肉じゃが"_s));
    book.writeBytes(kBackup, backupBytes);
    recipes = valueOf(backups::MissingRecipes(copyAt(book.path(kBackup)), bookOf({u"肉じゃが"_s})));
  }

  TempBook book;
  const QByteArray backupBytes = record(u"カレー"_s) + oddRecord(u"肉じゃが"_s) + record(u"サラダ"_s) + "\r\n\r\n";
  backups::BackupRecipes recipes;
};

TEST_F(RestoreFromBackup, AppendsTheChosenRecordsAsTheyStand) {
  ASSERT_EQ(recipes.missing, (std::vector<int>{0, 2}));
  EXPECT_FALSE(backups::AppendFromBackup(book.path(kBook), recipes, {2, 1}));
  EXPECT_EQ(book.bytes(kBook), record(u"肉じゃが"_s) + record(u"サラダ"_s) + oddRecord(u"肉じゃが"_s).replace("\n", "\r\n"));
  EXPECT_EQ(valueOf(recipe_file::LoadRecipeFile(book.path(kBook))).count(), 3);
}

TEST_F(RestoreFromBackup, PutsTheWholeBackupInPlaceByteForByte) {
  EXPECT_FALSE(backups::RestoreWholeFile(book.path(kBook), copyAt(book.path(kBackup))));
  EXPECT_EQ(book.bytes(kBook), backupBytes);
}

TEST_F(RestoreFromBackup, AppendsNothingToABookThatIsNotSound) {
  const QByteArray broken = record(u"肉じゃが"_s).chopped(3);
  book.writeBytes(kBook, broken);
  const auto error = backups::AppendFromBackup(book.path(kBook), recipes, {0});
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, FileError::Kind::Unfinished);
  EXPECT_EQ(book.bytes(kBook), broken);
}

}  // namespace
