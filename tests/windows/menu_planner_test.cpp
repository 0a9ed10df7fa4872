// SPDX-License-Identifier: GPL-3.0-or-later
// The three-day menu planner as a user drives it, checked in what it shows and in "MENU.TXT".
#include <QAbstractItemView>
#include <QGroupBox>
#include <QPrinterInfo>

#include "menu/windows/frm_menu.h"
#include "support/accessible_names.h"
#include "support/main_window_fixture.h"
#include "support/pdf_tools.h"
#include "support/typing.h"

namespace {

const QString kMenuFile = QStringLiteral("MENU.TXT");

QString indexed(const char* name, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index); }

// Picks a row of a combo box's list as a user does: open the list, click the row.
void chooseFromList(QComboBox* combo, int row) {
  combo->showPopup();
  QAbstractItemView* view = combo->view();
  const QModelIndex index = view->model()->index(row, combo->modelColumn());
  view->scrollTo(index);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

// A one-colour picture. Qt writes no GIF, so a ".gif" holds PNG data: pictures are read by content.
void writePicture(const TempBook& book, const QString& name, QColor colour) {
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(colour);
  const char* format = name.endsWith(QLatin1String(".gif")) ? "PNG" : nullptr;
  ASSERT_TRUE(image.save(book.path(name), format));
}

}  // namespace

class MenuPlannerTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    writeRecipes({simpleRecipe(QStringLiteral("肉じゃが")), simpleRecipe(QStringLiteral("鮭の塩焼き")),
                  simpleRecipe(QStringLiteral("ざるそば"))});
  }

  frmMenu& openMenu() {
    open();
    menu = std::make_unique<frmMenu>(*module, dialogs, clock, [this](QWidget& w) { printed.push_back(&w); },
                                     window.get());
    menu->show();
    return *menu;
  }

  template <typename T = QWidget>
  T* menuControl(const QString& name) {
    return FindControl<T>(menu.get(), name);
  }
  QComboBox* dish(int slot) { return menuControl<QComboBox>(indexed("cboMenu", slot)); }
  QString dayCaption(int day) { return menuControl<QGroupBox>(indexed("fraHizuke", day))->title(); }
  const QPixmap picture(int slot) { return menuControl<QLabel>(indexed("imgMenu", slot))->pixmap(); }
  QColor pictureColour(int slot) {
    const QImage image = picture(slot).toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
  }
  void clickMenu(const QString& name) { QTest::mouseClick(menuControl<QPushButton>(name), Qt::LeftButton); }

  std::unique_ptr<frmMenu> menu;
  std::vector<QWidget*> printed;
};

TEST_F(MenuPlannerTest, OpensWithTheSavedPlanTheDishListAndTheNextSevenDays) {
  book.writeLines(kMenuFile, {"\"24年05月12日 日曜日\",\"肉じゃが\",\"レシピ選択\",\"もう無い料理\"",
                              "\"24年05月13日 月曜日\",\"\",\"ざるそば\",\"鮭の塩焼き\"",
                              "\"24年05月14日 火曜日\",\"a, b\",\"\",\"\""});
  writePicture(book, QStringLiteral("肉じゃが.jpg"), Qt::blue);
  writePicture(book, QStringLiteral("もう無い料理.gif"), Qt::green);
  openMenu();
  EXPECT_EQ(menu->windowTitle(), QStringLiteral("献立"));
  EXPECT_EQ(dayCaption(0), QStringLiteral("24年05月12日 日曜日"));
  EXPECT_EQ(dayCaption(2), QStringLiteral("24年05月14日 火曜日"));
  const QStringList expected = {QStringLiteral("肉じゃが"), QStringLiteral("レシピ選択"), QStringLiteral("もう無い料理"),
                                QString(), QStringLiteral("ざるそば"), QStringLiteral("鮭の塩焼き"),
                                QStringLiteral("a, b"), QString(), QString()};
  for (int slot = 0; slot < 9; ++slot) EXPECT_EQ(dish(slot)->currentText(), expected[slot]) << slot;
  EXPECT_FALSE(picture(0).isNull());
  EXPECT_FALSE(picture(2).isNull());  // a dish no longer in the book still shows its picture file
  EXPECT_TRUE(picture(1).isNull());
  EXPECT_TRUE(picture(4).isNull());

  // The nine lists are one list of the book's dishes in recipe order.
  for (int slot = 0; slot < 9; ++slot) EXPECT_EQ(dish(slot)->model(), dish(0)->model());
  ASSERT_EQ(dish(0)->count(), 3);
  EXPECT_EQ(dish(0)->itemText(0), QStringLiteral("肉じゃが"));
  EXPECT_EQ(dish(0)->itemText(2), QStringLiteral("ざるそば"));

  auto* dates = menuControl<QComboBox>("cboHizuke");
  EXPECT_EQ(dates->currentText(), QStringLiteral("日付決め"));
  ASSERT_EQ(dates->count(), 7);
  EXPECT_EQ(dates->itemText(0), QStringLiteral("2024/05/12"));
  EXPECT_EQ(dates->itemText(6), QStringLiteral("2024/05/18"));
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_FALSE(menu->MenuEdited());
}

TEST_F(MenuPlannerTest, WithoutAMenuFileTheBlankPlanOpensAndSavingWritesTheFile) {
  openMenu();
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(dayCaption(1), QStringLiteral("日付２"));
  EXPECT_EQ(dish(8)->currentText(), QStringLiteral("レシピ選択"));
  chooseFromList(dish(3), 1);
  EXPECT_EQ(dish(3)->currentText(), QStringLiteral("鮭の塩焼き"));
  dish(5)->clearEditText();
  clickMenu("cmdHozon");
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(book.lines(kMenuFile),
            (QStringList{"\"日付１\",\"レシピ選択\",\"レシピ選択\",\"レシピ選択\"",
                         "\"日付２\",\"鮭の塩焼き\",\"レシピ選択\",\"\"",
                         "\"日付３\",\"レシピ選択\",\"レシピ選択\",\"レシピ選択\""}));
  EXPECT_TRUE(book.bytes(kMenuFile).endsWith("\"\r\n"));
}

TEST_F(MenuPlannerTest, ChoosingASaturdayCaptionsThreeDaysAndBackThenAsks) {
  clock.set(QDate(2024, 3, 5));  // a Tuesday; the list's fifth day is Saturday 9 March
  openMenu();
  auto* dates = menuControl<QComboBox>("cboHizuke");
  chooseFromList(dates, 4);
  EXPECT_EQ(dayCaption(0), QStringLiteral("24年03月09日 土曜日"));
  EXPECT_EQ(dayCaption(1), QStringLiteral("24年03月10日 日曜日"));
  EXPECT_EQ(dayCaption(2), QStringLiteral("24年03月11日 月曜日"));
  EXPECT_TRUE(menu->MenuEdited());

  dialogs.answerCancel();
  clickMenu("cmdModori");
  ASSERT_EQ(dialogs.messages().size(), 1u);
  const MessageBox asked = dialogs.messages()[0];
  EXPECT_EQ(asked.text, QStringLiteral("編集した内容をまだ保存していません。\n\nこのまま戻っていいですか？"));
  EXPECT_EQ(asked.title, QStringLiteral("ZESTRA"));
  EXPECT_EQ(asked.buttons, MessageBox::Buttons::OkCancel);
  EXPECT_EQ(asked.icon, MessageBox::Icon::Question);
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(dayCaption(0), QStringLiteral("24年03月09日 土曜日"));

  clickMenu("cmdModori");  // OK this time
  EXPECT_EQ(dialogs.messages().size(), 2u);
  EXPECT_FALSE(menu->isVisible());
  EXPECT_FALSE(book.exists(kMenuFile));
}

TEST_F(MenuPlannerTest, AChosenDishShowsItsLastPictureFile) {
  writePicture(book, QStringLiteral("鮭の塩焼き.jpg"), Qt::blue);
  writePicture(book, QStringLiteral("鮭の塩焼き.bmp"), Qt::red);
  writePicture(book, QStringLiteral("肉じゃが.gif"), Qt::green);
  openMenu();
  chooseFromList(dish(7), 1);
  EXPECT_EQ(pictureColour(7), QColor(Qt::red));
  chooseFromList(dish(7), 2);  // ざるそば has no picture: the slot is emptied
  EXPECT_TRUE(picture(7).isNull());
  chooseFromList(dish(7), 0);
  EXPECT_EQ(pictureColour(7), QColor(Qt::green));
  EXPECT_TRUE(menu->MenuEdited());
}

TEST_F(MenuPlannerTest, TypedDishesAreEditsAndSavingEndsTheQuestion) {
  openMenu();
  QTest::keyClicks(dish(4), QStringLiteral("x"));
  EXPECT_TRUE(menu->MenuEdited());
  clickMenu("cmdHozon");
  EXPECT_EQ(book.lines(kMenuFile)[1], QStringLiteral("\"日付２\",\"レシピ選択\",\"レシピ選択x\",\"レシピ選択\""));
  clickMenu("cmdModori");
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_FALSE(menu->isVisible());
}

// Leaving a box keeps what was typed there: no completion from the list, no folding to a listed
// name's letter case; and a listed date typed into the date box captions nothing (a pick does).
TEST_F(MenuPlannerTest, LeavingABoxKeepsWhatWasTypedRatherThanAListedName) {
  writeRecipes({simpleRecipe(QStringLiteral("Curry Rice")), simpleRecipe(QStringLiteral("Curry Udon"))});
  openMenu();
  menu->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(menu.get()));
  const auto typeAndLeave = [](QComboBox* box, const QString& text, QWidget* next) {
    box->setFocus();
    box->clearEditText();
    typeText(box, text);
    next->setFocus();  // the box loses the focus, as a Tab or a click elsewhere does
  };
  typeAndLeave(dish(0), QStringLiteral("Curry"), dish(1));
  typeAndLeave(dish(1), QStringLiteral("curry udon"), dish(2));
  EXPECT_EQ(dish(0)->currentText(), QStringLiteral("Curry"));
  EXPECT_EQ(dish(1)->currentText(), QStringLiteral("curry udon"));
  EXPECT_EQ(dish(1)->currentIndex(), -1);

  auto* dates = menuControl<QComboBox>("cboHizuke");
  typeAndLeave(dates, dates->itemText(1), dish(0));
  EXPECT_EQ(dayCaption(0), QStringLiteral("日付１"));

  clickMenu("cmdHozon");
  EXPECT_EQ(book.lines(kMenuFile)[0], QStringLiteral("\"日付１\",\"Curry\",\"curry udon\",\"レシピ選択\""));
}

TEST_F(MenuPlannerTest, AScreenReaderTellsTheNineDishBoxesApart) {
  openMenu();
  const char* meals[] = {"朝", "昼", "夕"};
  for (int slot = 0; slot < 9; ++slot) {
    const QString which = QStringLiteral("%1日目の%2").arg(slot / 3 + 1).arg(QString::fromUtf8(meals[slot % 3]));
    const QString captions = accessible_names_detail::readCaptions(dish(slot));
    EXPECT_TRUE(captions.contains(which)) << slot << " reads " << captions.toStdString();
  }
  EXPECT_EQ(accessible_names_detail::readCaptions(menuControl("cboHizuke")), QStringLiteral("先頭の日付"));
  const QStringList faults = ShownTextsMissingFromNames(menu.get());
  EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
}

TEST_F(MenuPlannerTest, MealButtonsMarkTheSlotAndTheCloseBoxNeverAsks) {
  openMenu();
  clickMenu(indexed("cmdSet", 5));
  EXPECT_TRUE(menu->MenuEdited());
  EXPECT_TRUE(dish(5)->hasFocus() || !menu->isActiveWindow());
  menu->close();
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_FALSE(menu->isVisible());
}

TEST_F(MenuPlannerTest, DishNamesTheFileCannotHoldAreRefusedWithAMessage) {
  book.writeLines(kMenuFile, {"\"日付\",\"a\",\"b\",\"c\"", "\"\",\"\",\"\",\"\"", "\"\",\"\",\"\",\"\""});
  const QByteArray before = book.bytes(kMenuFile);
  openMenu();
  dish(2)->setEditText(QStringLiteral("\"特製\"カレー"));
  clickMenu("cmdHozon");
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text,
            QStringLiteral("1日目の夕「\"特製\"カレー」に「\"」が入っています。献立には「\"」を使えません。"));
  EXPECT_EQ(dialogs.messages()[0].icon, MessageBox::Icon::Critical);
  dish(2)->setEditText(QStringLiteral("カレー😀"));
  clickMenu("cmdHozon");
  ASSERT_EQ(dialogs.messages().size(), 2u);
  EXPECT_TRUE(dialogs.messages()[1].text.contains(QStringLiteral("U+1F600")));
  EXPECT_EQ(book.bytes(kMenuFile), before);

  dish(2)->setEditText(QStringLiteral("カレー〜甘口"));  // the wave dash as typed here, stored in the file's form
  clickMenu("cmdHozon");
  EXPECT_EQ(book.lines(kMenuFile)[0], QStringLiteral("\"日付\",\"a\",\"b\",\"カレー～甘口\""));
}

TEST_F(MenuPlannerTest, AMenuFileThatCannotBeReadIsReportedAndTheBlankPlanShown) {
  book.writeBytes(kMenuFile, QByteArray("\"\x82\"\r\n"));
  openMenu();
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_TRUE(dialogs.messages()[0].text.contains(QStringLiteral("Shift-JIS")));
  EXPECT_EQ(dayCaption(0), QStringLiteral("日付１"));
}

TEST_F(MenuPlannerTest, PrintHandsTheWindowOver) {
  openMenu();
  clickMenu("cmdPrint");
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_EQ(printed[0], menu.get());
}

TEST_F(MenuPlannerTest, TheMainWindowOpensThePlannerWhosePrintIsOnePageOfItsImage) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a default printer";
  open();
  click("cmdMenu");
  auto* planner = window->findChild<QWidget*>(QStringLiteral("frmMenu"));
  ASSERT_NE(planner, nullptr);
  EXPECT_TRUE(planner->isVisible());
  EXPECT_TRUE(planner->isWindow());
  QTest::mouseClick(planner->findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
  const QString pdf = book.path(QStringLiteral("献立001.pdf"));
  ASSERT_TRUE(book.exists(QStringLiteral("献立001.pdf")));
  EXPECT_EQ(PdfPageCount(pdf), 1);
  EXPECT_EQ(PdfImageCount(pdf), 1);
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_TRUE(dialogs.messages()[0].text.startsWith(QStringLiteral("プリンタが見つからないため")));
}
