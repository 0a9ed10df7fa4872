// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The refrigerator grid's model: the stock as five columns ("№", "材料", "購入日", "賞味期限",
// "残日数"), rows coloured by best-before state. Every change that the file must see is written
// first; only when the write succeeds does the shown stock change.
#include <QAbstractTableModel>
#include <QDate>
#include <optional>

#include "fridge/rules/stock.h"
#include "platform/rules/file_error.h"

class StockModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { NumberColumn, NameColumn, PurchaseColumn, BestBeforeColumn, DaysLeftColumn, ColumnCount };

  explicit StockModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  const Stock& stock() const { return stock_; }

  // Reads the stock file; on an error the shown stock is left as it was.
  std::optional<FileError> load(const QString& path, QDate today);
  // Appends the entry to the file and then to the end of the stock. The caller checks isFull.
  std::optional<FileError> add(const QString& path, StockEntry entry);
  // Takes the shown entries out of the file, then empties the stock; entries another writer
  // added since stay in the file and are then shown.
  std::optional<FileError> clear(const QString& path, QDate today);
  // Rewrites the file without the range in shown order, then removes the rows in one step. When
  // the file changed outside meanwhile, that change is kept and the stock is shown as the file
  // now holds it.
  std::optional<FileError> remove(const QString& path, Stock::Range range, QDate today);
  // Only the shown order changes.
  void sortBy(StockSortKey key);

 private:
  Stock stock_;
};
