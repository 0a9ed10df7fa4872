// SPDX-License-Identifier: GPL-3.0-or-later
#include "fridge/windows/frm_tukaikiri.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <tuple>

#include "fridge/rules/use_it_up.h"
#include "fridge/windows/chosen_recipe.h"
#include "platform/windows/after_pick_options.h"
#include "platform/windows/busy_cursor.h"
#include "platform/windows/controls.h"

namespace {

// "牛乳（期限切れ）", "卵（今日まで）", "豆腐（あと2日）".
QString itemText(const StockEntry& entry) {
  return entry.IngredientName + QStringLiteral("（%1）").arg(DaysLeftWords(entry.DaysLeft));
}

}  // namespace

frmTukaikiri::frmTukaikiri(const RecipeTable& recipes, Dialogs& dialogs, QWidget* parent, FoldedBook* folded)
    : QWidget(parent, Qt::Window), recipes_(recipes), dialogs_(dialogs), folded_(folded ? *folded : ownFolded_) {
  setObjectName(QStringLiteral("frmTukaikiri"));
  setWindowTitle(QStringLiteral("期限が近い材料を使う"));

  fraTukaikiri = new QGroupBox(this);
  fraTukaikiri->setObjectName(QStringLiteral("fraTukaikiri"));
  tvwTukaikiri = new QTreeWidget(fraTukaikiri);
  tvwTukaikiri->setObjectName(QStringLiteral("tvwTukaikiri"));
  tvwTukaikiri->setAccessibleName(QStringLiteral("期限が近い材料を使うレシピ"));
  tvwTukaikiri->setRootIsDecorated(false);
  tvwTukaikiri->setUniformRowHeights(true);
  tvwTukaikiri->setHeaderLabels({QStringLiteral("料理"), QStringLiteral("点"), QStringLiteral("期限が近い材料"),
                                 QStringLiteral("足りない材料")});
  tvwTukaikiri->setColumnWidth(0, 220);
  tvwTukaikiri->setColumnWidth(1, 40);
  tvwTukaikiri->setColumnWidth(2, 300);
  tvwTukaikiri->installEventFilter(this);
  connect(tvwTukaikiri, &QTreeWidget::itemClicked, this, &frmTukaikiri::tvwTukaikiri_Click);

  lblSetumei = new QLabel(QStringLiteral("期限切れ3点、あと0～3日2点、あと4～7日1点。同点なら足りない材料の少ない順。"), this);
  lblSetumei->setObjectName(QStringLiteral("lblSetumei"));
  lblSetumei->setWordWrap(true);
  std::tie(optHide, optShow) = MakeAfterPickOptions(QStringLiteral("クリック時にこの画面を隠す"), fraTukaikiri);
  cmdModori = new QPushButton(QStringLiteral("戻る"), this);
  cmdModori->setObjectName(QStringLiteral("cmdModori"));
  cmdModori->setToolTip(QStringLiteral("冷蔵庫に戻ります"));
  connect(cmdModori, &QPushButton::clicked, this, &QWidget::close);

  auto* frameLayout = new QVBoxLayout(fraTukaikiri);
  frameLayout->addWidget(tvwTukaikiri, 1);
  auto* options = new QHBoxLayout();
  options->addWidget(optHide);
  options->addWidget(optShow);
  options->addStretch();
  frameLayout->addLayout(options);
  auto* root = new QVBoxLayout(this);
  root->addWidget(lblSetumei);
  root->addWidget(fraTukaikiri, 1);
  auto* bottom = new QHBoxLayout();
  bottom->addStretch();
  bottom->addWidget(cmdModori);
  root->addLayout(bottom);
  resize(760, 480);
}

void frmTukaikiri::showFor(const std::vector<StockEntry>& stock) {
  const BusyCursor busy;
  stock_ = stock;
  const std::vector<UseItUpSuggestion> ranked = RankUseItUp(recipes_, stock_, folded_, kMaxShown);
  tvwTukaikiri->clear();
  QList<QTreeWidgetItem*> rows;
  for (size_t i = 0; i < ranked.size() && i < size_t(kMaxShown); ++i) {
    const UseItUpSuggestion& s = ranked[i];
    QStringList items;
    for (const UsedStockItem& item : s.items) items.append(itemText(stock_[size_t(item.stockPosition - 1)]));
    const QString missing = s.missingNames.isEmpty() ? QStringLiteral("なし") : s.missingNames.join(u'、');
    auto* row = new QTreeWidgetItem({recipes_[s.recordNumber].DishName, QString::number(s.points), items.join(u'、'), missing});
    row->setData(0, Qt::UserRole, s.recordNumber);
    row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    rows.append(row);
  }
  tvwTukaikiri->addTopLevelItems(rows);
  fraTukaikiri->setTitle(ranked.size() > size_t(kMaxShown)
                             ? QStringLiteral("%1件中 上位%2件").arg(ranked.size()).arg(kMaxShown)
                             : QStringLiteral("%1件").arg(ranked.size()));
}

bool frmTukaikiri::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tvwTukaikiri && controls::isEnterPress(event) && tvwTukaikiri->currentItem()) {
    tvwTukaikiri_Click();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void frmTukaikiri::tvwTukaikiri_Click() {
  const QTreeWidgetItem* item = tvwTukaikiri->currentItem();
  if (!item) return;
  // The row's own recipe while the book still holds it at that number, else the dish by name.
  const int shown = item->data(0, Qt::UserRole).toInt();
  const bool stillThere = shown >= 1 && shown <= recipes_.count() && recipes_[shown].DishName == item->text(0);
  const int number = stillThere ? shown : ChosenRecipeNumber(recipes_, dialogs_, item->text(0));
  if (number == 0) {
    showFor(stock_);
    return;
  }
  emit recipeChosen(number);
  if (optHide->isChecked()) hide();
}
