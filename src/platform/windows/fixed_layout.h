// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fixed window layouts: a window lists where each of its controls stands, by object name, in one
// table, instead of a wall of setGeometry calls.
//
//   PlaceControls(this, {
//       {"cboNamae", {84, 14, 340, 26}},
//       {"txtCal", FromTwips(1260, 1320, 1350, 390)},
//   });
#include <QRect>
#include <initializer_list>

class QWidget;

// Twips (1440 to the inch) in pixels at 96 dpi: 15 twips to a pixel.
constexpr int Twips(int twips) { return twips / 15; }
constexpr QRect FromTwips(int x, int y, int width, int height) {
  return QRect(Twips(x), Twips(y), Twips(width), Twips(height));
}

struct Placement {
  const char* objectName;
  QRect rect;  // in pixels, in the coordinates of the control's parent
};

// Gives every listed control of window (found by object name among all its descendants) its
// rectangle. A name that matches no control stops a debug build and is reported in any build.
void PlaceControls(QWidget* window, std::initializer_list<Placement> table);
