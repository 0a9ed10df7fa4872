// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sorted list's data: every recipe's dish name with its four values (calories, salt, cooking
// time, times cooked), the numeric sort keys read once when the list is built, and one item model
// per grid that shows the recipes in its own order. A grid row keeps its recipe's record number,
// so a click opens that recipe even when another one has the same dish name.
#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <memory>
#include <vector>

#include "store/rules/recipe.h"

enum class ListingValue { Calories = 0, Salt, CookingTime, CookCount };

// A copy of what the four grids show, taken from the table when the window opens.
class RecipeListing {
 public:
  explicit RecipeListing(const RecipeTable& table);

  int count() const { return int(names_.size()); }
  // Rows are 0-based here; record numbers are row + 1.
  const QString& dishName(int row) const { return names_[size_t(row)]; }
  double key(ListingValue value, int row) const { return keys_[size_t(value)][size_t(row)]; }
  // The value as the grid shows it: numbers as the recipe file writes them, the count as stored.
  QString valueText(ListingValue value, int row) const;

 private:
  std::vector<QString> names_;
  std::vector<QString> cookCounts_;
  std::array<std::vector<double>, 4> keys_;
};

// One grid: column 0 the dish name, column 1 the value; rows in ascending or descending order of
// the value (equal values keep table order).
class SortedRecipeModel : public QAbstractTableModel {
 public:
  static constexpr int RecordNumberRole = Qt::UserRole + 1;

  SortedRecipeModel(std::shared_ptr<const RecipeListing> listing, ListingValue value,
                    QString valueHeader, QObject* parent = nullptr);

  void sortByValue(bool ascending);
  bool ascending() const { return ascending_; }
  // The record number of a row, or 0 when there is no such row.
  int recordNumberAt(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  std::shared_ptr<const RecipeListing> listing_;
  ListingValue value_;
  QString valueHeader_;
  std::vector<int> order_;  // listing rows in display order
  bool ascending_ = true;
};
