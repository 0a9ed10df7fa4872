// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ten-segment level bar `shpLevel(1..10)` with the total points `lblPoint` beside it. Shown on
// the main window and on the evaluation chart window.
#include <QFrame>
#include <QWidget>
#include <array>

#include "platform/rules/level_colours.h"

class QLabel;

class LevelBar : public QWidget {
  Q_OBJECT
 public:
  explicit LevelBar(QWidget* parent = nullptr);

  void ShowLevelBar(float levelPercent);
  void showPoints(double totalPoints);  // "Point " + total

  QLabel* lblPoint;
  std::array<QFrame*, 10> shpLevel;  // segment i at index i - 1
  QColor segmentColour(int i) const;  // 1-based
};
