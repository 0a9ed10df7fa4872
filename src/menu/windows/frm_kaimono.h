#pragma once
// The shopping list of the menu on screen ("買い物リスト"): what to buy, grouped by ingredient
// with the dishes that need it, and what is already in the refrigerator with the stock entry each
// need takes. It reads "冷蔵庫.TXT" each time it is shown and writes nothing; it prints through the
// printing door and copies the list as text.
#include <QStringList>
#include <QWidget>

#include "menu/rules/menu_plan.h"
#include "platform/rules/clock.h"
#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QTreeWidget;

class frmKaimono : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(frmKaimono)
 public:
  frmKaimono(const Module1& module, Dialogs& dialogs, Clock& clock, QWidget* parent = nullptr);

  // Builds the list of the plan against the stock as the file holds it now.
  void showList(const MenuPlan& plan);

  void cmdPrint_Click();
  void cmdCopy_Click();

 private:
  const Module1& module_;
  Dialogs& dialogs_;
  Clock& clock_;
  QStringList lines_;  // the list as text, for printing and copying

  QLabel* lblKikan;
  QGroupBox* fraKau;
  QTreeWidget* tvwKau;
  QGroupBox* fraAru;
  QTreeWidget* tvwAru;
  QLabel* lblNasi;
  QLabel* lblCopy;
  QPushButton* cmdPrint;
  QPushButton* cmdCopy;
  QPushButton* cmdModori;
};
