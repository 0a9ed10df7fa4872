// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window "バックアップから復元": the backups of the book's files, newest first, with the date,
// time, file, what each holds and, for the recipe file, the number of recipes; a damaged entry
// is shown as such. For a chosen recipe entry, the recipes it holds that the book lacks. Chosen
// recipes are appended to the recipe file as they stand in the backup, or a whole copy of any
// file is put back after a question. Before either write the file is itself backed up.
//
// After a write it announces recipeFileRestored and the main window reloads the table; after
// every reload the main window calls followRecipeTable, so the list of missing recipes follows.
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "backup/rules/recipe_restore.h"
#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;

class frmFukugen : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(frmFukugen)
 public:
  frmFukugen(Module1& module, Dialogs& dialogs, QWidget* parent = nullptr);

  // Handlers, as the controls call them.
  void lstBackup_Click();
  void cmdTuika_Click();
  void cmdZenbu_Click();
  void cmdModori_Click();

 public slots:
  // Lists the backups again and the missing recipes of the chosen one against the table.
  void followRecipeTable();

 signals:
  void recipeFileRestored();

 private:
  void showBackups();
  void showMissingRecipes();
  const backups::ListedBackup* chosenBackup() const;
  std::vector<int> chosenRecipes() const;
  QString recipePath() const;
  // Backs the file at path up, writes, reports; true when the file was written.
  bool restore(const QString& path, const backups::Write& backup, const std::function<std::optional<FileError>()>& write);

  Module1& module_;
  Dialogs& dialogs_;
  std::vector<backups::ListedBackup> backups_;   // as listed, newest first
  std::optional<backups::BackupRecipes> shown_;  // the chosen backup's records

  QLabel* lblBasho;
  QTreeWidget* lstBackup;
  QLabel* lblRecipe;
  QListWidget* lstRecipe;
  QPushButton* cmdTuika;
  QPushButton* cmdZenbu;
  QPushButton* cmdModori;
};
