// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "評価分析": how many recipes were cooked and how the cook and the others rated them, with the
// user's level. Opens with bars.
#include "listing/windows/chart_window.h"

class QLabel;
class LevelBar;

class frmGraph2 : public ChartWindow {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(frmGraph2)
 public:
  frmGraph2(Module1& module, Dialogs& dialogs, QWidget* parent = nullptr);

  // Colours the bar from the level as it stands now; the main window calls it whenever it colours
  // its own bar (a new target in the profile changes the level without a reload).
  void ShowLevelBar();

 private:
  Module1& module_;
  QLabel* lblLevel;
  LevelBar* level_;
};
