// SPDX-License-Identifier: GPL-3.0-or-later
// The print window as a user drives it: the recipe on screen and the picture catalogue printed
// into real PDFs (this machine has no printer), the range checks and the binding margin.
#include <QAccessible>
#include <QDir>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QRadioButton>
#include <QTimer>

#include "platform/windows/app_look.h"
#include "platform/windows/page_printer.h"
#include "support/accessible_names.h"
#include "support/main_window_fixture.h"
#include "support/pdf_tools.h"

namespace {

const QString kRecipePdf = QStringLiteral("レシピ印刷001.pdf");
const QString kCataloguePdf = QStringLiteral("メニュー印刷001.pdf");

QStringList recipesNamed(const QString& stem, int count, std::vector<QStringList>& records) {
  QStringList names;
  for (int i = 1; i <= count; ++i) {
    names.append(stem + QString::number(i));
    records.push_back(simpleRecipe(names.back()));
  }
  return names;
}

void writePicture(const TempBook& book, const QString& name, QColor colour, QSize size = QSize(80, 60)) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  ASSERT_TRUE(image.save(book.path(name)));
}

}  // namespace

class PrintWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a default printer";
    MainWindowTest::SetUp();
  }

  void writeBook(int count) {
    std::vector<QStringList> records;
    recipesNamed(QStringLiteral("料理"), count, records);
    writeRecipes(records);
  }

  QWidget* openPrint() { return printWindow = openThrough("cmdPrint", "frmPrint"); }

  template <typename T = QWidget>
  T* printControl(const QString& name) {
    return FindControl<T>(printWindow, name);
  }
  void clickPrint(const QString& name) { Press(printWindow, name); }
  QString boxText(const QString& name) { return printControl<QLineEdit>(name)->text(); }
  void typeRange(const QString& first, const QString& last) {
    clickPrint("optHani");
    for (auto [name, text] : {std::pair{"txtSt", first}, std::pair{"txtEd", last}}) {
      printControl<QLineEdit>(name)->clear();
      QTest::keyClicks(printControl<QLineEdit>(name), text);
    }
  }
  int beeps() const {
    return int(std::count_if(dialogs.calls.begin(), dialogs.calls.end(),
                             [](const auto& c) { return c.kind == ScriptedDialogs::Call::Kind::Beep; }));
  }

  QWidget* printWindow = nullptr;
};

TEST_F(PrintWindowTest, OpensAtTheMainWindowsCornerWithTheWholeBookAndTheStoredMargin) {
  writeBook(4);
  openPrint();
  EXPECT_EQ(printWindow->windowTitle(), QStringLiteral("レシピ＆メニュー印刷"));
  EXPECT_EQ(printWindow->pos(), window->pos());
  EXPECT_TRUE(printControl<QRadioButton>("optText")->isChecked());
  EXPECT_TRUE(printControl<QRadioButton>("optAll")->isChecked());
  EXPECT_EQ(boxText("txtSt"), QStringLiteral("1"));
  EXPECT_EQ(boxText("txtEd"), QStringLiteral("4"));
  EXPECT_FALSE(printControl<QLineEdit>("txtSt")->isEnabled());
  EXPECT_FALSE(printControl<QLineEdit>("txtEd")->isEnabled());
  EXPECT_EQ(printControl<QScrollBar>("hsbMjn")->value(), 10);
  EXPECT_EQ(printControl<QLabel>("lblMjn")->text(), QStringLiteral("10"));

  clickPrint("optHani");
  EXPECT_TRUE(printControl<QLineEdit>("txtSt")->isEnabled());
  EXPECT_EQ(printWindow->focusWidget(), printControl<QWidget>("txtSt"));
  clickPrint("cmdModori");
  EXPECT_FALSE(printWindow->isVisible());
}

TEST_F(PrintWindowTest, TheMarginMovesTheTextAtOnceAndItsButtonKeepsItForTheNextStart) {
  writeRecipes({simpleRecipe(QStringLiteral("肉じゃが"))});
  openPrint();
  auto* margin = printControl<QScrollBar>("hsbMjn");
  margin->setValue(0);
  clickPrint("cmdPrintForm");
  const double atZero = PdfWordLeft(book.path(kRecipePdf), QStringLiteral("【材料】"));
  QTest::keyClick(margin, Qt::Key_End);  // 15 mm, not stored
  EXPECT_EQ(printControl<QLabel>("lblMjn")->text(), QStringLiteral("15"));
  clickPrint("cmdPrintForm");
  const double atFifteen = PdfWordLeft(book.path(QStringLiteral("レシピ印刷002.pdf")), QStringLiteral("【材料】"));
  ASSERT_GT(atZero, 0);
  EXPECT_NEAR(atZero, (kA4Twips.width - DefaultPrintableArea().width) / 40.0, 0.5);  // the printable area's edge
  EXPECT_NEAR(atFifteen - atZero, 850 / 20.0, 0.5);
  EXPECT_EQ(book.lines(QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ.txt"))[3], QStringLiteral(" 10 "));

  QTest::mouseClick(margin, Qt::LeftButton, {}, QPoint(4, margin->height() / 2));  // its left arrow
  EXPECT_EQ(printControl<QLabel>("lblMjn")->text(), QStringLiteral("14"));
  clickPrint("cmdHozon");
  EXPECT_EQ(book.lines(QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ.txt")),
            (QStringList{QStringLiteral("花子"), QStringLiteral(" 100 "), QStringLiteral("写真表示"), QStringLiteral(" 14 ")}));
  EXPECT_EQ(dialogs.messages().size(), 2u);  // the two PDF notices, nothing for the save

  window.reset();
  openPrint();
  EXPECT_EQ(printControl<QScrollBar>("hsbMjn")->value(), 14);
}

TEST_F(PrintWindowTest, TheRecipePrintsAsShownWithItsPictureAndUnsavedEdits) {
  writeRecipes({recordLines({QStringLiteral("肉じゃが"), QStringLiteral("和食"), QStringLiteral("主菜"),
                             QStringLiteral("煮る"), QStringLiteral("350"), QStringLiteral("2.5"), QStringLiteral("30"),
                             QStringLiteral("未"), QStringLiteral("未"), QStringLiteral("0"), QString()},
                            QStringLiteral("じゃがいも\n牛肉"), QStringLiteral("切る"), QStringLiteral("甘め"))});
  writePicture(book, QStringLiteral("肉じゃが.jpg"), Qt::red, QSize(1200, 900));
  open();
  auto* steps = control<QPlainTextEdit>("txtTukuri");
  steps->moveCursor(QTextCursor::End);
  steps->insertPlainText(QStringLiteral("て弱火で煮込む"));  // typed, not stored
  openPrint();
  clickPrint("cmdPrintForm");

  const QString pdf = book.path(kRecipePdf);
  ASSERT_EQ(PdfPageCount(pdf), 1);
  const QString text = PdfTextOf(pdf);
  // (ideographic blanks split the labels into words, so the values are looked for on their own)
  for (const char* line : {"【料理名", "肉じゃが", "【ジャンル】和食", "【一人分㌍】350Kcal", "2.5g", "【調理時間】30分",
                           "【調理方法】煮る", "【材料】", "じゃがいも", "牛肉", "切るて弱火で煮込む", "【作り方】", "【メモ】", "甘め",
                           "----------------------------------------"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << "\n" << text.toStdString();
  // The picture comes from its file (1200 x 900), not from the smaller one on screen.
  ASSERT_EQ(PdfImageWidths(pdf).size(), 1);
  EXPECT_GT(PdfImageWidths(pdf)[0], 800);
  // The fixed-width lines in the fixed-width face, the steps and memo in the proportional one.
  const QString fonts = PopplerOutput(QStringLiteral("pdffonts"), {pdf});
  EXPECT_TRUE(fonts.contains(QStringLiteral("NotoSansMonoCJKjp"))) << fonts.toStdString();
  EXPECT_TRUE(fonts.contains(QStringLiteral("NotoSansCJKjp"))) << fonts.toStdString();
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_TRUE(dialogs.messages()[0].text.endsWith(QDir::toNativeSeparators(pdf)));

  QTest::mouseClick(control<QRadioButton>("optMain"), Qt::LeftButton);  // pictures off
  clickPrint("cmdPrintForm");
  EXPECT_EQ(PdfImageCount(book.path(QStringLiteral("レシピ印刷002.pdf"))), 0);
}

TEST_F(PrintWindowTest, LongStepsContinueOnASecondPage) {
  QStringList steps;
  for (int i = 1; i <= 70; ++i) steps.append(QStringLiteral("手順%1").arg(i));
  writeRecipes({recordLines({QStringLiteral("おでん")}, {}, steps.join(u'\n'))});
  openPrint();
  clickPrint("cmdPrintForm");
  const QString pdf = book.path(kRecipePdf);
  ASSERT_EQ(PdfPageCount(pdf), 2);
  EXPECT_TRUE(PdfTextOf(pdf, 2).contains(QStringLiteral("手順70")));
  EXPECT_FALSE(PdfTextOf(pdf, 1).contains(QStringLiteral("手順70")));
}

TEST_F(PrintWindowTest, AStepTypedAsOneParagraphWrapsInsideThePrintableArea) {
  const QString paragraph = QString(120, u'煮') + QStringLiteral("おわり");
  writeRecipes({recordLines({QStringLiteral("おでん")}, {}, paragraph)});
  openPrint();
  QTest::keyClick(printControl<QScrollBar>("hsbMjn"), Qt::Key_End);  // the widest margin, 15 mm
  clickPrint("cmdPrintForm");
  const QString pdf = book.path(kRecipePdf);
  ASSERT_EQ(PdfPageCount(pdf), 1);
  const double a4Width = 595.3, sideMargin = (kA4Twips.width - DefaultPrintableArea().width) / 40.0;
  const double right = PdfRightmostWordEdge(pdf);
  EXPECT_GT(right, a4Width / 2);
  EXPECT_LE(right, a4Width - sideMargin + 1);
  QString text = PdfTextOf(pdf);
  text.remove(u'\n');
  EXPECT_TRUE(text.contains(paragraph)) << text.toStdString();
}

TEST_F(PrintWindowTest, TheImageChoicePrintsTheMainWindowOnOnePage) {
  writeRecipes({simpleRecipe(QStringLiteral("肉じゃが"))});
  openPrint();
  clickPrint("optForm");
  clickPrint("cmdPrintForm");
  const QString pdf = book.path(QStringLiteral("レシピ画面印刷001.pdf"));
  EXPECT_EQ(PdfPageCount(pdf), 1);
  EXPECT_EQ(PdfImageCount(pdf), 1);
  EXPECT_FALSE(book.exists(kRecipePdf));
}

TEST_F(PrintWindowTest, TheWholeCatalogueOfSixteenRecipesTakesTwoPages) {
  writeBook(16);
  book.writeBytes(QStringLiteral("NOPIC.JPG"), {});
  writePicture(book, QStringLiteral("NOPIC.JPG"), Qt::gray);
  writePicture(book, QStringLiteral("料理16.bmp"), Qt::green);
  open();
  const QImage shownBefore = control<QLabel>("imgGazou")->pixmap().toImage();
  openPrint();
  clickPrint("cmdPrintZestra");
  const QString pdf = book.path(kCataloguePdf);
  ASSERT_EQ(PdfPageCount(pdf), 2);
  EXPECT_TRUE(PdfTextOf(pdf, 1).contains(QStringLiteral("15 : 料理15")));
  EXPECT_EQ(PdfTextOf(pdf, 2).trimmed(), QStringLiteral("16 : 料理16"));
  EXPECT_EQ(PdfImageCount(pdf), 16);
  EXPECT_EQ(PdfImageObjectCount(pdf), 2);  // the stand-in picture of fifteen cells is held once
  EXPECT_EQ(control<QLabel>("imgGazou")->pixmap().toImage(), shownBefore);
  EXPECT_EQ(beeps(), 0);
}

TEST_F(PrintWindowTest, ARangeOfOnePrintsOneCell) {
  writeBook(9);
  openPrint();
  typeRange(QStringLiteral("5"), QStringLiteral("5"));
  clickPrint("cmdPrintZestra");
  const QString pdf = book.path(kCataloguePdf);
  ASSERT_EQ(PdfPageCount(pdf), 1);
  EXPECT_EQ(PdfTextOf(pdf).trimmed(), QStringLiteral("5 : 料理5"));
}

TEST_F(PrintWindowTest, ABadRangeEmptiesItsBoxesBeepsAndPrintsNothing) {
  writeBook(9);
  openPrint();
  typeRange(QStringLiteral("7"), QStringLiteral("3"));
  clickPrint("cmdPrintZestra");
  EXPECT_EQ(boxText("txtSt"), QString());
  EXPECT_EQ(boxText("txtEd"), QString());
  EXPECT_EQ(beeps(), 1);
  EXPECT_TRUE(dialogs.messages().empty());
  EXPECT_EQ(printWindow->focusWidget(), printControl<QWidget>("txtSt"));

  typeRange(QStringLiteral("0"), QStringLiteral("9"));
  clickPrint("cmdPrintZestra");
  EXPECT_EQ(boxText("txtSt"), QString());
  EXPECT_EQ(boxText("txtEd"), QStringLiteral("9"));
  EXPECT_EQ(beeps(), 2);
  EXPECT_EQ(printWindow->focusWidget(), printControl<QWidget>("txtSt"));

  typeRange(QStringLiteral("2"), QStringLiteral("10"));
  clickPrint("cmdPrintZestra");
  EXPECT_EQ(boxText("txtSt"), QString());  // an emptied last counts as 0, below the first
  EXPECT_EQ(boxText("txtEd"), QString());
  EXPECT_TRUE(printControl<QLineEdit>("txtSt")->isEnabled());
  EXPECT_EQ(beeps(), 3);
  EXPECT_TRUE(dialogs.messages().empty());  // a beep and the focus say it; no message box
  EXPECT_TRUE(QDir(book.folder()).entryList({QStringLiteral("*.pdf")}).isEmpty());
}

TEST_F(PrintWindowTest, AnEmptyBookRefusesEveryRangeAsABadOne) {
  openPrint();
  clickPrint("cmdPrintZestra");  // the whole book: 1 to 0
  EXPECT_EQ(boxText("txtSt"), QString());
  EXPECT_EQ(boxText("txtEd"), QString());
  EXPECT_EQ(beeps(), 1);
  typeRange(QStringLiteral("1"), QStringLiteral("1"));
  clickPrint("cmdPrintZestra");
  EXPECT_EQ(boxText("txtSt"), QString());
  EXPECT_EQ(boxText("txtEd"), QString());
  EXPECT_EQ(beeps(), 2);
  EXPECT_EQ(printWindow->focusWidget(), printControl<QWidget>("txtSt"));
  EXPECT_TRUE(dialogs.messages().empty());
  EXPECT_FALSE(book.exists(kCataloguePdf));
}

TEST_F(PrintWindowTest, TheWholeBookFollowsRecipesAddedWhileTheWindowIsOpen) {
  writeBook(15);
  openPrint();
  auto addRecipe = [this](const QString& name) {
    click("cmdNew");
    control<QComboBox>("cboNamae")->setEditText(name);
    click("cmdTouroku");  // answered OK
  };
  addRecipe(QStringLiteral("追加した料理"));
  ASSERT_EQ(module->RecipeCount(), 16);
  clickPrint("cmdPrintZestra");
  EXPECT_EQ(boxText("txtEd"), QStringLiteral("16"));
  const QString pdf = book.path(kCataloguePdf);
  ASSERT_EQ(PdfPageCount(pdf), 2);
  EXPECT_TRUE(PdfTextOf(pdf, 2).contains(QStringLiteral("16 : 追加した料理")));

  printWindow->hide();
  addRecipe(QStringLiteral("もう一品"));
  click("cmdPrint");  // shown again
  EXPECT_EQ(boxText("txtEd"), QStringLiteral("17"));
}

// At the widest binding margin every mark lands inside the printable area: the recipe with its
// picture and a line as wide as the paper, the main window's image, a full catalogue page with
// a dish name too long for its cell.
TEST_F(PrintWindowTest, EveryPrintStaysInsideThePrintableArea) {
  std::vector<QStringList> records = {
      recordLines({QStringLiteral("料理1")}, {}, QString(120, u'煮'))};
  recipesNamed(QStringLiteral("品"), 13, records);
  records.push_back(simpleRecipe(QString(40, u'鍋')));
  writeRecipes(records);
  writePicture(book, QStringLiteral("NOPIC.JPG"), Qt::gray);
  writePicture(book, QStringLiteral("料理1.jpg"), Qt::red, QSize(1200, 900));
  openPrint();
  QTest::keyClick(printControl<QScrollBar>("hsbMjn"), Qt::Key_End);  // 15 mm

  const TwipsSize area = DefaultPrintableArea();  // in points below: 20 twips to the point
  const QRectF printable((kA4Twips.width - area.width) / 40.0, (kA4Twips.height - area.height) / 40.0,
                         area.width / 20.0, area.height / 20.0);
  struct Print {
    const char* option;
    const char* button;
    QString pdf;
  };
  for (const Print& print : {Print{"optText", "cmdPrintForm", kRecipePdf},
                             Print{"optForm", "cmdPrintForm", QStringLiteral("レシピ画面印刷001.pdf")},
                             Print{"optAll", "cmdPrintZestra", kCataloguePdf}}) {
    clickPrint(print.option);
    clickPrint(print.button);
    const QRect ink = PdfInkBounds(book.path(print.pdf));
    ASSERT_FALSE(ink.isEmpty()) << print.option;
    constexpr double kDot = 2;  // the 72-dpi drawing blurs an edge by up to two dots
    EXPECT_GE(ink.left(), printable.left() - kDot) << print.option;
    EXPECT_GE(ink.top(), printable.top() - kDot) << print.option;
    EXPECT_LE(ink.right() + 1, printable.right() + kDot) << print.option;
    EXPECT_LE(ink.bottom() + 1, printable.bottom() + kDot) << print.option;
  }
  EXPECT_TRUE(PdfTextOf(book.path(kCataloguePdf)).contains(QStringLiteral("15 : 鍋鍋"))) ;
}

TEST(JapaneseFaces, TheFixedWidthGothicGetsAFixedWidthFaceAndTheProportionalOneAProportionalFace) {
  InstallJapaneseFaces();
  const QFont gothic(QStringLiteral("ＭＳ ゴシック"), 12), pGothic(QStringLiteral("ＭＳ Ｐゴシック"), 12);
  EXPECT_EQ(QFontInfo(gothic).family(), QStringLiteral("Noto Sans Mono CJK JP"));
  EXPECT_EQ(QFontInfo(pGothic).family(), QStringLiteral("Noto Sans CJK JP"));
  const QFontMetricsF fixed(gothic), proportional(pGothic);
  EXPECT_EQ(fixed.horizontalAdvance(u'i'), fixed.horizontalAdvance(u'W'));
  EXPECT_DOUBLE_EQ(fixed.horizontalAdvance(u'あ'), 2 * fixed.horizontalAdvance(u'i'));
  EXPECT_LT(proportional.horizontalAdvance(u'i'), proportional.horizontalAdvance(u'W'));
}

TEST_F(PrintWindowTest, ALongJobShowsItsProgressAndCanBeStopped) {
  writeBook(240);  // sixteen pages
  openPrint();
  bool sawProgress = false;
  QTimer::singleShot(0, printWindow, [&] {
    auto* progress = printWindow->findChild<QProgressDialog*>(QStringLiteral("printProgress"));
    ASSERT_NE(progress, nullptr);
    sawProgress = progress->isVisible();
    EXPECT_EQ(progress->maximum(), 16);
    QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
  });
  clickPrint("cmdPrintZestra");
  EXPECT_TRUE(sawProgress);
  EXPECT_FALSE(book.exists(kCataloguePdf));
  EXPECT_TRUE(dialogs.messages().empty());

  clickPrint("cmdPrintZestra");  // left to run, it writes every page
  EXPECT_EQ(PdfPageCount(book.path(kCataloguePdf)), 16);
}

TEST_F(PrintWindowTest, AScreenReaderReadsWhatThePlannerAndThePrintWindowShow) {
  openPrint();
  click("cmdMenu");
  for (const char* windowName : {"frmPrint", "frmMenu"}) {
    auto* shown = window->findChild<QWidget*>(QString::fromLatin1(windowName));
    ASSERT_NE(shown, nullptr) << windowName;
    ASSERT_TRUE(shown->isVisible()) << windowName;
    const QStringList faults = ShownTextsMissingFromNames(shown);
    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(printControl<QScrollBar>("hsbMjn"))->text(QAccessible::Name),
            QStringLiteral("綴じ代（左マージン）"));
}
