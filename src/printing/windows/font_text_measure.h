#pragma once
// Text measured in the faces the page printer draws with, in twips.
#include <QImage>

#include "printing/rules/text_measure.h"

class FontTextMeasure : public TextMeasure {
 public:
  FontTextMeasure();
  int width(const QString& text, const PrintFont& font) const override;
  int lineHeight(const PrintFont& font) const override;

 private:
  QImage device_;  // 1440 dots to the inch, so one dot is one twip
};
