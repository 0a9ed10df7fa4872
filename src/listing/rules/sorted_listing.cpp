// SPDX-License-Identifier: GPL-3.0-or-later
#include "listing/rules/sorted_listing.h"

#include <algorithm>
#include <numeric>

#include "platform/rules/numbers.h"

RecipeListing::RecipeListing(const RecipeTable& table) {
  const size_t n = size_t(table.count());
  names_.reserve(n);
  cookCounts_.reserve(n);
  for (auto& keys : keys_) keys.reserve(n);
  for (int r = 1; r <= table.count(); ++r) {
    const Recipe& recipe = table[r];
    names_.push_back(recipe.DishName);
    cookCounts_.push_back(recipe.CookCount);
    keys_[size_t(ListingValue::Calories)].push_back(recipe.CaloriesPerPerson);
    keys_[size_t(ListingValue::Salt)].push_back(recipe.Salt);
    keys_[size_t(ListingValue::CookingTime)].push_back(recipe.CookingTime);
    keys_[size_t(ListingValue::CookCount)].push_back(numbers::ReadNumber(recipe.CookCount));
  }
}

QString RecipeListing::valueText(ListingValue value, int row) const {
  if (value == ListingValue::CookCount) return cookCounts_[size_t(row)];
  return numbers::FormatSingle(float(key(value, row)));
}

SortedRecipeModel::SortedRecipeModel(std::shared_ptr<const RecipeListing> listing, ListingValue value,
                                     QString valueHeader, QObject* parent)
    : QAbstractTableModel(parent), listing_(std::move(listing)), value_(value), valueHeader_(std::move(valueHeader)) {
  order_.resize(size_t(listing_->count()));
  std::iota(order_.begin(), order_.end(), 0);
  sortByValue(true);
}

void SortedRecipeModel::sortByValue(bool ascending) {
  beginResetModel();
  ascending_ = ascending;
  // Ties in table order either way: sort by key, then by row.
  const RecipeListing& listing = *listing_;
  const ListingValue value = value_;
  if (ascending)
    std::sort(order_.begin(), order_.end(), [&](int a, int b) {
      const double ka = listing.key(value, a), kb = listing.key(value, b);
      return ka < kb || (ka == kb && a < b);
    });
  else
    std::sort(order_.begin(), order_.end(), [&](int a, int b) {
      const double ka = listing.key(value, a), kb = listing.key(value, b);
      return ka > kb || (ka == kb && a < b);
    });
  endResetModel();
}

int SortedRecipeModel::recordNumberAt(int row) const {
  if (row < 0 || row >= int(order_.size())) return 0;
  return order_[size_t(row)] + 1;
}

int SortedRecipeModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(order_.size());
}

int SortedRecipeModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant SortedRecipeModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= int(order_.size())) return {};
  const int row = order_[size_t(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      return index.column() == 0 ? listing_->dishName(row) : listing_->valueText(value_, row);
    case Qt::TextAlignmentRole:
      return index.column() == 1 ? int(Qt::AlignRight | Qt::AlignVCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
    case RecordNumberRole:
      return row + 1;
    default:
      return {};
  }
}

QVariant SortedRecipeModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  if (section == 0) return QStringLiteral("料理名");
  if (section == 1) return valueHeader_;
  return {};
}
