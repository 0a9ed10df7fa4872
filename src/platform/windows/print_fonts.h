// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The faces printed text is drawn in, and text measured in them, in twips.
#include <QFont>
#include <QImage>

#include "platform/rules/pdf_text_layer.h"
#include "platform/rules/text_measure.h"

// The named face (empty: the program's own proportional face) with the installed Japanese faces
// that stand for it behind it, so that kana and kanji always show.
QFont PrinterFont(const PrintFont& font);

// The radicals that the font's Japanese face draws with the very glyph of a kanji, each mapped to
// that kanji (⾷ U+2FB7 to 食 U+98DF).
LookAlikes LookAlikesOf(const QFont& font);

class FontTextMeasure : public TextMeasure {
 public:
  FontTextMeasure();
  int width(const QString& text, const PrintFont& font) const override;
  int lineHeight(const PrintFont& font) const override;

 private:
  QImage device_;  // 1440 dots to the inch, so one dot is one twip
};
