#pragma once
// The recipe on screen printed as text: a rule line, eight labelled values in blue, another rule
// line, then the ingredients, the steps and the memo under their coloured headings, and the
// recipe's picture at the top right when the main window shows pictures.
#include <QByteArray>

#include "platform/rules/page_document.h"
#include "printing/rules/text_measure.h"
#include "store/rules/recipe_file.h"

inline const QString kGothic = QStringLiteral("ＭＳ ゴシック");
inline const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kRecipeRuleLine = QString(47, u'-');

// Where the picture goes, in print coordinates (before the page origin is applied).
constexpr TwipsRect kRecipePictureRect{6500, 1000, 4000, 3000};

// shown: the main window's fields as they are on screen. picture: the shown picture as encoded
// image bytes, or empty for none. Lines wider than the paper wrap; lines that pass the bottom of
// a page go on the next one.
PageDocument RecipeTextDocument(const recipe_file::RecipeForm& shown, const QByteArray& picture,
                                int bindingMarginMm, const TextMeasure& measure);
