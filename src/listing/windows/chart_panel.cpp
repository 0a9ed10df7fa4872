// SPDX-License-Identifier: GPL-3.0-or-later
#include "listing/windows/chart_panel.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QLabel>
#include <QPieSeries>
#include <QPieSlice>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/windows/artwork.h"
#include "platform/windows/user_text.h"

namespace {

QColor ToColour(Rgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

QLabel* NamedLabel(const QString& text, const QString& name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  if (!name.isEmpty()) label->setObjectName(name);
  return label;
}

}  // namespace

ChartPanel::ChartPanel(ChartPanelFigures figures, const ChartPanelNames& names, QWidget* parent)
    : QWidget(parent), figures_(std::move(figures)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  auto* heading = new QLabel(figures_.heading, this);
  QFont bold = heading->font();
  bold.setBold(true);
  bold.setPointSize(bold.pointSize() + 2);
  heading->setFont(bold);
  layout->addWidget(heading);

  chart_ = new QChartView(this);
  chart_->setObjectName(names.chart);
  chart_->setAccessibleName(figures_.heading + QStringLiteral("のグラフ"));
  chart_->setRenderHint(QPainter::Antialiasing);
  chart_->setMinimumSize(260, 220);
  chart_->chart()->legend()->hide();
  chart_->chart()->setAnimationOptions(QChart::NoAnimation);
  chart_->chart()->setMargins(QMargins(2, 2, 2, 2));
  layout->addWidget(chart_, 1);
  layout->addWidget(buildTable(names));
}

QWidget* ChartPanel::buildTable(const ChartPanelNames& names) {
  auto* table = new QWidget(this);
  auto* grid = new QGridLayout(table);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(2);
  const bool faces = std::any_of(figures_.rows.begin(), figures_.rows.end(), [](const ChartRow& r) { return r.face >= 0; });
  const int nameColumn = faces ? 2 : 1;
  const QString headers[] = {QStringLiteral("色"), figures_.nameHeader, QStringLiteral("件"), QStringLiteral("割合")};
  grid->addWidget(new QLabel(headers[0], table), 0, 0);
  grid->addWidget(new QLabel(headers[1], table), 0, 1, 1, nameColumn);
  grid->addWidget(new QLabel(headers[2], table), 0, nameColumn + 1, Qt::AlignRight);
  grid->addWidget(new QLabel(headers[3], table), 0, nameColumn + 2, Qt::AlignRight);

  for (size_t i = 0; i < figures_.rows.size(); ++i) {
    const ChartRow& row = figures_.rows[i];
    const int r = int(i) + 1;
    const QString index = QStringLiteral("(%1)").arg(i);
    auto* swatch = new QLabel(table);
    swatch->setFixedSize(24, 14);
    swatch->setAutoFillBackground(true);
    swatch->setFrameShape(QFrame::Box);
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, ToColour(row.colour));
    swatch->setPalette(palette);
    swatch->setAccessibleName(QStringLiteral("色 ") + ToColour(row.colour).name(QColor::HexRgb).toUpper());
    grid->addWidget(swatch, r, 0);
    if (row.face >= 0) {
      auto* face = new QLabel(table);
      face->setPixmap(FacePicture(row.face, 22));
      face->setAccessibleName(figures_.heading + u' ' + row.name);
      grid->addWidget(face, r, 1);
    }
    QLabel* name = NamedLabel(QString(), names.name + index, table);
    ShowUserText(name, row.name);  // a category as the user wrote it in the lists
    grid->addWidget(name, r, nameColumn);
    grid->addWidget(NamedLabel(QString::number(row.count), names.count + index, table), r, nameColumn + 1,
                    Qt::AlignRight);
    grid->addWidget(NamedLabel(ShareText(row.share), names.share + index, table), r, nameColumn + 2, Qt::AlignRight);
  }
  grid->setColumnStretch(nameColumn, 1);
  return table;
}

QChart* ChartPanel::emptyChart() {
  QChart* chart = chart_->chart();
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) {
    chart->removeAxis(axis);
    delete axis;
  }
  return chart;
}

void ChartPanel::showPie() {
  QChart* chart = emptyChart();
  auto* series = new QPieSeries;
  for (const ChartRow& row : figures_.rows) {
    QPieSlice* slice = series->append(row.name, row.count);
    slice->setBrush(ToColour(row.colour));
    // No dark seams between slices; an empty slice draws nothing, not even a hairline.
    slice->setPen(row.count > 0 ? QPen(ToColour(row.colour), 0) : QPen(Qt::NoPen));
  }
  chart->addSeries(series);
  pie_ = true;
}

void ChartPanel::showBars() {
  QChart* chart = emptyChart();
  // One set per item, so that every bar takes its own swatch colour.
  auto* series = new QBarSeries;
  int highest = 0;
  for (const ChartRow& row : figures_.rows) {
    auto* set = new QBarSet(row.name);
    set->append(row.count);
    set->setColor(ToColour(row.colour));
    set->setBorderColor(Qt::black);
    series->append(set);
    highest = std::max(highest, row.count);
  }
  chart->addSeries(series);
  auto* categories = new QBarCategoryAxis;
  categories->append(figures_.heading);
  auto* counts = new QValueAxis;
  counts->setLabelFormat(QStringLiteral("%d"));
  if (highest <= 4) {  // whole-number ticks for small counts
    counts->setRange(0, std::max(highest, 1));
    counts->setTickCount(std::max(highest, 1) + 1);
  } else {
    counts->setRange(0, highest);
    counts->applyNiceNumbers();
  }
  chart->addAxis(categories, Qt::AlignBottom);
  chart->addAxis(counts, Qt::AlignLeft);
  series->attachAxis(categories);
  series->attachAxis(counts);
  pie_ = false;
}
