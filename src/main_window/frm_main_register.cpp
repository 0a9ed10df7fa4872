// Registering, changing and deleting recipes: every store writes the file, takes the table the
// written file reads as and recomputes the statistics, so the table always mirrors the file.
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>

#include "platform/rules/help_texts.h"
#include "store/windows/backup_before_write.h"
#include "platform/windows/busy_cursor.h"
#include "store/windows/help_tour.h"
#include "main_extras/windows/reference_box.h"
#include "main_window/frm_main.h"

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

backups::Write frmMain::changeOf(const QString& action, int number) const {
  const Recipe& old = module_.Recipes[number];
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
  if (!reloadAfterWrite(WriteWithBackup(module_, dialogs_, path, {backups::Change::Keeps, {}, {}},
                                        [&] { return recipe_file::AppendRecipe(path, form); })))
    return false;
  showRecord(module_.RecipeCount());
  return true;
}

bool frmMain::storeChangedRecipe(int number, const recipe_file::RecipeForm& form) {
  if (!dialogs_.confirm(QStringLiteral("既存のレシピです。変更登録します。"), QStringLiteral("変更登録確認"),
                        MessageBox::Icon::Information))
    return false;
  BusyCursor busy;
  // The change is written from a copy, so a failed write leaves the table as it was. The copy
  // goes before the new table is taken, so that the old one is freed as a whole.
  recipe_file::Written written;
  {
    RecipeTable changed = module_.Recipes;
    recipe_file::ApplyForm(changed[number], form);
    const QString path = module_.path(recipe_file::kFileName);
    written = WriteWithBackup(module_, dialogs_, path, changeOf(QStringLiteral("変更登録"), number),
                              [&] { return recipe_file::RewriteRecipeFile(path, changed); });
  }
  if (!reloadAfterWrite(std::move(written))) return false;
  showRecord(number);
  return true;
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
  {
    BusyCursor busy;
    const QString path = module_.path(recipe_file::kFileName);
    deleted = reloadAfterWrite(WriteWithBackup(module_, dialogs_, path, changeOf(QStringLiteral("削除"), d),
                                               [&] { return recipe_file::WriteRecipeFileWithout(path, module_.Recipes, d); }));
    if (deleted) showRecord(d > module_.RecipeCount() ? d - 1 : d);
  }
  setBusy(false);
  if (!deleted) return;
  offerUndoDelete(std::pair{d, deletedRecord});
  dialogs_.inform(QStringLiteral("削除しました"), QStringLiteral("削除終了"));
}

void frmMain::offerUndoDelete(std::optional<std::pair<int, Recipe>> deleted) {
  lastDeleted_ = std::move(deleted);
  cmdTorikesi->setVisible(lastDeleted_.has_value());
}

void frmMain::cmdTorikesi_Click() {
  if (busy_ || !lastDeleted_) return;
  const auto [number, record] = *lastDeleted_;
  // The file still holds every other record as the delete left it, so the record goes back where
  // it stood, its cooking log and ratings with it (its picture file was never touched).
  RecipeTable restored = module_.Recipes;
  restored.insert(std::min(number, restored.count() + 1), record);
  setBusy(true);
  bool undone = false;
  {
    BusyCursor busy;
    const QString path = module_.path(recipe_file::kFileName);
    undone = reloadAfterWrite(WriteWithBackup(module_, dialogs_, path, {backups::Change::Keeps, {}, {}},
                                              [&] { return recipe_file::RewriteRecipeFile(path, restored); }));
    if (undone) showRecord(number);
  }
  setBusy(false);
  if (!undone) return;
  dialogs_.inform(QStringLiteral("『 ") + record.DishName + QStringLiteral(" 』を元に戻しました"),
                  QStringLiteral("削除の取り消し"));
}
