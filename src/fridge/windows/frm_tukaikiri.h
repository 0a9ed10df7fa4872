// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "期限が近い材料を使う": the recipes that use up the refrigerator's items nearest to or past
// their best-before date, best first (fridge/rules/use_it_up.h). Opened from the refrigerator
// window, which hands it the stock as shown and again whenever the stock changes; a recipe picked
// goes out by its own record number through recipeChosen (two recipes may share a dish name).
#include <QWidget>
#include <vector>

#include "fridge/rules/folded_book.h"
#include "fridge/rules/stock.h"
#include "platform/windows/dialogs.h"
#include "store/rules/recipe.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;

class frmTukaikiri : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(frmTukaikiri)
 public:
  // folded: the book folded by whoever keeps the table (the main window, once per loaded table);
  // without one the window folds the book itself on its first ranking.
  frmTukaikiri(const RecipeTable& recipes, Dialogs& dialogs, QWidget* parent = nullptr, FoldedBook* folded = nullptr);

  // Ranks the book's recipes against this stock and shows the best kMaxShown.
  void showFor(const std::vector<StockEntry>& stock);

  void tvwTukaikiri_Click();

  static constexpr int kMaxShown = 200;

 signals:
  void recipeChosen(int recordNumber);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const RecipeTable& recipes_;
  Dialogs& dialogs_;
  std::vector<StockEntry> stock_;  // the stock last ranked against
  FoldedBook ownFolded_;            // the book's ingredient lines, read once, when none is handed in
  FoldedBook& folded_;

  QGroupBox* fraTukaikiri;
  QTreeWidget* tvwTukaikiri;
  QLabel* lblSetumei;
  QRadioButton* optHide;
  QRadioButton* optShow;
  QPushButton* cmdModori;
};
