// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exchange window "ゼストラ　コミュニケーション": on the left the export of up to ten recipes
// into a new exchange folder, on the right the import of an exchange file, below them the settings
// frame with the nickname and the target points.
//
// It reads the recipe table and writes files through the exchange rules; the main window does the
// rest. After an import it reloads the table (recipesImported); after a change of the profile it
// updates its caption and level bar (profileChanged); after every reload of the table it calls
// followRecipeTable, so that the lists never offer a record that is gone. The lists carry record
// numbers: list row + 1 is the record number.
#include <QWidget>
#include <optional>
#include <vector>

#include "exchange/rules/exchange_file.h"
#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"

class QGroupBox;
class QItemSelection;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;
class QStringListModel;

class frmPrivate : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(frmPrivate)
 public:
  frmPrivate(Module1& module, Dialogs& dialogs, QWidget* parent = nullptr);
  ~frmPrivate() override;

  // Handlers, as the controls call them.
  void RefreshExchangeLists();
  void File2_Click(const QString& path);

 public slots:
  // The recipe table was reloaded: the name lists, counts and points show the new table.
  void followRecipeTable();

 signals:
  void recipesImported();  // records were appended to the recipe file
  void profileChanged();   // the nickname or the target changed

 private slots:
  void cmdFile_Click();
  void cmdCopy_Click();
  void cmdNew_Click();
  void cmdNukidashi_Click();
  void cmdHozon_Click();
  void cmdModori_Click();

 private:
  QWidget* buildExportHalf();
  QWidget* buildImportHalf();
  QWidget* buildSettingsFrame();
  void showNameLists();
  void showPoints();
  void lstMoto_Click(const QItemSelection& selected);
  std::vector<int> chosenRecords() const;
  std::vector<int> chosenImports() const;
  void importPictures(const std::vector<int>& chosen);
  void showExportFolder(const QString& folder);
  // The import file's folder and name as chosen; each reads with what it is, even while empty.
  void showChosenFile(const QString& folder, const QString& fileName);

  Module1& module_;
  Dialogs& dialogs_;
  QString StartFolder;
  std::optional<exchange::ExchangeFile> exchangeFile_;  // the file chosen for import, as read

  QGroupBox* fra1;
  QListView* lstMoto;
  QStringListModel* motoNames_;
  QLabel* lblSentaku;
  QListWidget* lstKettei;
  QPushButton* cmdNukidashi;
  QPushButton* cmdNew;
  QGroupBox* fra2;
  QListWidget* File1;

  QGroupBox* Frame2;
  QLabel* Dir1;
  QLabel* File2;
  QPushButton* cmdFile;
  QListView* lstNewD;
  QStringListModel* newNames_;
  QGroupBox* fraData;
  QListView* lstData;
  QStringListModel* dataNames_;
  QPushButton* cmdCopy;

  QGroupBox* Frame1;
  QLineEdit* txtNamae;
  QLineEdit* txtPoint;
  QLabel* lblPoint;
  QLabel* lblLevel;
  QPushButton* cmdHozon;

  QPushButton* cmdModori;
};
