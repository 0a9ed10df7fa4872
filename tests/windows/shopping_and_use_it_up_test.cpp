// SPDX-License-Identifier: GPL-3.0-or-later
// The menu and the refrigerator together, as a cook uses them from the main window: the day
// totals and best-before warnings under the menu's days, the shopping list of the plan on screen
// (shown, copied, printed), and the recipes that use up what is about to spoil.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>

#include "support/accessible_names.h"
#include "support/main_window_fixture.h"
#include "support/pdf_tools.h"
#include "support/typing.h"

namespace {

const QString kStock = QStringLiteral("冷蔵庫.TXT");
const QString kMenu = QStringLiteral("MENU.TXT");

QStringList recipe(const QString& name, const QString& calories, const QString& salt, const QString& ingredients) {
  return recordLines({name, QStringLiteral("和食"), QStringLiteral("主菜"), QStringLiteral("煮る"), calories, salt,
                      QStringLiteral("20"), QStringLiteral("未"), QStringLiteral("未"), QStringLiteral("0"), QString()},
                     ingredients);
}

QStringList rowsOf(QTreeWidget* tree) {
  QStringList rows;
  for (int i = 0; i < tree->topLevelItemCount(); ++i) {
    QStringList cells;
    for (int c = 0; c < tree->columnCount(); ++c) cells.append(tree->topLevelItem(i)->text(c));
    rows.append(cells.join(u'|'));
  }
  return rows;
}

void clickRow(QTreeWidget* tree, int row) {
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(tree->topLevelItem(row)).center());
}

class ShoppingAndUseItUpTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    writeRecipes({recipe(QStringLiteral("肉じゃが"), QStringLiteral("450"), QStringLiteral("2.5"),
                         QStringLiteral("じゃがいも　3個\n玉ねぎ　1個\n牛肉　200g\n醤油 大さじ2")),
                  recipe(QStringLiteral("カレー"), QStringLiteral("700"), QString(),
                         QStringLiteral("■材料（4人分）\nジャガイモ 2個\nたまねぎ 2個\n水 600cc")),
                  recipe(QStringLiteral("味噌汁"), QString(), QStringLiteral("1.5"), QStringLiteral("豆腐 1/2丁\nみそ 大さじ2")),
                  recipe(QStringLiteral("冷奴"), QStringLiteral("80"), QStringLiteral("0.5"), QStringLiteral("豆腐 1丁\nねぎ 少々")),
                  recipe(QStringLiteral("牛乳寒天"), QStringLiteral("120"), QStringLiteral("0.1"),
                         QStringLiteral("牛乳 400cc\n砂糖 大さじ3\n粉寒天 4g")),
                  recipe(QStringLiteral("サラダ"), QStringLiteral("60"), QStringLiteral("0.8"), QStringLiteral("レタス 1/2個"))});
  }

  template <typename T = QWidget>
  T* in(QWidget* window, const QString& name) {
    return FindControl<T>(window, name);
  }
  void press(QWidget* window, const QString& name) { Press(window, name); }
};

TEST_F(ShoppingAndUseItUpTest, TheMenuShowsDayTotalsAndWarningsAndMakesTheShoppingListOfThePlanOnScreen) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a default printer";
  book.writeLines(kMenu, {"\"24年05月12日 日曜日\",\"カレー\",\"レシピ選択\",\"肉じゃが\"",
                          "\"24年05月13日 月曜日\",\"\",\"\",\"味噌汁\"",
                          "\"24年05月14日 火曜日\",\"\",\"もう無い料理\",\"\""});
  book.writeLines(kStock, {"\"玉葱\",\"2024/05/10\",\"2024/05/20\"", "\"タマネギ\",\"2024/05/10\",\"2024/05/13\"",
                           "\"豆腐\",\"2024/05/11\",\"2024/05/12\"", "\"牛肉\",\"2024/05/01\",\"2024/05/10\""});
  const QByteArray stockBefore = book.bytes(kStock);
  const QByteArray menuBefore = book.bytes(kMenu);
  QWidget* menu = openThrough("cmdMenu", "frmMenu");
  const auto summary = [&](const char* name, int day) {
    return in<QLabel>(menu, QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(day))->text();
  };
  EXPECT_EQ(summary("lblGoukei", 0), QStringLiteral("一人分合計 1150kcal　塩分 2.5g※\n※0として計算：カレーの塩分"));
  EXPECT_EQ(summary("lblKigen", 0), QStringLiteral("期限注意：牛肉 2024/05/10まで（夕の肉じゃが）"));
  EXPECT_EQ(summary("lblGoukei", 1), QStringLiteral("一人分合計 0kcal※　塩分 1.5g\n※0として計算：味噌汁のカロリー"));
  EXPECT_EQ(summary("lblKigen", 1), QStringLiteral("期限注意：豆腐 2024/05/12まで（夕の味噌汁）"));
  EXPECT_EQ(summary("lblGoukei", 2), QStringLiteral("一人分合計 0kcal※　塩分 0g※\n※0として計算：もう無い料理（レシピにない）"));

  // A dish picked for day 3's breakfast counts at once.
  auto* breakfast = in<QComboBox>(menu, QStringLiteral("cboMenu(6)"));
  breakfast->showPopup();
  QAbstractItemView* view = breakfast->view();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(2, 0)).center());
  EXPECT_EQ(summary("lblGoukei", 2),
            QStringLiteral("一人分合計 0kcal※　塩分 1.5g※\n※0として計算：味噌汁のカロリー、もう無い料理（レシピにない）"));

  press(menu, QStringLiteral("cmdKaimono"));
  auto* list = menu->findChild<QWidget*>(QStringLiteral("frmKaimono"));
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->isVisible());
  EXPECT_EQ(list->windowTitle(), QStringLiteral("買い物リスト"));
  EXPECT_EQ(in<QGroupBox>(list, "fraKau")->title(), QStringLiteral("買うもの（5品）"));
  EXPECT_EQ(rowsOf(in<QTreeWidget>(list, "tvwKau")),
            (QStringList{"〈野菜・果物〉|||", "ジャガイモ|5個|2個（カレー）、3個（肉じゃが）|", "〈肉〉|||",
                         "牛肉|200g|200g（肉じゃが）|", "〈豆腐・大豆製品〉|||", "豆腐|1/2丁|1/2丁（味噌汁）|", "〈調味料〉|||",
                         "醤油|大さじ2|大さじ2（肉じゃが）|", "みそ|大さじ4|大さじ2（味噌汁）、大さじ2（味噌汁）|"}));
  EXPECT_EQ(in<QGroupBox>(list, "fraAru")->title(), QStringLiteral("家にあるもの（3品）"));
  EXPECT_EQ(rowsOf(in<QTreeWidget>(list, "tvwAru")),
            (QStringList{"たまねぎ|2個（カレー）|冷蔵庫の「タマネギ」（賞味期限 2024/05/13、あと1日）",
                         "玉ねぎ|1個（肉じゃが）|冷蔵庫の「玉葱」（賞味期限 2024/05/20、あと8日）",
                         "豆腐|1/2丁（味噌汁）|冷蔵庫の「豆腐」（賞味期限 2024/05/12、今日まで）"}));
  // What is close to its date is shown in red.
  auto* atHome = in<QTreeWidget>(list, "tvwAru");
  for (int row : {0, 1, 2})
    EXPECT_EQ(atHome->topLevelItem(row)->foreground(2).color() == QColor(192, 0, 0), row != 1) << row;
  EXPECT_EQ(in<QLabel>(list, "lblNasi")->text(), QStringLiteral("レシピにない料理の材料は入っていません：3日目の昼の「もう無い料理」"));
  const QStringList faults = ShownTextsMissingFromNames(list);
  EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();

  press(list, QStringLiteral("cmdCopy"));
  const QStringList copied = QApplication::clipboard()->text().split(u'\n');
  ASSERT_EQ(copied.size(), 18);  // 17 lines, each ended
  EXPECT_EQ(copied[0], QStringLiteral("買い物リスト　24年05月12日 日曜日 ～ 24年05月14日 火曜日"));
  EXPECT_EQ(copied[10], QStringLiteral("□ みそ　大さじ4　大さじ2（味噌汁）、大さじ2（味噌汁）"));
  EXPECT_EQ(copied[13], QStringLiteral("・玉ねぎ　1個（肉じゃが） ← 冷蔵庫の「玉葱」（賞味期限 2024/05/20、あと8日）"));
  EXPECT_EQ(in<QLabel>(list, "lblCopy")->text(), QStringLiteral("クリップボードにコピーしました"));

  press(list, QStringLiteral("cmdPrint"));
  ASSERT_TRUE(book.exists(QStringLiteral("買い物リスト001.pdf")));
  // The text layer gives back the middle dot and the wave dash as printed.
  const QString printed = PdfTextOf(book.path(QStringLiteral("買い物リスト001.pdf")));
  for (const QString& text : {QStringLiteral("【買うもの】5品"), QStringLiteral("〈野菜・果物〉"), QStringLiteral("日曜日 ～ 24年")})
    EXPECT_TRUE(printed.contains(text)) << text.toStdString() << "\n" << printed.toStdString();
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_TRUE(dialogs.messages()[0].text.startsWith(QStringLiteral("プリンタが見つからないため")));

  // Nothing but the printout was written.
  EXPECT_EQ(book.bytes(kStock), stockBefore);
  EXPECT_EQ(book.bytes(kMenu), menuBefore);
  EXPECT_EQ(QDir(book.folder()).entryList({QStringLiteral("*.pdf")}, QDir::Files).size(), 1);

  // The beef two days past its date is bought, unless the cook says to use it; 2 persons halve
  // カレー, written for 4; 肉じゃが says nothing and stays as written.
  auto* useExpired = in<QCheckBox>(list, "chkKigengire");
  QTest::mouseClick(useExpired, Qt::LeftButton, {}, QPoint(useExpired->height() / 2, useExpired->height() / 2));
  EXPECT_EQ(rowsOf(in<QTreeWidget>(list, "tvwKau")).size(), 7);
  EXPECT_TRUE(rowsOf(atHome).contains(QStringLiteral("牛肉|200g（肉じゃが）|冷蔵庫の「牛肉」（賞味期限 2024/05/10、期限切れ）")));
  auto* persons = in<QSpinBox>(list, "spnNinzu");
  for (int i = 0; i < 2; ++i) QTest::keyClick(persons, Qt::Key_Up);
  EXPECT_EQ(persons->text(), QStringLiteral("2人分"));
  EXPECT_EQ(rowsOf(in<QTreeWidget>(list, "tvwKau"))[1], QStringLiteral("ジャガイモ|4個|2個（カレー×0.5）、3個（肉じゃが）|"));
}

// A day with more warnings than its label holds says how many more there are; the tooltip has all.
TEST_F(ShoppingAndUseItUpTest, WarningsThatDoNotFitAreCounted) {
  book.writeLines(kMenu, {"\"24年05月12日 日曜日\",\"カレー\",\"肉じゃが\",\"味噌汁\"", "\"\",\"\",\"\",\"\"",
                          "\"\",\"\",\"\",\"\""});
  QStringList stock;
  for (const char* item : {"じゃがいも", "じゃがいも", "玉ねぎ", "玉ねぎ", "牛肉", "醤油", "豆腐", "みそ"})
    stock << QStringLiteral("\"%1\",\"2024/05/01\",\"2024/05/10\"").arg(QString::fromUtf8(item));
  book.writeLines(kStock, stock);
  QWidget* menu = openThrough("cmdMenu", "frmMenu");
  auto* label = in<QLabel>(menu, QStringLiteral("lblKigen(0)"));
  const QStringList all = label->toolTip().split(u'\n');
  ASSERT_EQ(all.size(), 8);
  const QStringList shown = label->text().split(u'\n');
  ASSERT_GE(shown.size(), 2);
  EXPECT_EQ(shown.mid(0, shown.size() - 1), all.mid(0, shown.size() - 1));
  EXPECT_EQ(shown.last(), QStringLiteral("…ほか%1件").arg(all.size() - shown.size() + 1));
  EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->text().toStdString();
}

TEST_F(ShoppingAndUseItUpTest, AStockFileThatCannotBeReadIsToldAndTheListMadeWithoutIt) {
  book.writeLines(kMenu, {"\"日付１\",\"冷奴\",\"\",\"\"", "\"\",\"\",\"\",\"\"", "\"\",\"\",\"\",\"\""});
  book.writeBytes(kStock, QByteArray("\"\x82\"\r\n"));
  QWidget* menu = openThrough("cmdMenu", "frmMenu");
  EXPECT_EQ(in<QLabel>(menu, "lblKigen(0)")->text(), QStringLiteral("冷蔵庫.TXTを読めないため、賞味期限は確かめていません"));
  press(menu, QStringLiteral("cmdKaimono"));
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("買い物リスト"));
  EXPECT_TRUE(dialogs.messages()[0].text.endsWith(QStringLiteral("冷蔵庫の在庫を引かずに買い物リストを作ります。")));
  auto* list = menu->findChild<QWidget*>(QStringLiteral("frmKaimono"));
  EXPECT_EQ(rowsOf(in<QTreeWidget>(list, "tvwKau")),
            (QStringList{"〈野菜・果物〉|||", "ねぎ|少々|少々（冷奴）|", "〈豆腐・大豆製品〉|||", "豆腐|1丁|1丁（冷奴）|"}));
  EXPECT_EQ(book.bytes(kStock), QByteArray("\"\x82\"\r\n"));
}

TEST_F(ShoppingAndUseItUpTest, TheRefrigeratorRanksRecipesThatUseUpItsItemsAndOpensThem) {
  book.writeLines(kStock, {"\"牛乳\",\"2024/05/01\",\"2024/05/11\"", "\"トウフ\",\"2024/05/10\",\"2024/05/14\"",
                           "\"ねぎ\",\"2024/05/10\",\"2024/05/18\""});
  QWidget* fridge = openThrough("cmdReizou", "frmReizou");
  press(fridge, QStringLiteral("cmdTukaikiri"));
  auto* suggestions = fridge->findChild<QWidget*>(QStringLiteral("frmTukaikiri"));
  ASSERT_NE(suggestions, nullptr);
  EXPECT_TRUE(suggestions->isVisible());
  EXPECT_EQ(suggestions->windowTitle(), QStringLiteral("期限が近い材料を使う"));
  auto* tree = in<QTreeWidget>(suggestions, "tvwTukaikiri");
  // 冷奴 and 牛乳寒天 earn 3 each; 冷奴 misses nothing. 味噌汁 has tofu (2) but lacks みそ.
  EXPECT_EQ(rowsOf(tree), (QStringList{"冷奴|3|トウフ（あと2日）、ねぎ（あと6日）|なし", "牛乳寒天|3|牛乳（期限切れ）|砂糖、粉寒天",
                                       "味噌汁|2|トウフ（あと2日）|みそ"}));
  EXPECT_EQ(in<QGroupBox>(suggestions, "fraTukaikiri")->title(), QStringLiteral("3件"));
  const QStringList faults = ShownTextsMissingFromNames(suggestions);
  EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();

  // With 残す chosen, a purchase saved in the refrigerator shows in the list at once.
  auto* keep = in<QRadioButton>(suggestions, "optShow");
  QTest::mouseClick(keep, Qt::LeftButton, {}, QPoint(keep->height() / 2, keep->height() / 2));
  auto* name = in<QComboBox>(fridge, "cboZai");
  typeText(name, QStringLiteral("レタス"));
  typeText(in<QComboBox>(fridge, "cboSyomi"), QStringLiteral("2024/05/12"));
  press(fridge, QStringLiteral("cmdHozon"));
  EXPECT_EQ(rowsOf(tree).size(), 4);
  EXPECT_EQ(rowsOf(tree)[2], QStringLiteral("サラダ|2|レタス（今日まで）|なし"));  // before 味噌汁, which lacks みそ

  clickRow(tree, 1);
  EXPECT_EQ(control<QComboBox>("cboNamae")->currentText(), QStringLiteral("牛乳寒天"));
  EXPECT_TRUE(suggestions->isVisible());
  auto* hide = in<QRadioButton>(suggestions, "optHide");
  QTest::mouseClick(hide, Qt::LeftButton, {}, QPoint(hide->height() / 2, hide->height() / 2));
  clickRow(tree, 0);
  EXPECT_EQ(control<QComboBox>("cboNamae")->currentText(), QStringLiteral("冷奴"));
  EXPECT_FALSE(suggestions->isVisible());
  EXPECT_TRUE(fridge->isVisible());
}

// Two recipes of one name: a row opens its own, not the first of that name.
TEST_F(ShoppingAndUseItUpTest, ARowOpensItsOwnRecipeWhenTwoShareAName) {
  writeRecipes({recipe(QStringLiteral("冷奴"), QStringLiteral("80"), QStringLiteral("0.5"), QStringLiteral("豆腐 1丁")),
                recipe(QStringLiteral("冷奴"), QStringLiteral("90"), QStringLiteral("0.5"), QStringLiteral("豆腐 1丁\nみょうが 1個"))});
  book.writeLines(kStock, {"\"みょうが\",\"2024/05/01\",\"2024/05/11\""});
  QWidget* fridge = openThrough("cmdReizou", "frmReizou");
  press(fridge, QStringLiteral("cmdTukaikiri"));
  auto* tree = in<QTreeWidget>(fridge->findChild<QWidget*>(QStringLiteral("frmTukaikiri")), "tvwTukaikiri");
  ASSERT_EQ(rowsOf(tree), QStringList{"冷奴|3|みょうが（期限切れ）|豆腐"});
  clickRow(tree, 0);
  EXPECT_EQ(text("lblKensu"), QStringLiteral("2 / 2"));
}

// Ticked as bought (with the space key), a line goes below the sections with a best-before date
// from its section; the ticked lines go into the refrigerator in one write that can be taken back.
TEST_F(ShoppingAndUseItUpTest, TickedLinesGoIntoTheRefrigeratorInOneUndoableWrite) {
  book.writeLines(kMenu, {"\"24年05月12日 日曜日\",\"肉じゃが\",\"\",\"\"", "\"\",\"\",\"\",\"\"", "\"\",\"\",\"\",\"\""});
  book.writeLines(kStock, {"\"豆腐\",\"2024/05/10\",\"2024/05/20\""});
  book.writeLines(QStringLiteral("常備品.TXT"), {QStringLiteral("しょうゆ"), QStringLiteral("塩")});
  book.writeLines(QStringLiteral("売り場.TXT"), {QStringLiteral("牛肉,精肉コーナー"), QStringLiteral("精肉コーナー,2")});
  const QByteArray stockBefore = book.bytes(kStock);
  QWidget* menu = openThrough("cmdMenu", "frmMenu");
  press(menu, QStringLiteral("cmdKaimono"));
  auto* list = menu->findChild<QWidget*>(QStringLiteral("frmKaimono"));
  auto* buy = in<QTreeWidget>(list, "tvwKau");
  EXPECT_EQ(rowsOf(buy), (QStringList{"〈野菜・果物〉|||", "じゃがいも|3個|3個（肉じゃが）|", "玉ねぎ|1個|1個（肉じゃが）|",
                                      "〈精肉コーナー〉|||", "牛肉|200g|200g（肉じゃが）|"}));
  EXPECT_EQ(in<QLabel>(list, "lblJobi")->text(), QStringLiteral("常備品として省いたもの：醤油"));
  EXPECT_FALSE(in<QPushButton>(list, "cmdReizouko")->isEnabled());

  const auto tick = [&](int row) {
    buy->setCurrentItem(buy->topLevelItem(row));
    QTest::keyClick(buy, Qt::Key_Space);
    QApplication::processEvents();
  };
  tick(1);
  tick(3);
  EXPECT_EQ(rowsOf(buy), (QStringList{"〈野菜・果物〉|||", "玉ねぎ|1個|1個（肉じゃが）|", "じゃがいも|3個|3個（肉じゃが）|2024/05/17",
                                      "牛肉|200g|200g（肉じゃが）|2024/05/14"}));
  EXPECT_TRUE(buy->topLevelItem(2)->font(0).strikeOut());
  // The cook gives the potatoes a date of their own.
  const QRect dateCell = buy->visualRect(buy->model()->index(2, 3));
  QTest::mouseClick(buy->viewport(), Qt::LeftButton, {}, dateCell.center());
  QTest::mouseDClick(buy->viewport(), Qt::LeftButton, {}, dateCell.center());
  auto* editor = buy->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, QStringLiteral("2024/05/30"));
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(buy->topLevelItem(2)->text(3), QStringLiteral("2024/05/30"));

  press(list, QStringLiteral("cmdReizouko"));
  EXPECT_EQ(book.bytes(kStock), stockBefore + cp932Line(QStringLiteral("\"じゃがいも\",\"2024/05/12\",\"2024/05/30\"")) +
                                    cp932Line(QStringLiteral("\"牛肉\",\"2024/05/12\",\"2024/05/14\"")));
  EXPECT_EQ(in<QLabel>(list, "lblCopy")->text(), QStringLiteral("冷蔵庫に2品入れました"));
  EXPECT_EQ(rowsOf(buy), (QStringList{"〈野菜・果物〉|||", "玉ねぎ|1個|1個（肉じゃが）|"}));
  EXPECT_EQ(rowsOf(in<QTreeWidget>(list, "tvwAru")).size(), 2);

  press(list, QStringLiteral("cmdTorikesi"));
  EXPECT_EQ(book.bytes(kStock), stockBefore);
  EXPECT_EQ(in<QLabel>(list, "lblCopy")->text(), QStringLiteral("冷蔵庫に入れた2品を取り消しました"));
  EXPECT_EQ(rowsOf(buy).size(), 5);
  EXPECT_FALSE(in<QPushButton>(list, "cmdTorikesi")->isEnabled());
  EXPECT_TRUE(dialogs.messages().empty());
}

}  // namespace
