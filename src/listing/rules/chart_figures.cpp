// SPDX-License-Identifier: GPL-3.0-or-later
#include "listing/rules/chart_figures.h"

#include <array>
#include <cmath>

#include "store/rules/recipe.h"

namespace {

constexpr std::array<Rgb, 10> kSwatches = {{{0xFF, 0x00, 0x00}, {0xFF, 0xFF, 0x00}, {0x00, 0xFF, 0x00},
                                            {0x00, 0xFF, 0xFF}, {0x00, 0x00, 0xFF}, {0xFF, 0x80, 0xFF},
                                            {0xC0, 0xC0, 0xFF}, {0xFF, 0xE0, 0xC0}, {0xFF, 0xC0, 0xC0},
                                            {0xFF, 0xFF, 0xC0}}};
constexpr Rgb kRed{0xFF, 0x00, 0x00}, kYellow{0xFF, 0xFF, 0x00}, kGreen{0x00, 0xFF, 0x00}, kBlue{0x00, 0x00, 0xFF};

template <size_t N>
ChartPanelFigures CategoryPanel(const QString& heading, const QString& nameHeader, const QStringList& list,
                                const std::array<int, N>& counts, const std::array<float, N>& shares) {
  ChartPanelFigures panel{heading, nameHeader, {}};
  for (size_t i = 0; i < N; ++i)
    panel.rows.push_back({i < size_t(list.size()) ? list[qsizetype(i)] : QString(), counts[i], shares[i],
                          kSwatches[i]});
  return panel;
}

}  // namespace

QString ShareText(float share) {
  const double tenths = std::floor(double(share) * 1000.0 + 0.5);  // halves away from zero for shares >= 0
  return QString::number(tenths / 10.0, 'f', 1) + u'%';
}

QString LevelCaption(float levelPercent) {
  return QStringLiteral("Level  ") + QString::number(std::lround(double(levelPercent)));
}

std::vector<ChartPanelFigures> CategoryFigures(const Module1& module) {
  const Statistics& s = module.Stats;
  return {CategoryPanel(QStringLiteral("ジャンル別"), QStringLiteral("ジャンル"), module.GenreList(), s.GenreCounts,
                        s.GenreShares),
          CategoryPanel(QStringLiteral("種類別"), QStringLiteral("種類"), module.KindList(), s.KindCounts,
                        s.KindShares),
          CategoryPanel(QStringLiteral("調理方法別"), QStringLiteral("調理方法"), module.MethodList(),
                        s.MethodCounts, s.MethodShares)};
}

std::vector<ChartPanelFigures> RatingFigures(const Statistics& s) {
  return {
      {QStringLiteral("調理実績"), QStringLiteral("調理実績"),
       {{QStringLiteral("調理済み"), s.SelfRatedCount, s.SelfRatedShare, kGreen, 0},
        {kUnrated + QStringLiteral("調理"), s.SelfUnratedCount, s.SelfUnratedShare, kRed, 3}}},
      {QStringLiteral("自己評価"), QStringLiteral("自己評価"),
       {{kExcellent, s.SelfExcellentCount, s.SelfExcellentShare, kBlue, 0},
        {kGood, s.SelfGoodCount, s.SelfGoodShare, kYellow, 1},
        {kPoor, s.SelfPoorCount, s.SelfPoorShare, kRed, 2}}},
      {QStringLiteral("三者評価"), QStringLiteral("三者評価"),
       {{kExcellent, s.OthersExcellentCount, s.OthersExcellentShare, kBlue, 0},
        {kGood, s.OthersGoodCount, s.OthersGoodShare, kYellow, 1},
        {kPoor, s.OthersPoorCount, s.OthersPoorShare, kRed, 2}}},
  };
}
