// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colours of the ten-segment level bar, shown on the main window and the evaluation chart.
#include <array>

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};

// Colours of the ten level-bar segments: segment i is lit when the level is at least 10 x i %.
std::array<Rgb, 10> LevelBarColours(float levelPercent);
