// SPDX-License-Identifier: GPL-3.0-or-later
// The refrigerator window, driven as a user would from the main window's cmdReizou: entering
// purchases, the day count, the ingredient list, sorting, dragged range deletion, deleting
// everything, and opening the recipes that use an ingredient. Files are checked byte for byte.
#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTableView>
#include <functional>

#include "support/accessible_names.h"
#include "support/main_window_fixture.h"
#include "support/soon.h"
#include "support/typing.h"

namespace {

const QString kStock = QStringLiteral("冷蔵庫.TXT");
const QString kNames = QStringLiteral("材料.TXT");

class FridgeWindowTest : public MainWindowTest {
 protected:
  // Opens the main window and then the refrigerator through its button.
  QWidget* openFridge() { return fridgeWindow = openThrough("cmdReizou", "frmReizou"); }

  template <typename T = QWidget>
  T* fridge(const QString& name) {
    return FindControl<T>(fridgeWindow, name);
  }
  void press(const QString& buttonName) { Press(fridgeWindow, buttonName); }
  QTableView* grid() { return fridge<QTableView>(QStringLiteral("msgReizou")); }

  QString cell(int row, int column) { return grid()->model()->index(row - 1, column).data().toString(); }
  QColor colour(int row, int column) {
    return grid()->model()->index(row - 1, column).data(Qt::BackgroundRole).value<QColor>();
  }
  QStringList column(int c) {
    QStringList texts;
    for (int row = 1; row <= grid()->model()->rowCount(); ++row) texts.append(cell(row, c));
    return texts;
  }
  QPoint rowPoint(int row) { return grid()->visualRect(grid()->model()->index(row - 1, 1)).center(); }

  // A mouse press on one row, a drag to another and the release there.
  void dragRows(int from, int to) {
    QWidget* viewport = grid()->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, rowPoint(from));
    QTest::mouseMove(viewport, rowPoint(to));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, rowPoint(to));
  }
  // The one box asked so far: a deletion question with Cancel preselected.
  void expectOnlyQuestion(const QString& text) {
    ASSERT_EQ(dialogs.messages().size(), 1u);
    const MessageBox ask = dialogs.messages()[0];
    EXPECT_EQ(ask.text, text);
    EXPECT_EQ(ask.title, QStringLiteral("削除確認"));
    EXPECT_EQ(ask.icon, MessageBox::Icon::Exclamation);
    EXPECT_EQ(ask.buttons, MessageBox::Buttons::OkCancel);
    EXPECT_EQ(ask.defaultButton, MessageBox::Answer::Cancel);
  }

  // A click on an option's round mark.
  void choose(const QString& optionName) {
    auto* option = fridge<QRadioButton>(optionName);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(option->height() / 2, option->height() / 2));
    EXPECT_TRUE(option->isChecked()) << optionName.toStdString();
  }
  void clickRow(int row) { QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, rowPoint(row)); }

  // Replaces a box's text as a user does: select all, delete, then type.
  void type(const QString& comboName, const QString& text) {
    auto* combo = fridge<QComboBox>(comboName);
    QTest::keyClick(combo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(combo, Qt::Key_Backspace);
    if (!text.isEmpty()) typeText(combo, text);
    EXPECT_EQ(combo->currentText(), text);
  }

  // Five entries A..E bought on different days, none with a best-before date.
  void writeFiveEntries() {
    book.writeLines(kStock, {"\"C\",\"2024/05/03\",\"\"", "\"A\",\"2024/05/05\",\"\"", "\"E\",\"2024/05/01\",\"\"",
                             "\"B\",\"2024/05/04\",\"\"", "\"D\",\"2024/05/02\",\"\""});
  }

  QWidget* fridgeWindow = nullptr;
};

const QColor kLightRed(255, 192, 192);
const QColor kLightYellow(255, 255, 192);
const QColor kWhite(255, 255, 255);

TEST_F(FridgeWindowTest, OpensWithTheStockColouredByDaysLeftAndTheBoxesFilledForToday) {
  book.writeLines(kNames, {"牛乳", "卵,L", "牛乳"});
  book.writeLines(kStock, {"\"ヨーグルト\",\"2024/05/06\",\"2024/05/11\"", "\"豆腐\",\"2024/05/10\",\"2024/05/12\"",
                           "\"ハム\",\"2024/05/10\",\"2024/05/15\"", "\"卵\",\"2024/05/10\",\"2024/05/16\"",
                           "\"玉ねぎ\",\"2024/05/09\",\"\"", "\"味噌\",\"\",\"そのうち\""});
  openFridge();
  QAbstractItemModelTester tester(grid()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
  EXPECT_EQ(fridgeWindow->windowTitle(), QStringLiteral("バーチャル冷蔵庫"));
  EXPECT_TRUE(fridgeWindow->isVisible());
  EXPECT_TRUE(fridgeWindow->isWindow());
  const QStringList headers{"№", "材料", "購入日", "賞味期限", "残日数"};
  for (int c = 0; c < 5; ++c) EXPECT_EQ(grid()->model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
  EXPECT_EQ(column(0), (QStringList{"1", "2", "3", "4", "5", "6"}));
  EXPECT_EQ(column(4), (QStringList{"-1", "0", "3", "4", "1000", "不明"}));
  EXPECT_EQ(cell(6, 3), QStringLiteral("そのうち"));
  const QColor expected[] = {kLightRed, kLightYellow, kLightYellow, kWhite, kWhite, kWhite};
  for (int row = 1; row <= 6; ++row)
    for (int c = 1; c <= 4; ++c) EXPECT_EQ(colour(row, c), expected[row - 1]) << row << "," << c;
  EXPECT_NE(colour(1, 0), kLightRed) << "the number column is not coloured";

  auto* cboZai = fridge<QComboBox>("cboZai");
  EXPECT_EQ(cboZai->count(), 4);
  EXPECT_EQ(cboZai->itemText(1), QStringLiteral("卵"));
  EXPECT_EQ(cboZai->itemText(2), QStringLiteral("L"));
  EXPECT_EQ(cboZai->currentText(), QString());
  auto* cboKou = fridge<QComboBox>("cboKou");
  ASSERT_EQ(cboKou->count(), 8);
  EXPECT_EQ(cboKou->itemText(0), QString());
  EXPECT_EQ(cboKou->itemText(1), QStringLiteral("2024/05/06"));
  EXPECT_EQ(cboKou->currentText(), QStringLiteral("2024/05/12"));
  auto* cboSyomi = fridge<QComboBox>("cboSyomi");
  EXPECT_EQ(cboSyomi->count(), 90);
  EXPECT_EQ(cboSyomi->itemText(89), QStringLiteral("2024/08/09"));
  EXPECT_EQ(cboSyomi->currentText(), QString());
  EXPECT_EQ(fridge<QComboBox>("cboNisu")->count(), 90);
  EXPECT_EQ(fridge<QComboBox>("cboNisu")->currentText(), QString());
  EXPECT_EQ(fridge<QLabel>("lblSentaku")->text(), QString());
  EXPECT_FALSE(fridge<QPushButton>("cmdDel")->isEnabled());
  EXPECT_EQ(fridge<QGroupBox>("fraKensaku")->title(), QStringLiteral("検索"));
  EXPECT_TRUE(fridge<QRadioButton>("optHide")->isChecked());
  EXPECT_EQ(fridge<QLabel>("Label3(1)")->text(), QStringLiteral("賞味期限　３日前"));
  const auto readName = [&](const QString& name) {
    return QAccessible::queryAccessibleInterface(fridge(name))->text(QAccessible::Name);
  };
  EXPECT_EQ(readName("cboZai"), QStringLiteral("材料"));
  EXPECT_EQ(readName("cboSyomi"), QStringLiteral("賞味期限"));
  EXPECT_EQ(readName("cboNisu"), QStringLiteral("日数"));
  EXPECT_EQ(readName("cmdHozon"), QStringLiteral("保存"));
  EXPECT_EQ(readName("optShow"), QStringLiteral("残す"));
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_FALSE(book.exists(QStringLiteral("冷蔵庫.TXT.bak")));
  fridgeWindow->grab().save(QDir::temp().filePath(QStringLiteral("zestra_fridge.png")));
}

TEST_F(FridgeWindowTest, SavingAppendsTheEntryWithTheDayCountsDateAndKeepsTheBoxes) {
  openFridge();
  EXPECT_FALSE(book.exists(kStock)) << "a missing stock file is an empty stock";
  type("cboZai", QStringLiteral("牛乳"));
  auto* cboNisu = fridge<QComboBox>("cboNisu");
  for (int i = 0; i < 7; ++i) QTest::keyClick(cboNisu, Qt::Key_Down);
  EXPECT_EQ(cboNisu->currentText(), QStringLiteral("7"));
  EXPECT_EQ(fridge<QComboBox>("cboSyomi")->currentText(), QStringLiteral("2024/05/19"));
  press("cmdHozon");
  EXPECT_EQ(book.bytes(kStock), cp932Line("\"牛乳\",\"2024/05/12\",\"2024/05/19\""));
  EXPECT_EQ(column(0), QStringList{"1"});
  EXPECT_EQ(column(4), QStringList{"7"});

  type("cboKou", QString());
  type("cboSyomi", QStringLiteral("来週"));
  press("cmdHozon");
  EXPECT_EQ(book.bytes(kStock), cp932Line("\"牛乳\",\"2024/05/12\",\"2024/05/19\"") + cp932Line("\"牛乳\",\"\",\"来週\""));
  EXPECT_EQ(cell(2, 0), QStringLiteral("2"));
  EXPECT_EQ(cell(2, 4), QStringLiteral("不明"));
  EXPECT_EQ(colour(2, 1), kWhite);
  EXPECT_EQ(fridge<QComboBox>("cboZai")->currentText(), QStringLiteral("牛乳"));
  EXPECT_TRUE(dialogs.calls.empty());
}

// The boxes keep what was typed when the user leaves them: a prefix of a listed name is not
// completed, and a typed day count does not count as one chosen from the list.
TEST_F(FridgeWindowTest, LeavingABoxKeepsWhatWasTyped) {
  book.writeLines(kNames, {"Egg", "Eggplant"});
  openFridge();
  fridgeWindow->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(fridgeWindow));
  auto* cboZai = fridge<QComboBox>("cboZai");
  cboZai->setFocus();
  type("cboZai", QStringLiteral("Eg"));
  QTest::keyClick(cboZai, Qt::Key_Tab);
  EXPECT_EQ(cboZai->currentText(), QStringLiteral("Eg"));
  auto* cboNisu = fridge<QComboBox>("cboNisu");
  cboNisu->setFocus();
  type("cboNisu", QStringLiteral("7"));
  QTest::keyClick(cboNisu, Qt::Key_Tab);
  EXPECT_EQ(fridge<QComboBox>("cboSyomi")->currentText(), QString());
  press("cmdHozon");
  EXPECT_EQ(book.bytes(kStock), cp932Line("\"Eg\",\"2024/05/12\",\"\""));
}

TEST_F(FridgeWindowTest, EveryShownTextIsReadWithItsControl) {
  openFridge();
  const QStringList faults = ShownTextsMissingFromNames(fridgeWindow);
  EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
}

TEST_F(FridgeWindowTest, ASavedRowBelowTheVisibleOnesIsScrolledIntoView) {
  QStringList lines;
  for (int i = 1; i <= 60; ++i) lines.append(QStringLiteral("\"卵%1\",\"\",\"\"").arg(i));
  book.writeLines(kStock, lines);
  openFridge();
  EXPECT_EQ(grid()->rowAt(0), 0);
  type("cboZai", QStringLiteral("牛乳"));
  press("cmdHozon");
  const QRect added = grid()->visualRect(grid()->model()->index(60, 1));
  EXPECT_TRUE(grid()->viewport()->rect().contains(added));
  EXPECT_GT(grid()->rowAt(0), 0);
}

TEST_F(FridgeWindowTest, SavingRefusesAnEmptyNameAndTextsTheFilesCannotHold) {
  openFridge();
  type("cboZai", QStringLiteral("  "));
  press("cmdHozon");
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("材料名を選択するか、入力してください。"));
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("材料名未入力"));
  EXPECT_EQ(dialogs.messages()[0].icon, MessageBox::Icon::Exclamation);
  EXPECT_EQ(dialogs.messages()[0].buttons, MessageBox::Buttons::Ok);

  struct Refusal {
    QString box, text, says;
  };
  const Refusal refusals[] = {
      {"cboZai", "5\"玉", "材料名に「\"」"},
      {"cboZai", "卵🥚", "材料名の文字「🥚」(U+1F95A)はShift-JISで保存できません。"},
      {"cboKou", "5/1\"", "購入日に「\"」"},
  };
  for (const Refusal& r : refusals) {
    type("cboZai", QStringLiteral("卵"));
    type(r.box, r.text);
    dialogs.clear();
    press("cmdHozon");
    ASSERT_EQ(dialogs.messages().size(), 1u) << r.text.toStdString();
    EXPECT_TRUE(dialogs.messages()[0].text.startsWith(r.says)) << dialogs.messages()[0].text.toStdString();
    EXPECT_EQ(dialogs.messages()[0].icon, MessageBox::Icon::Exclamation);
    type(r.box, QString());
  }
  EXPECT_FALSE(book.exists(kStock));
  EXPECT_EQ(grid()->model()->rowCount(), 0);

  // The stock quotes its names, so a half-width comma is kept, and read back whole.
  type("cboZai", QStringLiteral("卵(M,L)"));
  dialogs.clear();
  press("cmdHozon");
  EXPECT_TRUE(dialogs.messages().empty());
  EXPECT_EQ(book.bytes(kStock), cp932Line("\"卵(M,L)\",\"\",\"\""));
  EXPECT_EQ(column(1), (QStringList{"卵(M,L)"}));
}

TEST_F(FridgeWindowTest, EnterInTheNameBoxAddsTheNameToTheListAfterAsking) {
  book.writeLines(kNames, {"牛乳"});
  openFridge();
  auto* cboZai = fridge<QComboBox>("cboZai");
  QTest::keyClick(cboZai, Qt::Key_Return);
  EXPECT_TRUE(dialogs.calls.empty()) << "an empty box asks nothing";

  type("cboZai", QStringLiteral("豆腐"));
  dialogs.answerCancel();
  QTest::keyClick(cboZai, Qt::Key_Return);
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("豆腐を新たに追加しますか？"));
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("保存確認"));
  EXPECT_EQ(dialogs.messages()[0].icon, MessageBox::Icon::Question);
  EXPECT_EQ(dialogs.messages()[0].buttons, MessageBox::Buttons::OkCancel);
  EXPECT_EQ(book.bytes(kNames), cp932Line("牛乳"));

  for (const QString& name : {QStringLiteral("豆腐"), QStringLiteral("牛乳")}) {
    type("cboZai", name);
    dialogs.clear();
    QTest::keyClick(cboZai, Qt::Key_Enter);
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[1].text, QStringLiteral("保存しました"));
    EXPECT_EQ(dialogs.messages()[1].title, QStringLiteral("材料リストに追加"));
    EXPECT_EQ(dialogs.messages()[1].icon, MessageBox::Icon::Information);
  }
  EXPECT_EQ(book.bytes(kNames), cp932Line("牛乳") + cp932Line("豆腐") + cp932Line("牛乳"));
  EXPECT_EQ(cboZai->count(), 3);
  EXPECT_EQ(cboZai->itemText(2), QStringLiteral("牛乳"));

  type("cboZai", QStringLiteral("卵,L"));
  dialogs.clear();
  QTest::keyClick(cboZai, Qt::Key_Return);
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("入力エラー"));
  EXPECT_TRUE(dialogs.messages()[0].text.startsWith(
      QStringLiteral("材料リストの名前に「,」（半角のカンマ）は使えません。\n材料リストではカンマが名前の区切りとして読まれるためです。")))
      << dialogs.messages()[0].text.toStdString();
  EXPECT_EQ(book.bytes(kNames), cp932Line("牛乳") + cp932Line("豆腐") + cp932Line("牛乳"));
  EXPECT_FALSE(book.exists(kStock)) << "Enter does not save a purchase";
}

TEST_F(FridgeWindowTest, ADraggedRangeIsDeletedEitherWayAndNumbersStayUntilASort) {
  writeFiveEntries();
  openFridge();
  dragRows(4, 2);
  EXPECT_EQ(fridge<QLabel>("lblSentaku")->text(), QStringLiteral("4行目 ～ 2行目"));
  EXPECT_TRUE(fridge<QPushButton>("cmdDel")->isEnabled());

  dialogs.answerCancel();
  press("cmdDel");
  expectOnlyQuestion(QStringLiteral("冷蔵庫から選択した材料を削除します"));
  EXPECT_EQ(grid()->model()->rowCount(), 5);

  press("cmdDel");
  EXPECT_EQ(book.bytes(kStock), cp932Line("\"C\",\"2024/05/03\",\"\"") + cp932Line("\"D\",\"2024/05/02\",\"\""));
  EXPECT_EQ(column(0), (QStringList{"1", "5"}));
  EXPECT_EQ(column(1), (QStringList{"C", "D"}));
  EXPECT_FALSE(fridge<QPushButton>("cmdDel")->isEnabled());
  EXPECT_EQ(fridge<QLabel>("lblSentaku")->text(), QStringLiteral("4行目 ～ 2行目"));

  press("cmdZai_Sort");
  EXPECT_EQ(column(0), (QStringList{"1", "2"}));
  EXPECT_EQ(book.lines(kStock).size(), 2);
}

TEST_F(FridgeWindowTest, RowsSelectedFromTheKeyboardCanBeDeletedToo) {
  writeFiveEntries();
  openFridge();
  clickRow(2);
  QTest::keyClick(grid(), Qt::Key_Down);
  EXPECT_EQ(fridge<QLabel>("lblSentaku")->text(), QStringLiteral("3行目 ～ 3行目"));
  QTest::keyClick(grid(), Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(fridge<QLabel>("lblSentaku")->text(), QStringLiteral("3行目 ～ 4行目"));
  EXPECT_EQ(grid()->selectionModel()->selectedRows().size(), 2);
  press("cmdDel");
  EXPECT_EQ(column(1), (QStringList{"C", "A", "D"}));
  EXPECT_EQ(book.lines(kStock).size(), 3);
}

TEST_F(FridgeWindowTest, TheLabelAndTheDeletionFollowTheHighlightedRowsWhateverMadeThem) {
  struct Way {
    const char* name;
    std::function<void()> highlight;
    QString label;
    QStringList left;  // the entries C A E B D that stay after the deletion
  };
  const Way ways[] = {
      {"Shift+click", [&] { clickRow(2); QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier, rowPoint(5)); },
       "2行目 ～ 5行目", {"C"}},
      {"Shift+click upwards", [&] { clickRow(5); QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier, rowPoint(3)); },
       "5行目 ～ 3行目", {"C", "A"}},
      {"Ctrl+A", [&] { clickRow(2); QTest::keyClick(grid(), Qt::Key_A, Qt::ControlModifier); }, "1行目 ～ 5行目", {}},
      {"Ctrl+click", [&] { clickRow(2); QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::ControlModifier, rowPoint(4)); },
       "2行目 ～ 4行目", {"C", "D"}},
      {"Shift+Down", [&] { clickRow(3); QTest::keyClick(grid(), Qt::Key_Down, Qt::ShiftModifier); QTest::keyClick(grid(), Qt::Key_Down, Qt::ShiftModifier); },
       "3行目 ～ 5行目", {"C", "A"}},
      {"Shift+Up", [&] { clickRow(3); QTest::keyClick(grid(), Qt::Key_Up, Qt::ShiftModifier); }, "3行目 ～ 2行目", {"C", "B", "D"}},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    writeFiveEntries();
    openFridge();
    way.highlight();
    EXPECT_EQ(fridge<QLabel>("lblSentaku")->text(), way.label);
    EXPECT_EQ(grid()->selectionModel()->selectedRows().size(), 5 - way.left.size()) << "what is highlighted goes";
    press("cmdDel");
    EXPECT_EQ(column(1), way.left);
    EXPECT_EQ(book.lines(kStock).size(), way.left.size());
    press("cmdModori");
    EXPECT_TRUE_SOON(!window->findChild<QWidget*>(QStringLiteral("frmReizou")));
  }
}

TEST_F(FridgeWindowTest, ASortBecomesTheFileOrderOnlyWithTheNextDeletion) {
  writeFiveEntries();
  openFridge();
  const QByteArray before = book.bytes(kStock);
  press("cmdKou_Sort");
  EXPECT_EQ(column(1), (QStringList{"E", "D", "C", "B", "A"}));
  press("cmdZai_Sort");
  EXPECT_EQ(column(1), (QStringList{"A", "B", "C", "D", "E"}));
  EXPECT_EQ(column(0), (QStringList{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(book.bytes(kStock), before);
  clickRow(5);
  EXPECT_EQ(fridge<QLabel>("lblSentaku")->text(), QStringLiteral("5行目 ～ 5行目"));
  press("cmdDel");
  EXPECT_EQ(book.lines(kStock), (QStringList{"\"A\",\"2024/05/05\",\"\"", "\"B\",\"2024/05/04\",\"\"",
                                             "\"C\",\"2024/05/03\",\"\"", "\"D\",\"2024/05/02\",\"\""}));
}

TEST_F(FridgeWindowTest, DeletingEverythingEmptiesTheFileAndForgetsTheSelection) {
  writeFiveEntries();
  openFridge();
  dragRows(2, 5);
  dialogs.answerCancel();
  press("cmdAllClr");
  expectOnlyQuestion(QStringLiteral("冷蔵庫から全てを削除します"));
  EXPECT_EQ(book.lines(kStock).size(), 5);

  press("cmdAllClr");
  EXPECT_EQ(book.bytes(kStock), QByteArray());
  EXPECT_EQ(grid()->model()->rowCount(), 0);
  EXPECT_FALSE(fridge<QPushButton>("cmdDel")->isEnabled()) << "nothing is left to delete";

  type("cboZai", QStringLiteral("卵"));
  press("cmdHozon");
  EXPECT_EQ(column(0), QStringList{"1"});
  EXPECT_EQ(book.bytes(kStock), cp932Line("\"卵\",\"2024/05/12\",\"\""));
}

TEST_F(FridgeWindowTest, ASortForgetsTheSelection) {
  writeFiveEntries();
  openFridge();
  dragRows(1, 2);
  press("cmdZan_Sort");
  EXPECT_FALSE(fridge<QPushButton>("cmdDel")->isEnabled());
  EXPECT_EQ(book.lines(kStock).size(), 5);
}

TEST_F(FridgeWindowTest, ClickedIngredientListsItsRecipesAndAPickShowsOneInTheMainWindow) {
  writeRecipes({simpleRecipe("カレー"), simpleRecipe("シチュー"), simpleRecipe("グラタン"), simpleRecipe("シチュー")});
  QStringList lines = book.lines(QStringLiteral("レシピ.TXT"));
  // Give each recipe its ingredient text: only the first three mention 牛乳.
  int section = 0;
  const QString ingredients[] = {"じゃがいも\n牛乳　少々", "牛乳　200cc", "マカロニ\nぎゅうにゅう", "牛乳 100cc"};
  for (int i = 0; i < lines.size(); ++i)
    if (lines[i] == QStringLiteral("【材料】")) lines.insert(++i, ingredients[section++]);
  book.writeLines(QStringLiteral("レシピ.TXT"), lines);
  book.writeLines(kStock, {"\"牛乳\",\"2024/05/10\",\"2024/05/20\"", "\"ぎゅうにゅう\",\"\",\"\"", "\"鮭\",\"\",\"\""});
  openFridge();

  clickRow(1);
  auto* list = fridge<QListWidget>("lstKondate");
  EXPECT_EQ(fridge<QGroupBox>("fraKensaku")->title(), QStringLiteral("『牛乳』 3件検出"));
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("カレー"));
  EXPECT_EQ(list->item(1)->text(), QStringLiteral("シチュー"));
  EXPECT_EQ(list->item(2)->text(), QStringLiteral("シチュー"));

  clickRow(3);
  EXPECT_EQ(fridge<QGroupBox>("fraKensaku")->title(), QStringLiteral("『鮭』 0件検出"));
  EXPECT_EQ(list->count(), 0);
  QTest::keyClick(grid(), Qt::Key_Up);
  QTest::keyClick(grid(), Qt::Key_Return);
  EXPECT_EQ(fridge<QGroupBox>("fraKensaku")->title(), QStringLiteral("『ぎゅうにゅう』 1件検出"));
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("グラタン"));

  clickRow(1);
  choose("optShow");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
  EXPECT_EQ(control<QScrollBar>("hsbData")->value(), 2) << "the first recipe of that name";
  EXPECT_EQ(control<QComboBox>("cboNamae")->currentText(), QStringLiteral("シチュー"));
  EXPECT_TRUE(fridgeWindow->isVisible());

  choose("optHide");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
  EXPECT_EQ(control<QScrollBar>("hsbData")->value(), 1);
  EXPECT_FALSE(fridgeWindow->isVisible());
  EXPECT_TRUE(dialogs.calls.empty());

  // Shown again, it is the same window with its state.
  click("cmdReizou");
  EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("frmReizou")), fridgeWindow);
  EXPECT_TRUE(fridgeWindow->isVisible());
  EXPECT_EQ(list->count(), 3);
}

TEST_F(FridgeWindowTest, ALongIngredientNameKeepsTheLayoutAndTheCountInSight) {
  const QString longName = QString(120, u'長');
  writeRecipes({recordLines({QStringLiteral("長い料理"), QStringLiteral("和食"), QStringLiteral("主菜"), QStringLiteral("煮る"),
                             QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("未"), QStringLiteral("未"),
                             QStringLiteral("0"), QString()},
                            longName)});
  book.writeLines(kNames, {longName});
  book.writeLines(kStock, {"\"" + longName + "\",\"\",\"\""});
  openFridge();
  auto* frame = fridge<QGroupBox>("fraKensaku");
  const QSize windowSize = fridgeWindow->size();
  const QRect frameWhere = frame->geometry();
  clickRow(1);
  QApplication::processEvents();
  EXPECT_EQ(fridgeWindow->size(), windowSize);
  EXPECT_EQ(frame->geometry(), frameWhere);
  const QString title = frame->title();
  EXPECT_TRUE(title.startsWith(QStringLiteral("『長"))) << title.toStdString();
  EXPECT_TRUE(title.endsWith(QStringLiteral("』 1件検出"))) << title.toStdString();
  EXPECT_LT(frame->fontMetrics().horizontalAdvance(title), frame->width() - 16);
  EXPECT_EQ(frame->toolTip(), QStringLiteral("『%1』 1件検出").arg(longName));
  EXPECT_EQ(frame->accessibleDescription(), frame->toolTip());
}

TEST_F(FridgeWindowTest, ARecipeDeletedSinceTheListWasMadeIsReportedAndTheListRenewed) {
  writeRecipes({recordLines({"カレー"}, "牛乳"), recordLines({"シチュー"}, "牛乳")});
  book.writeLines(kStock, {"\"牛乳\",\"\",\"\""});
  openFridge();
  clickRow(1);
  auto* list = fridge<QListWidget>("lstKondate");
  ASSERT_EQ(list->count(), 2);
  choose("optShow");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
  click("cmdDelete");  // the main window deletes カレー, answered OK
  dialogs.clear();

  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_TRUE(dialogs.messages()[0].text.startsWith(QStringLiteral("「カレー」はレシピから削除されています。")));
  EXPECT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("シチュー"));
  EXPECT_EQ(fridge<QGroupBox>("fraKensaku")->title(), QStringLiteral("『牛乳』 1件検出"));
  EXPECT_EQ(control<QScrollBar>("hsbData")->value(), 1);
  EXPECT_EQ(control<QComboBox>("cboNamae")->currentText(), QStringLiteral("シチュー"));
}

TEST_F(FridgeWindowTest, BackUnloadsTheWindowAndTheNextOpeningReadsTheFilesAgain) {
  writeFiveEntries();
  openFridge();
  EXPECT_EQ(fridge<QPushButton>("cmdModori")->toolTip(), QStringLiteral("メインに戻ります"));
  press("cmdModori");
  EXPECT_TRUE_SOON(!window->findChild<QWidget*>(QStringLiteral("frmReizou")));
  book.writeLines(kStock, {"\"鮭\",\"\",\"\""});
  openFridge();
  EXPECT_EQ(column(1), QStringList{"鮭"});
}

TEST_F(FridgeWindowTest, AFullStockRefusesTheNextEntry) {
  QByteArray bytes;
  const QByteArray line = cp932Line("\"卵\",\"2024/05/01\",\"\"");
  for (int i = 0; i < 32767; ++i) bytes += line;
  book.writeBytes(kStock, bytes);
  openFridge();
  EXPECT_EQ(grid()->model()->rowCount(), 32767);
  EXPECT_EQ(cell(32767, 0), QStringLiteral("32767"));
  type("cboZai", QStringLiteral("牛乳"));
  press("cmdHozon");
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_TRUE(dialogs.messages()[0].text.startsWith(QStringLiteral("冷蔵庫には32767件までしか保存できません。")));
  EXPECT_EQ(book.bytes(kStock), bytes);
  EXPECT_EQ(grid()->model()->rowCount(), 32767);
}

TEST_F(FridgeWindowTest, AStockFileThatCannotBeReadIsReportedAndLeftAlone) {
  const QByteArray broken = cp932Line("\"卵\",\"2024/05/01\",\"\"") + cp932Line("\"5\"玉\",\"2024/05/01\",\"\"");
  book.writeBytes(kStock, broken);
  openFridge();
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].icon, MessageBox::Icon::Critical);
  EXPECT_TRUE(dialogs.messages()[0].text.contains(QStringLiteral("2行目")));
  EXPECT_TRUE_SOON(!window->findChild<QWidget*>(QStringLiteral("frmReizou")) ||
              !window->findChild<QWidget*>(QStringLiteral("frmReizou"))->isVisible());
  EXPECT_EQ(book.bytes(kStock), broken);
}

TEST_F(FridgeWindowTest, AFailedWriteIsReportedAndTheShownStockStays) {
  writeFiveEntries();
  openFridge();
  // The file's place is taken by a folder, so nothing can be written there.
  QFile::remove(book.path(kStock));
  QDir(book.folder()).mkdir(kStock);
  type("cboZai", QStringLiteral("卵"));
  press("cmdHozon");
  dragRows(1, 2);
  press("cmdDel");
  dialogs.answer(MessageBox::Answer::Ok);
  press("cmdAllClr");
  const auto messages = dialogs.messages();
  ASSERT_EQ(messages.size(), 5u);
  for (int i : {0, 2, 4}) {
    EXPECT_EQ(messages[i].title, QStringLiteral("保存エラー"));
    EXPECT_EQ(messages[i].icon, MessageBox::Icon::Critical);
  }
  EXPECT_EQ(column(1), (QStringList{"C", "A", "E", "B", "D"}));
}

}  // namespace
