// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recipe on screen printed as text: a rule line, eight labelled values in blue, another rule
// line, then the ingredients, the steps and the memo under their coloured headings, and the
// recipe's picture at the top right when the main window shows pictures.

#include "platform/rules/page_document.h"
#include "platform/rules/text_measure.h"
#include "store/rules/recipe_file.h"

inline const QString kGothic = QStringLiteral("ＭＳ ゴシック");
inline const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kRecipeRuleLine = QString(47, u'-');

// Where the picture goes, in print coordinates (before the page origin is applied).
constexpr TwipsRect kRecipePictureRect{6500, 1000, 4000, 3000};

// shown: the main window's fields as they are on screen. pictureFile: the file of the picture
// shown, printed from the file itself, or empty for none. area: the printable area of the paper;
// lines wider than it wrap, and lines that pass its bottom go on the next page.
PageDocument RecipeTextDocument(const recipe_file::RecipeForm& shown, const QString& pictureFile,
                                int bindingMarginMm, TwipsSize area, const TextMeasure& measure);
