// SPDX-License-Identifier: GPL-3.0-or-later
#include "fridge/windows/stock_model.h"

#include <QColor>

#include "fridge/rules/fridge_files.h"

namespace {

const char* const kHeaders[] = {"№", "材料", "購入日", "賞味期限", "残日数"};

QColor StateColor(BestBeforeState state) {
  switch (state) {
    case BestBeforeState::Expired:
      return QColor(255, 192, 192);
    case BestBeforeState::WithinThreeDays:
      return QColor(255, 255, 192);
    case BestBeforeState::Ok:
    case BestBeforeState::NotADate:
      break;
  }
  return QColor(Qt::white);
}

}  // namespace

int StockModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : stock_.count(); }

int StockModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant StockModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const StockEntry& entry = stock_.at(index.row() + 1);
  switch (role) {
    case Qt::DisplayRole:
      switch (index.column()) {
        case NumberColumn:
          return QString::number(entry.DisplayNumber);
        case NameColumn:
          return entry.IngredientName;
        case PurchaseColumn:
          return entry.PurchaseDate;
        case BestBeforeColumn:
          return entry.BestBefore;
        case DaysLeftColumn:
          return DaysLeftText(entry.DaysLeft);
      }
      return {};
    case Qt::BackgroundRole:
      // The number column looks like the grid's fixed column; the others carry the state.
      if (index.column() == NumberColumn) return QColor(240, 240, 240);
      return StateColor(StateOf(entry.DaysLeft));
    case Qt::ForegroundRole:
      return QColor(Qt::black);
    case Qt::TextAlignmentRole:
      if (index.column() == NumberColumn) return int(Qt::AlignCenter);
      if (index.column() == DaysLeftColumn) return int(Qt::AlignRight | Qt::AlignVCenter);
      return int(Qt::AlignLeft | Qt::AlignVCenter);
  }
  return {};
}

QVariant StockModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount) return {};
  return QString::fromUtf8(kHeaders[section]);
}

std::optional<FileError> StockModel::load(const QString& path, QDate today) {
  auto entries = fridge_files::ReadStock(path, today);
  if (auto* error = std::get_if<FileError>(&entries)) return *error;
  beginResetModel();
  stock_.assign(std::get<std::vector<StockEntry>>(std::move(entries)));
  endResetModel();
  return std::nullopt;
}

std::optional<FileError> StockModel::add(const QString& path, StockEntry entry) {
  if (auto error = fridge_files::AppendStockEntry(path, entry)) return error;
  beginInsertRows({}, stock_.count(), stock_.count());
  stock_.append(std::move(entry));
  endInsertRows();
  return std::nullopt;
}

std::optional<FileError> StockModel::clear(const QString& path, QDate today) {
  auto written = fridge_files::RemoveStockEntries(path, stock_.entries(), {});
  if (auto* error = std::get_if<FileError>(&written)) return *error;
  if (!std::get<bool>(written)) return load(path, today);  // another writer's entries stay
  beginResetModel();
  stock_.assign({});
  endResetModel();
  return std::nullopt;
}

std::optional<FileError> StockModel::remove(const QString& path, Stock::Range range, QDate today) {
  auto written = fridge_files::RemoveStockEntries(path, stock_.entries(), stock_.without(range));
  if (auto* error = std::get_if<FileError>(&written)) return *error;
  if (!std::get<bool>(written)) return load(path, today);  // the file changed outside: show it as it is
  beginRemoveRows({}, range.first - 1, range.last - 1);
  stock_.remove(range);
  endRemoveRows();
  return std::nullopt;
}

void StockModel::sortBy(StockSortKey key) {
  // A reset, not a layout change: a selection made before the sort must not follow the rows.
  beginResetModel();
  stock_.sortBy(key);
  endResetModel();
}
