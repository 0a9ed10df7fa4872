// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture catalogue: for each recipe of a range its number, its dish name and its picture,
// in cells three across and five down, fifteen to a page.
#include "platform/rules/data_folder.h"
#include "platform/rules/page_document.h"
#include "platform/rules/text_measure.h"
#include "store/rules/recipe.h"

struct CatalogueRange {
  int first = 0;
  int last = 0;
  bool operator==(const CatalogueRange&) const = default;
};

constexpr int kCatalogueColumns = 3;
constexpr int kCatalogueRows = 5;
constexpr int kCatalogueCellWidth = 3500;
constexpr int kCatalogueCellHeight = 3200;
constexpr int kCatalogueCaptionTop = 250;  // within the cell
constexpr int kCataloguePictureTop = 500;
constexpr int kCataloguePictureWidth = 3400;
constexpr int kCataloguePictureHeight = 2550;
constexpr double kCatalogueTypeSize = 9;

// "12 : 肉じゃが"
QString CatalogueCaption(int number, const QString& dishName);

// The pages for recipes range.first..range.last (within 1..recipes.count()). A cell shows the
// last of its dish's picture files (.jpg, .gif, .bmp), else "NOPIC.JPG", else only its caption;
// the files are looked up, not read. A caption wider than its picture is cut and ends in "…",
// so that a long dish name neither runs into the next cell nor off the paper.
PageDocument CatalogueDocument(const RecipeTable& recipes, CatalogueRange range, int bindingMarginMm,
                               const DataFolder& folder, const TextMeasure& measure);
