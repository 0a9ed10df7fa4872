// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three-day menu planner: a dish for breakfast, lunch and dinner of three days, each with
// its picture, kept in "MENU.TXT" and printed as an image of the window.
//
// The plan lives in the controls: the day captions in the frames, the dishes in the combo boxes.
// It is read from the file when the window opens and written only by cmdHozon. Under the days,
// DaySummaries follows the plan on screen; cmdKaimono opens its shopping list.
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "menu/rules/menu_plan.h"
#include "platform/rules/clock.h"
#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"

class DaySummaries;
class frmKaimono;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QStringListModel;

class frmMenu : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(frmMenu)
 public:
  // printWindow prints an image of the window it is given.
  frmMenu(Module1& module, Dialogs& dialogs, Clock& clock, std::function<void(QWidget&)> printWindow,
          QWidget* parent = nullptr);

  // The plan as the controls show it.
  MenuPlan shownPlan() const;
  bool MenuEdited() const { return menuEdited_; }

 private slots:
  void cboHizuke_Click(int index);
  void cboMenu_Click(int slot);
  void cmdSet_Click(int slot);
  void cmdHozon_Click();
  void cmdPrint_Click();
  void cmdModori_Click();
  void cmdKaimono_Click();

 private:
  void buildControls();
  void Form_Load();
  void showPlan(const MenuPlan& plan);
  void loadSlotPicture(int slot, const QString& dishName);

  Module1& module_;
  Dialogs& dialogs_;
  Clock& clock_;
  std::function<void(QWidget&)> printWindow_;
  bool menuEdited_ = false;
  std::optional<MenuPlan> readPlan_;  // as read or last saved; nothing when the file could not be read

  QStringListModel* dishNames_;  // one list shared by the nine combo boxes
  QComboBox* cboHizuke;
  std::array<QGroupBox*, kMenuDays> fraHizuke;
  std::array<QPushButton*, kMenuSlots> cmdSet;
  std::array<QComboBox*, kMenuSlots> cboMenu;
  std::array<QLabel*, kMenuSlots> imgMenu;
  QPushButton* cmdHozon;
  QPushButton* cmdPrint;
  QPushButton* cmdModori;
  QPushButton* cmdKaimono;
  DaySummaries* summaries_;
  frmKaimono* kaimono_ = nullptr;  // made on the first press of cmdKaimono
};
