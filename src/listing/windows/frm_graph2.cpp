// SPDX-License-Identifier: GPL-3.0-or-later
#include "listing/windows/frm_graph2.h"

#include <QHBoxLayout>
#include <QLabel>

#include "platform/windows/level_bar.h"

frmGraph2::frmGraph2(Module1& module, Dialogs& dialogs, QWidget* parent)
    : ChartWindow(module, dialogs, QStringLiteral("frmGraph2"), QStringLiteral("評価分析"), parent), module_(module) {
  const std::vector<ChartPanelFigures> figures = RatingFigures(module.Stats);
  const ChartPanelNames names[] = {
      {QStringLiteral("chrJitu"), QStringLiteral("lblJiseki"), QStringLiteral("lblJiseki_ken"),
       QStringLiteral("lblJiseki_p")},
      {QStringLiteral("chrJiko"), QStringLiteral("lblHyo1"), QStringLiteral("lblHyo1_ken"), QStringLiteral("lblHyo1_p")},
      {QStringLiteral("chrSansya"), QStringLiteral("lblHyo2"), QStringLiteral("lblHyo2_ken"),
       QStringLiteral("lblHyo2_p")},
  };
  for (size_t i = 0; i < figures.size(); ++i) addPanel(figures[i], names[i]);
  QHBoxLayout* bottom = addButtons(ButtonOrder::BarFirst);

  lblLevel = new QLabel(this);
  lblLevel->setObjectName(QStringLiteral("lblLevel"));
  QFont bold = lblLevel->font();
  bold.setBold(true);
  bold.setPointSize(bold.pointSize() + 2);
  lblLevel->setFont(bold);
  level_ = new LevelBar(this);
  level_->lblPoint->hide();  // the points are the main window's; here only the bar
  ShowLevelBar();
  bottom->addWidget(lblLevel);
  bottom->addWidget(level_);
  cmdBar_Click();
}

void frmGraph2::ShowLevelBar() {
  lblLevel->setText(LevelCaption(module_.Stats.LevelPercent));
  level_->ShowLevelBar(module_.Stats.LevelPercent);
}
