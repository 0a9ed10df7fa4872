#include "menu/windows/frm_kaimono.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "fridge/rules/fridge_files.h"
#include "menu/rules/shopping_list.h"
#include "platform/windows/controls.h"
#include "platform/windows/page_printer.h"

using controls::button;

namespace {

const QString kTitle = QStringLiteral("買い物リスト");

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

}  // namespace

frmKaimono::frmKaimono(const Module1& module, Dialogs& dialogs, Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window), module_(module), dialogs_(dialogs), clock_(clock) {
  setObjectName(QStringLiteral("frmKaimono"));
  setWindowTitle(kTitle);

  lblKikan = new QLabel(this);
  lblKikan->setObjectName(QStringLiteral("lblKikan"));
  fraKau = new QGroupBox(this);
  fraKau->setObjectName(QStringLiteral("fraKau"));
  tvwKau = table(fraKau, QStringLiteral("tvwKau"), QStringLiteral("買うもの"),
                 {QStringLiteral("材料"), QStringLiteral("分量（料理）")});
  fraAru = new QGroupBox(this);
  fraAru->setObjectName(QStringLiteral("fraAru"));
  tvwAru = table(fraAru, QStringLiteral("tvwAru"), QStringLiteral("家にあるもの"),
                 {QStringLiteral("材料"), QStringLiteral("分量（料理）"), QStringLiteral("使う在庫")});
  lblNasi = new QLabel(this);
  lblNasi->setObjectName(QStringLiteral("lblNasi"));
  lblNasi->setWordWrap(true);
  lblCopy = new QLabel(this);
  lblCopy->setObjectName(QStringLiteral("lblCopy"));
  cmdPrint = button(this, QStringLiteral("印刷"), QStringLiteral("cmdPrint"), QStringLiteral("買い物リストを印刷します"));
  cmdCopy = button(this, QStringLiteral("コピー"), QStringLiteral("cmdCopy"),
                   QStringLiteral("買い物リストを文字でクリップボードにコピーします"));
  cmdModori = button(this, QStringLiteral("戻る"), QStringLiteral("cmdModori"), QStringLiteral("献立に戻ります"));
  connect(cmdPrint, &QPushButton::clicked, this, &frmKaimono::cmdPrint_Click);
  connect(cmdCopy, &QPushButton::clicked, this, &frmKaimono::cmdCopy_Click);
  connect(cmdModori, &QPushButton::clicked, this, &QWidget::close);

  for (QGroupBox* frame : {fraKau, fraAru}) new QVBoxLayout(frame);
  fraKau->layout()->addWidget(tvwKau);
  fraAru->layout()->addWidget(tvwAru);
  auto* root = new QVBoxLayout(this);
  root->addWidget(lblKikan);
  root->addWidget(fraKau, 3);
  root->addWidget(fraAru, 2);
  root->addWidget(lblNasi);
  auto* buttons = new QHBoxLayout();
  buttons->addWidget(lblCopy, 1);
  for (QPushButton* b : {cmdPrint, cmdCopy, cmdModori}) buttons->addWidget(b);
  root->addLayout(buttons);
  resize(720, 600);
}

void frmKaimono::showList(const MenuPlan& plan) {
  auto read = fridge_files::ReadStock(module_.path(fridge_files::kStockFileName), clock_.today());
  std::vector<StockEntry> stock;
  if (auto* error = std::get_if<FileError>(&read))
    dialogs_.error(error->message() + QStringLiteral("\n冷蔵庫の在庫を引かずに買い物リストを作ります。"), kTitle);
  else
    stock = std::move(std::get<std::vector<StockEntry>>(read));

  const ShoppingList list = BuildShoppingList(plan, module_.Recipes, stock);
  lines_ = ShoppingListLines(list, plan, stock);
  lblKikan->setText(lines_.front());
  lblCopy->clear();

  fraKau->setTitle(QStringLiteral("買うもの（%1品）").arg(list.toBuy.size()));
  tvwKau->clear();
  for (const BuyGroup& group : list.toBuy) new QTreeWidgetItem(tvwKau, {group.name, UsesOf(list, group)});

  fraAru->setTitle(QStringLiteral("家にあるもの（%1品）").arg(list.atHome.size()));
  tvwAru->clear();
  for (int index : list.atHome) {
    const PlannedNeed& need = list.needs[size_t(index)];
    new QTreeWidgetItem(tvwAru, {need.need.name, AmountForDish(need), StockEntryText(stock[size_t(need.stockPosition - 1)])});
  }

  QStringList unknown;
  for (int slot : list.dishesNotInBook) unknown.append(QStringLiteral("%1の「%2」").arg(MenuSlotName(slot), plan.dish(slot)));
  QString note;
  if (list.plannedDishes == 0)
    note = QStringLiteral("献立に料理がまだありません。");
  else if (!unknown.isEmpty())
    note = QStringLiteral("レシピにない料理の材料は入っていません：") + unknown.join(u'、');
  lblNasi->setText(note);
  lblNasi->setVisible(!note.isEmpty());
}

void frmKaimono::cmdPrint_Click() { PrintDocument(ShoppingListDocument(lines_, DefaultPrintableArea()), module_.Folder, dialogs_); }

void frmKaimono::cmdCopy_Click() {
  QGuiApplication::clipboard()->setText(lines_.join(u'\n') + u'\n');
  lblCopy->setText(QStringLiteral("クリップボードにコピーしました"));
}
