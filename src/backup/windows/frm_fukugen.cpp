// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/windows/frm_fukugen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "store/windows/backup_before_write.h"
#include "platform/windows/busy_cursor.h"
#include "platform/windows/controls.h"
#include "store/rules/conflict_copies.h"
#include "store/rules/recipe_file.h"
#include "store/rules/recipe_reader.h"

using controls::button;

namespace {

const QString kTitle = QStringLiteral("バックアップから復元");

QString countText(int count) { return count < 0 ? QString() : QStringLiteral("%1件").arg(count); }

QString holdsText(const backups::ListedBackup& listed) {
  if (listed.damaged) return QStringLiteral("壊れています（読めません）");
  if (listed.backup.kind == backups::Kind::Earlier) return QStringLiteral("ファイル全体");
  return listed.backup.what;
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
  resize(720, 520);

  lblBasho = new QLabel(this);
  lblBasho->setObjectName(QStringLiteral("lblBasho"));
  lblBasho->setWordWrap(true);
  lblBasho->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* lblBackup = new QLabel(QStringLiteral("バックアップ（新しい順）"), this);
  lblBackup->setObjectName(QStringLiteral("lblBackup"));
  lstBackup = new QTreeWidget(this);
  lstBackup->setObjectName(QStringLiteral("lstBackup"));
  lstBackup->setRootIsDecorated(false);
  lstBackup->setHeaderLabels({QStringLiteral("日付"), QStringLiteral("時刻"), QStringLiteral("ファイル"),
                              QStringLiteral("内容"), QStringLiteral("レシピ数")});
  lstBackup->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  lstBackup->header()->setSectionResizeMode(3, QHeaderView::Stretch);
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
                    QStringLiteral("ファイル全体をこのバックアップの内容に戻します"));
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
  const backups::ListedBackup* chosen = chosenBackup();
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
    module_.Backups.finish();  // an entry still being written is listed whole
    backups_ = backups::ListBackups(module_.Folder.folder(), backups_);
    // The copies a sync tool left beside the recipe file after a conflict come first, offered as
    // backups are.
    const QStringList copies = FindConflictCopies(module_.Folder.folder(), recipe_file::kFileName);
    for (auto copy = copies.crbegin(); copy != copies.crend(); ++copy)
      backups_.insert(backups_.begin(), backups::ListConflictCopy(*copy, recipe_file::kFileName));
  }
  lstBackup->clear();
  for (const backups::ListedBackup& b : backups_) {
    const bool conflict = b.backup.what == backups::kConflictCopyWords;
    new QTreeWidgetItem(lstBackup, {conflict ? backups::kConflictCopyWords : b.backup.takenAt.toString(QStringLiteral("yyyy/MM/dd")),
                                    b.backup.takenAt.toString(conflict ? QStringLiteral("yyyy/MM/dd HH:mm:ss") : QStringLiteral("HH:mm:ss")),
                                    b.backup.ofFile, conflict ? b.backup.fileName : holdsText(b), countText(b.recipeCount)});
  }
  QString where = QStringLiteral("保存場所：%1").arg(backups::FolderOf(module_.Folder.folder()));
  if (backups_.empty()) where += QStringLiteral("\nバックアップはまだありません。レシピ帳を変更すると作成されます。");
  lblBasho->setText(where);
}

const backups::ListedBackup* frmFukugen::chosenBackup() const {
  const int row = lstBackup->indexOfTopLevelItem(lstBackup->currentItem());
  if (row < 0 || size_t(row) >= backups_.size() || !lstBackup->currentItem()->isSelected()) return nullptr;
  return &backups_[size_t(row)];
}

void frmFukugen::lstBackup_Click() { showMissingRecipes(); }

void frmFukugen::showMissingRecipes() {
  lstRecipe->clear();
  shown_.reset();
  const backups::ListedBackup* chosen = chosenBackup();
  if (!chosen) {
    lblRecipe->setText(QStringLiteral("今のレシピ帳にないレシピ（バックアップを選んでください）"));
    return;
  }
  if (chosen->recipeCount < 0 && !chosen->damaged) {
    lblRecipe->setText(QStringLiteral("今のレシピ帳にないレシピ（レシピのバックアップではありません）"));
    return;
  }
  auto read = [&] {
    BusyCursor busy;
    return backups::MissingRecipes(chosen->backup, module_.Recipes);
  }();
  if (auto* error = std::get_if<FileError>(&read)) {
    lblRecipe->setText(QStringLiteral("今のレシピ帳にないレシピ（このバックアップは読めません）"));
    dialogs_.error(error->message(), QStringLiteral("ファイルエラー"));
    return;
  }
  shown_ = std::get<backups::BackupRecipes>(std::move(read));
  for (int index : shown_->missing) lstRecipe->addItem(shown_->file.records[size_t(index)].dishName);
  for (int index : shown_->changed)
    lstRecipe->addItem(shown_->file.records[size_t(index)].dishName + QStringLiteral("（変更前の内容）"));
  QString caption = QStringLiteral("今のレシピ帳にないレシピ（%1件）").arg(shown_->missing.size());
  if (!shown_->changed.empty()) caption += QStringLiteral("と変更前のレシピ（%1件）").arg(shown_->changed.size());
  lblRecipe->setText(caption);
}

std::vector<int> frmFukugen::chosenRecipes() const {
  std::vector<int> chosen;
  if (!shown_) return chosen;
  for (int row = 0; row < lstRecipe->count(); ++row)
    if (lstRecipe->item(row)->isSelected())
      chosen.push_back(size_t(row) < shown_->missing.size() ? shown_->missing[size_t(row)]
                                                            : shown_->changed[size_t(row) - shown_->missing.size()]);
  return chosen;
}

bool frmFukugen::restore(const QString& path, const backups::Write& backup,
                         const std::function<std::optional<FileError>()>& write) {
  std::optional<FileError> error;
  {
    BusyCursor busy;
    error = WriteWithBackup(module_, dialogs_, path, backup, write);
  }
  if (error) {
    dialogs_.error(error->message() + QStringLiteral("\nファイルは変更していません。"), QStringLiteral("復元エラー"));
    return false;
  }
  BusyCursor busy;
  if (path == recipePath()) emit recipeFileRestored();
  else followRecipeTable();
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
  const bool onlyMissing = std::all_of(chosen.begin(), chosen.end(), [&](int index) {
    return std::find(from.missing.begin(), from.missing.end(), index) != from.missing.end();
  });
  // Missing recipes are appended as they stand; an old state replaces the recipe of its name.
  const auto write = [&]() -> std::optional<FileError> {
    if (onlyMissing) return backups::AppendFromBackup(recipePath(), from, chosen);
    auto table = backups::WithRecordsBack(module_.Recipes, from, chosen);
    if (auto* error = std::get_if<FileError>(&table)) return *error;
    auto written = recipe_file::RewriteRecipeFile(recipePath(), std::get<RecipeTable>(table));
    if (auto* error = std::get_if<FileError>(&written)) return *error;
    return std::nullopt;
  };
  const backups::Write backup{onlyMissing ? backups::Change::Keeps : backups::Change::Removes,
                              QStringLiteral("復元: 変更前のレシピに戻す前"), {}};
  if (!restore(recipePath(), backup, write)) return;
  dialogs_.inform(QStringLiteral("%1件のレシピを戻しました。").arg(chosen.size()), QStringLiteral("復元終了"));
}

void frmFukugen::cmdZenbu_Click() {
  const backups::ListedBackup* chosen = chosenBackup();
  if (!chosen || !backups::KeepsWholeFile(chosen->backup) || chosen->damaged) {
    dialogs_.warn(QStringLiteral("戻すバックアップが選択されていません。\n"
                                 "上の一覧からファイル全体を持つバックアップ（その日の最初の状態など）を選択してください。"),
                  QStringLiteral("復元対象無し"));
    return;
  }
  // The entry is held in memory: taking the backup of the file may drop the oldest entry.
  const backups::ListedBackup listed = *chosen;
  const QString fileName = listed.backup.ofFile;
  const bool recipes = fileName.compare(recipe_file::kFileName, Qt::CaseInsensitive) == 0;
  const QString question =
      recipes ? QStringLiteral("レシピ帳全体を %1 のバックアップ（%2）に戻します。\n今のレシピ帳（%3件）もバックアップに残します。")
                    .arg(takenText(listed.backup), countText(listed.recipeCount))
                    .arg(module_.RecipeCount())
              : QStringLiteral("「%1」を %2 のバックアップに戻します。\n今の「%1」もバックアップに残します。")
                    .arg(fileName, takenText(listed.backup));
  if (!dialogs_.confirm(question, QStringLiteral("復元確認"), MessageBox::Icon::Exclamation, MessageBox::Answer::Cancel))
    return;
  const QString path = module_.path(fileName);
  const backups::Write backup{backups::Change::Removes,
                              QStringLiteral("復元: %1 のバックアップに戻す前").arg(takenText(listed.backup)), {}};
  if (!restore(path, backup, [&] { return backups::RestoreWholeFile(path, listed.backup); })) return;
  dialogs_.inform(recipes ? QStringLiteral("レシピ帳を %1 のバックアップに戻しました。").arg(takenText(listed.backup))
                          : QStringLiteral("「%1」を %2 のバックアップに戻しました。\n"
                                           "プログラムを終了して開き直すと、戻した内容で始まります。")
                                .arg(fileName, takenText(listed.backup)),
                  QStringLiteral("復元終了"));
}

void frmFukugen::cmdModori_Click() { close(); }
