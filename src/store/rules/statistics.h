// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Figures derived from the recipe table after every load: how the recipes spread over the
// category lists, how they are rated, and the points and level against the user's target.
#include <QString>
#include <array>

#include "store/rules/category_lists.h"
#include "store/rules/recipe.h"

struct Statistics {
  std::array<int, 7> GenreCounts{};
  std::array<int, 10> KindCounts{};
  std::array<int, 10> MethodCounts{};
  std::array<float, 7> GenreShares{};
  std::array<float, 10> KindShares{};
  std::array<float, 10> MethodShares{};

  int SelfExcellentCount = 0, SelfGoodCount = 0, SelfPoorCount = 0, SelfUnratedCount = 0;
  int OthersExcellentCount = 0, OthersGoodCount = 0, OthersPoorCount = 0;
  int SelfRatedCount = 0;
  float SelfRatedShare = 0, SelfUnratedShare = 0;
  float SelfExcellentShare = 0, SelfGoodShare = 0, SelfPoorShare = 0;
  float OthersExcellentShare = 0, OthersGoodShare = 0, OthersPoorShare = 0;

  double TotalPoints = 0;
  float LevelPercent = 0;
};

// "未" 0, "不" 1, "良" 2, "優" 3; any other text 0.
int RatingPoints(const QString& rating);

// Others' rating points + 2 + times cooked. The cook's own rating earns nothing.
double RecipePoints(const QString& othersRating, double timesCooked);
double RecipePoints(const Recipe& recipe);

// Every figure, points and level included. Shares of an empty table, and rating shares when no
// recipe is rated, are 0.
Statistics ComputeStatistics(const RecipeTable& table, const CategoryLists& lists, double targetPoints);

// TotalPoints / TargetPoints x 100 in single precision; 0 when there is no positive target.
float LevelPercentOf(double totalPoints, double targetPoints);

// The congratulation shown after a store while the level is at or above 100 %.
QString LevelMessage(double targetPoints);
inline const QString kLevelMessageTitle = QStringLiteral("目標レベル達成");
