// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "種類分析": how the recipes spread over the genres, kinds and cooking methods. Opens with pies.
#include "listing/windows/chart_window.h"

class frmGraph1 : public ChartWindow {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(frmGraph1)
 public:
  frmGraph1(Module1& module, Dialogs& dialogs, QWidget* parent = nullptr);
};
