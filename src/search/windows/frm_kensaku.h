// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search window: eleven search keys, each run over the whole table or to narrow the list
// found so far, and the result list from which a recipe is opened in the main window.
//
// The list holds the record of each entry; choosing an entry emits recipeChosen with it. The
// window reads the recipe table and never writes it; the main window closes it before every
// reload of the table, so the list always belongs to the table it was built from.
#include <QList>
#include <QMap>
#include <QWidget>

#include "platform/windows/dialogs.h"
#include "search/rules/result_list.h"
#include "store/rules/module1.h"

class QAbstractItemModel;
class QComboBox;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;
class ResultListModel;

class frmKensaku : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(frmKensaku)
 public:
  // referenceList: the main window's reference list, copied once when the window loads.
  frmKensaku(Module1& module, Dialogs& dialogs, const QAbstractItemModel& referenceList, QWidget* parent = nullptr);

  // Handlers, as the controls call them.
  void search(SearchKey key, bool narrowing);  // the narrowing and whole-table buttons of a row

  const ResultList& results() const;

 signals:
  void recipeChosen(int recordNumber);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void cmdALL_Click();
  void cmdModori_Click();
  void lstKondate_Click(int row);
  void txtZairyo_KeyPress(int index, int keyAscii);

 private:
  void buildControls();
  void buildCriteriaRows(QWidget* frame);
  void buildResultFrame();
  void buildLegendAndButtons();
  void placeFixedControls();
  void Form_Load(const QAbstractItemModel& referenceList);
  QStringList inputTexts(SearchKey key) const;

  Module1& module_;
  Dialogs& dialogs_;
  ResultListModel* results_;
  QMap<SearchKey, QList<QWidget*>> inputs_;  // each key's boxes, in the order the key reads them
  // The row under the mouse when a press on the list began, if it was the chosen row already:
  // such a click opens the entry again, as no change of the selection will.
  int pressedOnChosenRow_ = -1;

  QLineEdit* txtNamae;
  QList<QLineEdit*> txtZairyo;  // 5
  QLineEdit* txtTukuri;
  QLineEdit* txtMemo;
  QComboBox* cboJyanru;
  QComboBox* cboSyurui;
  QComboBox* cboCyouri;
  QLineEdit* txtCalL;
  QLineEdit* txtCalH;
  QLineEdit* txtEnbunL;
  QLineEdit* txtEnbunH;
  QLineEdit* txtJikanL;
  QLineEdit* txtJikanH;
  QComboBox* cboHyouka1;
  QComboBox* cboHyouka2;
  QLineEdit* txtKaisuL;
  QLineEdit* txtKaisuH;
  QComboBox* cboSankou;
  QListView* lstKondate;
  QRadioButton* optHide;
  QRadioButton* optShow;
  QPushButton* cmdALL;
  QPushButton* cmdModori;
};
