// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/windows/frm_fukugen.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "store/windows/backup_before_write.h"
#include "platform/windows/busy_cursor.h"
#include "platform/windows/controls.h"
#include "store/rules/conflict_copies.h"
#include "store/rules/recipe_file.h"
#include "store/rules/recipe_reader.h"

using controls::button;

namespace {

const QString kTitle = QStringLiteral("バックアップから復元");

QString countText(int count) {
  return count < 0 ? QStringLiteral("読めません") : QStringLiteral("%1件").arg(count);
}

QString takenText(const backups::Backup& backup) {
  return backup.takenAt.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
}

}  // namespace

frmFukugen::frmFukugen(Module1& module, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), module_(module), dialogs_(dialogs) {
  setObjectName(QStringLiteral("frmFukugen"));
  setWindowTitle(kTitle);
  setAttribute(Qt::WA_DeleteOnClose);
  resize(560, 520);

  lblBasho = new QLabel(this);
  lblBasho->setObjectName(QStringLiteral("lblBasho"));
  lblBasho->setWordWrap(true);
  lblBasho->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* lblBackup = new QLabel(QStringLiteral("レシピのバックアップ（新しい順）"), this);
  lblBackup->setObjectName(QStringLiteral("lblBackup"));
  lstBackup = new QTreeWidget(this);
  lstBackup->setObjectName(QStringLiteral("lstBackup"));
  lstBackup->setRootIsDecorated(false);
  lstBackup->setHeaderLabels({QStringLiteral("日付"), QStringLiteral("時刻"), QStringLiteral("レシピ数")});
  lstBackup->header()->setSectionResizeMode(QHeaderView::Stretch);
  lblBackup->setBuddy(lstBackup);

  lblRecipe = new QLabel(this);
  lblRecipe->setObjectName(QStringLiteral("lblRecipe"));
  lstRecipe = new QListWidget(this);
  lstRecipe->setObjectName(QStringLiteral("lstRecipe"));
  lstRecipe->setSelectionMode(QAbstractItemView::MultiSelection);
  lstRecipe->setToolTip(QStringLiteral("クリックで戻すレシピを選びます"));
  lblRecipe->setBuddy(lstRecipe);

  cmdTuika = button(this, QStringLiteral("選んだレシピを戻す"), QStringLiteral("cmdTuika"),
                    QStringLiteral("選んだレシピをレシピ帳の最後に追加します"));
  cmdZenbu = button(this, QStringLiteral("このバックアップに戻す"), QStringLiteral("cmdZenbu"),
                    QStringLiteral("レシピ帳全体をこのバックアップの内容に戻します"));
  cmdModori = button(this, QStringLiteral("戻る"), QStringLiteral("cmdModori"), QStringLiteral("メインに戻ります"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblBasho);
  layout->addWidget(lblBackup);
  layout->addWidget(lstBackup, 2);
  layout->addWidget(lblRecipe);
  layout->addWidget(lstRecipe, 3);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdTuika);
  buttons->addWidget(cmdZenbu);
  buttons->addStretch();
  buttons->addWidget(cmdModori);
  layout->addLayout(buttons);

  connect(lstBackup, &QTreeWidget::itemSelectionChanged, this, &frmFukugen::lstBackup_Click);
  connect(cmdTuika, &QPushButton::clicked, this, &frmFukugen::cmdTuika_Click);
  connect(cmdZenbu, &QPushButton::clicked, this, &frmFukugen::cmdZenbu_Click);
  connect(cmdModori, &QPushButton::clicked, this, &frmFukugen::cmdModori_Click);
  followRecipeTable();
}

QString frmFukugen::recipePath() const { return module_.path(recipe_file::kFileName); }

void frmFukugen::followRecipeTable() {
  const backups::RecipeBackup* chosen = chosenBackup();
  const QString chosenPath = chosen ? chosen->backup.path : QString();
  showBackups();
  for (int row = 0; row < lstBackup->topLevelItemCount(); ++row)
    if (backups_[size_t(row)].backup.path == chosenPath) lstBackup->setCurrentItem(lstBackup->topLevelItem(row));
  showMissingRecipes();
}

void frmFukugen::showBackups() {
  const QSignalBlocker quiet(lstBackup);
  {
    BusyCursor busy;
    backups_ = backups::RecipeBackups(module_.Folder.folder(), backups_);
    // The copies a sync tool left beside the recipe file after a conflict come first, offered as
    // backups are.
    const QStringList copies = FindConflictCopies(module_.Folder.folder(), recipe_file::kFileName);
    for (auto copy = copies.crbegin(); copy != copies.crend(); ++copy) {
      const auto count = recipe_file::CountRecordsInFile(*copy);
      const QFileInfo info(*copy);
      backups_.insert(backups_.begin(), {{*copy, info.fileName(), info.lastModified()},
                                         std::holds_alternative<int>(count) ? std::get<int>(count) : -1});
    }
  }
  lstBackup->clear();
  for (const backups::RecipeBackup& b : backups_) {
    const bool conflict = IsConflictCopyOf(b.backup.fileName, recipe_file::kFileName);
    new QTreeWidgetItem(lstBackup, {conflict ? QStringLiteral("競合コピー") : b.backup.takenAt.toString(QStringLiteral("yyyy/MM/dd")),
                                    b.backup.takenAt.toString(conflict ? QStringLiteral("yyyy/MM/dd HH:mm:ss") : QStringLiteral("HH:mm:ss")),
                                    countText(b.recipeCount)});
  }
  QString where = QStringLiteral("保存場所：%1").arg(backups::FolderOf(module_.Folder.folder()));
  if (backups_.empty()) where += QStringLiteral("\nバックアップはまだありません。レシピ帳を変更すると作成されます。");
  lblBasho->setText(where);
}

const backups::RecipeBackup* frmFukugen::chosenBackup() const {
  const int row = lstBackup->indexOfTopLevelItem(lstBackup->currentItem());
  if (row < 0 || size_t(row) >= backups_.size() || !lstBackup->currentItem()->isSelected()) return nullptr;
  return &backups_[size_t(row)];
}

void frmFukugen::lstBackup_Click() { showMissingRecipes(); }

void frmFukugen::showMissingRecipes() {
  lstRecipe->clear();
  shown_.reset();
  const backups::RecipeBackup* chosen = chosenBackup();
  if (!chosen) {
    lblRecipe->setText(QStringLiteral("今のレシピ帳にないレシピ（バックアップを選んでください）"));
    return;
  }
  auto read = [&] {
    BusyCursor busy;
    return backups::MissingRecipes(chosen->backup.path, module_.Recipes);
  }();
  if (auto* error = std::get_if<FileError>(&read)) {
    lblRecipe->setText(QStringLiteral("今のレシピ帳にないレシピ（このバックアップは読めません）"));
    dialogs_.error(error->message(), QStringLiteral("ファイルエラー"));
    return;
  }
  shown_ = std::get<backups::BackupRecipes>(std::move(read));
  for (int index : shown_->missing) lstRecipe->addItem(shown_->file.records[size_t(index)].dishName);
  lblRecipe->setText(QStringLiteral("今のレシピ帳にないレシピ（%1件）").arg(shown_->missing.size()));
}

std::vector<int> frmFukugen::chosenRecipes() const {
  std::vector<int> chosen;
  if (!shown_) return chosen;
  for (int row = 0; row < lstRecipe->count(); ++row)
    if (lstRecipe->item(row)->isSelected()) chosen.push_back(shown_->missing[size_t(row)]);
  return chosen;
}

bool frmFukugen::restore(backups::Change change, const std::function<std::optional<FileError>()>& write) {
  std::optional<FileError> error;
  {
    BusyCursor busy;
    BackUpBeforeWrite(module_, dialogs_, recipePath(), change);
    error = write();
  }
  if (error) {
    dialogs_.error(error->message() + QStringLiteral("\nレシピ帳は変更していません。"), QStringLiteral("復元エラー"));
    return false;
  }
  BusyCursor busy;
  emit recipeFileRestored();
  return true;
}

void frmFukugen::cmdTuika_Click() {
  const std::vector<int> chosen = chosenRecipes();
  if (chosen.empty()) {
    dialogs_.warn(QStringLiteral("戻すレシピが選択されていません。\n"
                                 "バックアップと戻したいレシピを選択してから「選んだレシピを戻す」を押してください。"),
                  QStringLiteral("復元対象無し"));
    return;
  }
  const backups::BackupRecipes from = *shown_;
  if (!restore(backups::Change::Keeps, [&] { return backups::AppendFromBackup(recipePath(), from, chosen); })) return;
  dialogs_.inform(QStringLiteral("%1件のレシピを戻しました。").arg(chosen.size()), QStringLiteral("復元終了"));
}

void frmFukugen::cmdZenbu_Click() {
  const backups::RecipeBackup* chosen = chosenBackup();
  if (!chosen || !shown_) {
    dialogs_.warn(QStringLiteral("戻すバックアップが選択されていません。\n上の一覧からバックアップを選択してください。"),
                  QStringLiteral("復元対象無し"));
    return;
  }
  // The copy is held in memory: taking the backup of the book may drop the oldest copy.
  const backups::RecipeBackup backup = *chosen;
  const backups::BackupRecipes from = *shown_;
  if (!dialogs_.confirm(QStringLiteral("レシピ帳全体を %1 のバックアップ（%2）に戻します。\n"
                                       "今のレシピ帳（%3件）もバックアップに残します。")
                            .arg(takenText(backup.backup), countText(backup.recipeCount))
                            .arg(module_.RecipeCount()),
                        QStringLiteral("復元確認"), MessageBox::Icon::Exclamation, MessageBox::Answer::Cancel))
    return;
  if (!restore(backups::Change::Removes,
               [&] { return backups::RestoreWholeFile(recipePath(), from); }))
    return;
  dialogs_.inform(QStringLiteral("レシピ帳を %1 のバックアップに戻しました。").arg(takenText(backup.backup)),
                  QStringLiteral("復元終了"));
}

void frmFukugen::cmdModori_Click() { close(); }
