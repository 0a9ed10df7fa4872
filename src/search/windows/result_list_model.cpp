// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/windows/result_list_model.h"

void ResultListModel::setEntries(ResultList entries) {
  beginResetModel();
  entries_ = std::move(entries);
  endResetModel();
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(entries_.size());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return entries_[size_t(index.row())].DishName;
  return {};
}
