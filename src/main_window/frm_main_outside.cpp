// SPDX-License-Identifier: GPL-3.0-or-later
// Changes to the book from outside: another copy of the program on the same folder, a sync tool,
// the user. When the recipe file changes and nothing is being typed, the table is read again and
// the recipe on screen stays on screen; with unsaved typing, the typing stays and the user is
// told once. A file still being written is looked at again a little later, a few times, and is
// never written over: a write checks the file first (writeRecipeEdit).
#include <QComboBox>
#include <algorithm>
#include <QFileInfo>
#include <QScrollBar>
#include <QTimer>

#include "main_extras/windows/picture_box.h"
#include "main_window/frm_main.h"
#include "platform/windows/user_text.h"
#include "store/rules/book_watcher.h"
#include "store/rules/category_lists.h"
#include "store/rules/conflict_copies.h"
#include "store/rules/profile_file.h"
#include "store/rules/reference_list.h"
#include "store/rules/settings_file.h"

namespace {

constexpr int kRetryMs = 1000;
constexpr int kRetries = 10;

}  // namespace

void frmMain::watchBookFolder() {
  if (watcher_) return;
  watcher_ = new BookWatcher(module_.Folder,
                             {recipe_file::kFileName, kProfileFileName, kSettingsFileName, kReferenceFileName,
                              kGenreFile.fileName, kKindFile.fileName, kMethodFile.fileName},
                             this);
  connect(watcher_, &BookWatcher::settled, this, [this] {
    outsideAttempts_ = 0;
    bookChangedOutside();
    profileChangedOutside();
    noticeConflictCopies();
  });
  outsideRetry_ = new QTimer(this);
  outsideRetry_->setSingleShot(true);
  outsideRetry_->setInterval(kRetryMs);
  connect(outsideRetry_, &QTimer::timeout, this, &frmMain::bookChangedOutside);
  noticeConflictCopies();
}

void frmMain::noticeConflictCopies() {
  const QStringList copies = FindConflictCopies(module_.Folder.folder(), recipe_file::kFileName);
  QStringList added;
  for (const QString& copy : copies)
    if (!knownConflictCopies_.contains(copy)) added.append(QFileInfo(copy).fileName());
  knownConflictCopies_ = copies;
  if (added.isEmpty()) return;
  dialogs_.inform(QStringLiteral("同期ツールが、ほかのコンピューターと同時に変更されたレシピのファイルを別の名前で残しています。\n%1\n"
                                 "「バックアップ」で選ぶと、このレシピ帳にないレシピを戻せます。")
                      .arg(added.join(u'\n')),
                  QStringLiteral("競合コピー"));
}

bool frmMain::holdsUnsavedEdits() const {
  const recipe_file::RecipeForm typed = typedRecipe();
  if (showingNewRecipe_ || module_.RecipeCount() == 0)
    return !typed.DishName.isEmpty() || !typed.Ingredients.isEmpty() || !typed.Steps.isEmpty() || !typed.Memo.isEmpty();
  const Recipe& stored = module_.Recipes[std::clamp(hsbData->value(), 1, module_.RecipeCount())];
  Recipe asTyped = stored;
  recipe_file::ApplyForm(asTyped, typed);
  return typed.DishName != stored.DishName || !(asTyped == stored);
}

void frmMain::bookChangedOutside() {
  const QString path = module_.path(recipe_file::kFileName);
  if (file_stamp::unchanged(path, module_.RecipeFileStamp)) return;  // its own write, or another file
  if (busy_) {  // a store is under way and checks the file itself
    outsideRetry_->start();
    return;
  }
  if (holdsUnsavedEdits()) {
    if (!toldChangedOutside_)
      dialogs_.inform(QStringLiteral("レシピのファイルが、ほかのウィンドウかプログラムで書き換えられました。\n"
                                     "入力中の内容はそのまま残しています。「登録」を押すと、書き換えられたファイルに加えて保存します。"),
                      QStringLiteral("レシピ帳の変更"));
    toldChangedOutside_ = true;
    return;
  }
  auto loaded = recipe_file::LoadStampedRecipeFile(path);
  if (std::holds_alternative<FileError>(loaded)) {
    // Mid-copy, or moved away for a moment: looked at again later, without a box each time.
    if (++outsideAttempts_ < kRetries) outsideRetry_->start();
    return;
  }
  outsideAttempts_ = 0;
  toldChangedOutside_ = false;
  const int shown = hsbData->value();
  const QString shownName = module_.RecipeCount() ? module_.Recipes[std::clamp(shown, 1, module_.RecipeCount())].DishName : QString();
  const bool showingNew = showingNewRecipe_ && module_.RecipeCount() > 0;
  // An undo of a delete stays offered: it puts the record back among whatever the file holds.
  const auto undo = lastDeleted_;
  takeFreshTable(std::get<recipe_file::StampedTable>(std::move(loaded)));
  offerUndoDelete(undo);
  if (showingNew) {
    refillNameList();
    return;
  }
  const int byName = module_.Recipes.FindRecipeByDishName(shownName);
  showRecord(byName ? byName : std::min(shown, std::max(1, module_.RecipeCount())));
}

void frmMain::profileChangedOutside() {
  const QString path = module_.path(kProfileFileName);
  const FileStamp now = file_stamp::of(path);
  if (now.sameIdentity(profileStamp_) && !now.inDoubt) return;
  auto loaded = LoadProfile(path);
  if (!std::holds_alternative<Profile>(loaded)) return;  // half written: the next notice reads it
  profileStamp_ = now;
  Profile& read = std::get<Profile>(loaded);
  if (read.Nickname == module_.Prof.Nickname && read.TargetPoints == module_.Prof.TargetPoints &&
      read.PhotoMode == module_.Prof.PhotoMode && read.BindingMargin == module_.Prof.BindingMargin)
    return;  // its own save, most often
  module_.Prof = std::move(read);
  ShowUserWindowTitle(this, MainCaption(module_.Prof.Nickname));
  if (picture->photosShown() != (module_.Prof.PhotoMode == kPhotoShown)) {
    picture->selectPhotoMode(module_.Prof.PhotoMode == kPhotoShown);
    ShowRecipe();
  }
  ComputeStatistics();  // the level follows the target
}
