// Page documents: where items land, how pages break, the window-image page and PDF file names.
#include <QFile>
#include <QTemporaryDir>

#include "platform/rules/data_folder.h"
#include "platform/rules/page_document.h"
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

TEST(WindowImagePage, ASmallWindowKeepsFifteenTwipsToThePixel) {
  EXPECT_EQ(WindowImageRect(640, 480), (TwipsRect{0, 0, 9600, 7200}));
  const PageDocument document = WindowImageDocument(QByteArray("img"), 640, 480, u"種類分析"_s);
  ASSERT_EQ(document.pageCount(), 1);
  ASSERT_EQ(document.pages()[0].items.size(), 1u);
  const auto& picture = std::get<PlacedPicture>(document.pages()[0].items[0]);
  EXPECT_EQ(picture.rect, (TwipsRect{0, 0, 9600, 7200}));
  EXPECT_EQ(picture.imageData, QByteArray("img"));
  EXPECT_EQ(document.title(), u"種類分析"_s);
}

TEST(WindowImagePage, AWideOrTallWindowShrinksToThePrintableAreaKeepingItsProportions) {
  // 1000 px = 15000 twips wide: shrunk to the printable width, the height by the same factor.
  const TwipsRect wide = WindowImageRect(1000, 500);
  EXPECT_EQ(wide.width, kPrintableWidthTwips);
  EXPECT_NEAR(double(wide.height) / wide.width, 0.5, 0.001);
  const TwipsRect tall = WindowImageRect(400, 2000);
  EXPECT_EQ(tall.height, kPrintableHeightTwips);
  EXPECT_NEAR(double(tall.width) / tall.height, 0.2, 0.001);
  EXPECT_LE(tall.width, kPrintableWidthTwips);
  EXPECT_EQ(WindowImageRect(0, 300), TwipsRect{});
}

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
