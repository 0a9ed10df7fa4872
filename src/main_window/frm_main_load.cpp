// Start-up loading, reloading the recipe table, statistics and points.
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QStringListModel>

#include "platform/windows/help_tour.h"
#include "main_extras/windows/picture_panel.h"
#include "main_extras/windows/reference_box.h"
#include "main_extras/windows/window_buttons.h"
#include "main_window/frm_main.h"
#include "store/rules/profile_file.h"
#include "store/rules/settings_file.h"
#include "store/windows/frm_splash.h"
#include "store/windows/level_bar.h"

namespace {

// The windows whose contents derive from the recipe table; a reload closes them.
const QStringList kTableWindows = {QStringLiteral("cmdKensaku"), QStringLiteral("cmdGraph1"),
                                   QStringLiteral("cmdGraph2"), QStringLiteral("cmdSort")};

}  // namespace

std::optional<FileError> frmMain::loadProfile() {
  auto profile = LoadProfile(module_.path(kProfileFileName));
  if (auto* error = std::get_if<FileError>(&profile)) return *error;
  module_.Prof = std::get<Profile>(profile);
  setWindowTitle(MainCaption(module_.Prof.Nickname));
  picture->selectPhotoMode(module_.Prof.PhotoMode == kPhotoShown);
  return std::nullopt;
}

void frmMain::fillCategoryCombos() {
  const std::pair<QComboBox*, const QStringList*> combos[] = {
      {cboJyanru, &module_.Lists.GenreList}, {cboSyurui, &module_.Lists.KindList}, {cboCyouri, &module_.Lists.MethodList}};
  for (const auto& [combo, list] : combos) {
    combo->clear();
    combo->addItems(*list);
  }
}

std::optional<FileError> frmMain::Form_Load(frmSplash* splash) {
  module_.SplashActive = true;
  struct SplashOff {
    Module1& m;
    ~SplashOff() { m.SplashActive = false; }
  } splashOff{module_};

  picture->fraPicget->hide();
  picture->setEnlarged(false);
  if (auto error = loadProfile()) return error;

  auto lists = LoadCategoryLists(module_.Folder);
  if (auto* error = std::get_if<FileError>(&lists)) return *error;
  module_.Lists = std::get<CategoryLists>(std::move(lists));
  fillCategoryCombos();
  if (auto error = reference->LoadReferenceList()) return error;

  recipe_file::Progress progress;
  if (splash) {
    progress = [splash](int loaded, int counted, const QString& name) {
      if (loaded == 0) splash->showCount(counted);
      else splash->showProgress(loaded, counted, name);
    };
  }
  auto table = recipe_file::LoadRecipeFile(module_.path(recipe_file::kFileName), progress);
  if (auto* error = std::get_if<FileError>(&table)) return *error;
  module_.Recipes = std::get<RecipeTable>(std::move(table));
  refillNameList();
  ComputeStatistics();
  hsbData->setValue(1);
  ShowRecipe();

  auto settings = LoadSettings(module_.path(kSettingsFileName));
  if (auto* error = std::get_if<FileError>(&settings)) return *error;
  module_.HelpTourOn = std::get<int>(settings);
  windowButtons->showHelpTourFlag();
  return std::nullopt;
}

void frmMain::refillNameList() {
  QStringList names;
  names.reserve(module_.RecipeCount());
  for (int i = 1; i <= module_.RecipeCount(); ++i) names.append(module_.Recipes[i].DishName);
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
  auto table = recipe_file::LoadRecipeFile(module_.path(recipe_file::kFileName));
  if (auto* error = std::get_if<FileError>(&table)) {
    reportFileError(*error);
    return false;
  }
  module_.Recipes = std::get<RecipeTable>(std::move(table));
  refillNameList();
  windowButtons->closeWindows(kTableWindows);
  return true;
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

void frmMain::ShowLevelBar() { levelBar->ShowLevelBar(module_.Stats.LevelPercent); }

void frmMain::ShowHelpTour() { ::ShowHelpTour(module_, dialogs_); }

void frmMain::reportFileError(const FileError& error) {
  dialogs_.error(error.message(), QStringLiteral("ファイルエラー"));
}
