// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where printing of recipes and the catalogue starts on a page: the binding margin to the left of
// x = 0, and 200 twips below the printable area's top edge for y = 0.
#include <QPoint>

constexpr int kPrintTopOffsetTwips = 200;

// The binding margin in twips: the whole part of millimetres × 56.7 (15 mm is 850 twips).
constexpr int BindingMarginTwips(int millimetres) { return millimetres * 567 / 10; }

// The page position of the point (x, y) in print coordinates.
constexpr QPoint PrintOrigin(int bindingMarginMm) {
  return QPoint(BindingMarginTwips(bindingMarginMm), kPrintTopOffsetTwips);
}
