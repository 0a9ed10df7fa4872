// SPDX-License-Identifier: GPL-3.0-or-later
#include "listing/windows/chart_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "listing/windows/listing_pictures.h"
#include "platform/windows/page_printer.h"

ChartWindow::ChartWindow(Module1& module, Dialogs& dialogs, const QString& name, const QString& title,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), module_(module), dialogs_(dialogs) {
  setObjectName(name);
  setWindowTitle(title);
  auto* layout = new QVBoxLayout(this);
  panelRow_ = new QHBoxLayout;
  layout->addLayout(panelRow_, 1);
}

void ChartWindow::addPanel(ChartPanelFigures figures, const ChartPanelNames& names) {
  auto* panel = new ChartPanel(std::move(figures), names, this);
  panels_.push_back(panel);
  panelRow_->addWidget(panel);
}

QHBoxLayout* ChartWindow::addButtons(ButtonOrder order) {
  auto* cmdPai = PictureButton(QStringLiteral("円グラフ"), QStringLiteral("cmdPai"), QStringLiteral("円グラフを表示します"),
                               PieChartIcon(), this);
  auto* cmdBar = PictureButton(QStringLiteral("棒グラフ"), QStringLiteral("cmdBar"), QStringLiteral("棒グラフを表示します"),
                               BarChartIcon(), this);
  auto* cmdPrint = PictureButton(QStringLiteral("印刷"), QStringLiteral("cmdPrint"), QStringLiteral("画面イメージで印刷します"),
                                 PrintIcon(), this);
  auto* cmdModori = BackButton(this);
  connect(cmdPai, &QPushButton::clicked, this, &ChartWindow::cmdPai_Click);
  connect(cmdBar, &QPushButton::clicked, this, &ChartWindow::cmdBar_Click);
  connect(cmdPrint, &QPushButton::clicked, this, &ChartWindow::cmdPrint_Click);
  connect(cmdModori, &QPushButton::clicked, this, &ChartWindow::cmdModori_Click);

  auto* row = new QHBoxLayout;
  if (order == ButtonOrder::PieFirst) {
    row->addWidget(cmdPai);
    row->addWidget(cmdBar);
  } else {
    row->addWidget(cmdBar);
    row->addWidget(cmdPai);
  }
  row->addWidget(cmdPrint);
  row->addWidget(cmdModori);
  row->addStretch();
  static_cast<QVBoxLayout*>(layout())->addLayout(row);
  return row;
}

void ChartWindow::cmdPai_Click() {
  for (ChartPanel* panel : panels_) panel->showPie();
}

void ChartWindow::cmdBar_Click() {
  for (ChartPanel* panel : panels_) panel->showBars();
}

void ChartWindow::cmdPrint_Click() {
  PrintDocument(GrabWindowDocument(*this, windowTitle()), module_.Folder, dialogs_);
}

void ChartWindow::cmdModori_Click() { close(); }
