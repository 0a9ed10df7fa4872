// SPDX-License-Identifier: GPL-3.0-or-later
#include "listing/windows/frm_sort.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>
#include <tuple>

#include "listing/windows/listing_pictures.h"
#include "platform/windows/after_pick_options.h"

namespace {

struct GridText {
  const char* grid;
  const char* frame;
  QString caption;
  QString valueHeader;
  const char* option;
  QString lowFirst, highFirst;
};

// In the order of ListingValue.
const std::array<GridText, 4>& GridTexts() {
  static const std::array<GridText, 4> texts = {{
      {"msgCal", "Frame1", QStringLiteral(" カロリー"), QStringLiteral("カロリー"), "optCal", QStringLiteral("低い順"),
       QStringLiteral("高い順")},
      {"msgEnbun", "Frame2", QStringLiteral(" 塩分"), QStringLiteral("塩分"), "optEnbun", QStringLiteral("少ない順"),
       QStringLiteral("多い順")},
      {"msgJikan", "Frame3", QStringLiteral(" 調理時間"), QStringLiteral("時間"), "optJikan", QStringLiteral("短い順"),
       QStringLiteral("長い順")},
      {"msgKaisu", "Frame4", QStringLiteral("調理回数"), QStringLiteral("回数"), "optKaisu", QStringLiteral("少ない順"),
       QStringLiteral("多い順")},
  }};
  return texts;
}

constexpr int kNameColumnTwips = 3970;
constexpr int kValueColumnTwips = 870;
constexpr int pixels(int twips) { return (twips + 7) / 15; }

}  // namespace

frmSort::frmSort(const Module1& module, QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frmSort"));
  setWindowTitle(QStringLiteral("並び替えリスト"));
  const auto listing = std::make_shared<const RecipeListing>(module.Recipes);

  auto* layout = new QGridLayout(this);
  layout->addWidget(buildGrid(ListingValue::Calories, listing, 260), 0, 0);
  layout->addWidget(buildGrid(ListingValue::Salt, listing, 260), 0, 1);
  layout->addWidget(buildGrid(ListingValue::CookingTime, listing, 260), 1, 0);

  // Times cooked is shorter, with the click option and the back button below it.
  auto* corner = new QVBoxLayout;
  corner->addWidget(buildGrid(ListingValue::CookCount, listing, 190));
  auto* after = new QHBoxLayout;
  // In a group of their own: left to the window, the pair would share one exclusive group with
  // every option button of the four frames.
  std::tie(optHide, optShow) = MakeAfterPickOptions(QStringLiteral("クリック時はフォームを隠す"), this);
  cmdModori = BackButton(this);
  connect(cmdModori, &QPushButton::clicked, this, &frmSort::cmdModori_Click);
  after->addWidget(optHide);
  after->addWidget(optShow);
  after->addStretch();
  after->addWidget(cmdModori);
  corner->addLayout(after);
  corner->addStretch();
  layout->addLayout(corner, 1, 1);
}

QGroupBox* frmSort::buildGrid(ListingValue value, std::shared_ptr<const RecipeListing> listing, int viewHeight) {
  const GridText& text = GridTexts()[size_t(value)];
  Grid& grid = grids_[size_t(value)];
  grid.frame = new QGroupBox(text.caption, this);
  grid.frame->setObjectName(QLatin1String(text.frame));

  grid.model = new SortedRecipeModel(std::move(listing), value, text.valueHeader, this);
  grid.view = new QTableView(grid.frame);
  grid.view->setObjectName(QLatin1String(text.grid));
  grid.view->setAccessibleName(text.caption.trimmed());
  grid.view->setModel(grid.model);
  grid.view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid.view->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid.view->setSelectionMode(QAbstractItemView::SingleSelection);
  grid.view->setWordWrap(false);
  grid.view->verticalHeader()->hide();
  // Fixed row heights keep a view over tens of thousands of rows quick.
  grid.view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid.view->verticalHeader()->setDefaultSectionSize(grid.view->fontMetrics().height() + 6);
  grid.view->horizontalHeader()->setSectionsClickable(false);
  grid.view->horizontalHeader()->setHighlightSections(false);
  grid.view->setColumnWidth(0, pixels(kNameColumnTwips));
  grid.view->setColumnWidth(1, pixels(kValueColumnTwips));
  grid.view->setFixedSize(pixels(kNameColumnTwips + kValueColumnTwips) + 22, viewHeight);
  connect(grid.view, &QTableView::clicked, this, [this, value](const QModelIndex& index) { grid_Click(value, index); });
  // Enter on the current row opens it too, for those who use the keyboard.
  connect(grid.view, &QTableView::activated, this, [this, value](const QModelIndex& index) { grid_Click(value, index); });

  auto* options = new QHBoxLayout;
  const QString names[2] = {text.lowFirst, text.highFirst};
  for (int i = 0; i < 2; ++i) {
    auto* option = new QRadioButton(names[i], grid.frame);
    option->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(text.option)).arg(i));
    connect(option, &QRadioButton::clicked, this, [this, value, i] { option_Click(value, i); });
    grid.options[size_t(i)] = option;
    options->addWidget(option);
  }
  grid.options[0]->setChecked(true);
  options->addStretch();

  auto* inside = new QVBoxLayout(grid.frame);
  inside->addWidget(grid.view);
  inside->addLayout(options);
  return grid.frame;
}

void frmSort::option_Click(ListingValue grid, int index) {
  Grid& g = grids_[size_t(grid)];
  g.model->sortByValue(index == 0);
  g.view->scrollToTop();
}

void frmSort::grid_Click(ListingValue grid, const QModelIndex& index) {
  const int record = grids_[size_t(grid)].model->recordNumberAt(index.row());
  if (record == 0) return;
  emit recipeChosen(record);
  if (optHide->isChecked()) hide();
}

void frmSort::cmdModori_Click() { close(); }
