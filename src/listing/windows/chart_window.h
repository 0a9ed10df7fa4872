// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the two chart windows share: a row of chart panels, the chart-type buttons that switch all
// of them at once, printing the window's image, and the back button. Each window is built once
// from the statistics of the last load; a reload of the table closes it.
#include <QWidget>
#include <vector>

#include "listing/windows/chart_panel.h"
#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"

class QHBoxLayout;
class QPushButton;

class ChartWindow : public QWidget {
  Q_OBJECT
 public:
  void cmdPai_Click();
  void cmdBar_Click();
  void cmdPrint_Click();  // the window's image as shown, through the printing door
  void cmdModori_Click();

 protected:
  enum class ButtonOrder { PieFirst, BarFirst };
  ChartWindow(Module1& module, Dialogs& dialogs, const QString& name, const QString& title, QWidget* parent);

  void addPanel(ChartPanelFigures figures, const ChartPanelNames& names);
  // The four buttons at the bottom left; returns the bottom row so a window can add to its right.
  QHBoxLayout* addButtons(ButtonOrder order);

 private:
  Module1& module_;
  Dialogs& dialogs_;
  QHBoxLayout* panelRow_;
  std::vector<ChartPanel*> panels_;
};
