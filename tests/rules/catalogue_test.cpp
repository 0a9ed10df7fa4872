// SPDX-License-Identifier: GPL-3.0-or-later
// The picture catalogue's cells and pages, and the checks of its typed range.
#include "platform/rules/data_folder.h"
#include "printing/rules/catalogue_range.h"
#include "fixed_pitch_measure.h"
#include "placed_items.h"
#include "rules_test_util.h"
#include "support/temp_book.h"

namespace {

RecipeTable bookOf(int count) {
  RecipeTable table;
  for (int i = 1; i <= count; ++i) {
    Recipe recipe;
    recipe.DishName = u"料理%1"_s.arg(i);
    table.append(recipe);
  }
  return table;
}

PageDocument catalogueOf(const RecipeTable& recipes, CatalogueRange range, int marginMm, const TempBook& book) {
  return CatalogueDocument(recipes, range, marginMm, DataFolder(book.folder()), FixedPitchMeasure());
}

}  // namespace

TEST(Catalogue, SixteenRecipesFillOnePageOfFifteenCellsAndStartASecond) {
  TempBook book;
  book.writeBytes(u"NOPIC.JPG"_s, "jpeg");
  const PageDocument document = catalogueOf(bookOf(16), {1, 16}, 0, book);
  ASSERT_EQ(document.pageCount(), 2);
  const auto first = placedOf<PlacedText>(document.pages()[0]);
  ASSERT_EQ(first.size(), 15u);
  for (int cell = 0; cell < 15; ++cell) {
    const int column = cell % 3, row = cell / 3;
    EXPECT_EQ(first[cell], (PlacedText{column * 3500, 200 + row * 3200 + 250, u"%1 : 料理%1"_s.arg(cell + 1),
                                       {QString(), 9}, kPrintBlack}))
        << cell;
    EXPECT_EQ(placedOf<PlacedPicture>(document.pages()[0])[cell].rect, (TwipsRect{column * 3500, 200 + row * 3200 + 500, 3400, 2550}));
  }
  const auto second = placedOf<PlacedText>(document.pages()[1]);
  ASSERT_EQ(second.size(), 1u);
  EXPECT_EQ(second[0].text, u"16 : 料理16"_s);
  EXPECT_EQ(second[0].x, 0);
  EXPECT_EQ(second[0].y, 450);
}

TEST(Catalogue, ASingleRecipeTakesTheTopLeftCellAfterTheBindingMargin) {
  TempBook book;
  const PageDocument document = catalogueOf(bookOf(9), {5, 5}, 15, book);
  ASSERT_EQ(document.pageCount(), 1);
  const auto placed = placedOf<PlacedText>(document.pages()[0]);
  ASSERT_EQ(placed.size(), 1u);
  EXPECT_EQ(placed[0].text, u"5 : 料理5"_s);
  EXPECT_EQ(placed[0].x, 850);
  EXPECT_EQ(placed[0].y, 450);
  EXPECT_TRUE(placedOf<PlacedPicture>(document.pages()[0]).empty());  // no picture and no NOPIC.JPG: caption only
}

TEST(Catalogue, CellsShowTheLastPictureFileElseTheStandIn) {
  TempBook book;
  for (const QString& name : {u"料理1.jpg"_s, u"料理1.BMP"_s, u"料理2.gif"_s, u"NOPIC.JPG"_s}) book.writeBytes(name, "x");
  const auto placed = placedOf<PlacedPicture>(catalogueOf(bookOf(3), {1, 3}, 0, book).pages()[0]);
  ASSERT_EQ(placed.size(), 3u);
  EXPECT_EQ(placed[0].filePath, book.path(u"料理1.BMP"_s));
  EXPECT_EQ(placed[1].filePath, book.path(u"料理2.gif"_s));
  EXPECT_EQ(placed[2].filePath, book.path(u"NOPIC.JPG"_s));
}

TEST(Catalogue, ACaptionWiderThanItsPictureIsCutAndEndsInAnEllipsis) {
  TempBook book;
  RecipeTable recipes = bookOf(2);
  recipes[2].DishName = QString(40, u'鍋');  // 9 pt: 180 twips a character, the picture is 3400 wide
  const auto placed = placedOf<PlacedText>(catalogueOf(recipes, {1, 2}, 0, book).pages()[0]);
  ASSERT_EQ(placed.size(), 2u);
  EXPECT_EQ(placed[0].text, u"1 : 料理1"_s);
  // "2 : " is 4 half-width characters (360 twips), "…" 180: 15 kanji (2700) fit beside them.
  EXPECT_EQ(placed[1].text, u"2 : "_s + QString(15, u'鍋') + u"…"_s);
}

TEST(Catalogue, TheFullBookIsTwoThousandOneHundredAndEightyFivePages) {
  TempBook book;
  const PageDocument document = catalogueOf(bookOf(kMaxRecipes), {1, kMaxRecipes}, 5, book);
  EXPECT_EQ(document.pageCount(), 2185);
  EXPECT_EQ(placedOf<PlacedText>(document.pages().back()).size(), 32766u % 15u);
}

struct RangeRow {
  std::string name;
  QString first, last;
  int count;
  bool emptyFirst, emptyLast;
  RangeCheck::Focus focus;
  std::optional<CatalogueRange> range;
};

void PrintTo(const RangeRow& row, std::ostream* os) { *os << row.name; }

class CatalogueRangeCheck : public ::testing::TestWithParam<RangeRow> {};

TEST_P(CatalogueRangeCheck, EmptiesTheOffendingBoxesAndFocusesTheFirstEmptyOne) {
  const RangeRow& row = GetParam();
  const RangeCheck check = CheckCatalogueRange(row.first, row.last, row.count);
  EXPECT_EQ(check.emptyFirst, row.emptyFirst);
  EXPECT_EQ(check.emptyLast, row.emptyLast);
  EXPECT_EQ(check.focus, row.focus);
  EXPECT_EQ(check.range, row.range);
}

using F = RangeCheck::Focus;
INSTANTIATE_TEST_SUITE_P(
    Rows, CatalogueRangeCheck,
    ::testing::Values(
        RangeRow{"whole_book", u"1"_s, u"20"_s, 20, false, false, F::None, CatalogueRange{1, 20}},
        RangeRow{"one_recipe", u"5"_s, u"5"_s, 20, false, false, F::None, CatalogueRange{5, 5}},
        RangeRow{"reversed", u"7"_s, u"3"_s, 20, true, true, F::First, std::nullopt},
        RangeRow{"first_zero_keeps_last", u"0"_s, u"9"_s, 20, true, false, F::First, std::nullopt},
        RangeRow{"first_beyond_book", u"21"_s, u"9"_s, 20, true, false, F::First, std::nullopt},
        RangeRow{"last_beyond_book_empties_both", u"3"_s, u"99"_s, 20, true, true, F::First, std::nullopt},
        RangeRow{"both_empty", QString(), QString(), 20, true, true, F::First, std::nullopt},
        RangeRow{"text_counts_as_zero", u"abc"_s, u"4"_s, 20, true, false, F::First, std::nullopt},
        RangeRow{"leading_number_taken", u" 3個"_s, u"4番"_s, 20, false, false, F::None, CatalogueRange{3, 4}},
        RangeRow{"halves_round_to_even", u"2.5"_s, u"3.5"_s, 20, false, false, F::None, CatalogueRange{2, 4}},
        RangeRow{"fraction_below_one", u"0.6"_s, u"2"_s, 20, true, false, F::First, std::nullopt},
        RangeRow{"empty_book", u"1"_s, u"0"_s, 0, true, true, F::First, std::nullopt}),
    ByName());
