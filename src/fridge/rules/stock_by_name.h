// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stock looked up by ingredient: which entries hold an ingredient, in the order a cook uses
// them up.
#include <QHash>
#include <vector>

#include "fridge/rules/ingredient_names.h"
#include "fridge/rules/stock.h"

// The folded name of what an entry holds: its name part ("牛乳 1L" holds 牛乳), or the whole name
// when the name rule finds none in it.
QString StockKey(const StockEntry& entry, IngredientFolder& folder);

class StockByName {
 public:
  // entries: the stock in its shown order, positions 1..size.
  StockByName(const std::vector<StockEntry>& entries, IngredientFolder& folder);

  // The positions of the entries holding the ingredient: earliest best-before date first, then
  // those without a best-before date, then those whose best-before text is no date; equal dates in
  // stock order. Nothing when the stock holds none.
  const std::vector<int>* positions(const QString& key) const;

 private:
  QHash<QString, std::vector<int>> byKey_;
};
