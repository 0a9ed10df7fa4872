// SPDX-License-Identifier: GPL-3.0-or-later
// The windows the main window opens: each is made on its button's first press (the category
// editor on every press, modally) and wired to the main window here, so that no window needs
// to know the main window.
#include <QComboBox>
#include <QLabel>

#include "backup/windows/frm_fukugen.h"
#include "category_editor/windows/frm_hensyu.h"
#include "exchange/windows/frm_private.h"
#include "fridge/windows/frm_reizou.h"
#include "listing/windows/frm_graph1.h"
#include "listing/windows/frm_graph2.h"
#include "listing/windows/frm_sort.h"
#include "main_extras/windows/picture_box.h"
#include "main_extras/windows/window_buttons.h"
#include "main_window/frm_main.h"
#include "menu/windows/frm_menu.h"
#include "platform/windows/user_text.h"
#include "platform/windows/page_printer.h"
#include "printing/windows/frm_print.h"
#include "search/windows/frm_kensaku.h"

void frmMain::registerWindows() {
  windowButtons->registerWindow(QStringLiteral("cmdKensaku"), [this] {
    auto* w = new frmKensaku(module_, dialogs_, *cboSankou->model(), this);
    connect(w, &frmKensaku::recipeChosen, this, &frmMain::openChosenRecipe);
    return w;
  });
  windowButtons->registerModal(QStringLiteral("cmdHensyu"), [this] {
    return new frmHensyu(module_, dialogs_, [this] { EndProgram(); }, this);
  });
  windowButtons->registerWindow(QStringLiteral("cmdSort"), [this] {
    auto* w = new frmSort(module_, this);
    connect(w, &frmSort::recipeChosen, this, &frmMain::openChosenRecipe);
    return w;
  });
  windowButtons->registerWindow(QStringLiteral("cmdGraph1"), [this] { return new frmGraph1(module_, dialogs_, this); });
  windowButtons->registerWindow(QStringLiteral("cmdGraph2"), [this] {
    auto* w = new frmGraph2(module_, dialogs_, this);
    connect(this, &frmMain::levelBarShown, w, &frmGraph2::ShowLevelBar);
    return w;
  });
  windowButtons->registerWindow(QStringLiteral("cmdPrivate"), [this] {
    auto* w = new frmPrivate(module_, dialogs_, this);
    connect(this, &frmMain::recipeTableReloaded, w, &frmPrivate::followRecipeTable);
    connect(w, &frmPrivate::recipesImported, this, [this] {
      // An import only appends: the recipe on screen keeps its number, and what is typed stays.
      if (!LoadRecipeFile()) return;
      ComputeStatistics();
      const int count = module_.RecipeCount();
      lblKensu->setText(showingNewRecipe_ ? QStringLiteral("%1 / %1").arg(count + 1)
                                          : QStringLiteral("%1 / %2").arg(shownRecord()).arg(count));
    });
    connect(w, &frmPrivate::profileChanged, this, [this] {
      ShowUserWindowTitle(this, MainCaption(module_.Prof.Nickname));
      ShowLevelBar();
    });
    return w;
  });
  windowButtons->registerWindow(QStringLiteral("cmdReizou"), [this] {
    auto* w = new frmReizou(module_, dialogs_, clock_, this, &foldedBook_);
    connect(w, &frmReizou::recipeChosen, this, &frmMain::openChosenRecipe);
    return w;
  });
  windowButtons->registerWindow(QStringLiteral("cmdMenu"), [this] {
    auto printImage = [this](QWidget& w) { PrintDocument(GrabWindowDocument(w, w.windowTitle()), module_.Folder, dialogs_); };
    return new frmMenu(module_, dialogs_, clock_, printImage, this);
  });
  windowButtons->registerWindow(QStringLiteral("cmdPrint"), [this] {
    const auto shownPictureFile = [this] { return picture->photosShown() ? picture->shownPictureFile() : QString(); };
    MainWindowForPrint shown{this, [this] { return typedRecipe(); }, shownPictureFile};
    return new frmPrint(module_, dialogs_, shown, this);
  });
}

// The restore window is the main window's own (not one of the hub's row of buttons): made on the
// first press, shown again on the next.
void frmMain::cmdFukugen_Click() {
  if (!restoreWindow_) {
    restoreWindow_ = new frmFukugen(module_, dialogs_, this);
    connect(this, &frmMain::recipeTableReloaded, restoreWindow_, &frmFukugen::followRecipeTable);
    connect(restoreWindow_, &frmFukugen::recipeFileRestored, this, &frmMain::reloadAfterRestore);
  }
  restoreWindow_->show();
  restoreWindow_->raise();
  restoreWindow_->activateWindow();
}

void frmMain::reloadAfterRestore() {
  if (!LoadRecipeFile()) return;
  ComputeStatistics();
  if (showingNewRecipe_) lblKensu->setText(QStringLiteral("%1 / %1").arg(module_.RecipeCount() + 1));
  else showRecord(shownRecord());
}
