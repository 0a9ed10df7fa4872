// SPDX-License-Identifier: GPL-3.0-or-later
// The cooking log, the two rating faces and the recipe's points, as the user clicks them.
#include <QListWidget>

#include "main_extras/windows/cooking_log_panel.h"
#include "main_extras/windows/reference_box.h"
#include "support/main_window_fixture.h"

class CookingLogTest : public MainWindowTest {
 protected:
  QListWidget* log() { return control<QListWidget>("lstRireki"); }
  void clickLabel(const QString& name) { QTest::mouseClick(control<QLabel>(name), Qt::LeftButton); }
  // The visible face of a set: "imgFace1" or "imgFace2".
  int visibleFace(const QString& set) {
    int shown = -1;
    for (int i = 0; i < 4; ++i)
      if (control<QLabel>(QStringLiteral("%1(%2)").arg(set).arg(i))->isVisibleTo(window.get())) {
        EXPECT_EQ(shown, -1) << "two faces shown";
        shown = i;
      }
    return shown;
  }
  void clickFace(const QString& set) {
    QTest::mouseClick(control<QLabel>(QStringLiteral("%1(%2)").arg(set).arg(visibleFace(set))), Qt::LeftButton);
  }
  void doubleClickEntry(int row) {
    log()->setCurrentRow(row);
    emit log()->itemDoubleClicked(log()->item(row));
  }
};

TEST_F(CookingLogTest, FirstDateRatesBothExcellentAndLaterDatesAddOnePoint) {
  open();
  clickLabel("lblKai");
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, ScriptedDialogs::Call::Kind::Input);
  EXPECT_EQ(dialogs.calls[0].prompt, QStringLiteral("日付をリストに追加します。"));
  EXPECT_EQ(dialogs.calls[0].box.title, QStringLiteral("日付登録"));
  EXPECT_EQ(dialogs.calls[0].defaultText, QStringLiteral("2024/05/12"));
  EXPECT_EQ(log()->count(), 1);
  EXPECT_EQ(text("lblKaisu"), QStringLiteral("1"));
  EXPECT_EQ(module->CurrentSelfRating, QStringLiteral("優"));
  EXPECT_EQ(module->CurrentOthersRating, QStringLiteral("優"));
  EXPECT_EQ(visibleFace("imgFace1"), 0);
  EXPECT_EQ(visibleFace("imgFace2"), 0);
  EXPECT_EQ(text("lblPoint1"), QStringLiteral("Point 6"));

  clickFace("imgFace1");  // 良: the second date must not reset it
  dialogs.type(QStringLiteral("2024/3/9"));
  clickLabel("lblKaisu");
  EXPECT_EQ(log()->item(1)->text(), QStringLiteral("2024/03/09"));
  EXPECT_EQ(text("lblKaisu"), QStringLiteral("2"));
  EXPECT_EQ(module->CurrentSelfRating, QStringLiteral("良"));
  EXPECT_EQ(text("lblPoint1"), QStringLiteral("Point 7"));
}

TEST_F(CookingLogTest, CancelEmptyAndNonDatesAddNothing) {
  open();
  dialogs.type(std::nullopt);
  dialogs.type(QString());
  dialogs.type(QStringLiteral("きのう"));
  dialogs.type(QStringLiteral("2024/02/30"));
  for (int i = 0; i < 4; ++i) clickLabel("lblKai");
  EXPECT_EQ(log()->count(), 0);
  EXPECT_EQ(text("lblKaisu"), QStringLiteral("0"));
  const auto messages = dialogs.messages();
  ASSERT_EQ(messages.size(), 2u);  // only the two non-dates are explained
  EXPECT_TRUE(messages[0].text.contains(QStringLiteral("きのう")));
  EXPECT_EQ(module->CurrentSelfRating, QStringLiteral("未"));
}

TEST_F(CookingLogTest, RemovingDatesTwoToOneResetsRatingsAndTheLastLeavesThem) {
  writeRecipes({simpleRecipe(QStringLiteral("煮魚"), QStringLiteral("不"), QStringLiteral("良"),
                             QStringLiteral("2024/01/01\n2024/01/08"))});
  open();
  EXPECT_EQ(text("lblPoint1"), QStringLiteral("Point 6"));
  doubleClickEntry(0);
  EXPECT_EQ(log()->count(), 1);
  EXPECT_EQ(log()->item(0)->text(), QStringLiteral("2024/01/08"));
  EXPECT_EQ(module->CurrentSelfRating, QStringLiteral("優"));
  EXPECT_EQ(module->CurrentOthersRating, QStringLiteral("優"));
  clickFace("imgFace2");  // 良
  doubleClickEntry(0);
  EXPECT_EQ(log()->count(), 0);
  EXPECT_EQ(text("lblKaisu"), QStringLiteral("0"));
  EXPECT_EQ(module->CurrentOthersRating, QStringLiteral("良"));
  EXPECT_EQ(text("lblPoint1"), QStringLiteral("Point 4"));
  // Nothing selected, nothing removed.
  log()->clearSelection();
  emit log()->itemDoubleClicked(nullptr);
  EXPECT_EQ(log()->count(), 0);
}

TEST_F(CookingLogTest, SelfFaceCyclesAndPullsTheOthersAlongAtTheEnds) {
  writeRecipes({simpleRecipe(QStringLiteral("煮魚"), QStringLiteral("優"), QStringLiteral("良"))});
  open();
  const std::pair<QString, QString> steps[] = {{QStringLiteral("良"), QStringLiteral("良")},
                                               {QStringLiteral("不"), QStringLiteral("良")},
                                               {QStringLiteral("未"), QStringLiteral("未")},
                                               {QStringLiteral("優"), QStringLiteral("優")}};
  for (const auto& [self, others] : steps) {
    clickFace("imgFace1");
    EXPECT_EQ(module->CurrentSelfRating, self);
    EXPECT_EQ(module->CurrentOthersRating, others);
    if (self == QStringLiteral("未")) {
      clickFace("imgFace2");  // ignored while the cook has not rated
      EXPECT_EQ(module->CurrentOthersRating, QStringLiteral("未"));
      EXPECT_EQ(text("lblPoint1"), QStringLiteral("Point 2"));
    }
  }
  EXPECT_EQ(text("lblPoint1"), QStringLiteral("Point 5"));
}

TEST_F(CookingLogTest, OthersFaceCyclesWithoutUnratedAndChangesThePoints) {
  writeRecipes({simpleRecipe(QStringLiteral("煮魚"), QStringLiteral("優"), QStringLiteral("不"),
                             QStringLiteral("2024/01/01\n2024/01/02\n2024/01/03\n2024/01/04\n2024/01/05"))});
  open();
  EXPECT_EQ(text("lblPoint1"), QStringLiteral("Point 8"));
  const QString cycle[] = {QStringLiteral("優"), QStringLiteral("良"), QStringLiteral("不")};
  const int points[] = {10, 9, 8};
  for (int i = 0; i < 3; ++i) {
    clickFace("imgFace2");
    EXPECT_EQ(module->CurrentOthersRating, cycle[i]);
    EXPECT_EQ(text("lblPoint1"), QStringLiteral("Point %1").arg(points[i]));
  }
}

TEST_F(CookingLogTest, LogAndRatingsReachTheFileOnlyWhenRegistered) {
  writeRecipes({simpleRecipe(QStringLiteral("煮魚"))});
  const QByteArray before = book.bytes(QStringLiteral("レシピ.TXT"));
  open();
  clickLabel("lblKai");
  dialogs.type(QStringLiteral("2024/05/13"));
  clickLabel("lblKai");
  clickFace("imgFace2");
  EXPECT_EQ(book.bytes(QStringLiteral("レシピ.TXT")), before);
  click("cmdTouroku");
  QStringList expected = simpleRecipe(QStringLiteral("煮魚"), QStringLiteral("優"), QStringLiteral("良"),
                                      QStringLiteral("2024/05/12\n2024/05/13"));
  EXPECT_EQ(book.lines(QStringLiteral("レシピ.TXT")), expected);
  EXPECT_EQ(text("lblPoint"), QStringLiteral("Point 6"));
}

class ReferenceListTest : public MainWindowTest {
 protected:
  void pressEnter(const QString& typed) {
    auto* box = control<QComboBox>("cboSankou");
    box->setEditText(typed);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
  }
};

TEST_F(ReferenceListTest, EnterOffersToAddAndTheFileKeepsItAcrossARestart) {
  book.writeLines(QStringLiteral("参考資料.TXT"), {QStringLiteral("料理の本"), QString()});
  open();
  EXPECT_EQ(control<QComboBox>("cboSankou")->count(), 2);  // the empty last line is an entry
  pressEnter(QStringLiteral("おばあちゃん"));
  const auto messages = dialogs.messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, QStringLiteral("おばあちゃんを新たに追加しますか？"));
  EXPECT_EQ(messages[0].title, QStringLiteral("保存確認"));
  EXPECT_EQ(messages[0].icon, MessageBox::Icon::Question);
  EXPECT_EQ(messages[0].buttons, MessageBox::Buttons::OkCancel);
  EXPECT_EQ(messages[1].text, QStringLiteral("保存しました"));
  EXPECT_EQ(messages[1].title, QStringLiteral("参考リストに追加"));
  EXPECT_EQ(book.lines(QStringLiteral("参考資料.TXT")),
            QStringList({QStringLiteral("料理の本"), QString(), QStringLiteral("おばあちゃん")}));

  pressEnter(QStringLiteral("料理の本"));  // already listed: added again
  EXPECT_EQ(book.lines(QStringLiteral("参考資料.TXT")).size(), 4);

  open();  // a restart
  auto* box = control<QComboBox>("cboSankou");
  ASSERT_EQ(box->count(), 4);
  EXPECT_EQ(box->itemText(2), QStringLiteral("おばあちゃん"));
}

TEST_F(ReferenceListTest, EmptyTextAndCancelChangeNothing) {
  open();
  const QByteArray before = book.bytes(QStringLiteral("参考資料.TXT"));
  pressEnter(QString());
  EXPECT_TRUE(dialogs.calls.empty());
  dialogs.answerCancel();
  pressEnter(QStringLiteral("雑誌"));
  EXPECT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(book.bytes(QStringLiteral("参考資料.TXT")), before);
  EXPECT_EQ(control<QComboBox>("cboSankou")->count(), 0);
}
