// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the two chart windows show: per panel a heading, the name column's header and one row per
// item with its swatch colour, name, count and share. The figures come from the statistics of the
// last load; these functions only arrange and word them.
#include <QString>
#include <vector>

#include "platform/rules/level_colours.h"
#include "store/rules/module1.h"
#include "store/rules/statistics.h"

struct ChartRow {
  QString name;
  int count = 0;
  float share = 0;  // 0..1
  Rgb colour;
  int face = -1;    // the rating face shown beside the name (0 "優" .. 3 "未"), or none
  bool operator==(const ChartRow&) const = default;
};

struct ChartPanelFigures {
  QString heading;
  QString nameHeader;
  std::vector<ChartRow> rows;
};

// "12.5%": the share as a percentage rounded to one decimal, halves away from zero.
QString ShareText(float share);

// "Level  85": the level rounded to a whole number.
QString LevelCaption(float levelPercent);

// Genre, kind and cooking method, each list item in list order with its swatch.
std::vector<ChartPanelFigures> CategoryFigures(const Module1& module);

// Cooked and not cooked; the self ratings; the others' ratings.
std::vector<ChartPanelFigures> RatingFigures(const Statistics& stats);
