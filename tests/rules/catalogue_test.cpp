// The picture catalogue's cells and pages, and the checks of its typed range.
#include "platform/rules/data_folder.h"
#include "printing/rules/catalogue_range.h"
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

}  // namespace

TEST(Catalogue, SixteenRecipesFillOnePageOfFifteenCellsAndStartASecond) {
  TempBook book;
  book.writeBytes(u"NOPIC.JPG"_s, "jpeg");
  const PageDocument document = CatalogueDocument(bookOf(16), {1, 16}, 0, DataFolder(book.folder()));
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
  const PageDocument document = CatalogueDocument(bookOf(9), {5, 5}, 15, DataFolder(book.folder()));
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
  const auto placed = placedOf<PlacedPicture>(CatalogueDocument(bookOf(3), {1, 3}, 0, DataFolder(book.folder())).pages()[0]);
  ASSERT_EQ(placed.size(), 3u);
  EXPECT_EQ(placed[0].filePath, book.path(u"料理1.BMP"_s));
  EXPECT_EQ(placed[1].filePath, book.path(u"料理2.gif"_s));
  EXPECT_EQ(placed[2].filePath, book.path(u"NOPIC.JPG"_s));
}

TEST(Catalogue, TheFullBookIsTwoThousandOneHundredAndEightyFivePages) {
  TempBook book;
  const PageDocument document = CatalogueDocument(bookOf(kMaxRecipes), {1, kMaxRecipes}, 5, DataFolder(book.folder()));
  EXPECT_EQ(document.pageCount(), 2185);
  EXPECT_EQ(placedOf<PlacedText>(document.pages().back()).size(), 32766u % 15u);
}

struct RangeRow {
  std::string name;
  QString first, last;
  int count;
  bool emptyFirst, emptyLast;
  RangeCheck::Focus focus;
  bool outsideBook;
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
  EXPECT_EQ(check.outsideBook, row.outsideBook);
  EXPECT_EQ(check.range, row.range);
}

using F = RangeCheck::Focus;
INSTANTIATE_TEST_SUITE_P(
    Rows, CatalogueRangeCheck,
    ::testing::Values(
        RangeRow{"whole_book", u"1"_s, u"20"_s, 20, false, false, F::None, false, CatalogueRange{1, 20}},
        RangeRow{"one_recipe", u"5"_s, u"5"_s, 20, false, false, F::None, false, CatalogueRange{5, 5}},
        RangeRow{"reversed", u"7"_s, u"3"_s, 20, true, true, F::First, false, std::nullopt},
        RangeRow{"first_zero_keeps_last", u"0"_s, u"9"_s, 20, true, false, F::First, true, std::nullopt},
        RangeRow{"first_beyond_book", u"21"_s, u"9"_s, 20, true, false, F::First, true, std::nullopt},
        RangeRow{"last_beyond_book_empties_both", u"3"_s, u"99"_s, 20, true, true, F::First, true, std::nullopt},
        RangeRow{"both_empty", QString(), QString(), 20, true, true, F::First, true, std::nullopt},
        RangeRow{"text_counts_as_zero", u"abc"_s, u"4"_s, 20, true, false, F::First, true, std::nullopt},
        RangeRow{"leading_number_taken", u" 3個"_s, u"4番"_s, 20, false, false, F::None, false, CatalogueRange{3, 4}},
        RangeRow{"halves_round_to_even", u"2.5"_s, u"3.5"_s, 20, false, false, F::None, false, CatalogueRange{2, 4}},
        RangeRow{"fraction_below_one", u"0.6"_s, u"2"_s, 20, true, false, F::First, true, std::nullopt},
        RangeRow{"empty_book", u"1"_s, u"0"_s, 0, true, true, F::First, true, std::nullopt}),
    ByName());

TEST(CatalogueRangeMessage, NamesTheBooksNumbers) {
  EXPECT_EQ(OutsideBookMessage(20), u"印刷範囲はレシピ番号 1 ～ 20 の中で指定してください。"_s);
  EXPECT_EQ(OutsideBookMessage(0), u"印刷できるレシピがありません。"_s);
}
