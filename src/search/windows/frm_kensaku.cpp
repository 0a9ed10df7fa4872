// SPDX-License-Identifier: GPL-3.0-or-later
// The search window's behaviour: loading, the search buttons, and opening a chosen entry.
#include "search/windows/frm_kensaku.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "platform/rules/typed_text.h"
#include "search/windows/result_list_model.h"

namespace {

const QStringList kRatingItems = {QStringLiteral("優"), QStringLiteral("良"), QStringLiteral("不"), QStringLiteral("未")};

// Fills a drop-down list with the items and an empty last item that clears it; nothing chosen.
void fillDropDown(QComboBox* combo, const QStringList& items) {
  combo->clear();
  combo->addItems(items);
  combo->addItem(QString());
  combo->setCurrentIndex(-1);
}

// What a box holds, in the forms the recipe file stores, so that "〜" typed on this system finds
// the "～" a recipe was stored with.
QString textOf(const QWidget* input) {
  if (auto* box = qobject_cast<const QLineEdit*>(input)) return typed_text::ToStored(box->text());
  return typed_text::ToStored(qobject_cast<const QComboBox*>(input)->currentText());
}

MessageBox ZeroResultMessage() {
  return {QStringLiteral("指定の検索条件では対象がありません\n\n条件を変えて検索してください"),
          QStringLiteral("対象ゼロ件"), MessageBox::Buttons::Ok, MessageBox::Icon::Exclamation};
}

}  // namespace

frmKensaku::frmKensaku(Module1& module, Dialogs& dialogs, const QAbstractItemModel& referenceList, QWidget* parent)
    : QWidget(parent, Qt::Window), module_(module), dialogs_(dialogs), results_(new ResultListModel(this)) {
  buildControls();

  connect(cmdALL, &QPushButton::clicked, this, &frmKensaku::cmdALL_Click);
  connect(cmdModori, &QPushButton::clicked, this, &frmKensaku::cmdModori_Click);
  for (int i = 0; i < txtZairyo.size(); ++i)
    connect(txtZairyo[i], &QLineEdit::returnPressed, this, [this, i] { txtZairyo_KeyPress(i, 13); });
  // Every change of the chosen entry opens it, whether by mouse or by the arrow keys. Focus
  // arriving in the list marks a row without choosing it, and opens nothing.
  connect(lstKondate->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this](const QItemSelection& selected) {
            if (!selected.indexes().isEmpty()) lstKondate_Click(selected.indexes().first().row());
          });
  connect(lstKondate, &QListView::clicked, this, [this](const QModelIndex& index) {
    if (index.row() == pressedOnChosenRow_) lstKondate_Click(index.row());
    pressedOnChosenRow_ = -1;
  });
  lstKondate->viewport()->installEventFilter(this);

  Form_Load(referenceList);
}

void frmKensaku::Form_Load(const QAbstractItemModel& referenceList) {
  fillDropDown(cboJyanru, module_.GenreList());
  fillDropDown(cboSyurui, module_.KindList());
  fillDropDown(cboCyouri, module_.MethodList());
  fillDropDown(cboHyouka1, kRatingItems);
  fillDropDown(cboHyouka2, kRatingItems);

  cboSankou->clear();
  for (int row = 0; row < referenceList.rowCount(); ++row)
    cboSankou->addItem(referenceList.index(row, 0).data().toString());

  for (const QList<QWidget*>& boxes : inputs_)
    for (QWidget* box : boxes)
      if (auto* edit = qobject_cast<QLineEdit*>(box)) edit->clear();
  cboSankou->setEditText(QString());

  results_->setEntries(ListAllRecipes(module_.Recipes));
}

const ResultList& frmKensaku::results() const { return results_->entries(); }

QStringList frmKensaku::inputTexts(SearchKey key) const {
  QStringList texts;
  for (const QWidget* box : inputs_.value(key)) texts.append(textOf(box));
  return texts;
}

void frmKensaku::cmdALL_Click() { results_->setEntries(ListAllRecipes(module_.Recipes)); }

void frmKensaku::cmdModori_Click() { close(); }

void frmKensaku::search(SearchKey key, bool narrowing) {
  const SearchCriterion criterion = MakeSearchCriterion(key, inputTexts(key));
  ResultList results;
  if (narrowing) {
    results = results_->entries();
    const SearchOutcome outcome = NarrowResultList(module_.Recipes, criterion, results);
    if (outcome == SearchOutcome::ZeroResult) dialogs_.message(ZeroResultMessage());
    if (outcome != SearchOutcome::Replaced) return;
  } else if (SearchWholeTable(module_.Recipes, criterion, results) != SearchOutcome::Replaced) {
    return;
  }
  results_->setEntries(std::move(results));
}

void frmKensaku::lstKondate_Click(int row) {
  if (row < 0 || row >= int(results_->entries().size())) return;
  const int record = RecordOfEntry(module_.Recipes, results_->entries()[size_t(row)]);
  if (record == 0) return;
  emit recipeChosen(record);
  if (optHide->isChecked()) hide();
}

void frmKensaku::txtZairyo_KeyPress(int index, int keyAscii) {
  if (keyAscii != 13 || index >= txtZairyo.size() - 1 || txtZairyo[index]->text().isEmpty()) return;
  txtZairyo[index + 1]->setFocus();
}

bool frmKensaku::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lstKondate->viewport() && event->type() == QEvent::MouseButtonPress) {
    const QModelIndex under = lstKondate->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    pressedOnChosenRow_ = lstKondate->selectionModel()->isSelected(under) ? under.row() : -1;
  }
  return QWidget::eventFilter(watched, event);
}
