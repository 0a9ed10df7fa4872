// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/windows/frm_kaimono.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "fridge/rules/fridge_dates.h"
#include "fridge/rules/fridge_files.h"
#include "fridge/rules/fridge_input.h"
#include "platform/windows/controls.h"
#include "platform/windows/page_printer.h"
#include "store/windows/backup_before_write.h"

using controls::button;

namespace {

const QString kTitle = QStringLiteral("買い物リスト");
const QColor kCloseToItsDate(192, 0, 0);
constexpr int kKeyRole = Qt::UserRole;

QTreeWidget* table(QWidget* parent, const QString& name, const QString& accessibleName, const QStringList& headers) {
  auto* tree = new QTreeWidget(parent);
  tree->setObjectName(name);
  tree->setAccessibleName(accessibleName);
  tree->setRootIsDecorated(false);
  tree->setUniformRowHeights(true);
  tree->setHeaderLabels(headers);
  tree->header()->setStretchLastSection(true);
  tree->setColumnWidth(0, 140);
  tree->setColumnWidth(1, 240);
  return tree;
}

// Of a ticked line only its best-before date can be changed.
class BestBeforeOnlyDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (index.column() != frmKaimono::BestBeforeColumn) return nullptr;
    return QStyledItemDelegate::createEditor(parent, option, index);
  }
};

QLabel* note(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  return label;
}

}  // namespace

frmKaimono::frmKaimono(Module1& module, Dialogs& dialogs, Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window), module_(module), dialogs_(dialogs), clock_(clock) {
  setObjectName(QStringLiteral("frmKaimono"));
  setWindowTitle(kTitle);

  lblKikan = new QLabel(this);
  lblKikan->setObjectName(QStringLiteral("lblKikan"));
  lblNinzu = new QLabel(QStringLiteral("人数"), this);
  lblNinzu->setObjectName(QStringLiteral("lblNinzu"));
  spnNinzu = new QSpinBox(this);
  spnNinzu->setObjectName(QStringLiteral("spnNinzu"));
  spnNinzu->setRange(0, 99);
  spnNinzu->setSpecialValueText(QStringLiteral("レシピどおり"));
  spnNinzu->setSuffix(QStringLiteral("人分"));
  spnNinzu->setToolTip(QStringLiteral("何人分を作るか。レシピに書かれた人数から分量を計算し直します"));
  lblNinzu->setBuddy(spnNinzu);
  chkKigengire = new QCheckBox(QStringLiteral("期限切れも使う"), this);
  chkKigengire->setObjectName(QStringLiteral("chkKigengire"));
  chkKigengire->setToolTip(QStringLiteral("賞味期限を過ぎた在庫も家にあるものとして数えます"));
  connect(spnNinzu, &QSpinBox::valueChanged, this, &frmKaimono::fillList);
  connect(chkKigengire, &QCheckBox::toggled, this, &frmKaimono::fillList);

  fraKau = new QGroupBox(this);
  fraKau->setObjectName(QStringLiteral("fraKau"));
  tvwKau = table(fraKau, QStringLiteral("tvwKau"), QStringLiteral("買うもの"),
                 {QStringLiteral("材料"), QStringLiteral("合計"), QStringLiteral("分量（料理）"), QStringLiteral("賞味期限")});
  tvwKau->setColumnWidth(TotalColumn, 120);
  tvwKau->setColumnWidth(UsesColumn, 300);
  tvwKau->setItemDelegate(new BestBeforeOnlyDelegate(tvwKau));
  tvwKau->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
  connect(tvwKau, &QTreeWidget::itemChanged, this, &frmKaimono::tvwKau_ItemChanged);
  fraAru = new QGroupBox(this);
  fraAru->setObjectName(QStringLiteral("fraAru"));
  tvwAru = table(fraAru, QStringLiteral("tvwAru"), QStringLiteral("家にあるもの"),
                 {QStringLiteral("材料"), QStringLiteral("分量（料理）"), QStringLiteral("使う在庫")});
  lblJobi = note(this, QStringLiteral("lblJobi"));
  lblNasi = note(this, QStringLiteral("lblNasi"));
  lblCopy = new QLabel(this);
  lblCopy->setObjectName(QStringLiteral("lblCopy"));
  cmdReizouko = button(this, QStringLiteral("買った物を冷蔵庫へ"), QStringLiteral("cmdReizouko"),
                       QStringLiteral("チェックした物を今日買った物として冷蔵庫に入れます"));
  cmdTorikesi = button(this, QStringLiteral("冷蔵庫に入れたのを取り消す"), QStringLiteral("cmdTorikesi"),
                       QStringLiteral("さっき冷蔵庫に入れた物を冷蔵庫から出します"));
  cmdPrint = button(this, QStringLiteral("印刷"), QStringLiteral("cmdPrint"), QStringLiteral("買い物リストを印刷します"));
  cmdCopy = button(this, QStringLiteral("コピー"), QStringLiteral("cmdCopy"),
                   QStringLiteral("買い物リストを文字でクリップボードにコピーします"));
  cmdModori = button(this, QStringLiteral("戻る"), QStringLiteral("cmdModori"), QStringLiteral("献立に戻ります"));
  connect(cmdReizouko, &QPushButton::clicked, this, &frmKaimono::cmdReizouko_Click);
  connect(cmdTorikesi, &QPushButton::clicked, this, &frmKaimono::cmdTorikesi_Click);
  connect(cmdPrint, &QPushButton::clicked, this, &frmKaimono::cmdPrint_Click);
  connect(cmdCopy, &QPushButton::clicked, this, &frmKaimono::cmdCopy_Click);
  connect(cmdModori, &QPushButton::clicked, this, &QWidget::close);

  for (QGroupBox* frame : {fraKau, fraAru}) new QVBoxLayout(frame);
  fraKau->layout()->addWidget(tvwKau);
  fraAru->layout()->addWidget(tvwAru);
  auto* root = new QVBoxLayout(this);
  root->addWidget(lblKikan);
  auto* choices = new QHBoxLayout();
  choices->addWidget(lblNinzu);
  choices->addWidget(spnNinzu);
  choices->addSpacing(24);
  choices->addWidget(chkKigengire);
  choices->addStretch();
  root->addLayout(choices);
  root->addWidget(fraKau, 3);
  root->addWidget(fraAru, 2);
  root->addWidget(lblJobi);
  root->addWidget(lblNasi);
  auto* buttons = new QHBoxLayout();
  buttons->addWidget(cmdReizouko);
  buttons->addWidget(cmdTorikesi);
  buttons->addWidget(lblCopy, 1);
  for (QPushButton* b : {cmdPrint, cmdCopy, cmdModori}) buttons->addWidget(b);
  root->addLayout(buttons);
  resize(860, 640);
  cmdTorikesi->setEnabled(false);
}

void frmKaimono::showList(const MenuPlan& plan) {
  plan_ = plan;
  readStock();
  readUserTables();
  fillList();
}

void frmKaimono::readStock() {
  auto read = fridge_files::ReadStock(module_.path(fridge_files::kStockFileName), clock_.today());
  stock_.clear();
  if (auto* error = std::get_if<FileError>(&read))
    dialogs_.error(error->message() + QStringLiteral("\n冷蔵庫の在庫を引かずに買い物リストを作ります。"), kTitle);
  else
    stock_ = std::move(std::get<std::vector<StockEntry>>(read));
}

void frmKaimono::readUserTables() {
  auto aisles = ReadAisleTable(module_.path(kAisleFileName));
  if (auto* error = std::get_if<FileError>(&aisles)) {
    dialogs_.warn(error->message() + QStringLiteral("\n売り場は始めから入っている表だけで分けます。"), kTitle);
    aisles_ = AisleTable();
  } else {
    aisles_ = std::move(std::get<AisleTable>(aisles));
  }
  auto staples = fridge_files::ReadIngredientNames(module_.path(kStapleFileName));
  if (auto* error = std::get_if<FileError>(&staples)) {
    dialogs_.warn(error->message() + QStringLiteral("\n常備品を省かずに買い物リストを作ります。"), kTitle);
    staples_.clear();
  } else {
    staples_ = std::move(std::get<QStringList>(staples));
  }
}

void frmKaimono::fillList() {
  ShoppingOptions options{chkKigengire->isChecked(), spnNinzu->value(), staples_, &aisles_};
  list_ = BuildShoppingList(plan_, module_.Recipes, stock_, options);
  QSet<QString> onTheList;
  for (const BuyGroup& group : list_.toBuy) onTheList.insert(group.key);
  ticked_.intersect(onTheList);
  lblCopy->clear();

  fraKau->setTitle(QStringLiteral("買うもの（%1品）").arg(list_.toBuy.size()));
  fillBuyTree();

  fraAru->setTitle(QStringLiteral("家にあるもの（%1品）").arg(list_.atHome.size()));
  tvwAru->clear();
  for (int index : list_.atHome) {
    const PlannedNeed& need = list_.needs[size_t(index)];
    const StockEntry& entry = stock_[size_t(need.stockPosition - 1)];
    auto* row = new QTreeWidgetItem(tvwAru, {need.need.name, AmountForDish(need), StockEntryText(entry)});
    const BestBeforeState state = StateOf(entry.DaysLeft);
    if (state == BestBeforeState::Expired || state == BestBeforeState::WithinThreeDays)
      row->setForeground(2, kCloseToItsDate);
  }

  lblJobi->setText(list_.staplesLeftOut.isEmpty()
                       ? QString()
                       : QStringLiteral("常備品として省いたもの：") + list_.staplesLeftOut.join(u'、'));
  lblJobi->setVisible(!list_.staplesLeftOut.isEmpty());
  QStringList unknown;
  for (int slot : list_.dishesNotInBook) unknown.append(QStringLiteral("%1の「%2」").arg(MenuSlotName(slot), plan_.dish(slot)));
  QString text;
  if (list_.plannedDishes == 0)
    text = QStringLiteral("献立に料理がまだありません。");
  else if (!unknown.isEmpty())
    text = QStringLiteral("レシピにない料理の材料は入っていません：") + unknown.join(u'、');
  lblNasi->setText(text);
  lblNasi->setVisible(!text.isEmpty());
}

QString frmKaimono::bestBeforeOf(const BuyGroup& group) const {
  return bestBefore_.value(group.key, fridge_dates::DateText(DefaultBestBefore(list_, group, clock_.today())));
}

// The sections with their lines to buy, then the ticked lines with their best-before dates.
void frmKaimono::fillBuyTree() {
  const QSignalBlocker quiet(tvwKau);
  tvwKau->clear();
  const auto addLine = [&](const BuyGroup& group, bool ticked) {
    auto* row = new QTreeWidgetItem(tvwKau, {group.name, group.total, UsesOf(list_, group), ticked ? bestBeforeOf(group) : QString()});
    row->setData(NameColumn, kKeyRole, group.key);
    row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | (ticked ? Qt::ItemIsEditable : Qt::NoItemFlags));
    row->setCheckState(NameColumn, ticked ? Qt::Checked : Qt::Unchecked);
    if (ticked)
      for (int column : {NameColumn, TotalColumn, UsesColumn}) {
        QFont struck = row->font(column);
        struck.setStrikeOut(true);
        row->setFont(column, struck);
      }
  };
  int aisle = -1;
  for (const BuyGroup& group : list_.toBuy) {
    if (ticked_.contains(group.key)) continue;
    if (group.aisle != aisle) {
      auto* heading = new QTreeWidgetItem(tvwKau, {QStringLiteral("〈%1〉").arg(list_.aisles[size_t(group.aisle)].name)});
      heading->setFlags(Qt::ItemIsEnabled);
      heading->setFirstColumnSpanned(true);
      aisle = group.aisle;
    }
    addLine(group, false);
  }
  for (const BuyGroup& group : list_.toBuy)
    if (ticked_.contains(group.key)) addLine(group, true);
  lines_ = ShoppingListLines(list_, plan_, stock_, ticked_);
  lblKikan->setText(lines_.front());
  cmdReizouko->setEnabled(!ticked_.isEmpty());
}

void frmKaimono::tvwKau_ItemChanged(QTreeWidgetItem* item, int column) {
  const QString key = item->data(NameColumn, kKeyRole).toString();
  if (key.isEmpty()) return;
  if (column == BestBeforeColumn) {
    bestBefore_.insert(key, item->text(BestBeforeColumn).trimmed());
    lines_ = ShoppingListLines(list_, plan_, stock_, ticked_);
    return;
  }
  const bool ticked = item->checkState(NameColumn) == Qt::Checked;
  if (ticked == ticked_.contains(key)) return;
  if (ticked) ticked_.insert(key);
  else ticked_.remove(key);
  // The line moves; the tree is made again once the check box has finished with the item.
  QMetaObject::invokeMethod(this, &frmKaimono::fillBuyTree, Qt::QueuedConnection);
}

void frmKaimono::cmdReizouko_Click() {
  const QDate today = clock_.today();
  std::vector<StockEntry> bought;
  for (const BuyGroup& group : list_.toBuy) {
    if (!ticked_.contains(group.key)) continue;
    const QString bestBefore = bestBeforeOf(group);
    if (!bestBefore.isEmpty() && !fridge_dates::ParseDate(bestBefore)) {
      dialogs_.warn(QStringLiteral("「%1」の賞味期限「%2」は日付として読めません。\n2024/05/20のように書くか、空にしてください。")
                        .arg(group.name, bestBefore),
                    QStringLiteral("入力エラー"));
      return;
    }
    if (CheckStockText(group.name)) {
      dialogs_.warn(QStringLiteral("「%1」は冷蔵庫.TXTに書けない文字を含むため、冷蔵庫に入れられません。").arg(group.name),
                    QStringLiteral("入力エラー"));
      return;
    }
    bought.push_back(MakeEntry(group.name, fridge_dates::DateText(today), bestBefore, today));
  }
  if (bought.empty()) return;
  if (stock_.size() + bought.size() > size_t(Stock::kMaxEntries)) {
    dialogs_.warn(QStringLiteral("冷蔵庫には%1件までしか保存できません。").arg(Stock::kMaxEntries), QStringLiteral("冷蔵庫が満杯です"));
    return;
  }
  const QString path = module_.path(fridge_files::kStockFileName);
  BackUpBeforeWrite(module_, dialogs_, path, backups::Change::Keeps);
  if (auto error = delivery_.deliver(path, bought)) {
    dialogs_.error(error->message(), kTitle);
    return;
  }
  ticked_.clear();
  bestBefore_.clear();
  showList(plan_);
  lblCopy->setText(QStringLiteral("冷蔵庫に%1品入れました").arg(bought.size()));
  cmdTorikesi->setEnabled(delivery_.canUndo());
}

void frmKaimono::cmdTorikesi_Click() {
  const QString path = module_.path(fridge_files::kStockFileName);
  const int count = delivery_.delivered();
  BackUpBeforeWrite(module_, dialogs_, path, backups::Change::Removes);
  std::optional<FileError> error;
  const StockDelivery::UndoResult result = delivery_.undo(path, error);
  cmdTorikesi->setEnabled(delivery_.canUndo());
  if (result == StockDelivery::UndoResult::FileChanged) {
    dialogs_.warn(QStringLiteral("冷蔵庫.TXTがその後変わったため、取り消せません。\n冷蔵庫の画面で削除してください。"), kTitle);
    return;
  }
  if (result == StockDelivery::UndoResult::Failed) {
    dialogs_.error(error ? error->message() : QString(), kTitle);
    return;
  }
  showList(plan_);
  lblCopy->setText(QStringLiteral("冷蔵庫に入れた%1品を取り消しました").arg(count));
}

void frmKaimono::cmdPrint_Click() { PrintDocument(ShoppingListDocument(lines_, DefaultPrintableArea()), module_.Folder, dialogs_); }

void frmKaimono::cmdCopy_Click() {
  QGuiApplication::clipboard()->setText(lines_.join(u'\n') + u'\n');
  lblCopy->setText(QStringLiteral("クリップボードにコピーしました"));
}
