// SPDX-License-Identifier: GPL-3.0-or-later
// Registering, changing and deleting recipes: every store writes the file, takes the table the
// written file reads as and recomputes the statistics, so the table always mirrors the file.
// Another window or program may have written the file since it was read: a rewrite then reads it
// again and makes its change on the records found there, never over them.
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>

#include "platform/rules/help_texts.h"
#include "store/windows/backup_before_write.h"
#include "platform/windows/busy_cursor.h"
#include "store/windows/help_tour.h"
#include "main_extras/windows/reference_box.h"
#include "main_window/frm_main.h"
#include "store/rules/recipe_edits.h"

void frmMain::setBusy(bool busy) {
  busy_ = busy;
  for (QPushButton* control : {cmdNew, cmdTouroku, cmdDelete, cmdTorikesi}) control->setEnabled(!busy);
}

void frmMain::showRecord(int number) {
  // Moving the scroll bar shows the record; when it already stands there (a reload may have
  // moved it quietly), do what a move does, the slideshow position included.
  const int target = std::clamp(number, hsbData->minimum(), hsbData->maximum());
  if (hsbData->value() == target) hsbData_Change();
  else hsbData->setValue(target);
}

void frmMain::openChosenRecipe(int number) { hsbData->setValue(std::clamp(number, hsbData->minimum(), hsbData->maximum())); }

void frmMain::cmdNew_Click() {
  ClearRecipeForm();
  Explain(module_, dialogs_, help_texts::NewRecipe());
  cboNamae->setFocus();
}

backups::Write frmMain::changeOf(const QString& action, const RecipeTable& table, int number) {
  const Recipe& old = table[number];
  return {backups::Change::Removes, QStringLiteral("%1: %2").arg(action, old.DishName),
          {{number, recipe_file::RecordBytes(old)}}};
}

bool frmMain::reloadAfterWrite(recipe_file::Written written) {
  if (auto* error = std::get_if<FileError>(&written)) {
    reportFileError(*error);
    return false;
  }
  takeTable(std::get<RecipeTable>(std::move(written)));
  ComputeStatistics();
  return true;
}

namespace {

constexpr int kWriteAttempts = 5;

}  // namespace

frmMain::EditResult frmMain::writeRecipeEdit(const TableEdit& edit) {
  const QString path = module_.path(recipe_file::kFileName);
  for (int attempt = 1;; ++attempt) {
    // The check is cheap; only a file changed outside is read again.
    std::optional<recipe_file::StampedTable> fresh;
    if (!file_stamp::unchanged(path, module_.RecipeFileStamp)) {
      auto loaded = recipe_file::LoadStampedRecipeFile(path);
      if (auto* error = std::get_if<FileError>(&loaded)) {
        reportFileError(*error);
        return EditResult::Failed;
      }
      fresh = std::get<recipe_file::StampedTable>(std::move(loaded));
    }
    const RecipeTable& current = fresh ? fresh->table : module_.Recipes;
    std::optional<TableChange> change = edit(current, fresh.has_value());
    if (!change) {
      if (!fresh) return EditResult::Failed;
      takeFreshTable(std::move(*fresh));
      return EditResult::Declined;
    }
    if (change->changesNothing) {  // a sync tool then has nothing to carry
      if (fresh) takeFreshTable(std::move(*fresh));
      return EditResult::Written;
    }
    FileStamp stamp = fresh ? fresh->stamp : module_.RecipeFileStamp;
    recipe_file::Written written = WriteWithBackup(module_, dialogs_, path, change->backup, [&] {
      return recipe_file::WriteEditedTable(path, current, change->edit, &stamp);
    });
    const auto* error = std::get_if<FileError>(&written);
    if (error && error->kind == FileError::Kind::ChangedOutside && attempt < kWriteAttempts) continue;
    if (!error) module_.RecipeFileStamp = stamp;
    return reloadAfterWrite(std::move(written)) ? EditResult::Written : EditResult::Failed;
  }
}

void frmMain::takeFreshTable(recipe_file::StampedTable fresh) {
  module_.RecipeFileStamp = fresh.stamp;
  takeTable(std::move(fresh.table));
  ComputeStatistics();
}

bool frmMain::storeNewRecipe(const recipe_file::RecipeForm& form) {
  if (module_.RecipeCount() >= kMaxRecipes) {
    dialogs_.warn(QStringLiteral("レシピは%1件までしか登録できません。").arg(kMaxRecipes), QStringLiteral("登録できません"));
    return false;
  }
  if (!dialogs_.confirm(QStringLiteral("新しいレシピです。新規登録します。"), QStringLiteral("新規登録確認"),
                        MessageBox::Icon::Information))
    return false;
  BusyCursor busy;
  const QString path = module_.path(recipe_file::kFileName);
  if (!reloadAfterWrite(WriteWithBackup(module_, dialogs_, path, {backups::Change::Keeps, {}, {}}, [&] {
        return recipe_file::AppendRecipe(path, form, &module_.RecipeFileStamp, &module_.Recipes);
      })))
    return false;
  showRecord(module_.RecipeCount());
  return true;
}

bool frmMain::storeChangedRecipe(int number, const recipe_file::RecipeForm& form) {
  if (!dialogs_.confirm(QStringLiteral("既存のレシピです。変更登録します。"), QStringLiteral("変更登録確認"),
                        MessageBox::Icon::Information))
    return false;
  BusyCursor busy;
  const Recipe before = module_.Recipes[number];
  int changedNumber = number;
  // The changed record is written in place of the stored one, and a failed write leaves the table
  // as it was.
  const EditResult result = writeRecipeEdit([&](const RecipeTable& current, bool fresh) -> std::optional<TableChange> {
    TableChange change;
    const recipe_edits::Located found = fresh ? recipe_edits::Locate(current, before, number)
                                              : recipe_edits::Located{recipe_edits::Found::Same, number};
    if (found.how == recipe_edits::Found::Changed &&
        !dialogs_.confirm(QStringLiteral("『 %1 』は、ほかのウィンドウかプログラムで変更されています。\n"
                                         "画面の内容で上書きしますか？").arg(before.DishName),
                          QStringLiteral("変更登録確認"), MessageBox::Icon::Exclamation, MessageBox::Answer::Cancel))
      return std::nullopt;
    if (found.how == recipe_edits::Found::Gone) {
      if (!dialogs_.confirm(QStringLiteral("『 %1 』は、ほかのウィンドウかプログラムで削除されています。\n"
                                           "画面の内容で登録し直しますか？").arg(before.DishName),
                            QStringLiteral("変更登録確認"), MessageBox::Icon::Exclamation, MessageBox::Answer::Cancel))
        return std::nullopt;
      changedNumber = current.count() + 1;
      change.edit = {recipe_file::OneRecordEdit::How::Insert, changedNumber, {}};
      change.edit.record.DishName = form.DishName;
    } else {
      changedNumber = found.number;
      change.edit = {recipe_file::OneRecordEdit::How::Replace, changedNumber, current[changedNumber]};
      change.backup = changeOf(QStringLiteral("変更登録"), current, changedNumber);
    }
    recipe_file::ApplyForm(change.edit.record, form);
    change.changesNothing = found.how != recipe_edits::Found::Gone && change.edit.record == current[changedNumber];
    return change;
  });
  // A failed write keeps what is typed; a declined one shows the recipe as the file now holds it.
  if (result == EditResult::Written) showRecord(changedNumber);
  if (result == EditResult::Declined) showRecord(std::max(1, module_.Recipes.FindRecipeByDishName(before.DishName)));
  return result == EditResult::Written;
}

void frmMain::cmdTouroku_Click() {
  if (busy_) return;
  registerRecipe(typedRecipe());
}

bool frmMain::registerRecipe(const recipe_file::RecipeForm& form) {
  if (form.DishName.isEmpty()) {
    dialogs_.warn(QStringLiteral("料理名は必ず入力してください"), QStringLiteral("料理名未記入"));
    return false;
  }
  if (auto problem = recipe_file::checkStorable(form)) {
    dialogs_.warn(*problem + QStringLiteral("\n直してからもう一度「登録」を押してください。"), QStringLiteral("登録できません"));
    return false;
  }

  setBusy(true);
  const int existing = module_.Recipes.FindRecipeByDishName(form.DishName);
  const bool stored = existing == 0 ? storeNewRecipe(form) : storeChangedRecipe(existing, form);
  setBusy(false);
  if (!stored) return false;
  dialogs_.inform(QStringLiteral("登録しました"), QStringLiteral("登録終了"));
  if (module_.Stats.LevelPercent >= 100)
    dialogs_.inform(LevelMessage(module_.Prof.TargetPoints), kLevelMessageTitle);
  return true;
}

bool frmMain::registerImported(const recipe_file::RecipeForm& form) {
  if (busy_ || !registerRecipe(form)) return false;
  reference->offerNewSource(form.Reference);
  return true;
}

void frmMain::cmdDelete_Click() {
  if (busy_) return;
  if (showingNewRecipe_ || module_.RecipeCount() == 0) {
    dialogs_.warn(QStringLiteral("画面に表示されているのは登録済みのレシピではありません。\n"
                                 "削除するレシピをスクロールバーか料理名の一覧で表示してから「削除」を押してください。"),
                  QStringLiteral("削除できません"));
    return;
  }
  const int d = hsbData->value();
  // The box names the stored recipe that is deleted, even when its name was edited on screen.
  const Recipe deletedRecord = module_.Recipes[d];
  const QString& name = deletedRecord.DishName;
  if (!dialogs_.confirm(QStringLiteral("『 ") + name + QStringLiteral(" 』の情報を削除します"), QStringLiteral("削除確認"),
                        MessageBox::Icon::Exclamation, MessageBox::Answer::Cancel))
    return;
  setBusy(true);
  bool deleted = false;
  int deletedAt = d;
  {
    BusyCursor busy;
    const EditResult result = writeRecipeEdit([&](const RecipeTable& current, bool fresh) -> std::optional<TableChange> {
      const recipe_edits::Located found =
          fresh ? recipe_edits::Locate(current, deletedRecord, d) : recipe_edits::Located{recipe_edits::Found::Same, d};
      if (found.how == recipe_edits::Found::Gone) {
        dialogs_.inform(QStringLiteral("『 %1 』は、ほかのウィンドウかプログラムですでに削除されています。").arg(name),
                        QStringLiteral("削除確認"));
        return std::nullopt;
      }
      if (found.how == recipe_edits::Found::Changed &&
          !dialogs_.confirm(QStringLiteral("『 %1 』は、ほかのウィンドウかプログラムで変更されています。\n"
                                           "変更後のレシピを削除しますか？").arg(name),
                            QStringLiteral("削除確認"), MessageBox::Icon::Exclamation, MessageBox::Answer::Cancel))
        return std::nullopt;
      deletedAt = found.number;
      return TableChange{{recipe_file::OneRecordEdit::How::LeaveOut, found.number, {}}, false,
                         changeOf(QStringLiteral("削除"), current, found.number)};
    });
    deleted = result == EditResult::Written;
    if (deleted) showRecord(deletedAt > module_.RecipeCount() ? deletedAt - 1 : deletedAt);
    if (result == EditResult::Declined) showRecord(d);
  }
  setBusy(false);
  if (!deleted) return;
  offerUndoDelete(std::pair{deletedAt, deletedRecord});
  dialogs_.inform(QStringLiteral("削除しました"), QStringLiteral("削除終了"));
}

void frmMain::offerUndoDelete(std::optional<std::pair<int, Recipe>> deleted) {
  lastDeleted_ = std::move(deleted);
  cmdTorikesi->setVisible(lastDeleted_.has_value());
}

void frmMain::cmdTorikesi_Click() {
  if (busy_ || !lastDeleted_) return;
  const auto [number, record] = *lastDeleted_;
  setBusy(true);
  bool undone = false;
  int restoredAt = number;
  {
    BusyCursor busy;
    // The record goes back where it stood, its cooking log and ratings with it (its picture file
    // was never touched), among the records the file holds now.
    const EditResult result = writeRecipeEdit([&](const RecipeTable& current, bool fresh) -> std::optional<TableChange> {
      if (fresh) {
        const recipe_edits::Located found = recipe_edits::Locate(current, record, number);
        if (found.how == recipe_edits::Found::Same) {  // put back by another writer already
          restoredAt = found.number;
          return std::nullopt;
        }
      }
      restoredAt = std::min(number, current.count() + 1);
      return TableChange{{recipe_file::OneRecordEdit::How::Insert, restoredAt, record}};
    });
    undone = result == EditResult::Written;
    if (result != EditResult::Failed) showRecord(restoredAt);
  }
  setBusy(false);
  if (!undone) return;
  dialogs_.inform(QStringLiteral("『 ") + record.DishName + QStringLiteral(" 』を元に戻しました"),
                  QStringLiteral("削除の取り消し"));
}
