// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One panel of a chart window: its heading, a chart of the counts (pie or bars, each item in its
// swatch colour) and below it the table of swatch, optional face, name, count and share.
#include <QWidget>
#include <vector>

#include "listing/rules/chart_figures.h"

class QChart;
class QChartView;
class QLabel;

// Object names: the chart, and the prefixes of the label arrays ("lblJ_name" gives lblJ_name(0)...).
struct ChartPanelNames {
  QString chart, name, count, share;
};

class ChartPanel : public QWidget {
  Q_OBJECT
 public:
  // The chart stays empty until showPie() or showBars().
  ChartPanel(ChartPanelFigures figures, const ChartPanelNames& names, QWidget* parent);

  void showPie();
  void showBars();
  bool showsPie() const { return pie_; }

 private:
  QWidget* buildTable(const ChartPanelNames& names);
  QChart* emptyChart();  // the chart with its series and axes removed

  ChartPanelFigures figures_;
  QChartView* chart_ = nullptr;
  bool pie_ = false;
};
