// SPDX-License-Identifier: GPL-3.0-or-later
#include "fridge/rules/stock.h"

#include <algorithm>
#include <utility>

#include "fridge/rules/fridge_dates.h"

std::optional<int> DaysLeftOf(const QString& bestBefore, QDate today) {
  if (bestBefore.isEmpty()) return kNoBestBefore;
  const std::optional<QDate> date = fridge_dates::ParseDate(bestBefore);
  if (!date) return std::nullopt;
  return int(today.daysTo(*date));
}

BestBeforeState StateOf(const std::optional<int>& daysLeft) {
  if (!daysLeft) return BestBeforeState::NotADate;
  if (*daysLeft < 0) return BestBeforeState::Expired;
  if (*daysLeft <= 3) return BestBeforeState::WithinThreeDays;
  return BestBeforeState::Ok;
}

QString DaysLeftText(const std::optional<int>& daysLeft) {
  return daysLeft ? QString::number(*daysLeft) : QStringLiteral("不明");
}

QString DaysLeftWords(const std::optional<int>& daysLeft) {
  if (!daysLeft) return QStringLiteral("期限不明");
  if (*daysLeft == kNoBestBefore) return QString();
  if (*daysLeft < 0) return QStringLiteral("期限切れ");
  if (*daysLeft == 0) return QStringLiteral("今日まで");
  return QStringLiteral("あと%1日").arg(*daysLeft);
}

StockEntry MakeEntry(QString name, QString purchaseDate, QString bestBefore, QDate today) {
  StockEntry entry{std::move(name), std::move(purchaseDate), std::move(bestBefore), 0, std::nullopt};
  entry.DaysLeft = DaysLeftOf(entry.BestBefore, today);
  return entry;
}

void Stock::assign(std::vector<StockEntry> entries) {
  entries_ = std::move(entries);
  for (size_t i = 0; i < entries_.size(); ++i) entries_[i].DisplayNumber = int(i) + 1;
}

void Stock::append(StockEntry entry) {
  entry.DisplayNumber = count() + 1;
  entries_.push_back(std::move(entry));
}

void Stock::sortBy(StockSortKey key) {
  switch (key) {
    case StockSortKey::IngredientName:
      std::stable_sort(entries_.begin(), entries_.end(), [](const StockEntry& a, const StockEntry& b) {
        return QString::compare(a.IngredientName, b.IngredientName, Qt::CaseSensitive) < 0;
      });
      break;
    case StockSortKey::PurchaseDate:
      std::stable_sort(entries_.begin(), entries_.end(), [](const StockEntry& a, const StockEntry& b) {
        return QString::compare(a.PurchaseDate, b.PurchaseDate, Qt::CaseSensitive) < 0;
      });
      break;
    case StockSortKey::DaysLeft: {
      // Dated entries by days left, then those without a best-before date, then the rest.
      const auto sortKey = [](const StockEntry& e) {
        if (!e.DaysLeft) return std::pair{2, 0};
        if (e.BestBefore.isEmpty()) return std::pair{1, 0};
        return std::pair{0, *e.DaysLeft};
      };
      std::stable_sort(entries_.begin(), entries_.end(),
                       [&](const StockEntry& a, const StockEntry& b) { return sortKey(a) < sortKey(b); });
      break;
    }
  }
  for (size_t i = 0; i < entries_.size(); ++i) entries_[i].DisplayNumber = int(i) + 1;
}

std::optional<Stock::Range> Stock::clampRange(int from, int to) const {
  const int first = std::max(std::min(from, to), 1);
  const int last = std::min(std::max(from, to), count());
  if (first > last) return std::nullopt;
  return Range{first, last};
}

std::vector<StockEntry> Stock::without(Range range) const {
  std::vector<StockEntry> kept;
  kept.reserve(entries_.size() - size_t(range.last - range.first + 1));
  kept.insert(kept.end(), entries_.begin(), entries_.begin() + (range.first - 1));
  kept.insert(kept.end(), entries_.begin() + range.last, entries_.end());
  return kept;
}

void Stock::remove(Range range) {
  entries_.erase(entries_.begin() + (range.first - 1), entries_.begin() + range.last);
}
