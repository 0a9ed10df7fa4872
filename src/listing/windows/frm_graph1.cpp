// SPDX-License-Identifier: GPL-3.0-or-later
#include "listing/windows/frm_graph1.h"

frmGraph1::frmGraph1(Module1& module, Dialogs& dialogs, QWidget* parent)
    : ChartWindow(module, dialogs, QStringLiteral("frmGraph1"), QStringLiteral("種類分析"), parent) {
  const std::vector<ChartPanelFigures> figures = CategoryFigures(module);
  const ChartPanelNames names[] = {
      {QStringLiteral("chrJ"), QStringLiteral("lblJ_name"), QStringLiteral("lblJ_ken"), QStringLiteral("lblJ_p")},
      {QStringLiteral("chrS"), QStringLiteral("lblS_name"), QStringLiteral("lblS_ken"), QStringLiteral("lblS_p")},
      {QStringLiteral("chrC"), QStringLiteral("lblC_name"), QStringLiteral("lblC_ken"), QStringLiteral("lblC_p")},
  };
  for (size_t i = 0; i < figures.size(); ++i) addPanel(figures[i], names[i]);
  addButtons(ButtonOrder::PieFirst);
  cmdPai_Click();
}
