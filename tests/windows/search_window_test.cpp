// SPDX-License-Identifier: GPL-3.0-or-later
// The search window as a user drives it from the main window: typing conditions, pressing the
// row buttons, choosing entries, and the window's life across reloads of the book.
#include <QAbstractItemModel>
#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QListView>
#include <QRadioButton>
#include <QTableView>

#include "platform/rules/help_texts.h"
#include "search/windows/result_list_model.h"
#include "support/accessible_names.h"
#include "support/main_window_fixture.h"
#include "support/typing.h"

namespace {

QStringList record(const QString& name, const QString& genre, const QString& kind, const QString& calories,
                   const QString& self, const QString& reference = {}, const QString& ingredients = {}) {
  return recordLines({name, genre, kind, QStringLiteral("煮る"), calories, QStringLiteral("1.5"), QStringLiteral("20"), self,
                      QStringLiteral("未"), QStringLiteral("0"), reference},
                     ingredients);
}

}  // namespace

class SearchWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    book.writeLines(QStringLiteral("参考資料.TXT"), {QStringLiteral("きょうの料理"), QStringLiteral("母のノート")});
    // Records 1..5; 2 and 4 are namesakes.
    writeRecipes({record(QStringLiteral("肉じゃが"), QStringLiteral("和食"), QStringLiteral("主菜"), QStringLiteral("300"),
                         QStringLiteral("優"), QStringLiteral("母のノート"), QStringLiteral("じゃがいも\n牛肉\n玉ねぎ")),
                  record(QStringLiteral("カレー"), QStringLiteral("洋食"), QStringLiteral("主菜"), QStringLiteral("650"),
                         QStringLiteral("未"), QStringLiteral("きょうの料理"), QStringLiteral("カレールウ\n玉ねぎ")),
                  record(QStringLiteral("ハンバーグ"), QStringLiteral("洋食"), QStringLiteral("主菜"), QStringLiteral("600"),
                         QStringLiteral("良"), {}, QStringLiteral("牛肉\n玉ねぎ\nパン粉")),
                  record(QStringLiteral("カレー"), QStringLiteral("和食"), QStringLiteral("主菜"), QStringLiteral("800"),
                         QStringLiteral("未"), {}, QStringLiteral("カレールウ\n牛肉")),
                  record(QStringLiteral("冷奴"), QStringLiteral("和食"), QStringLiteral("副菜"), QStringLiteral("599.5"),
                         QStringLiteral("未"))});
    open();
  }

  // Presses the main window's search button and returns the search window it shows.
  QWidget* openSearch() { return search = openThrough("cmdKensaku", "frmKensaku"); }

  template <typename T = QWidget>
  T* in(const QString& name) {
    return FindControl<T>(search, name);
  }
  void type(const QString& box, const QString& text) { typeText(in(box), text); }
  void press(const QString& button) { Press(search, button); }

  QListView* list() { return in<QListView>(QStringLiteral("lstKondate")); }
  QStringList listed() {
    QStringList names;
    const QAbstractItemModel* model = list()->model();
    for (int row = 0; row < model->rowCount(); ++row) names.append(model->index(row, 0).data().toString());
    return names;
  }
  void choose(int row) {
    const QRect where = list()->visualRect(list()->model()->index(row, 0));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, where.center());
  }
  // The drop-down's item chosen with the arrow keys, as a user without a mouse does.
  void pickWithKeys(const QString& comboName, int downs) {
    auto* combo = in<QComboBox>(comboName);
    combo->setFocus();
    for (int i = 0; i < downs; ++i) QTest::keyClick(combo, Qt::Key_Down);
  }
  // Clicks the round mark of an option button.
  void pickOption(const QString& name) {
    auto* option = in<QRadioButton>(name);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    EXPECT_TRUE(option->isChecked()) << name.toStdString();
  }
  int shownRecord() { return control<QScrollBar>("hsbData")->value(); }
  QString shownCalories() { return control<QLineEdit>("txtCal")->text(); }
  void activate(QWidget* w) {
    w->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(w));
  }
  QString accessibleName(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
  }

  QWidget* search = nullptr;
};

TEST_F(SearchWindowTest, OpensWithEveryRecipeEmptyInputsAndFilledLists) {
  openSearch();
  EXPECT_TRUE(search->isVisible());
  EXPECT_EQ(search->windowTitle(), QStringLiteral("検索"));
  EXPECT_EQ(listed(), QStringList({"肉じゃが", "カレー", "ハンバーグ", "カレー", "冷奴"}));
  EXPECT_TRUE(in<QRadioButton>(QStringLiteral("optHide"))->isChecked());
  EXPECT_FALSE(in<QRadioButton>(QStringLiteral("optShow"))->isChecked());
  for (QLineEdit* box : search->findChildren<QLineEdit*>()) EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();

  auto items = [this](const QString& name) {
    QStringList texts;
    auto* combo = in<QComboBox>(name);
    EXPECT_TRUE(combo->currentText().isEmpty()) << name.toStdString();
    for (int i = 0; i < combo->count(); ++i) texts.append(combo->itemText(i));
    return texts;
  };
  EXPECT_EQ(items("cboJyanru"), QStringList({"和食", "洋食", "中華", "エスニック", "イタリアン", "デザート", "その他", ""}));
  EXPECT_EQ(items("cboSyurui").size(), 11);
  EXPECT_EQ(items("cboCyouri").last(), QString());
  EXPECT_EQ(items("cboHyouka1"), QStringList({"優", "良", "不", "未", ""}));
  EXPECT_EQ(items("cboHyouka2"), QStringList({"優", "良", "不", "未", ""}));
  EXPECT_EQ(items("cboSankou"), QStringList({"きょうの料理", "母のノート"}));
  EXPECT_TRUE(in<QComboBox>(QStringLiteral("cboSankou"))->isEditable());
  EXPECT_FALSE(in<QComboBox>(QStringLiteral("cboJyanru"))->isEditable());
}

TEST_F(SearchWindowTest, WithTheHelpTourOnTheExplanationShowsOverTheNewWindow) {
  QTest::mouseClick(control<QCheckBox>("chkHelp"), Qt::LeftButton);
  dialogs.clear();
  openSearch();
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("ヘルプツアー"));
  EXPECT_EQ(dialogs.messages()[0].text, help_texts::ForWindowButton(QStringLiteral("cmdKensaku")));
  EXPECT_TRUE(search->isVisible());
}

TEST_F(SearchWindowTest, WholeTableThenNarrowingCombineKeysAndAllRestoresTheList) {
  openSearch();
  type(QStringLiteral("txtZairyo(0)"), QStringLiteral("玉ねぎ"));
  press(QStringLiteral("cmdZairyo1"));
  EXPECT_EQ(listed(), QStringList({"肉じゃが", "カレー", "ハンバーグ"}));
  type(QStringLiteral("txtCalL"), QStringLiteral("300"));
  type(QStringLiteral("txtCalH"), QStringLiteral("６００"));  // typed through a Japanese input method
  press(QStringLiteral("cmdCal"));
  EXPECT_EQ(listed(), QStringList({"肉じゃが"}));
  EXPECT_TRUE(dialogs.calls.empty());
  press(QStringLiteral("cmdALL"));
  EXPECT_EQ(listed(), QStringList({"肉じゃが", "カレー", "ハンバーグ", "カレー", "冷奴"}));
  // The same range over the whole table finds 599.5 kcal too, and never 600.
  press(QStringLiteral("cmdCal1"));
  EXPECT_EQ(listed(), QStringList({"肉じゃが", "冷奴"}));
  // A source typed into the reference box rather than picked.
  type(QStringLiteral("cboSankou"), QStringLiteral("ノート"));
  press(QStringLiteral("cmdSankou1"));
  EXPECT_EQ(listed(), QStringList({"肉じゃが"}));
}

TEST_F(SearchWindowTest, NarrowingThatKeepsNothingSaysSoAndKeepsTheList) {
  openSearch();
  type(QStringLiteral("txtNamae"), QStringLiteral("カレー"));
  press(QStringLiteral("cmdNamae1"));
  type(QStringLiteral("txtMemo"), QStringLiteral("辛口"));
  press(QStringLiteral("cmdMemo"));
  ASSERT_EQ(dialogs.messages().size(), 1u);
  const MessageBox box = dialogs.messages()[0];
  EXPECT_EQ(box.text, QStringLiteral("指定の検索条件では対象がありません\n\n条件を変えて検索してください"));
  EXPECT_EQ(box.title, QStringLiteral("対象ゼロ件"));
  EXPECT_EQ(box.icon, MessageBox::Icon::Exclamation);
  EXPECT_EQ(box.buttons, MessageBox::Buttons::Ok);
  EXPECT_EQ(listed(), QStringList({"カレー", "カレー"}));
  // The same key over the whole table empties the list without a word.
  press(QStringLiteral("cmdMemo1"));
  EXPECT_TRUE(listed().isEmpty());
  EXPECT_EQ(dialogs.messages().size(), 1u);
}

TEST_F(SearchWindowTest, EqualityRowsWithEveryBoxEmptyDoNothingAndLegendButtonsNeither) {
  openSearch();
  type(QStringLiteral("txtNamae"), QStringLiteral("寿司"));
  press(QStringLiteral("cmdNamae1"));
  ASSERT_TRUE(listed().isEmpty());
  for (const char* button : {"cmdBunrui", "cmdBunrui1", "cmdHyouka", "cmdHyouka1", "Command1", "Command2"})
    press(QString::fromLatin1(button));
  EXPECT_TRUE(listed().isEmpty());
  EXPECT_TRUE(dialogs.calls.empty());

  press(QStringLiteral("cmdALL"));
  pickWithKeys(QStringLiteral("cboJyanru"), 1);  // 和食
  press(QStringLiteral("cmdBunrui1"));
  EXPECT_EQ(listed(), QStringList({"肉じゃが", "カレー", "冷奴"}));
  pickWithKeys(QStringLiteral("cboHyouka1"), 4);  // 未
  press(QStringLiteral("cmdHyouka"));
  EXPECT_EQ(listed(), QStringList({"カレー", "冷奴"}));
  pickWithKeys(QStringLiteral("cboJyanru"), 7);  // the empty last item clears the box
  EXPECT_TRUE(in<QComboBox>(QStringLiteral("cboJyanru"))->currentText().isEmpty());
}

TEST_F(SearchWindowTest, ChoosingAnEntryShowsItAndHidesTheWindowThatComesBackAsLeft) {
  openSearch();
  type(QStringLiteral("txtNamae"), QStringLiteral("ー"));
  press(QStringLiteral("cmdNamae1"));
  choose(1);  // ハンバーグ
  EXPECT_EQ(shownRecord(), 3);
  EXPECT_EQ(control<QComboBox>("cboNamae")->currentText(), QStringLiteral("ハンバーグ"));
  EXPECT_FALSE(search->isVisible());

  click("cmdKensaku");
  EXPECT_EQ(window->findChildren<QWidget*>(QStringLiteral("frmKensaku")).size(), 1);
  EXPECT_TRUE(search->isVisible());
  EXPECT_EQ(in<QLineEdit>(QStringLiteral("txtNamae"))->text(), QStringLiteral("ー"));
  EXPECT_EQ(listed(), QStringList({"カレー", "ハンバーグ", "カレー"}));
  // Moving elsewhere in the main window, then clicking the same entry, opens it again.
  QTest::keyClick(control<QScrollBar>("hsbData"), Qt::Key_Home);
  ASSERT_EQ(shownRecord(), 1);
  choose(1);
  EXPECT_EQ(shownRecord(), 3);
  EXPECT_FALSE(search->isVisible());
}

TEST_F(SearchWindowTest, PickingTheRecipeAlreadyShownFromSearchOrTheSortedListKeepsItsUnsavedEdits) {
  ASSERT_EQ(shownRecord(), 1);  // 肉じゃが, 300 kcal
  auto* calories = control<QLineEdit>("txtCal");
  calories->selectAll();
  typeText(calories, QStringLiteral("320"));
  openSearch();
  pickOption(QStringLiteral("optShow"));
  choose(0);
  EXPECT_EQ(shownCalories(), QStringLiteral("320"));

  QWidget* sorted = openThrough("cmdSort", "frmSort");
  auto* byCalories = FindControl<QTableView>(sorted, QStringLiteral("msgCal"));
  QTest::mouseClick(byCalories->viewport(), Qt::LeftButton, {},
                    byCalories->visualRect(byCalories->model()->index(0, 0)).center());  // 肉じゃが, the lowest
  EXPECT_EQ(shownRecord(), 1);
  EXPECT_EQ(shownCalories(), QStringLiteral("320"));
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(SearchWindowTest, KeepingTheWindowLetsEveryClickAndArrowKeyOpenAnotherRecipe) {
  openSearch();
  pickOption(QStringLiteral("optShow"));
  choose(0);
  EXPECT_EQ(shownRecord(), 1);
  choose(2);
  EXPECT_EQ(shownRecord(), 3);
  QTest::keyClick(list(), Qt::Key_Down);
  EXPECT_EQ(shownRecord(), 4);
  EXPECT_EQ(shownCalories(), QStringLiteral("800"));
  QTest::keyClick(list(), Qt::Key_Up);
  EXPECT_EQ(shownRecord(), 3);
  EXPECT_TRUE(search->isVisible());

  // With the window set to hide, the first arrow key opens the next entry and hides it.
  pickOption(QStringLiteral("optHide"));
  QTest::keyClick(list(), Qt::Key_Down);
  EXPECT_EQ(shownRecord(), 4);
  EXPECT_FALSE(search->isVisible());
}

TEST_F(SearchWindowTest, FocusArrivingInTheListOpensNothing) {
  openSearch();
  QTest::keyClick(control<QScrollBar>("hsbData"), Qt::Key_End);
  ASSERT_EQ(shownRecord(), 5);
  activate(search);
  in(QStringLiteral("cboSankou"))->setFocus();
  for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_TRUE(list()->hasFocus());
  EXPECT_EQ(shownRecord(), 5);
  EXPECT_TRUE(search->isVisible());
  // The first arrow key then chooses an entry.
  QTest::keyClick(list(), Qt::Key_Down);
  EXPECT_NE(shownRecord(), 5);
}

TEST_F(SearchWindowTest, NamesakesAreFoundAndOpenedByTheirOwnRecord) {
  openSearch();
  type(QStringLiteral("txtCalL"), QStringLiteral("700"));
  type(QStringLiteral("txtCalH"), QStringLiteral("900"));
  press(QStringLiteral("cmdCal1"));
  EXPECT_EQ(listed(), QStringList({"カレー"}));
  choose(0);
  EXPECT_EQ(shownRecord(), 4);
  EXPECT_EQ(shownCalories(), QStringLiteral("800"));

  click("cmdKensaku");
  press(QStringLiteral("cmdALL"));
  press(QStringLiteral("cmdCal"));
  EXPECT_EQ(listed(), QStringList({"カレー"}));
  choose(0);
  EXPECT_EQ(shownRecord(), 4);
}

TEST_F(SearchWindowTest, EnterMovesThroughTheIngredientBoxesThatHoldTextAndTabThroughBounds) {
  openSearch();
  activate(search);
  auto* box2 = in<QLineEdit>(QStringLiteral("txtZairyo(2)"));
  box2->setFocus();
  QTest::keyClick(box2, Qt::Key_Return);
  EXPECT_TRUE(box2->hasFocus());
  typeText(box2, QStringLiteral("牛肉"));
  QTest::keyClick(box2, Qt::Key_Return);
  auto* box3 = in<QLineEdit>(QStringLiteral("txtZairyo(3)"));
  EXPECT_TRUE(box3->hasFocus());
  auto* box4 = in<QLineEdit>(QStringLiteral("txtZairyo(4)"));
  box4->setFocus();
  typeText(box4, QStringLiteral("玉ねぎ"));
  QTest::keyClick(box4, Qt::Key_Enter);
  EXPECT_TRUE(box4->hasFocus());
  EXPECT_EQ(box3->text(), QString());
  // Tab goes from a lower bound to its upper bound, then to the next row's lower bound.
  in(QStringLiteral("txtCalL"))->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_TRUE(in(QStringLiteral("txtCalH"))->hasFocus());
  in(QStringLiteral("cboHyouka1"))->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_TRUE(in(QStringLiteral("cboHyouka2"))->hasFocus());
}

TEST_F(SearchWindowTest, StoringARecipeClosesTheWindowBeforeTheTableChangesAndTheNextOpeningStartsAfresh) {
  openSearch();
  type(QStringLiteral("txtNamae"), QStringLiteral("カレー"));
  press(QStringLiteral("cmdNamae1"));
  // Record how many recipes the table held when the window went away.
  int countWhenClosed = -1;
  struct Watch : QObject {
    std::function<void()> onHide;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Hide) onHide();
      return false;
    }
  } watch;
  watch.onHide = [&] { countWhenClosed = module->RecipeCount(); };
  search->installEventFilter(&watch);

  click("cmdNew");
  control<QComboBox>("cboNamae")->setEditText(QStringLiteral("親子丼"));
  click("cmdTouroku");
  EXPECT_EQ(module->RecipeCount(), 6);
  EXPECT_EQ(countWhenClosed, 5);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("frmKensaku")), nullptr);

  openSearch();
  EXPECT_TRUE(in<QLineEdit>(QStringLiteral("txtNamae"))->text().isEmpty());
  EXPECT_EQ(listed().size(), 6);
  EXPECT_EQ(listed().last(), QStringLiteral("親子丼"));
}

TEST_F(SearchWindowTest, BackButtonAndCloseBoxUnloadTheWindow) {
  openSearch();
  type(QStringLiteral("txtNamae"), QStringLiteral("カレー"));
  press(QStringLiteral("cmdModori"));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("frmKensaku")), nullptr);
  openSearch();
  EXPECT_TRUE(in<QLineEdit>(QStringLiteral("txtNamae"))->text().isEmpty());
  search->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("frmKensaku")), nullptr);
}

TEST_F(SearchWindowTest, ScreenReadersHearWhatEachButtonAndBoxIsFor) {
  openSearch();
  EXPECT_EQ(accessibleName(in(QStringLiteral("cmdNamae"))), QStringLiteral("料理名 絞り込み検索"));
  EXPECT_EQ(accessibleName(in(QStringLiteral("cmdNamae1"))), QStringLiteral("料理名 全体から検索"));
  EXPECT_EQ(accessibleName(in(QStringLiteral("cmdHyouka"))), QStringLiteral("評価 絞り込み検索"));
  EXPECT_EQ(accessibleName(in(QStringLiteral("cmdSankou1"))), QStringLiteral("参考文献 全体から検索"));
  EXPECT_EQ(accessibleName(in(QStringLiteral("cmdALL"))), QStringLiteral("全部"));
  EXPECT_EQ(accessibleName(in(QStringLiteral("cmdModori"))), QStringLiteral("戻り"));
  EXPECT_EQ(accessibleName(in(QStringLiteral("txtNamae"))), QStringLiteral("料理名"));
  EXPECT_EQ(accessibleName(in(QStringLiteral("txtCalL"))), QStringLiteral("KCal以上"));
  EXPECT_EQ(accessibleName(in(QStringLiteral("txtKaisuH"))), QStringLiteral("回未満"));
  EXPECT_EQ(accessibleName(in(QStringLiteral("cboHyouka2"))), QStringLiteral("三者評価"));
  EXPECT_EQ(accessibleName(in(QStringLiteral("txtZairyo(4)"))), QStringLiteral("材料5"));
  EXPECT_EQ(accessibleName(in(QStringLiteral("cboSankou"))), QStringLiteral("参考文献"));
  // A drop-down reads its chosen item as its name; its caption says which box it is.
  const char* boxes[] = {"cboJyanru", "cboSyurui", "cboCyouri"};
  const char* captions[] = {"分類 ジャンル", "分類 種類", "分類 調理方法"};
  for (int i = 0; i < 3; ++i) {
    auto* combo = in<QComboBox>(QString::fromLatin1(boxes[i]));
    combo->setCurrentIndex(1);
    EXPECT_EQ(accessibleName(combo), combo->currentText());
    EXPECT_EQ(accessible_names_detail::readCaptions(combo), QString::fromUtf8(captions[i]));
  }
  EXPECT_EQ(in<QPushButton>(QStringLiteral("cmdNamae"))->toolTip(), QStringLiteral("絞り込み検索"));
  EXPECT_EQ(in<QPushButton>(QStringLiteral("cmdNamae1"))->toolTip(), QStringLiteral("全部からの検索"));
}

TEST_F(SearchWindowTest, EveryShownTextIsReadWithItsControl) {
  openSearch();
  const QStringList faults = ShownTextsMissingFromNames(search);
  EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
}

// Other systems type "〜" where the recipe file holds "～"; a search finds it either way. A prefix
// typed into the reference box is searched as typed, not completed to the listed source.
TEST_F(SearchWindowTest, TypedTextIsSearchedInTheFormsTheBookStores) {
  writeRecipes({record(QStringLiteral("鮭～ムニエル"), QStringLiteral("洋食"), QStringLiteral("主菜"), QStringLiteral("300"),
                       QStringLiteral("優"), QStringLiteral("Cook Book")),
                record(QStringLiteral("cook book"), QStringLiteral("洋食"), QStringLiteral("主菜"), QStringLiteral("300"),
                       QStringLiteral("優"), QStringLiteral("cook book"))});
  book.writeLines(QStringLiteral("参考資料.TXT"), {QStringLiteral("Cook Book")});
  open();
  openSearch();
  type(QStringLiteral("txtNamae"), QStringLiteral("鮭〜"));
  press(QStringLiteral("cmdNamae1"));
  EXPECT_EQ(listed(), QStringList({"鮭～ムニエル"}));

  activate(search);
  auto* reference = in<QComboBox>(QStringLiteral("cboSankou"));
  reference->setFocus();
  type(QStringLiteral("cboSankou"), QStringLiteral("cook"));
  QTest::keyClick(reference, Qt::Key_Tab);
  EXPECT_EQ(reference->currentText(), QStringLiteral("cook"));
  press(QStringLiteral("cmdSankou1"));
  EXPECT_EQ(listed(), QStringList({"cook book"}));
}

TEST(ResultListModel, StaysConsistentAcrossReplacedLists) {
  ResultListModel model;
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  model.setEntries({{1, QStringLiteral("肉じゃが")}, {4, QStringLiteral("カレー")}});
  EXPECT_EQ(model.rowCount(), 2);
  EXPECT_EQ(model.index(1, 0).data().toString(), QStringLiteral("カレー"));
  model.setEntries({});
  EXPECT_EQ(model.rowCount(), 0);
  EXPECT_FALSE(model.index(0, 0).data().isValid());
}
