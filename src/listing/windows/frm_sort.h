// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sorted list "並び替えリスト": all recipes four times, ordered by calories, salt, cooking time
// and times cooked. Each grid is a view over its own ordering of one shared copy of the table
// taken when the window opens (the reload after every write closes the window, so it is never
// stale). A row click announces the row's record number; the main window shows that recipe.
#include <QWidget>
#include <array>

#include "listing/rules/sorted_listing.h"
#include "store/rules/module1.h"

class QGroupBox;
class QModelIndex;
class QPushButton;
class QRadioButton;
class QTableView;

class frmSort : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(frmSort)
 public:
  explicit frmSort(const Module1& module, QWidget* parent = nullptr);


 signals:
  void recipeChosen(int recordNumber);

 private slots:
  // Re-sorts a grid: option 0 lowest first, option 1 highest first.
  void option_Click(ListingValue grid, int index);
  // Opens the recipe of the clicked row, then hides the window when optHide is selected.
  void grid_Click(ListingValue grid, const QModelIndex& index);
  void cmdModori_Click();

 private:
  struct Grid {
    QGroupBox* frame = nullptr;
    QTableView* view = nullptr;
    SortedRecipeModel* model = nullptr;
    std::array<QRadioButton*, 2> options{};
  };
  QGroupBox* buildGrid(ListingValue value, std::shared_ptr<const RecipeListing> listing, int viewHeight);

  std::array<Grid, 4> grids_;
  QRadioButton* optHide = nullptr;
  QRadioButton* optShow = nullptr;
  QPushButton* cmdModori = nullptr;
};
