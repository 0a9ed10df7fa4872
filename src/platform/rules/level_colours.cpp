// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rules/level_colours.h"

#include <cstddef>

std::array<Rgb, 10> LevelBarColours(float levelPercent) {
  static constexpr Rgb kBands[5] = {{0, 255, 255}, {0, 255, 0}, {255, 255, 0}, {255, 0, 255}, {255, 0, 0}};
  std::array<Rgb, 10> colours;
  colours.fill(Rgb{255, 255, 255});
  for (int i = 1; i <= 10; ++i) {
    if (levelPercent < 10.0f * float(i)) break;
    colours[std::size_t(i - 1)] = kBands[(i - 1) / 2];
  }
  return colours;
}
