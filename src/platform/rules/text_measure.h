// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How wide a printed text is and how far a line moves down: the layouts need both to wrap long
// lines and to break pages, but measuring fonts is the printer side's business, so a layout is
// given a TextMeasure.
#include <QString>

#include "platform/rules/page_document.h"

class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  // Twips.
  virtual int width(const QString& text, const PrintFont& font) const = 0;
  virtual int lineHeight(const PrintFont& font) const = 0;
};
