// SPDX-License-Identifier: GPL-3.0-or-later
// Page documents: where items land, the window-image page, how a document is fitted to the
// printable area, and PDF file names.
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "platform/rules/data_folder.h"
#include "platform/rules/page_document.h"
#include "fixed_pitch_measure.h"
#include "rules_test_util.h"

TEST(PageDocument, ItemsLandOnTheCurrentPageInOrderAndNewPageStartsAnEmptyOne) {
  PageDocument document(u"献立"_s);
  EXPECT_EQ(document.pageCount(), 1);
  EXPECT_TRUE(document.pages()[0].items.empty());

  const PrintFont gothic{u"ＭＳ ゴシック"_s, 12, true, false, true};
  document.addText(0, 200, u"【材料】"_s, gothic, kPrintGreen);
  document.addRule(0, 500, 9000, 500, 15, kPrintBlue);
  document.newPage();
  document.addPicture({6500, 1000, 4000, 3000}, u"/book/肉じゃが.jpg"_s);
  document.addPictureData({0, 0, 300, 150}, QByteArray("PNG-BYTES"));
  document.newPage();

  ASSERT_EQ(document.pageCount(), 3);
  EXPECT_EQ(document.title(), u"献立"_s);
  const auto& first = document.pages()[0].items;
  ASSERT_EQ(first.size(), 2u);
  EXPECT_EQ(std::get<PlacedText>(first[0]), (PlacedText{0, 200, u"【材料】"_s, gothic, {0, 128, 0}}));
  EXPECT_EQ(std::get<PlacedRule>(first[1]), (PlacedRule{0, 500, 9000, 500, 15, {0, 0, 128}}));
  const auto& second = document.pages()[1].items;
  ASSERT_EQ(second.size(), 2u);
  EXPECT_EQ(std::get<PlacedPicture>(second[0]), (PlacedPicture{{6500, 1000, 4000, 3000}, u"/book/肉じゃが.jpg"_s, {}}));
  EXPECT_EQ(std::get<PlacedPicture>(second[1]), (PlacedPicture{{0, 0, 300, 150}, {}, QByteArray("PNG-BYTES")}));
  EXPECT_TRUE(document.pages()[2].items.empty());
}

TEST(PageDocument, TextIsBlackUnlessAColourIsGiven) {
  PageDocument document;
  document.addText(10, 20, u"a"_s, {});
  EXPECT_EQ(std::get<PlacedText>(document.pages()[0].items[0]).colour, kPrintBlack);
  EXPECT_EQ(document.title(), u"印刷"_s);
}

TEST(WindowImagePage, IsOnePictureAtFifteenTwipsToThePixel) {
  const PageDocument document = WindowImageDocument(QByteArray("img"), 640, 480, u"種類分析"_s);
  ASSERT_EQ(document.pageCount(), 1);
  ASSERT_EQ(document.pages()[0].items.size(), 1u);
  const auto& picture = std::get<PlacedPicture>(document.pages()[0].items[0]);
  EXPECT_EQ(picture.rect, (TwipsRect{0, 0, 9600, 7200}));
  EXPECT_EQ(picture.imageData, QByteArray("img"));
  EXPECT_EQ(document.title(), u"種類分析"_s);
}

struct FitRow {
  std::string name;
  PageDocument document;
  double scale;
};
void PrintTo(const FitRow& row, std::ostream* os) { *os << row.name; }

FitRow fitRow(std::string name, double scale, const std::function<void(PageDocument&)>& fill) {
  PageDocument document;
  fill(document);
  return {std::move(name), std::move(document), scale};
}

class FitScaleTest : public ::testing::TestWithParam<FitRow> {};

// An area of 10000 x 15000 twips; text measured half an em to a Latin letter, 12 pt lines 300 high.
TEST_P(FitScaleTest, ShrinksTheWholeDocumentJustEnoughForEveryItemToLieInside) {
  const FitRow& row = GetParam();
  const TwipsSize area{10000, 15000};
  const double scale = FitScale(row.document, area, FixedPitchMeasure());
  EXPECT_NEAR(scale, row.scale, 1e-9);
  for (const PrintPage& page : row.document.pages())
    for (const PlacedItem& item : page.items) {
      const TwipsRect bounds = ItemBounds(item, FixedPitchMeasure());
      EXPECT_LE((bounds.x + bounds.width) * scale, area.width + 1e-6);
      EXPECT_LE((bounds.y + bounds.height) * scale, area.height + 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FitScaleTest,
    ::testing::Values(
        fitRow("fits_at_full_size", 1.0,
               [](PageDocument& d) {
                 d.addPicture({6000, 12000, 4000, 3000}, u"a.jpg"_s);  // touches both edges
                 d.addText(0, 14700, u"x"_s, {QString(), 12});
               }),
        fitRow("picture_too_wide", 10000.0 / 11350, [](PageDocument& d) { d.addPicture({850 + 6500, 1200, 4000, 3000}, u"a.jpg"_s); }),
        fitRow("bottom_row_on_a_later_page", 15000.0 / 16050,
               [](PageDocument& d) {
                 d.addText(0, 200, u"1 : 料理1"_s, {QString(), 9});
                 d.newPage();
                 d.addPicture({0, 200 + 4 * 3200 + 500, 3400, 2550}, u"a.jpg"_s);
               }),
        fitRow("text_too_wide", 10000.0 / 12000, [](PageDocument& d) { d.addText(0, 0, QString(100, u'x'), {QString(), 12}); }),
        fitRow("window_image_too_large", 15000.0 / 30000,
               [](PageDocument& d) { d = WindowImageDocument(QByteArray("img"), 1000, 2000, u"w"_s); }),
        fitRow("thick_rule_to_the_edge", 10000.0 / 10010, [](PageDocument& d) { d.addRule(0, 100, 10000, 100, 20); })),
    ByName());

TEST(PdfFileName, TakesTheFirstUnusedNumberAndMakesTheTitleSafe) {
  QTemporaryDir dir;
  DataFolder folder(dir.path());
  EXPECT_EQ(NextPdfFileName(folder, u"評価分析"_s), u"評価分析001.pdf"_s);
  QFile(dir.filePath(u"評価分析001.PDF"_s)).open(QIODevice::WriteOnly);  // any letter case counts
  QFile(dir.filePath(u"評価分析002.pdf"_s)).open(QIODevice::WriteOnly);
  EXPECT_EQ(NextPdfFileName(DataFolder(dir.path()), u"評価分析"_s), u"評価分析003.pdf"_s);
  EXPECT_EQ(NextPdfFileName(folder, u"a/b:c?\"d"_s), u"a_b_c__d001.pdf"_s);
  EXPECT_EQ(NextPdfFileName(folder, QString()), u"印刷001.pdf"_s);
}
