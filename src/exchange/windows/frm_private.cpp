// SPDX-License-Identifier: GPL-3.0-or-later
// The exchange window's controls, its name lists and where everything stands.
#include "exchange/windows/frm_private.h"

#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

#include "platform/rules/numbers.h"
#include "platform/windows/controls.h"

using controls::button;

namespace {

QLabel* heading(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QStringLiteral("Label2"));
  QFont font = label->font();
  font.setBold(true);
  font.setItalic(true);
  font.setPointSize(font.pointSize() + 3);
  label->setFont(font);
  label->setStyleSheet(QStringLiteral("color: #a0522d;"));
  return label;
}

// A list box over a model of names: a full book holds 32,766 of them.
QListView* nameList(QWidget* parent, const QString& name, QStringListModel* model, const QString& tooltip,
                    const QString& accessibleName) {
  auto* list = new QListView(parent);
  list->setObjectName(name);
  list->setModel(model);
  list->setUniformItemSizes(true);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setToolTip(tooltip);
  list->setAccessibleName(accessibleName);
  return list;
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& title = {}) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(name);
  return box;
}

QString countCaption(int count) { return QStringLiteral("全登録数 %1件").arg(count); }

}  // namespace

frmPrivate::frmPrivate(Module1& module, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), module_(module), dialogs_(dialogs), StartFolder(module.Folder.folder()) {
  setObjectName(QStringLiteral("frmPrivate"));
  setWindowTitle(QStringLiteral("ゼストラ　コミュニケーション"));
  resize(940, 660);

  auto* layout = new QGridLayout(this);
  layout->addWidget(buildExportHalf(), 0, 0);
  layout->addWidget(buildImportHalf(), 0, 1);
  layout->addWidget(buildSettingsFrame(), 1, 0, 1, 2);
  cmdModori = button(this, QStringLiteral("戻り"), QStringLiteral("cmdModori"), QStringLiteral("メインに戻ります"));
  auto* bottom = new QHBoxLayout();
  bottom->addStretch();
  bottom->addWidget(cmdModori);
  layout->addLayout(bottom, 2, 0, 1, 2);
  layout->setRowStretch(0, 1);
  layout->setColumnStretch(0, 1);
  layout->setColumnStretch(1, 1);
  connect(cmdModori, &QPushButton::clicked, this, &frmPrivate::cmdModori_Click);

  RefreshExchangeLists();
  showPoints();
}

frmPrivate::~frmPrivate() = default;

QWidget* frmPrivate::buildExportHalf() {
  auto* half = new QWidget(this);
  auto* column = new QVBoxLayout(half);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(heading(half, QStringLiteral("Zestra Data  For You")));

  fra1 = frame(half, QStringLiteral("fra1"));
  motoNames_ = new QStringListModel(this);
  lstMoto = nameList(fra1, QStringLiteral("lstMoto"), motoNames_, QStringLiteral("抜き出したい料理を選択します"),
                     QStringLiteral("登録済みの料理名"));
  lstMoto->setSelectionMode(QAbstractItemView::MultiSelection);
  connect(lstMoto->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this](const QItemSelection& selected) { lstMoto_Click(selected); });
  lblSentaku = new QLabel(fra1);
  lblSentaku->setObjectName(QStringLiteral("lblSentaku"));
  auto* frameColumn = new QVBoxLayout(fra1);
  frameColumn->addWidget(lstMoto, 1);
  frameColumn->addWidget(lblSentaku);
  column->addWidget(fra1, 1);

  cmdNukidashi = button(half, QStringLiteral("抜き出し"), QStringLiteral("cmdNukidashi"), QStringLiteral("指定のレシピを抜き出します"));
  cmdNew = button(half, QStringLiteral("新規"), QStringLiteral("cmdNew"));
  auto* buttons = new QHBoxLayout();
  buttons->addWidget(cmdNukidashi);
  buttons->addWidget(cmdNew);
  buttons->addStretch();
  column->addLayout(buttons);
  connect(cmdNukidashi, &QPushButton::clicked, this, &frmPrivate::cmdNukidashi_Click);
  connect(cmdNew, &QPushButton::clicked, this, &frmPrivate::cmdNew_Click);

  auto* results = new QHBoxLayout();
  lstKettei = new QListWidget(half);
  lstKettei->setObjectName(QStringLiteral("lstKettei"));
  lstKettei->setToolTip(QStringLiteral("抜き出したい料理を選択します"));
  lstKettei->setAccessibleName(QStringLiteral("抜き出す料理名"));
  results->addWidget(lstKettei, 1);
  fra2 = frame(half, QStringLiteral("fra2"));
  File1 = new QListWidget(fra2);
  File1->setObjectName(QStringLiteral("File1"));
  File1->setToolTip(QStringLiteral("作成した追加レシピリストです"));
  File1->setAccessibleName(QStringLiteral("作成したファイル"));
  (new QVBoxLayout(fra2))->addWidget(File1);
  results->addWidget(fra2, 1);
  column->addLayout(results);
  lstKettei->setFixedHeight(140);
  fra2->setFixedHeight(140);
  return half;
}

QWidget* frmPrivate::buildImportHalf() {
  auto* half = new QWidget(this);
  auto* column = new QVBoxLayout(half);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(heading(half, QStringLiteral("Zestra Data  To Me")));

  Frame2 = frame(half, QStringLiteral("Frame2"), QStringLiteral("取り込み用追加レシピデータ選択"));
  auto* picker = new QGridLayout(Frame2);
  cmdFile = button(Frame2, QStringLiteral("ファイルを選ぶ..."), QStringLiteral("cmdFile"),
                   QStringLiteral("追加レシピデータを選択します"));
  connect(cmdFile, &QPushButton::clicked, this, &frmPrivate::cmdFile_Click);
  Dir1 = new QLabel(Frame2);
  Dir1->setObjectName(QStringLiteral("Dir1"));
  Dir1->setToolTip(QStringLiteral("取り込みたいファイルのフォルダ先を指定します"));
  Dir1->setTextInteractionFlags(Qt::TextSelectableByMouse);
  File2 = new QLabel(Frame2);
  File2->setObjectName(QStringLiteral("File2"));
  File2->setToolTip(QStringLiteral("追加レシピデータを選択します"));
  picker->addWidget(new QLabel(QStringLiteral("フォルダ"), Frame2), 0, 0);
  picker->addWidget(Dir1, 0, 1);
  picker->addWidget(new QLabel(QStringLiteral("ファイル"), Frame2), 1, 0);
  picker->addWidget(File2, 1, 1);
  picker->addWidget(cmdFile, 0, 2, 2, 1);
  picker->setColumnStretch(1, 1);
  column->addWidget(Frame2);
  showChosenFile(QString(), QString());

  newNames_ = new QStringListModel(this);
  lstNewD = nameList(half, QStringLiteral("lstNewD"), newNames_, QStringLiteral("取り込みたい料理名を指定します"),
                     QStringLiteral("取り込む料理名"));
  lstNewD->setSelectionMode(QAbstractItemView::MultiSelection);
  column->addWidget(lstNewD, 1);

  cmdCopy = button(half, QStringLiteral("取り込み"), QStringLiteral("cmdCopy"), QStringLiteral("指定のレシピを取り込みます"));
  connect(cmdCopy, &QPushButton::clicked, this, &frmPrivate::cmdCopy_Click);
  auto* buttons = new QHBoxLayout();
  buttons->addWidget(cmdCopy);
  buttons->addStretch();
  column->addLayout(buttons);

  fraData = frame(half, QStringLiteral("fraData"));
  dataNames_ = new QStringListModel(this);
  lstData = nameList(fraData, QStringLiteral("lstData"), dataNames_, QStringLiteral("現在の総登録リストです"),
                     QStringLiteral("現在の総登録リスト"));
  lstData->setSelectionMode(QAbstractItemView::SingleSelection);
  (new QVBoxLayout(fraData))->addWidget(lstData);
  fraData->setFixedHeight(180);
  column->addWidget(fraData);
  return half;
}

QWidget* frmPrivate::buildSettingsFrame() {
  Frame1 = new QGroupBox(QStringLiteral("各種設定"), this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  auto* row = new QHBoxLayout(Frame1);
  row->addWidget(heading(Frame1, QStringLiteral("Private")));

  auto* entries = new QFormLayout();
  txtNamae = new QLineEdit(module_.Prof.Nickname, Frame1);
  txtNamae->setObjectName(QStringLiteral("txtNamae"));
  entries->addRow(QStringLiteral("名前"), txtNamae);
  txtPoint = new QLineEdit(numbers::FormatDouble(module_.Prof.TargetPoints), Frame1);
  txtPoint->setObjectName(QStringLiteral("txtPoint"));
  txtPoint->setAlignment(Qt::AlignRight);
  entries->addRow(QStringLiteral("目標ポイント"), txtPoint);
  row->addLayout(entries, 2);

  auto* figures = new QFormLayout();
  lblPoint = new QLabel(Frame1);
  lblPoint->setObjectName(QStringLiteral("lblPoint"));
  figures->addRow(QStringLiteral("現在ポイント"), lblPoint);
  lblLevel = new QLabel(Frame1);
  lblLevel->setObjectName(QStringLiteral("lblLevel"));
  figures->addRow(QStringLiteral("現在レベル"), lblLevel);
  row->addLayout(figures, 1);

  cmdHozon = new QPushButton(QStringLiteral("保存"), Frame1);
  cmdHozon->setObjectName(QStringLiteral("cmdHozon"));
  cmdHozon->setToolTip(QStringLiteral("名前と目標ポイントを保存します"));
  row->addWidget(cmdHozon, 0, Qt::AlignBottom);
  connect(cmdHozon, &QPushButton::clicked, this, &frmPrivate::cmdHozon_Click);
  return Frame1;
}

void frmPrivate::showNameLists() {
  const QStringList names = module_.Recipes.DishNames();
  motoNames_->setStringList(names);
  dataNames_->setStringList(names);
  fra1->setTitle(countCaption(int(names.size())));
  fraData->setTitle(countCaption(int(names.size())));
  lstKettei->clear();
  lstKettei->hide();
}

void frmPrivate::RefreshExchangeLists() {
  showNameLists();
  File1->clear();  // it shows a new exchange folder only
  File1->hide();
  fra2->setTitle(QStringLiteral("追加"));
}

void frmPrivate::followRecipeTable() {
  showNameLists();
  lblSentaku->clear();
  showPoints();
}

void frmPrivate::cmdNew_Click() {
  RefreshExchangeLists();
  lblSentaku->clear();
}

void frmPrivate::showExportFolder(const QString& folder) {
  File1->clear();
  File1->addItems(QDir(folder).entryList(QDir::Files, QDir::Name));
}

void frmPrivate::cmdModori_Click() { close(); }
