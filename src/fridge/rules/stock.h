// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The refrigerator's stock: the bought ingredients in the order shown, each with its purchase and
// best-before texts as typed, the days left before the best-before date and the warning state
// that colours its row.
#include <QDate>
#include <QString>
#include <optional>
#include <vector>

// Days left shown for an entry without a best-before date.
constexpr int kNoBestBefore = 1000;

enum class BestBeforeState { Expired, WithinThreeDays, Ok, NotADate };

struct StockEntry {
  QString IngredientName;
  QString PurchaseDate;
  QString BestBefore;
  int DisplayNumber = 0;            // its position when loaded, added or last sorted
  std::optional<int> DaysLeft;      // nothing when BestBefore is text that is not a date
};

// Best-before date minus today in whole days; kNoBestBefore for an empty text; nothing for a text
// that is not a date.
std::optional<int> DaysLeftOf(const QString& bestBefore, QDate today);

BestBeforeState StateOf(const std::optional<int>& daysLeft);

// What the days-left column shows: the number, or a mark when the best-before text is no date.
QString DaysLeftText(const std::optional<int>& daysLeft);

// "期限切れ", "今日まで", "あと3日": the days left in words; empty without a best-before date.
QString DaysLeftWords(const std::optional<int>& daysLeft);

// An entry with its derived values for today.
StockEntry MakeEntry(QString name, QString purchaseDate, QString bestBefore, QDate today);

enum class StockSortKey { IngredientName, PurchaseDate, DaysLeft };

// The entries as shown, numbered from 1. The count is a 16-bit number in the files' world, so the
// stock holds at most kMaxEntries.
class Stock {
 public:
  static constexpr int kMaxEntries = 32767;

  int count() const { return int(entries_.size()); }
  bool isFull() const { return count() >= kMaxEntries; }
  const StockEntry& at(int position) const { return entries_[size_t(position - 1)]; }
  const std::vector<StockEntry>& entries() const { return entries_; }

  // Replaces the stock; display numbers become 1..count.
  void assign(std::vector<StockEntry> entries);
  // Adds at the end with display number = new count. The caller checks isFull first.
  void append(StockEntry entry);

  // Ascending by the key; equal keys keep their shown order. Display numbers become 1..count.
  // By days left, entries without a best-before date come after every dated one (even one more
  // than 1000 days ahead), and best-before texts that are not dates after those.
  void sortBy(StockSortKey key);

  // The range between two shown positions in either order, cut to the stock; nothing when it
  // holds no entry.
  struct Range {
    int first = 0;
    int last = 0;
  };
  std::optional<Range> clampRange(int from, int to) const;

  // The entries without those of the range, as they would be written.
  std::vector<StockEntry> without(Range range) const;
  // Removes the range in one step; the remaining entries keep their display numbers.
  void remove(Range range);

 private:
  std::vector<StockEntry> entries_;
};
