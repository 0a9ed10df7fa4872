// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up loading, reloading the recipe table, statistics and points.
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QStringListModel>
#include <utility>

#include "platform/windows/user_text.h"
#include "store/windows/help_tour.h"
#include "main_extras/windows/picture_box.h"
#include "main_extras/windows/picture_picker.h"
#include "main_extras/windows/reference_box.h"
#include "main_extras/windows/window_buttons.h"
#include "main_window/frm_main.h"
#include "store/rules/book.h"
#include "store/windows/frm_splash.h"
#include "platform/rules/freed_memory.h"
#include "platform/windows/level_bar.h"
#include "platform/windows/typed_combo.h"

namespace {

// The windows whose contents derive from the recipe table; a reload closes them.
const QStringList kTableWindows = {QStringLiteral("cmdKensaku"), QStringLiteral("cmdGraph1"),
                                   QStringLiteral("cmdGraph2"), QStringLiteral("cmdSort")};

}  // namespace

void frmMain::fillCategoryCombos() {
  const std::pair<QComboBox*, const QStringList*> combos[] = {
      {cboJyanru, &module_.Lists.GenreList}, {cboSyurui, &module_.Lists.KindList}, {cboCyouri, &module_.Lists.MethodList}};
  for (const auto& [combo, list] : combos) ShowItemsKeepingText(combo, *list);
}

std::optional<FileError> frmMain::Form_Load(frmSplash* splash) {
  module_.SplashActive = true;
  struct SplashOff {
    Module1& m;
    ~SplashOff() { m.SplashActive = false; }
  } splashOff{module_};

  recipe_file::Progress progress;
  if (splash) {
    progress = [splash](int loaded, int counted, const QString& name) {
      if (loaded == 0) splash->showCount(counted);
      else splash->showProgress(loaded, counted, name);
    };
  }
  // Stamped before it is read: a change while it is read shows as a change at the next write.
  const FileStamp recipeStamp = file_stamp::of(module_.path(recipe_file::kFileName));
  profileStamp_ = file_stamp::of(module_.path(kProfileFileName));
  stampListFiles();
  auto loaded = LoadBook(module_.Folder, progress);
  if (auto* error = std::get_if<FileError>(&loaded)) return *error;
  LoadedBook& book = std::get<LoadedBook>(loaded);
  module_.Prof = std::move(book.Prof);
  module_.Lists = std::move(book.Lists);
  module_.Recipes = std::move(book.Recipes);
  module_.RecipeFileStamp = recipeStamp;
  module_.HelpTourOn = book.HelpTourOn;

  picker->hide();
  picture->setEnlarged(false);
  ShowUserWindowTitle(this, MainCaption(module_.Prof.Nickname));
  picture->selectPhotoMode(module_.Prof.PhotoMode == kPhotoShown);
  fillCategoryCombos();
  reference->showReferenceList(book.References);
  refillNameList();
  ComputeStatistics();
  hsbData->setValue(1);
  ShowRecipe();
  windowButtons->showHelpTourFlag();
  return std::nullopt;
}

void frmMain::refillNameList() {
  const QStringList names = module_.Recipes.DishNames();
  const QSignalBlocker quietCombo(cboNamae);
  const QString typed = cboNamae->currentText();
  auto* model = qobject_cast<QStringListModel*>(cboNamae->model());
  if (!model) {
    model = new QStringListModel(cboNamae);
    cboNamae->setModel(model);
  }
  model->setStringList(names);
  cboNamae->setEditText(typed);
  const QSignalBlocker quietBar(hsbData);
  hsbData->setMaximum(std::max(1, module_.RecipeCount()));
}

bool frmMain::LoadRecipeFile() {
  auto loaded = recipe_file::LoadStampedRecipeFile(module_.path(recipe_file::kFileName));
  if (auto* error = std::get_if<FileError>(&loaded)) {
    reportFileError(*error);
    return false;
  }
  auto& fresh = std::get<recipe_file::StampedTable>(loaded);
  module_.RecipeFileStamp = fresh.stamp;
  takeTable(std::move(fresh.table));
  return true;
}

void frmMain::takeTable(RecipeTable table) {
  // The windows built from the old table close before it is replaced, so none can be clicked
  // while it changes.
  windowButtons->closeWindows(kTableWindows);
  RecipeTable old = std::exchange(module_.Recipes, std::move(table));
  refillNameList();
  offerUndoDelete(std::nullopt);  // a delete can be undone only until the file is written again
  toldChangedOutside_ = false;
  freeBeside(std::move(old));     // now that the name list has let go of its names too
  foldedBook_.foldBeside(module_.Recipes);
}

void frmMain::freeBeside(RecipeTable old) {
  if (tableFreeing_.joinable()) tableFreeing_.join();
  tableFreeing_ = std::thread([old = std::move(old)]() mutable {
    old = RecipeTable();
    ReturnFreedMemory();
  });
}

void frmMain::ComputeStatistics() {
  module_.ComputeStatistics();
  ComputePoints();
  emit recipeTableReloaded();
}

void frmMain::ComputePoints() {
  levelBar->showPoints(module_.Stats.TotalPoints);
  ShowLevelBar();
}

void frmMain::ShowLevelBar() {
  levelBar->ShowLevelBar(module_.Stats.LevelPercent);
  emit levelBarShown();
}

void frmMain::ShowHelpTour() { ::ShowHelpTour(module_, dialogs_); }

void frmMain::reportFileError(const FileError& error) {
  dialogs_.error(error.message(), QStringLiteral("ファイルエラー"));
}
