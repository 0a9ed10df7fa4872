// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/rules/statistics.h"

#include <QHash>

#include "platform/rules/numbers.h"

int RatingPoints(const QString& rating) {
  if (rating == kExcellent) return 3;
  if (rating == kGood) return 2;
  if (rating == kPoor) return 1;
  return 0;
}

double RecipePoints(const QString& othersRating, double timesCooked) {
  return RatingPoints(othersRating) + 2 + timesCooked;
}

double RecipePoints(const Recipe& recipe) {
  return RecipePoints(recipe.OthersRating, numbers::ReadNumber(recipe.CookCount));
}

float LevelPercentOf(double totalPoints, double targetPoints) {
  if (!(targetPoints > 0)) return 0;
  return float(totalPoints / targetPoints * 100);
}

namespace {

template <size_t N>
void shares(const std::array<int, N>& counts, std::array<float, N>& out, int total) {
  for (size_t i = 0; i < N; ++i) out[i] = total ? float(counts[i]) / float(total) : 0.0f;
}

float share(int part, int whole) { return whole ? float(part) / float(whole) : 0.0f; }

}  // namespace

namespace {

// The 0-based slot of each item (the first position where an item appears twice), and the last
// slot ("その他") for any other text; a hash keeps a full book's pass short.
class SlotFinder {
 public:
  explicit SlotFinder(const QStringList& list) : last_(int(list.size()) - 1) {
    for (int i = int(list.size()) - 1; i >= 0; --i) slots_.insert(list[i], i);
  }
  size_t operator()(const QString& value) const { return size_t(slots_.value(value, last_)); }

 private:
  QHash<QString, int> slots_;
  int last_;
};

}  // namespace

Statistics ComputeStatistics(const RecipeTable& table, const CategoryLists& lists, double targetPoints) {
  Statistics s;
  const int n = table.count();
  const SlotFinder genreSlot(lists.GenreList), kindSlot(lists.KindList), methodSlot(lists.MethodList);
  for (int i = 1; i <= n; ++i) {
    const Recipe& r = table[i];
    ++s.GenreCounts[genreSlot(r.Genre)];
    ++s.KindCounts[kindSlot(r.Kind)];
    ++s.MethodCounts[methodSlot(r.CookingMethod)];
    switch (RatingPoints(r.SelfRating)) {
      case 3: ++s.SelfExcellentCount; break;
      case 2: ++s.SelfGoodCount; break;
      case 1: ++s.SelfPoorCount; break;
      default:
        if (r.SelfRating == kUnrated) ++s.SelfUnratedCount;
    }
    switch (RatingPoints(r.OthersRating)) {
      case 3: ++s.OthersExcellentCount; break;
      case 2: ++s.OthersGoodCount; break;
      case 1: ++s.OthersPoorCount; break;
      default: break;
    }
    s.TotalPoints += RecipePoints(r);
  }
  shares(s.GenreCounts, s.GenreShares, n);
  shares(s.KindCounts, s.KindShares, n);
  shares(s.MethodCounts, s.MethodShares, n);
  s.SelfRatedCount = s.SelfExcellentCount + s.SelfGoodCount + s.SelfPoorCount;
  s.SelfRatedShare = share(s.SelfRatedCount, n);
  s.SelfUnratedShare = share(s.SelfUnratedCount, n);
  s.SelfExcellentShare = share(s.SelfExcellentCount, s.SelfRatedCount);
  s.SelfGoodShare = share(s.SelfGoodCount, s.SelfRatedCount);
  s.SelfPoorShare = share(s.SelfPoorCount, s.SelfRatedCount);
  s.OthersExcellentShare = share(s.OthersExcellentCount, s.SelfRatedCount);
  s.OthersGoodShare = share(s.OthersGoodCount, s.SelfRatedCount);
  s.OthersPoorShare = share(s.OthersPoorCount, s.SelfRatedCount);
  s.LevelPercent = LevelPercentOf(s.TotalPoints, targetPoints);
  return s;
}

QString LevelMessage(double targetPoints) {
  return QStringLiteral("目標ポイント ") + numbers::FormatDouble(targetPoints) +
         QStringLiteral("p に対するレベルが１００％をこえました！\n") +
         QStringLiteral("おめでとうございます。 ＼(^o^)／ﾔｯﾀｧ \n\n") +
         QStringLiteral("さらなるレベルアップを目指して、次の目標ポイントを指定しましょう。");
}
