// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The result list as the list box shows it: one dish name per row, each row keeping its record.
// A model rather than one widget item per recipe, so that a full book lists at once.
#include <QAbstractListModel>

#include "search/rules/result_list.h"

class ResultListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;

  const ResultList& entries() const { return entries_; }
  void setEntries(ResultList entries);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  ResultList entries_;
};
