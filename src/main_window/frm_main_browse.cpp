// Showing one recipe, the new-recipe state and moving between recipes.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "main_extras/windows/cooking_log_panel.h"
#include "main_extras/windows/picture_panel.h"
#include "main_extras/windows/slideshow_panel.h"
#include "main_window/frm_main.h"
#include "platform/rules/cp932.h"
#include "platform/rules/numbers.h"

namespace {

// Multi-line fields hold CR LF between lines; the text boxes hold LF.
QString forTextBox(const QString& stored) {
  QString text = stored;
  return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString fromTextBox(const QString& typed) {
  QString text = typed;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

}  // namespace

int frmMain::shownRecord() const { return hsbData->value(); }

void frmMain::ShowRecipe() {
  if (module_.RecipeCount() == 0) {
    ClearRecipeForm();
    ComputePoints();
    cookingLog->ShowRecipePoints();
    const QSignalBlocker quiet(hsbData);
    hsbData->setMaximum(1);
    lblKensu->setText(QStringLiteral("1 / 1"));
    return;
  }
  const int n = std::clamp(hsbData->value(), 1, module_.RecipeCount());
  const Recipe& r = module_.Recipes[n];
  showingNewRecipe_ = false;
  cboNamae->setEditText(r.DishName);
  txtCal->setText(numbers::FormatSingle(r.CaloriesPerPerson));
  txtEnbun->setText(numbers::FormatSingle(r.Salt));
  txtJikan->setText(numbers::FormatSingle(r.CookingTime));
  cboJyanru->setEditText(r.Genre);
  cboSyurui->setEditText(r.Kind);
  cboCyouri->setEditText(r.CookingMethod);
  cboSankou->setEditText(r.Reference);
  txtZairyou->setPlainText(forTextBox(r.Ingredients));
  txtTukuri->setPlainText(forTextBox(r.Steps));
  txtMemo->setPlainText(forTextBox(r.Memo));
  cookingLog->showRecipe(r);
  lblKensu->setText(QStringLiteral("%1 / %2").arg(n).arg(module_.RecipeCount()));
  if (picture->photosShown()) picture->LoadRecipePicture(r.DishName);
}

void frmMain::ClearRecipeForm() {
  showingNewRecipe_ = true;
  for (QComboBox* combo : {cboNamae, cboSankou}) combo->setEditText(QString());
  for (QPlainTextEdit* area : {txtZairyou, txtTukuri, txtMemo}) area->clear();
  for (QLineEdit* box : {txtCal, txtEnbun, txtJikan}) box->clear();
  for (QComboBox* combo : {cboJyanru, cboSyurui, cboCyouri}) combo->setEditText(kOther);
  cookingLog->clear();
  const int position = module_.RecipeCount() + 1;
  lblKensu->setText(QStringLiteral("%1 / %1").arg(position));
  picture->clearPicture();
}

void frmMain::hsbData_Change() {
  ShowRecipe();
  slideshow->setPosition(hsbData->value());
}

void frmMain::cboNamae_Click(int index) { hsbData->setValue(index + 1); }

// The texts as the recipe file will hold them: "〜" typed on this system is the file's "～", so a
// name typed either way finds the stored recipe.
recipe_file::RecipeForm frmMain::typedRecipe() const {
  const auto stored = [](const QString& typed) { return cp932::toCodePageForms(typed); };
  recipe_file::RecipeForm form;
  form.DishName = stored(cboNamae->currentText());
  form.Genre = stored(cboJyanru->currentText());
  form.Kind = stored(cboSyurui->currentText());
  form.CookingMethod = stored(cboCyouri->currentText());
  form.Calories = txtCal->text();
  form.Salt = txtEnbun->text();
  form.CookingTime = txtJikan->text();
  form.SelfRating = module_.CurrentSelfRating;
  form.OthersRating = module_.CurrentOthersRating;
  form.Reference = stored(cboSankou->currentText());
  form.Ingredients = stored(fromTextBox(txtZairyou->toPlainText()));
  form.Steps = stored(fromTextBox(txtTukuri->toPlainText()));
  form.Memo = stored(fromTextBox(txtMemo->toPlainText()));
  form.CookingLog = cookingLog->entries();
  form.CookCount = int(form.CookingLog.size());
  return form;
}
