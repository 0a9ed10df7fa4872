// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shopping list of the menu on screen ("買い物リスト"): what to buy, by store section, with its
// amounts added up and the dishes that need it, and what is already in the refrigerator with the
// stock entry each need takes and its days left. Stock past its date is used only when
// chkKigengire is ticked; spnNinzu scales the amounts to a number of persons; the staples of
// "常備品.TXT" are left out and named once below the list.
//
// A line of tvwKau ticked as bought drops below the sections with a best-before date the cook can
// change (double-click); cmdReizouko puts the ticked lines into "冷蔵庫.TXT" in one write, which
// cmdTorikesi takes back while the file is as that write left it. Otherwise the window writes
// nothing; it reads "冷蔵庫.TXT", "売り場.TXT" and "常備品.TXT" each time it is shown, prints
// through the printing door and copies the list as text.
#include <QHash>
#include <QSet>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "fridge/rules/stock.h"
#include "fridge/rules/stock_delivery.h"
#include "menu/rules/aisles.h"
#include "menu/rules/menu_plan.h"
#include "menu/rules/shopping_list.h"
#include "platform/rules/clock.h"
#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

class frmKaimono : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(frmKaimono)
 public:
  frmKaimono(Module1& module, Dialogs& dialogs, Clock& clock, QWidget* parent = nullptr);

  // Builds the list of the plan against the stock as the file holds it now.
  void showList(const MenuPlan& plan);

  void cmdPrint_Click();
  void cmdCopy_Click();
  void cmdReizouko_Click();
  void cmdTorikesi_Click();

  // Columns of tvwKau.
  enum BuyColumn { NameColumn, TotalColumn, UsesColumn, BestBeforeColumn };

 private:
  void readStock();
  void readUserTables();
  void fillList();
  void fillBuyTree();
  void tvwKau_ItemChanged(QTreeWidgetItem* item, int column);
  QString bestBeforeOf(const BuyGroup& group) const;

  Module1& module_;
  Dialogs& dialogs_;
  Clock& clock_;
  MenuPlan plan_;
  std::vector<StockEntry> stock_;
  AisleTable aisles_;
  QStringList staples_;
  ShoppingList list_;
  QSet<QString> ticked_;                // keys of the lines ticked as bought
  QHash<QString, QString> bestBefore_;  // best-before dates the cook set, by key
  StockDelivery delivery_;
  QStringList lines_;  // the list as text, for printing and copying

  QLabel* lblKikan;
  QLabel* lblNinzu;
  QSpinBox* spnNinzu;
  QCheckBox* chkKigengire;
  QGroupBox* fraKau;
  QTreeWidget* tvwKau;
  QGroupBox* fraAru;
  QTreeWidget* tvwAru;
  QLabel* lblJobi;
  QLabel* lblNasi;
  QLabel* lblCopy;
  QPushButton* cmdReizouko;
  QPushButton* cmdTorikesi;
  QPushButton* cmdPrint;
  QPushButton* cmdCopy;
  QPushButton* cmdModori;
};
