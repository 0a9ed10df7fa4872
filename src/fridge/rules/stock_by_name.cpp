// SPDX-License-Identifier: GPL-3.0-or-later
#include "fridge/rules/stock_by_name.h"

#include <algorithm>
#include <limits>

#include "fridge/rules/fridge_dates.h"

namespace {

// Orders entries by best-before: a date by its day number, then no date, then text that is none.
qint64 UseOrder(const StockEntry& entry) {
  if (entry.BestBefore.trimmed().isEmpty()) return std::numeric_limits<qint64>::max() - 1;
  const auto date = fridge_dates::ParseDate(entry.BestBefore);
  return date ? date->toJulianDay() : std::numeric_limits<qint64>::max();
}

}  // namespace

QString StockKey(const StockEntry& entry, IngredientFolder& folder) {
  const QString part = IngredientNamePart(entry.IngredientName);
  return folder.key(part.isEmpty() ? entry.IngredientName.trimmed() : part);
}

StockByName::StockByName(const std::vector<StockEntry>& entries, IngredientFolder& folder) {
  std::vector<qint64> order(entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    order[i] = UseOrder(entries[i]);
    byKey_[StockKey(entries[i], folder)].push_back(int(i) + 1);
  }
  for (auto& positions : byKey_)
    std::stable_sort(positions.begin(), positions.end(),
                     [&](int a, int b) { return order[size_t(a - 1)] < order[size_t(b - 1)]; });
}

const std::vector<int>* StockByName::positions(const QString& key) const {
  const auto found = byKey_.constFind(key);
  return found == byKey_.constEnd() ? nullptr : &*found;
}
