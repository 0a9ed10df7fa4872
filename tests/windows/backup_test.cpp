// SPDX-License-Identifier: GPL-3.0-or-later
// A recipe is never lost: every delete and change is backed up first and a delete can be undone
// in place, a backup that cannot be made never stops a save, and recipes and other files come
// back from a backup through the restore window.
#include <QDir>
#include <QHeaderView>
#include <QListWidget>
#include <QTreeWidget>

#include "store/rules/backups.h"
#include "store/windows/backup_before_write.h"
#include "category_editor/windows/frm_hensyu.h"
#include "store/rules/recipe_file.h"
#include "support/file_size_limit.h"
#include "support/main_window_fixture.h"

namespace {

const QString kRecipeFile = QStringLiteral("レシピ.TXT");

class BackupTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    writeRecipes({simpleRecipe(QStringLiteral("カレー")),
                  simpleRecipe(QStringLiteral("肉じゃが"), QStringLiteral("良"), QStringLiteral("優"),
                               QStringLiteral("2024/05/01\n2024/05/08")),
                  simpleRecipe(QStringLiteral("味噌汁"))});
    original = book.bytes(kRecipeFile);
  }
  std::vector<backups::Backup> recipeBackups() const { return backupsOf(kRecipeFile); }
  std::vector<backups::Backup> backupsOf(const QString& file) const {
    if (module) module->Backups.finish();
    return backups::List(book.folder(), file);
  }
  static QByteArray kept(const backups::Backup& b) { return std::get<QByteArray>(backups::Contents(b)); }
  QByteArray recordBytes(int number) const { return recipe_file::RecordBytes(module->Recipes[number]); }
  void deleteRecord(int number) {
    window->showRecord(number);
    click("cmdDelete");  // the script answers OK
  }
  void registerShownWithCalories(const QString& calories) {
    control<QLineEdit>("txtCal")->setText(calories);
    click("cmdTouroku");
  }
  QByteArray original;
};

TEST_F(BackupTest, ADeleteIsBackedUpAndUndoneInItsOldPlace) {
  open();
  EXPECT_FALSE(control<QPushButton>("cmdTorikesi")->isVisible());
  const QByteArray deleted = recordBytes(2);
  deleteRecord(2);
  ASSERT_EQ(recipeBackups().size(), 2u);
  EXPECT_EQ(recipeBackups()[0].fileName, QStringLiteral("レシピ_20240512-120000_000001.TXT.gz")) << "named by the clock";
  EXPECT_EQ(kept(recipeBackups()[0]), original);
  EXPECT_EQ(kept(recipeBackups()[1]), deleted);
  EXPECT_EQ(recipeBackups()[1].what, QStringLiteral("削除: 肉じゃが"));
  EXPECT_EQ(module->RecipeCount(), 2);

  auto* undo = control<QPushButton>("cmdTorikesi");
  ASSERT_TRUE(undo->isVisible());
  EXPECT_EQ(undo->text(), QStringLiteral("削除を元に戻す"));
  dialogs.clear();
  click("cmdTorikesi");
  EXPECT_EQ(book.bytes(kRecipeFile), original) << "back in place with its log and ratings";
  EXPECT_EQ(control<QComboBox>("cboNamae")->currentText(), QStringLiteral("肉じゃが"));
  EXPECT_EQ(text("lblKensu"), QStringLiteral("2 / 3"));
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("『 肉じゃが 』を元に戻しました"));
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("削除の取り消し"));
  EXPECT_FALSE(undo->isVisible()) << "one delete, one undo";
}

TEST_F(BackupTest, UndoIsOfferedOnlyUntilTheNextWrite) {
  open();
  deleteRecord(1);
  ASSERT_TRUE(control<QPushButton>("cmdTorikesi")->isVisible());
  registerShownWithCalories(QStringLiteral("250"));
  EXPECT_EQ(dialogs.messages().back().text, QStringLiteral("登録しました"));
  EXPECT_FALSE(control<QPushButton>("cmdTorikesi")->isVisible());
}

// The day's first state once a day; the old record before every change and delete.
TEST_F(BackupTest, TheDayStartOnceADayAndTheOldRecordBeforeEveryChangeOrDelete) {
  open();
  const QByteArray curry = recordBytes(1), nikujaga = recordBytes(2);
  registerShownWithCalories(QStringLiteral("250"));
  const QByteArray changedCurry = recordBytes(1);
  registerShownWithCalories(QStringLiteral("260"));
  deleteRecord(2);
  clock.set(QDate(2024, 5, 13), QTime(8, 30));
  const QByteArray dayTwo = book.bytes(kRecipeFile);
  click("cmdNew");
  control<QComboBox>("cboNamae")->setEditText(QStringLiteral("ぶり大根"));
  click("cmdTouroku");  // adds, removes nothing
  const std::vector<std::pair<QString, QByteArray>> expected = {
      {backups::kDayStartWords, original},          {QStringLiteral("変更登録: カレー"), curry},
      {QStringLiteral("変更登録: カレー"), changedCurry}, {QStringLiteral("削除: 肉じゃが"), nikujaga},
      {backups::kDayStartWords, dayTwo}};
  const std::vector<backups::Backup> copies = recipeBackups();
  ASSERT_EQ(copies.size(), expected.size());
  for (size_t i = 0; i < copies.size(); ++i) {
    EXPECT_EQ(copies[i].what, expected[i].first) << i;
    EXPECT_EQ(kept(copies[i]), expected[i].second) << i;
  }
  EXPECT_EQ(copies.back().fileName, QStringLiteral("レシピ_20240513-083000_000005.TXT.gz"));
}

// A write that fails drops the entry it was backed up with: nothing useless is left, and the
// book is as it was.
TEST_F(BackupTest, AFailingWriteLeavesNoEntryBehind) {
  open();
  {
    FileSizeLimit full(original.size() + 40);
    click("cmdNew");
    control<QComboBox>("cboNamae")->setEditText(QStringLiteral("ぶり大根"));
    click("cmdTouroku");
  }
  EXPECT_EQ(dialogs.messages().back().icon, MessageBox::Icon::Critical);
  EXPECT_EQ(book.bytes(kRecipeFile), original);
  EXPECT_TRUE(recipeBackups().empty());
}

// Whatever stops the backup (a file where the folder goes, a disk with room for the save alone),
// the save goes on, and the user is told each time.
TEST_F(BackupTest, ABackupThatCannotBeMadeDoesNotStopTheSave) {
  const struct {
    const char* name;
    bool folderBlocked;
  } cases[] = {{"unwritable folder", true}, {"room for the save alone", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QDir(backups::FolderOf(book.folder())).removeRecursively();
    QFile::remove(book.path(backups::kFolderName));
    book.writeBytes(kRecipeFile, original);
    if (c.folderBlocked) book.writeBytes(backups::kFolderName, "not a folder");
    dialogs.clear();
    open();
    if (!c.folderBlocked) module->Backups.setFreeSpace([this](const QString&) { return original.size() + 64 * 1024; });
    deleteRecord(1);
    deleteRecord(1);
    const std::vector<MessageBox> shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 6u) << "confirm, backup warning, done, twice";
    for (size_t i : {1u, 4u}) {
      EXPECT_EQ(shown[i].title, QStringLiteral("バックアップ"));
      EXPECT_EQ(shown[i].icon, MessageBox::Icon::Exclamation);
      EXPECT_TRUE(shown[i].text.startsWith(QStringLiteral("バックアップを作成できませんでした。")));
      EXPECT_TRUE(shown[i].text.contains(QStringLiteral("保存はこのまま続けます。")));
      EXPECT_EQ(shown[i + 1].text, QStringLiteral("削除しました"));
    }
    EXPECT_EQ(module->RecipeCount(), 1);
    EXPECT_TRUE(recipeBackups().empty());
  }
}

TEST_F(BackupTest, SavingTheCategoryListsBacksUpAllThree) {
  open();
  const QStringList lists = {QStringLiteral("ジャンル.TXT"), QStringLiteral("種類.TXT"), QStringLiteral("調理方法.TXT")};
  std::vector<QByteArray> before;
  for (const QString& list : lists) before.push_back(book.bytes(list));
  frmHensyu editor(*module, dialogs, [] {});
  editor.findChild<QLineEdit*>(QStringLiteral("txtJyanru(0)"))->setText(QStringLiteral("郷土料理"));
  QTest::mouseClick(editor.cmdHozon1, Qt::LeftButton);
  for (size_t i = 0; i < before.size(); ++i) {
    const auto copies = backupsOf(lists[int(i)]);
    ASSERT_EQ(copies.size(), 1u) << lists[int(i)].toStdString();
    EXPECT_EQ(kept(copies[0]), before[i]);
  }
}

class RestoreWindowTest : public BackupTest {
 protected:
  QWidget* openRestore() {
    if (!window) open();
    click("cmdFukugen");
    return FindControl(window.get(), QStringLiteral("frmFukugen"));
  }
  template <typename T = QWidget>
  T* part(QWidget* w, const char* name) {
    return FindControl<T>(w, QString::fromLatin1(name));
  }
  QStringList row(QTreeWidget* list, int r) {
    QStringList cells;
    for (int c = 0; c < list->columnCount(); ++c) cells.append(list->topLevelItem(r)->text(c));
    return cells;
  }
  void chooseBackup(QWidget* w, int r) {
    auto* list = part<QTreeWidget>(w, "lstBackup");
    list->setCurrentItem(list->topLevelItem(r));
  }
};

TEST_F(RestoreWindowTest, ListsTheBackupsAndWhatTheBookLacks) {
  QWidget* w = openRestore();
  EXPECT_EQ(w->windowTitle(), QStringLiteral("バックアップから復元"));
  EXPECT_TRUE(part<QLabel>(w, "lblBasho")->text().contains(QStringLiteral("バックアップはまだありません")));
  EXPECT_EQ(part<QTreeWidget>(w, "lstBackup")->topLevelItemCount(), 0);

  deleteRecord(2);
  clock.set(QDate(2024, 5, 12), QTime(18, 5, 9));
  deleteRecord(1);
  auto* list = part<QTreeWidget>(w, "lstBackup");
  ASSERT_EQ(list->topLevelItemCount(), 3) << "follows the book";
  EXPECT_EQ(list->headerItem()->text(4), QStringLiteral("レシピ数"));
  const QString day = QStringLiteral("2024/05/12");
  EXPECT_EQ(row(list, 0), (QStringList{day, QStringLiteral("18:05:09"), kRecipeFile, QStringLiteral("削除: カレー"),
                                       QStringLiteral("1件")}));
  EXPECT_EQ(row(list, 1), (QStringList{day, QStringLiteral("12:00:00"), kRecipeFile, QStringLiteral("削除: 肉じゃが"),
                                       QStringLiteral("1件")}));
  EXPECT_EQ(row(list, 2), (QStringList{day, QStringLiteral("12:00:00"), kRecipeFile, QStringLiteral("その日の最初の状態"),
                                       QStringLiteral("3件")}));
  chooseBackup(w, 2);
  auto* missing = part<QListWidget>(w, "lstRecipe");
  ASSERT_EQ(missing->count(), 2);
  EXPECT_EQ(missing->item(0)->text(), QStringLiteral("カレー"));
  EXPECT_EQ(missing->item(1)->text(), QStringLiteral("肉じゃが"));
  EXPECT_EQ(part<QLabel>(w, "lblRecipe")->text(), QStringLiteral("今のレシピ帳にないレシピ（2件）"));
}

TEST_F(RestoreWindowTest, BringsChosenRecipesBackAsTheyStood) {
  open();
  deleteRecord(2);
  const QByteArray afterDelete = book.bytes(kRecipeFile);
  QWidget* w = openRestore();
  chooseBackup(w, 0);
  dialogs.clear();
  QTest::mouseClick(part<QPushButton>(w, "cmdTuika"), Qt::LeftButton);
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("復元対象無し"));
  EXPECT_EQ(book.bytes(kRecipeFile), afterDelete);

  auto* missing = part<QListWidget>(w, "lstRecipe");
  ASSERT_EQ(missing->count(), 1);
  missing->item(0)->setSelected(true);
  dialogs.clear();
  QTest::mouseClick(part<QPushButton>(w, "cmdTuika"), Qt::LeftButton);
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("1件のレシピを戻しました。"));
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("復元終了"));
  QByteArray expected = afterDelete;
  for (const QString& line : simpleRecipe(QStringLiteral("肉じゃが"), QStringLiteral("良"), QStringLiteral("優"),
                                          QStringLiteral("2024/05/01\n2024/05/08")))
    expected += cp932Line(line);
  EXPECT_EQ(book.bytes(kRecipeFile), expected) << "appended byte for byte";
  EXPECT_EQ(module->RecipeCount(), 3);
  EXPECT_EQ(module->Recipes[3].CookingLog, QStringLiteral("2024/05/01\r\n2024/05/08"));
  EXPECT_EQ(missing->count(), 0) << "nothing is missing any more";
}

TEST_F(RestoreWindowTest, PutsTheWholeBackupBackAfterAQuestion) {
  open();
  deleteRecord(2);
  deleteRecord(1);
  const QByteArray now = book.bytes(kRecipeFile);
  QWidget* w = openRestore();
  chooseBackup(w, 2);  // the day's first state: all three recipes
  dialogs.clear();
  dialogs.answerCancel();
  QTest::mouseClick(part<QPushButton>(w, "cmdZenbu"), Qt::LeftButton);
  ASSERT_EQ(dialogs.messages().size(), 1u);
  const MessageBox question = dialogs.messages()[0];
  EXPECT_EQ(question.text, QStringLiteral("レシピ帳全体を 2024/05/12 12:00:00 のバックアップ（3件）に戻します。\n"
                                          "今のレシピ帳（1件）もバックアップに残します。"));
  EXPECT_EQ(question.title, QStringLiteral("復元確認"));
  EXPECT_EQ(question.buttons, MessageBox::Buttons::OkCancel);
  EXPECT_EQ(question.defaultButton, MessageBox::Answer::Cancel);
  EXPECT_EQ(book.bytes(kRecipeFile), now);

  QTest::mouseClick(part<QPushButton>(w, "cmdZenbu"), Qt::LeftButton);
  EXPECT_EQ(dialogs.messages().back().text, QStringLiteral("レシピ帳を 2024/05/12 12:00:00 のバックアップに戻しました。"));
  EXPECT_EQ(book.bytes(kRecipeFile), original);
  EXPECT_EQ(module->RecipeCount(), 3);
  EXPECT_EQ(text("lblKensu"), QStringLiteral("1 / 3"));
  const auto copies = recipeBackups();
  ASSERT_EQ(copies.size(), 4u);
  EXPECT_EQ(kept(copies.back()), now) << "the book before the restore is kept";
  EXPECT_EQ(copies.back().what, QStringLiteral("復元: 2024/05/12 12:00:00 のバックアップに戻す前"));
}

TEST_F(RestoreWindowTest, BringsTheOldStateOfAChangedRecipeBack) {
  open();
  registerShownWithCalories(QStringLiteral("250"));
  QWidget* w = openRestore();
  chooseBackup(w, 0);
  auto* shown = part<QListWidget>(w, "lstRecipe");
  ASSERT_EQ(shown->count(), 1);
  EXPECT_EQ(shown->item(0)->text(), QStringLiteral("カレー（変更前の内容）"));
  shown->item(0)->setSelected(true);
  QTest::mouseClick(part<QPushButton>(w, "cmdTuika"), Qt::LeftButton);
  EXPECT_EQ(dialogs.messages().back().text, QStringLiteral("1件のレシピを戻しました。"));
  EXPECT_EQ(book.bytes(kRecipeFile), original);
  EXPECT_EQ(module->RecipeCount(), 3);
}

// Other files come back whole; a damaged entry shows as damaged before it is chosen.
TEST_F(RestoreWindowTest, BringsOtherFilesBackAndShowsDamage) {
  const QString menu = QStringLiteral("MENU.TXT");
  book.writeBytes(menu, "old menu\r\n");
  open();
  BackUpBeforeWrite(*module, dialogs, book.path(menu), backups::Change::Keeps);
  book.writeBytes(menu, "new menu\r\n");
  book.writeBytes(backups::kFolderName + QStringLiteral("/レシピ_20240101-000000.TXT"), "\xef\xbc\xa1\r\n");
  QWidget* w = openRestore();
  auto* list = part<QTreeWidget>(w, "lstBackup");
  ASSERT_EQ(list->topLevelItemCount(), 2);
  EXPECT_EQ(row(list, 0)[2], menu);
  EXPECT_EQ(row(list, 1)[3], QStringLiteral("壊れています（読めません）")) << "a UTF-8 copy";
  chooseBackup(w, 0);
  dialogs.clear();
  QTest::mouseClick(part<QPushButton>(w, "cmdZenbu"), Qt::LeftButton);
  ASSERT_EQ(dialogs.messages().size(), 2u);
  EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("「MENU.TXT」を 2024/05/12 12:00:00 のバックアップに戻します。\n"
                                                       "今の「MENU.TXT」もバックアップに残します。"));
  EXPECT_EQ(dialogs.messages()[1].title, QStringLiteral("復元終了"));
  EXPECT_EQ(book.bytes(menu), "old menu\r\n");
  EXPECT_EQ(kept(backupsOf(menu).back()), "new menu\r\n");
}

}  // namespace
