// SPDX-License-Identifier: GPL-3.0-or-later
// A recipe is never lost: every delete is backed up first and can be undone in place, a backup
// that cannot be made never stops a save, and recipes come back from a backup through the
// restore window.
#include <QDir>
#include <QHeaderView>
#include <QListWidget>
#include <QTreeWidget>

#include "store/rules/backups.h"
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
  std::vector<backups::Backup> recipeBackups() const { return backups::List(book.folder(), kRecipeFile); }
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
  deleteRecord(2);
  ASSERT_EQ(recipeBackups().size(), 1u);
  EXPECT_EQ(recipeBackups()[0].fileName, QStringLiteral("レシピ_20240512-120000.TXT")) << "named by the clock";
  EXPECT_EQ(book.bytes(backups::kFolderName + u'/' + recipeBackups()[0].fileName), original);
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

TEST_F(BackupTest, OneCopyADayBeforeOrdinaryWritesAndOneBeforeEveryDelete) {
  open();
  registerShownWithCalories(QStringLiteral("250"));
  registerShownWithCalories(QStringLiteral("260"));
  EXPECT_EQ(recipeBackups().size(), 1u);
  EXPECT_EQ(book.bytes(backups::kFolderName + u'/' + recipeBackups()[0].fileName), original);
  deleteRecord(1);
  deleteRecord(1);
  EXPECT_EQ(recipeBackups().size(), 3u);
  clock.set(QDate(2024, 5, 13), QTime(8, 30));
  registerShownWithCalories(QStringLiteral("270"));
  ASSERT_EQ(recipeBackups().size(), 4u);
  EXPECT_EQ(recipeBackups().back().fileName, QStringLiteral("レシピ_20240513-083000.TXT"));
}

// The copy is taken before the write, so a write that then fails still left one.
TEST_F(BackupTest, ABackupIsTakenBeforeAFailingWrite) {
  open();
  {
    FileSizeLimit full(original.size() + 40);
    click("cmdNew");
    control<QComboBox>("cboNamae")->setEditText(QStringLiteral("ぶり大根"));
    click("cmdTouroku");
  }
  EXPECT_EQ(dialogs.messages().back().icon, MessageBox::Icon::Critical);
  EXPECT_EQ(book.bytes(kRecipeFile), original);
  ASSERT_EQ(recipeBackups().size(), 1u);
  EXPECT_EQ(book.bytes(backups::kFolderName + u'/' + recipeBackups()[0].fileName), original);
}

// Whatever stops the copy (a file where the folder goes, a disk too full for the copy but not for
// the smaller book), the save goes on; the user is told once.
TEST_F(BackupTest, ABackupThatCannotBeMadeDoesNotStopTheSave) {
  const struct {
    const char* name;
    bool folderBlocked;
  } cases[] = {{"unwritable folder", true}, {"full disk", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QDir(backups::FolderOf(book.folder())).removeRecursively();
    QFile::remove(book.path(backups::kFolderName));
    book.writeBytes(kRecipeFile, original);
    if (c.folderBlocked) book.writeBytes(backups::kFolderName, "not a folder");
    dialogs.clear();
    open();
    {
      FileSizeLimit full(c.folderBlocked ? RLIM_INFINITY : original.size() - 50);
      deleteRecord(1);
      deleteRecord(1);
    }
    const std::vector<MessageBox> shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 5u) << "confirm, backup warning, done; confirm, done";
    EXPECT_EQ(shown[1].title, QStringLiteral("バックアップ"));
    EXPECT_EQ(shown[1].icon, MessageBox::Icon::Exclamation);
    EXPECT_TRUE(shown[1].text.startsWith(QStringLiteral("バックアップを作成できませんでした。")));
    EXPECT_TRUE(shown[1].text.contains(QStringLiteral("保存はこのまま続けます。")));
    EXPECT_EQ(shown[2].text, QStringLiteral("削除しました"));
    EXPECT_EQ(shown[4].text, QStringLiteral("削除しました"));
    EXPECT_EQ(module->RecipeCount(), 1);
    // The full disk lets the second copy through: the book had shrunk below the limit.
    EXPECT_EQ(recipeBackups().size(), c.folderBlocked ? 0u : 1u);
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
    const auto copies = backups::List(book.folder(), lists[int(i)]);
    ASSERT_EQ(copies.size(), 1u) << lists[int(i)].toStdString();
    EXPECT_EQ(book.bytes(backups::kFolderName + u'/' + copies[0].fileName), before[i]);
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
  ASSERT_EQ(list->topLevelItemCount(), 2) << "follows the book";
  EXPECT_EQ(list->headerItem()->text(2), QStringLiteral("レシピ数"));
  EXPECT_EQ(row(list, 0), (QStringList{QStringLiteral("2024/05/12"), QStringLiteral("18:05:09"), QStringLiteral("2件")}));
  EXPECT_EQ(row(list, 1), (QStringList{QStringLiteral("2024/05/12"), QStringLiteral("12:00:00"), QStringLiteral("3件")}));
  chooseBackup(w, 1);
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
  chooseBackup(w, 1);  // the older: all three recipes
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
  ASSERT_EQ(copies.size(), 3u);
  EXPECT_EQ(book.bytes(backups::kFolderName + u'/' + copies.back().fileName), now) << "the book before the restore is kept";
}

}  // namespace
