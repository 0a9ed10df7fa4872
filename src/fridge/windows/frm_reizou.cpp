// SPDX-License-Identifier: GPL-3.0-or-later
#include "fridge/windows/frm_reizou.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "fridge/rules/fridge_dates.h"
#include "fridge/rules/fridge_files.h"
#include "fridge/rules/fridge_input.h"
#include "fridge/windows/frm_tukaikiri.h"
#include "fridge/windows/recipes_using_panel.h"
#include "fridge/windows/stock_grid.h"
#include "fridge/windows/stock_model.h"
#include "platform/rules/cp932.h"
#include "platform/rules/typed_text.h"
#include "store/rules/book_watcher.h"
#include "store/windows/backup_before_write.h"
#include "platform/windows/busy_cursor.h"
#include "platform/windows/controls.h"
#include "platform/windows/typed_combo.h"

using controls::button;
using controls::caption;
using controls::editableCombo;

namespace {

// Grid column widths in twips, 15 to a pixel.
constexpr int kColumnTwips[] = {500, 2510, 1350, 1350, 800};

const QString kDeleteTitle = QStringLiteral("削除確認");
const QString kSaveErrorTitle = QStringLiteral("保存エラー");

// What a user reads when a typed text holds something the files cannot keep.
QString problemText(const TextProblem& problem, const QString& what) {
  switch (problem.kind) {
    case TextProblem::Kind::DoubleQuote:
      return QStringLiteral("%1に「\"」（ダブルクォーテーション）は使えません。").arg(what);
    case TextProblem::Kind::Comma:
      return QStringLiteral("%1に「,」（半角のカンマ）は使えません。\n材料リストではカンマが名前の区切りとして読まれるためです。"
                            "\n全角の「，」なら使えます。冷蔵庫への保存には半角のカンマも使えます。")
          .arg(what);
    case TextProblem::Kind::LineBreak:
      return QStringLiteral("%1に改行は使えません。").arg(what);
    case TextProblem::Kind::Unencodable:
      return QStringLiteral("%1の文字%2はShift-JISで保存できません。").arg(what, cp932::describeCharacter(problem.character));
  }
  return {};
}

}  // namespace

frmReizou::frmReizou(Module1& module, Dialogs& dialogs, Clock& clock, QWidget* parent, FoldedBook* folded)
    : QWidget(parent, Qt::Window), module_(module), dialogs_(dialogs), clock_(clock), folded_(folded) {
  setObjectName(QStringLiteral("frmReizou"));
  setWindowTitle(QStringLiteral("バーチャル冷蔵庫"));
  model_ = new StockModel(this);

  buildEntryRow();
  buildStockArea();
  buildRecipeFrame();
  placeControls();
  resize(1000, 600);
  loaded_ = Form_Load();
  auto* watcher = new BookWatcher(module_.Folder, {fridge_files::kStockFileName, fridge_files::kIngredientFileName}, this);
  connect(watcher, &BookWatcher::settled, this, &frmReizou::filesChangedOutside);
}

// The entry row on top; the grid with its buttons and legend beside the recipe frame; back below.
void frmReizou::placeControls() {
  auto* root = new QVBoxLayout(this);
  auto* entry = new QGridLayout();
  entry->addWidget(Label1, 0, 0);
  entry->addWidget(cboZai, 1, 0);
  for (int i = 0; i < 3; ++i) entry->addWidget(Label2[i], 0, i + 1);
  entry->addWidget(cboKou, 1, 1);
  entry->addWidget(cboSyomi, 1, 2);
  entry->addWidget(cboNisu, 1, 3);
  entry->addWidget(cmdHozon, 1, 4);
  entry->setColumnStretch(0, 3);
  entry->setColumnStretch(1, 2);
  entry->setColumnStretch(2, 2);
  entry->setColumnStretch(3, 1);
  root->addLayout(entry);

  auto* middle = new QHBoxLayout();
  auto* left = new QVBoxLayout();
  left->addWidget(msgReizou, 1);
  auto* actions = new QHBoxLayout();
  actions->addWidget(lblSentaku, 1);
  for (QPushButton* b : {cmdZai_Sort, cmdKou_Sort, cmdZan_Sort, cmdDel, cmdAllClr}) actions->addWidget(b);
  left->addLayout(actions);
  auto* legend = new QHBoxLayout();
  for (int i = 0; i < 3; ++i) {
    legend->addWidget(Shape1[i]);
    legend->addWidget(Label3[i]);
    legend->addSpacing(12);
  }
  legend->addStretch();
  left->addLayout(legend);
  middle->addLayout(left, 1);
  middle->addWidget(fraKensaku);
  root->addLayout(middle, 1);

  auto* bottom = new QHBoxLayout();
  bottom->addWidget(cmdTukaikiri);
  bottom->addStretch();
  bottom->addWidget(cmdModori);
  root->addLayout(bottom);
}

void frmReizou::buildEntryRow() {
  cboZai = editableCombo(this, QStringLiteral("cboZai"));
  cboKou = editableCombo(this, QStringLiteral("cboKou"));
  cboSyomi = editableCombo(this, QStringLiteral("cboSyomi"));
  cboNisu = editableCombo(this, QStringLiteral("cboNisu"));
  Label1 = caption(this, QStringLiteral("材料"), QStringLiteral("Label1"), cboZai);
  Label2[0] = caption(this, QStringLiteral("購入日"), QStringLiteral("Label2(0)"), cboKou);
  Label2[1] = caption(this, QStringLiteral("賞味期限"), QStringLiteral("Label2(1)"), cboSyomi);
  Label2[2] = caption(this, QStringLiteral("日数"), QStringLiteral("Label2(2)"), cboNisu);
  cmdHozon = button(this, QStringLiteral("保存"), QStringLiteral("cmdHozon"), QStringLiteral("冷蔵庫に保存します"));

  cboZai->installEventFilter(this);
  connect(cboNisu, &QComboBox::activated, this, &frmReizou::cboNisu_Click);
  connect(cmdHozon, &QPushButton::clicked, this, &frmReizou::cmdHozon_Click);
}

void frmReizou::buildStockArea() {
  msgReizou = new StockGrid(this);
  msgReizou->setObjectName(QStringLiteral("msgReizou"));
  msgReizou->setAccessibleName(QStringLiteral("冷蔵庫の材料"));
  msgReizou->setModel(model_);
  for (int column = 0; column < StockModel::ColumnCount; ++column)
    msgReizou->setColumnWidth(column, kColumnTwips[column] / 15);
  // Wide enough for the highest entry number.
  const int numberWidth = msgReizou->fontMetrics().horizontalAdvance(QString::number(Stock::kMaxEntries)) + 12;
  msgReizou->setColumnWidth(StockModel::NumberColumn, std::max(msgReizou->columnWidth(0), numberWidth));
  msgReizou->horizontalHeader()->setSectionResizeMode(StockModel::NameColumn, QHeaderView::Stretch);
  connect(msgReizou, &StockGrid::selectionStarted, this, &frmReizou::msgReizou_MouseDown);
  connect(msgReizou, &StockGrid::selectionEnded, this, &frmReizou::msgReizou_MouseUp);
  connect(msgReizou, &StockGrid::clicked, this, &frmReizou::msgReizou_Click);
  connect(msgReizou, &StockGrid::activated, this, &frmReizou::msgReizou_Click);  // Enter on a row

  lblSentaku = new QLabel(this);
  lblSentaku->setObjectName(QStringLiteral("lblSentaku"));
  cmdZai_Sort = button(this, QStringLiteral("材料でソート"), QStringLiteral("cmdZai_Sort"));
  cmdKou_Sort = button(this, QStringLiteral("購入日でソート"), QStringLiteral("cmdKou_Sort"));
  cmdZan_Sort = button(this, QStringLiteral("賞味期限でソート"), QStringLiteral("cmdZan_Sort"));
  cmdDel = button(this, QStringLiteral("選択削除"), QStringLiteral("cmdDel"), QStringLiteral("選択したものだけを削除します"));
  cmdAllClr = button(this, QStringLiteral("全部削除"), QStringLiteral("cmdAllClr"), QStringLiteral("全部を削除します"));
  connect(cmdZai_Sort, &QPushButton::clicked, this, &frmReizou::cmdZai_Sort_Click);
  connect(cmdKou_Sort, &QPushButton::clicked, this, &frmReizou::cmdKou_Sort_Click);
  connect(cmdZan_Sort, &QPushButton::clicked, this, &frmReizou::cmdZan_Sort_Click);
  connect(cmdDel, &QPushButton::clicked, this, &frmReizou::cmdDel_Click);
  connect(cmdAllClr, &QPushButton::clicked, this, &frmReizou::cmdAllClr_Click);

  struct LegendItem {
    const char* text;
    const char* colourName;
    const char* colour;
  };
  const LegendItem legend[] = {{"賞味期限切れ！", "薄い赤", "rgb(255, 192, 192)"},
                               {"賞味期限　３日前", "薄い黄色", "rgb(255, 255, 192)"},
                               {"賞味期限ＯＫ！", "白", "rgb(255, 255, 255)"}};
  for (int i = 0; i < 3; ++i) {
    Shape1[i] = new QFrame(this);
    Shape1[i]->setObjectName(QStringLiteral("Shape1(%1)").arg(i));
    Shape1[i]->setFixedSize(24, 16);
    Shape1[i]->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black;")
                                 .arg(QString::fromLatin1(legend[i].colour)));
    Shape1[i]->setAccessibleName(QString::fromUtf8(legend[i].colourName));
    Label3[i] = new QLabel(QString::fromUtf8(legend[i].text), this);
    Label3[i]->setObjectName(QStringLiteral("Label3(%1)").arg(i));
  }
}

void frmReizou::buildRecipeFrame() {
  fraKensaku = new RecipesUsingPanel(module_.Recipes, dialogs_, this);
  connect(fraKensaku, &RecipesUsingPanel::recipeChosen, this, [this](int number) {
    emit recipeChosen(number);
    if (fraKensaku->hidesAfterPick()) hide();
  });

  cmdModori = button(this, QStringLiteral("戻る"), QStringLiteral("cmdModori"), QStringLiteral("メインに戻ります"));
  connect(cmdModori, &QPushButton::clicked, this, &frmReizou::cmdModori_Click);

  cmdTukaikiri = button(this, QStringLiteral("期限が近い材料を使う"), QStringLiteral("cmdTukaikiri"),
                        QStringLiteral("賞味期限が近い材料を多く使うレシピを探します"));
  connect(cmdTukaikiri, &QPushButton::clicked, this, &frmReizou::cmdTukaikiri_Click);
  // The suggestions follow every change of the stock while they are on screen.
  const auto follow = [this] {
    if (tukaikiri_ && tukaikiri_->isVisible()) tukaikiri_->showFor(model_->stock().entries());
  };
  connect(model_, &StockModel::modelReset, this, follow);
  connect(model_, &StockModel::rowsInserted, this, follow);
  connect(model_, &StockModel::rowsRemoved, this, follow);
}

QString frmReizou::stockPath() const { return module_.path(fridge_files::kStockFileName); }
QString frmReizou::ingredientPath() const { return module_.path(fridge_files::kIngredientFileName); }

bool frmReizou::Form_Load() {
  const QDate today = clock_.today();
  auto names = fridge_files::ReadIngredientNames(ingredientPath());
  if (auto* error = std::get_if<FileError>(&names)) {
    dialogs_.error(error->message(), QStringLiteral("読み込みエラー"));
    return false;
  }
  cboZai->addItems(std::get<QStringList>(names));
  cboZai->setEditText(QString());
  cboKou->addItems(fridge_dates::PurchaseDateChoices(today));
  cboKou->setCurrentIndex(cboKou->count() - 1);
  cboSyomi->addItems(fridge_dates::BestBeforeChoices(today));
  cboSyomi->setCurrentIndex(-1);
  cboNisu->addItems(fridge_dates::DayCountChoices());
  cboNisu->setCurrentIndex(-1);
  lblSentaku->clear();
  if (auto error = model_->load(stockPath(), today)) {
    dialogs_.error(error->message(), QStringLiteral("読み込みエラー"));
    return false;
  }
  forgetSelection();
  return true;
}

void frmReizou::filesChangedOutside() {
  if (!loaded_) return;
  auto names = fridge_files::ReadIngredientNames(ingredientPath());
  if (auto* read = std::get_if<QStringList>(&names)) ShowItemsKeepingText(cboZai, *read);
  if (model_->reload(stockPath(), clock_.today())) forgetSelection();
}

void frmReizou::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // A file that could not be read has been reported; the window does not stay open over it.
  if (!loaded_) QTimer::singleShot(0, this, &QWidget::close);
}

bool frmReizou::eventFilter(QObject* watched, QEvent* event) {
  if (watched == cboZai && controls::isEnterPress(event)) {
    cboZai_KeyPress(static_cast<QKeyEvent*>(event)->key());
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void frmReizou::cboNisu_Click(int index) {
  const int days = cboNisu->itemText(index).toInt();
  cboSyomi->setEditText(fridge_dates::DateText(clock_.today().addDays(days)));
}

bool frmReizou::refuseProblem(const std::optional<TextProblem>& problem, const QString& what, QComboBox* box) {
  if (!problem) return false;
  dialogs_.warn(problemText(*problem, what), QStringLiteral("入力エラー"));
  box->setFocus();
  return true;
}

void frmReizou::cboZai_KeyPress(int key) {
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return;
  // The list file drops blanks around a name, so the list keeps it the same way.
  const QString name = typed_text::ToStored(cboZai->currentText()).trimmed();
  if (name.isEmpty()) return;
  if (refuseProblem(CheckIngredientListName(name), QStringLiteral("材料リストの名前"), cboZai)) return;
  if (!dialogs_.confirm(name + QStringLiteral("を新たに追加しますか？"), QStringLiteral("保存確認"),
                        MessageBox::Icon::Question))
    return;
  BackUpBeforeWrite(module_, dialogs_, ingredientPath(), backups::Change::Keeps);
  if (auto error = fridge_files::AppendIngredientName(ingredientPath(), name)) {
    dialogs_.error(error->message(), kSaveErrorTitle);
    return;
  }
  cboZai->addItem(name);
  dialogs_.inform(QStringLiteral("保存しました"), QStringLiteral("材料リストに追加"));
}

void frmReizou::cmdHozon_Click() {
  const QString name = typed_text::ToStored(cboZai->currentText());
  if (name.trimmed().isEmpty()) {
    dialogs_.warn(QStringLiteral("材料名を選択するか、入力してください。"), QStringLiteral("材料名未入力"));
    cboZai->setFocus();
    return;
  }
  const QString purchase = typed_text::ToStored(cboKou->currentText());
  const QString bestBefore = typed_text::ToStored(cboSyomi->currentText());
  if (refuseProblem(CheckStockText(name), QStringLiteral("材料名"), cboZai) ||
      refuseProblem(CheckStockText(purchase), QStringLiteral("購入日"), cboKou) ||
      refuseProblem(CheckStockText(bestBefore), QStringLiteral("賞味期限"), cboSyomi))
    return;
  if (model_->stock().isFull()) {
    dialogs_.warn(QStringLiteral("冷蔵庫には%1件までしか保存できません。\n不要な材料を削除してから保存してください。")
                      .arg(Stock::kMaxEntries),
                  QStringLiteral("冷蔵庫が満杯です"));
    return;
  }
  BackUpBeforeWrite(module_, dialogs_, stockPath(), backups::Change::Keeps);
  if (auto error = model_->add(stockPath(), MakeEntry(name, purchase, bestBefore, clock_.today()))) {
    dialogs_.error(error->message(), kSaveErrorTitle);
    return;
  }
  const QModelIndex added = model_->index(model_->rowCount() - 1, StockModel::NameColumn);
  if (!msgReizou->viewport()->rect().contains(msgReizou->visualRect(added)))
    msgReizou->scrollTo(added, QAbstractItemView::PositionAtTop);
}

void frmReizou::sortStock(StockSortKey key) {
  {
    const BusyCursor busy;
    model_->sortBy(key);
  }
  forgetSelection();
}

void frmReizou::cmdZai_Sort_Click() { sortStock(StockSortKey::IngredientName); }
void frmReizou::cmdKou_Sort_Click() { sortStock(StockSortKey::PurchaseDate); }
void frmReizou::cmdZan_Sort_Click() { sortStock(StockSortKey::DaysLeft); }

// The recorded rows no longer name the same entries once the stock is reordered or emptied.
void frmReizou::forgetSelection() {
  selectionStartRow_ = 0;
  selectionEndRow_ = 0;
  cmdDel->setEnabled(false);
  msgReizou->clearSelection();
}

void frmReizou::msgReizou_MouseDown(int row) {
  selectionStartRow_ = row;
  lblSentaku->setText(row > 0 ? QStringLiteral("%1行目").arg(row) : QString());
}

void frmReizou::msgReizou_MouseUp(int startRow, int endRow) {
  selectionStartRow_ = startRow;
  selectionEndRow_ = endRow;
  cmdDel->setEnabled(startRow > 0 && endRow > 0);
  if (cmdDel->isEnabled())
    lblSentaku->setText(QStringLiteral("%1行目 ～ %2行目").arg(selectionStartRow_).arg(selectionEndRow_));
}

void frmReizou::cmdDel_Click() {
  if (selectionStartRow_ <= 0) return;
  const auto range = model_->stock().clampRange(selectionStartRow_, selectionEndRow_);
  if (!range) {
    forgetSelection();
    return;
  }
  if (!dialogs_.confirm(QStringLiteral("冷蔵庫から選択した材料を削除します"), kDeleteTitle, MessageBox::Icon::Exclamation,
                        MessageBox::Answer::Cancel))
    return;
  BackUpBeforeWrite(module_, dialogs_, stockPath(), backups::Change::Removes);
  const auto error = [&] {
    const BusyCursor busy;
    return model_->remove(stockPath(), *range, clock_.today());
  }();
  if (error) {
    dialogs_.error(error->message(), kSaveErrorTitle);
    return;
  }
  // lblSentaku keeps its text, so the user still sees what went.
  selectionStartRow_ = 0;
  selectionEndRow_ = 0;
  cmdDel->setEnabled(false);
}

void frmReizou::cmdAllClr_Click() {
  if (!dialogs_.confirm(QStringLiteral("冷蔵庫から全てを削除します"), kDeleteTitle, MessageBox::Icon::Exclamation,
                        MessageBox::Answer::Cancel))
    return;
  BackUpBeforeWrite(module_, dialogs_, stockPath(), backups::Change::Removes);
  if (auto error = model_->clear(stockPath(), clock_.today())) {
    dialogs_.error(error->message(), kSaveErrorTitle);
    return;
  }
  forgetSelection();
}

void frmReizou::msgReizou_Click(const QModelIndex& index) {
  if (!index.isValid()) return;
  fraKensaku->showRecipesUsing(model_->stock().at(index.row() + 1).IngredientName);
}

void frmReizou::cmdModori_Click() { close(); }

void frmReizou::cmdTukaikiri_Click() {
  if (!tukaikiri_) {
    tukaikiri_ = new frmTukaikiri(module_.Recipes, dialogs_, this, folded_);
    connect(tukaikiri_, &frmTukaikiri::recipeChosen, this, &frmReizou::recipeChosen);
  }
  tukaikiri_->showFor(model_->stock().entries());
  tukaikiri_->show();
  tukaikiri_->raise();
  tukaikiri_->activateWindow();
}
