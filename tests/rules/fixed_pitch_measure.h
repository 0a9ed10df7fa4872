// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A simple text measure for layout tests: full-width characters one em wide, the others half;
// lines 25 twips per point apart.
#include "platform/rules/text_measure.h"

class FixedPitchMeasure : public TextMeasure {
 public:
  int width(const QString& text, const PrintFont& font) const override {
    int halves = 0;
    for (QChar c : text) halves += c.unicode() < 0x100 ? 1 : 2;
    return int(halves * font.pointSize * 10);
  }
  int lineHeight(const PrintFont& font) const override { return int(font.pointSize * 25); }
};
