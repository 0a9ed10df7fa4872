// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings frame of the exchange window: the target points as the user types them, and the
// points and level as the frame shows them.
#include <QString>
#include <optional>

namespace exchange {

struct TargetEntry {
  double value = 0;
  QString text;  // as the profile file keeps it: half-width digits, no separators ("1000")
};

// A positive number that single precision can hold, typed in half- or full-width digits, with or
// without thousands separators ("1,000", "１，０００" and "1000" are all 1000). Nothing for
// anything else: an empty box, zero, a sign, letters, misplaced separators, an exponent.
std::optional<TargetEntry> ReadTargetPoints(const QString& typed);

// "150 P"
QString PointsText(double totalPoints);

// "75.0 %"
QString LevelText(float levelPercent);

}  // namespace exchange
