// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The virtual refrigerator ("バーチャル冷蔵庫"): the bought ingredients with their purchase and
// best-before dates and the days left, sorting and deleting them, the list of ingredient names,
// and the recipes that use a stocked ingredient.
//
// How data flows through it: Form_Load reads "材料.TXT" into cboZai's list and "冷蔵庫.TXT" into
// the grid's model. Every change of the stock is written to its file before the grid shows it;
// a sort changes only the shown order until the next deletion writes it. A recipe picked in
// lstKondate goes out by record number through recipeChosen; the main window shows it. So does
// one picked in frmTukaikiri (cmdTukaikiri), which follows the stock as shown. Both files are
// watched while the window is open and shown again when they change outside.
#include <QWidget>

#include "fridge/rules/stock.h"
#include "platform/rules/clock.h"
#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class RecipesUsingPanel;
class StockGrid;
class FoldedBook;
class frmTukaikiri;
class StockModel;
struct TextProblem;

class frmReizou : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(frmReizou)
 public:
  // folded: the book's ingredient lines folded by the main window, handed to the use-it-up list.
  frmReizou(Module1& module, Dialogs& dialogs, Clock& clock, QWidget* parent = nullptr, FoldedBook* folded = nullptr);

 signals:
  void recipeChosen(int recordNumber);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private slots:
  // Handlers, as the controls call them.
  void cboNisu_Click(int index);
  void cboZai_KeyPress(int key);
  void cmdHozon_Click();
  void cmdZai_Sort_Click();
  void cmdKou_Sort_Click();
  void cmdZan_Sort_Click();
  void msgReizou_MouseDown(int row);
  // The rows the grid highlights once the mouse is released or the keyboard changed them.
  void msgReizou_MouseUp(int startRow, int endRow);
  void msgReizou_Click(const QModelIndex& index);
  void cmdDel_Click();
  void cmdAllClr_Click();
  void cmdModori_Click();
  void cmdTukaikiri_Click();

 private:
  // Fills the boxes and reads both files. False (after a message) when a file cannot be read;
  // the window then closes once it is shown, and nothing has been written.
  bool Form_Load();
  // Another window or program changed the stock or the ingredient names: the window holds no
  // unsaved stock (every change is written at once), so it shows the files as they now are; the
  // text typed in the boxes stays.
  void filesChangedOutside();
  void buildEntryRow();
  void buildStockArea();
  void buildRecipeFrame();
  void placeControls();
  void sortStock(StockSortKey key);
  void forgetSelection();
  bool refuseProblem(const std::optional<TextProblem>& problem, const QString& what, QComboBox* box);
  QString stockPath() const;
  QString ingredientPath() const;

  Module1& module_;
  Dialogs& dialogs_;
  Clock& clock_;
  StockModel* model_;
  bool loaded_ = false;
  int selectionStartRow_ = 0;
  int selectionEndRow_ = 0;

  // Controls, named as in the rest of the program (objectName is the same).
  QComboBox* cboZai;
  QComboBox* cboKou;
  QComboBox* cboSyomi;
  QComboBox* cboNisu;
  QLabel* Label1;
  QLabel* Label2[3];
  QPushButton* cmdHozon;
  StockGrid* msgReizou;
  QLabel* lblSentaku;
  QPushButton* cmdZai_Sort;
  QPushButton* cmdKou_Sort;
  QPushButton* cmdZan_Sort;
  QPushButton* cmdDel;
  QPushButton* cmdAllClr;
  QLabel* Label3[3];
  QFrame* Shape1[3];
  RecipesUsingPanel* fraKensaku;  // the recipes using the picked ingredient (lstKondate)
  QPushButton* cmdModori;
  QPushButton* cmdTukaikiri;
  frmTukaikiri* tukaikiri_ = nullptr;  // made on the first press of cmdTukaikiri
  FoldedBook* folded_;
};
