// SPDX-License-Identifier: GPL-3.0-or-later
// The printing renderer: a real PDF in the data folder when there is no printer, the file's name
// told to the user, and a message (never silence) when nothing can be printed.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include "platform/windows/page_printer.h"
#include "support/pdf_tools.h"
#include "support/scripted_dialogs.h"

namespace {

PageDocument ThreePages() {
  PageDocument document(QStringLiteral("レシピ"));
  const PrintFont gothic{QStringLiteral("ＭＳ ゴシック"), 12};
  document.addText(0, 200, QStringLiteral("【料理名　】肉じゃが"), gothic, kPrintBlue);
  document.addRule(0, 500, 9000, 500, 15);
  document.newPage();
  document.addText(0, 200, QStringLiteral("【材料】じゃがいも"), gothic, kPrintGreen);
  document.newPage();
  document.addText(0, 200, QStringLiteral("【メモ】三ページ目"), gothic);
  return document;
}

class PagePrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a default printer";
  }
  QTemporaryDir dir;
  ScriptedDialogs dialogs;
};

}  // namespace

TEST_F(PagePrinterTest, WithoutAPrinterWritesAPdfWithEveryPageIntoTheDataFolderAndSaysWhere) {
  ASSERT_TRUE(PrintDocument(ThreePages(), DataFolder(dir.path()), dialogs));

  const QString path = dir.filePath(QStringLiteral("レシピ001.pdf"));
  ASSERT_TRUE(QFile::exists(path));
  EXPECT_EQ(PdfPageCount(path), 3);
  const QString text = PdfTextOf(path);
  EXPECT_TRUE(text.contains(QStringLiteral("肉じゃが"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("三ページ目"))) << text.toStdString();

  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text,
            QStringLiteral("プリンタが見つからないため、PDFファイルに保存しました。\n") + QDir::toNativeSeparators(path));
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("印刷"));
  EXPECT_EQ(dialogs.messages()[0].icon, MessageBox::Icon::Information);

  // A second print keeps the first file and takes the next name.
  ASSERT_TRUE(PrintDocument(PageDocument(QStringLiteral("レシピ")), DataFolder(dir.path()), dialogs));
  EXPECT_EQ(PdfPageCount(dir.filePath(QStringLiteral("レシピ002.pdf"))), 1);
  EXPECT_EQ(PdfPageCount(path), 3);
}

TEST_F(PagePrinterTest, APdfThatCannotBeWrittenIsReportedAndLeavesNoFile) {
  // A data folder that has gone (a file now stands where it was) cannot take the PDF.
  const QString folder = dir.filePath(QStringLiteral("消えたフォルダ"));
  ASSERT_TRUE(QDir().mkpath(folder));
  const DataFolder data(folder);
  ASSERT_TRUE(QDir(folder).removeRecursively());
  QFile standIn(folder);
  ASSERT_TRUE(standIn.open(QIODevice::WriteOnly));
  standIn.close();

  EXPECT_FALSE(PrintDocument(ThreePages(), data, dialogs));
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("プリンタが見つからず、PDFファイルも保存できませんでした。\n") +
                                            QDir::toNativeSeparators(folder + QStringLiteral("/レシピ001.pdf")));
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("印刷"));
  EXPECT_EQ(dialogs.messages()[0].icon, MessageBox::Icon::Critical);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("消えたフォルダ")});
}

TEST_F(PagePrinterTest, APrinterThatFailsIsReported) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath(QStringLiteral("無い/フォルダ.pdf")));
  EXPECT_FALSE(PrintOnPrinter(ThreePages(), printer, dialogs));
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_TRUE(dialogs.messages()[0].text.startsWith(QStringLiteral("プリンタ「"))) << dialogs.messages()[0].text.toStdString();
  EXPECT_EQ(dialogs.messages()[0].icon, MessageBox::Icon::Critical);
}

TEST_F(PagePrinterTest, APrinterGetsEveryPageWithNoMessage) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString path = dir.filePath(QStringLiteral("printer.pdf"));
  printer.setOutputFileName(path);
  EXPECT_TRUE(PrintOnPrinter(ThreePages(), printer, dialogs));
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(PdfPageCount(path), 3);
}

TEST_F(PagePrinterTest, AWindowImageIsOnePageOfItsGrabbedPicture) {
  QLabel window(QStringLiteral("種類分析"));
  window.setStyleSheet(QStringLiteral("background: #ff0000;"));
  window.resize(200, 100);
  window.show();
  const PageDocument document = GrabWindowDocument(window, QStringLiteral("種類分析"));
  ASSERT_EQ(document.pageCount(), 1);
  ASSERT_EQ(document.pages()[0].items.size(), 1u);
  const auto& picture = std::get<PlacedPicture>(document.pages()[0].items[0]);
  EXPECT_EQ(picture.rect, (TwipsRect{0, 0, 3000, 1500}));
  QImage image;
  ASSERT_TRUE(image.loadFromData(picture.imageData));
  EXPECT_EQ(image.size(), QSize(200, 100));
  EXPECT_EQ(image.pixelColor(5, 5), QColor(255, 0, 0));

  ASSERT_TRUE(PrintDocument(document, DataFolder(dir.path()), dialogs));
  const QString path = dir.filePath(QStringLiteral("種類分析001.pdf"));
  EXPECT_EQ(PdfPageCount(path), 1);
  EXPECT_TRUE(PopplerOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}).contains(QStringLiteral("200   100")));
}

TEST_F(PagePrinterTest, ProgressIsToldBeforeEachPageAndCanStopTheJobSilently) {
  std::vector<std::pair<int, int>> told;
  ASSERT_TRUE(PrintDocument(ThreePages(), DataFolder(dir.path()), dialogs, [&](int done, int count) {
    told.emplace_back(done, count);
    return true;
  }));
  EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}}));
  EXPECT_EQ(PdfPageCount(dir.filePath(QStringLiteral("レシピ001.pdf"))), 3);

  dialogs.clear();
  EXPECT_FALSE(PrintDocument(ThreePages(), DataFolder(dir.path()), dialogs, [](int done, int) { return done < 2; }));
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("レシピ002.pdf"))));

  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath(QStringLiteral("printer.pdf")));
  EXPECT_FALSE(PrintOnPrinter(ThreePages(), printer, dialogs, [](int, int) { return false; }));
  EXPECT_TRUE(dialogs.calls.empty());
}
