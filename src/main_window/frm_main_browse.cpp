// SPDX-License-Identifier: GPL-3.0-or-later
// Showing one recipe, the new-recipe state and moving between recipes.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "main_extras/windows/cooking_log_panel.h"
#include "main_extras/windows/picture_box.h"
#include "main_extras/windows/slideshow_panel.h"
#include "main_window/frm_main.h"
#include "platform/rules/numbers.h"
#include "platform/rules/typed_text.h"

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
  txtZairyou->setPlainText(typed_text::ForTextBox(r.Ingredients));
  txtTukuri->setPlainText(typed_text::ForTextBox(r.Steps));
  txtMemo->setPlainText(typed_text::ForTextBox(r.Memo));
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
  using typed_text::ToStored;
  recipe_file::RecipeForm form;
  form.DishName = ToStored(cboNamae->currentText());
  form.Genre = ToStored(cboJyanru->currentText());
  form.Kind = ToStored(cboSyurui->currentText());
  form.CookingMethod = ToStored(cboCyouri->currentText());
  form.Calories = txtCal->text();
  form.Salt = txtEnbun->text();
  form.CookingTime = txtJikan->text();
  const Ratings ratings = cookingLog->ratings();
  form.SelfRating = ratings.self;
  form.OthersRating = ratings.others;
  form.CookCount = cookingLog->cookCount();
  form.Reference = ToStored(cboSankou->currentText());
  form.Ingredients = ToStored(txtZairyou->toPlainText());
  form.Steps = ToStored(txtTukuri->toPlainText());
  form.Memo = ToStored(txtMemo->toPlainText());
  form.CookingLog = cookingLog->entries();
  return form;
}
