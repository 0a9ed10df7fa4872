// SPDX-License-Identifier: GPL-3.0-or-later
// Registering, changing and deleting recipes as a user does it, checked in the recipe file's bytes.
#include <QListWidget>
#include <QSaveFile>

#include "platform/rules/cp932.h"
#include "support/main_window_fixture.h"

namespace {

const QString kRecipeFile = QStringLiteral("レシピ.TXT");

QStringList nameOnlyRecord(const QString& name) {
  return recordLines({name, QStringLiteral("その他"), QStringLiteral("その他"), QStringLiteral("その他"), QStringLiteral("0"),
                      QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("未"), QStringLiteral("未"),
                      QStringLiteral("0"), QString()});
}

}  // namespace

class RegisterTest : public MainWindowTest {
 protected:
  void typeName(const QString& name) { control<QComboBox>("cboNamae")->setEditText(name); }
  std::vector<QString> messageTitles() {
    std::vector<QString> titles;
    for (const auto& m : dialogs.messages()) titles.push_back(m.title);
    return titles;
  }
};

TEST_F(RegisterTest, NameOnlyRecipeIsAppendedWithDefaults) {
  open();
  click("cmdNew");
  typeName(QStringLiteral("おにぎり"));
  click("cmdTouroku");
  EXPECT_EQ(book.lines(kRecipeFile), nameOnlyRecord(QStringLiteral("おにぎり")));
  const auto messages = dialogs.messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, QStringLiteral("新しいレシピです。新規登録します。"));
  EXPECT_EQ(messages[0].title, QStringLiteral("新規登録確認"));
  EXPECT_EQ(messages[0].buttons, MessageBox::Buttons::OkCancel);
  EXPECT_EQ(messages[0].icon, MessageBox::Icon::Information);
  EXPECT_EQ(messages[1].text, QStringLiteral("登録しました"));
  EXPECT_EQ(messages[1].title, QStringLiteral("登録終了"));
  EXPECT_EQ(text("lblKensu"), QStringLiteral("1 / 1"));
  EXPECT_EQ(control<QComboBox>("cboNamae")->count(), 1);
  EXPECT_EQ(text("lblPoint"), QStringLiteral("Point 2"));
}

TEST_F(RegisterTest, EmptyNameIsRefusedAndNothingIsWritten) {
  writeRecipes({simpleRecipe(QStringLiteral("カレー"))});
  const QByteArray before = book.bytes(kRecipeFile);
  open();
  click("cmdNew");
  click("cmdTouroku");
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("料理名は必ず入力してください"));
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("料理名未記入"));
  EXPECT_EQ(dialogs.messages()[0].icon, MessageBox::Icon::Exclamation);
  EXPECT_EQ(book.bytes(kRecipeFile), before);
}

TEST_F(RegisterTest, TypedFieldsAreStoredAsTypedWithNumbersFromDoubles) {
  open();
  click("cmdNew");
  typeName(QStringLiteral("ポテトサラダ"));
  control<QComboBox>("cboJyanru")->setEditText(QStringLiteral("洋食"));
  control<QComboBox>("cboSyurui")->setEditText(QStringLiteral("サラダ"));
  control<QComboBox>("cboCyouri")->setEditText(QStringLiteral("自己流"));
  QTest::keyClicks(control<QLineEdit>("txtCal"), QStringLiteral("0.123456789"));
  QTest::keyClicks(control<QLineEdit>("txtEnbun"), QStringLiteral(" 1.5g"));
  QTest::keyClicks(control<QLineEdit>("txtJikan"), QStringLiteral("abc"));
  control<QComboBox>("cboSankou")->setEditText(QStringLiteral("料理の本"));
  control<QPlainTextEdit>("txtZairyou")->setPlainText(QStringLiteral("じゃがいも　2個\nマヨネーズ\n"));
  control<QPlainTextEdit>("txtMemo")->setPlainText(QStringLiteral("冷やして"));
  click("cmdTouroku");
  const QStringList expected = recordLines(
      {QStringLiteral("ポテトサラダ"), QStringLiteral("洋食"), QStringLiteral("サラダ"), QStringLiteral("自己流"),
       QStringLiteral("0.123456789"), QStringLiteral("1.5"), QStringLiteral("0"), QStringLiteral("未"), QStringLiteral("未"),
       QStringLiteral("0"), QStringLiteral("料理の本")},
      QStringLiteral("じゃがいも　2個\nマヨネーズ\n"), {}, QStringLiteral("冷やして"));
  EXPECT_EQ(book.lines(kRecipeFile), expected);
  // The table holds single precision: the next rewrite writes 7 significant digits.
  EXPECT_EQ(control<QLineEdit>("txtCal")->text(), QStringLiteral("0.1234568"));
  EXPECT_EQ(control<QPlainTextEdit>("txtZairyou")->toPlainText(), QStringLiteral("じゃがいも　2個\nマヨネーズ\n"));
}

TEST_F(RegisterTest, ExistingNameAfterNewChangesThatRecipeInPlace) {
  writeRecipes({simpleRecipe(QStringLiteral("カレー")), simpleRecipe(QStringLiteral("肉じゃが")),
                simpleRecipe(QStringLiteral("サラダ"))});
  open();
  control<QScrollBar>("hsbData")->setValue(3);
  click("cmdNew");
  typeName(QStringLiteral("肉じゃが"));
  control<QLineEdit>("txtCal")->setText(QStringLiteral("420"));
  click("cmdTouroku");
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("変更登録確認"));
  EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("既存のレシピです。変更登録します。"));
  QStringList changed = nameOnlyRecord(QStringLiteral("肉じゃが"));
  changed[5] = QStringLiteral("【一人分㌍】420");
  QStringList expected = simpleRecipe(QStringLiteral("カレー")) + changed + simpleRecipe(QStringLiteral("サラダ"));
  EXPECT_EQ(book.lines(kRecipeFile), expected);
  EXPECT_EQ(control<QScrollBar>("hsbData")->value(), 2);
  EXPECT_EQ(text("lblKensu"), QStringLiteral("2 / 3"));
  EXPECT_EQ(control<QLineEdit>("txtCal")->text(), QStringLiteral("420"));
}

TEST_F(RegisterTest, RenamedRecipeIsStoredAsNewAndTheOldOneStays) {
  writeRecipes({simpleRecipe(QStringLiteral("カレー"))});
  const QByteArray before = book.bytes(kRecipeFile);
  open();
  typeName(QStringLiteral("カレーライス"));
  click("cmdTouroku");
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("新規登録確認"));
  EXPECT_TRUE(book.bytes(kRecipeFile).startsWith(before));
  EXPECT_EQ(module->RecipeCount(), 2);
  EXPECT_EQ(module->Recipes[2].DishName, QStringLiteral("カレーライス"));
  EXPECT_EQ(text("lblKensu"), QStringLiteral("2 / 2"));
}

TEST_F(RegisterTest, NamesDifferingOnlyInCaseOrWidthAreDifferentRecipes) {
  writeRecipes({simpleRecipe(QStringLiteral("Pasta")), simpleRecipe(QStringLiteral("ｶﾚｰ"))});
  open();
  for (const QString& name : {QStringLiteral("pasta"), QStringLiteral("カレー")}) {
    dialogs.clear();
    click("cmdNew");
    typeName(name);
    click("cmdTouroku");
    EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("新規登録確認")) << name.toStdString();
  }
  EXPECT_EQ(module->RecipeCount(), 4);
}

TEST_F(RegisterTest, CancelInEachConfirmationChangesNothing) {
  writeRecipes({simpleRecipe(QStringLiteral("カレー")), simpleRecipe(QStringLiteral("肉じゃが"))});
  const QByteArray before = book.bytes(kRecipeFile);
  open();
  control<QLineEdit>("txtCal")->setText(QStringLiteral("999"));
  dialogs.answerCancel();
  click("cmdTouroku");  // change, cancelled
  typeName(QStringLiteral("新しい料理"));
  dialogs.answerCancel();
  click("cmdTouroku");  // new, cancelled
  control<QScrollBar>("hsbData")->setValue(2);
  dialogs.answerCancel();
  click("cmdDelete");  // delete, cancelled
  EXPECT_EQ(book.bytes(kRecipeFile), before);
  EXPECT_EQ(module->RecipeCount(), 2);
  EXPECT_EQ(control<QComboBox>("cboNamae")->currentText(), QStringLiteral("肉じゃが"));
  EXPECT_EQ(dialogs.messages().size(), 3u);
}

TEST_F(RegisterTest, LevelMessageFollowsEveryStoreAtOrAboveOneHundredPercent) {
  book.writeLines(QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ.txt"), {"花子", " 4 ", "写真表示", " 0 "});
  open();
  for (const QString& name : {QStringLiteral("一品目"), QStringLiteral("二品目"), QStringLiteral("二品目")}) {
    dialogs.clear();
    click("cmdNew");
    typeName(name);
    click("cmdTouroku");
    const bool reached = module->Stats.LevelPercent >= 100;
    const auto messages = dialogs.messages();
    EXPECT_EQ(messages.back().title == QStringLiteral("目標レベル達成"), reached) << name.toStdString();
    if (reached) {
      EXPECT_EQ(messages.back().text,
                QStringLiteral("目標ポイント 4p に対するレベルが１００％をこえました！\nおめでとうございます。 ＼(^o^)／ﾔｯﾀｧ \n\n"
                               "さらなるレベルアップを目指して、次の目標ポイントを指定しましょう。"));
      EXPECT_EQ(messages[messages.size() - 2].title, QStringLiteral("登録終了"));
    }
  }
  EXPECT_EQ(dialogs.messages().back().title, QStringLiteral("目標レベル達成"));  // 4 of 4 points: 100 %
}

TEST_F(RegisterTest, FieldsTheFileCannotHoldAreRefusedNamingTheField) {
  writeRecipes({simpleRecipe(QStringLiteral("カレー"))});
  const QByteArray before = book.bytes(kRecipeFile);
  open();
  struct Case {
    const char* control;
    QString text;
    QString expectedWord;
  };
  const Case cases[] = {
      {"txtZairyou", QStringLiteral("肉\n----------\n玉ねぎ"), QStringLiteral("材料")},
      {"txtTukuri", QStringLiteral("----------"), QStringLiteral("作り方")},
      {"txtMemo", QStringLiteral("é"), QStringLiteral("メモ")},
  };
  for (const Case& c : cases) {
    dialogs.clear();
    open();
    control<QPlainTextEdit>(c.control)->setPlainText(c.text);
    click("cmdTouroku");
    ASSERT_EQ(dialogs.messages().size(), 1u) << c.control;
    EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("登録できません"));
    EXPECT_TRUE(dialogs.messages()[0].text.contains(c.expectedWord)) << dialogs.messages()[0].text.toStdString();
    EXPECT_EQ(book.bytes(kRecipeFile), before);
  }
  dialogs.clear();
  open();
  typeName(QStringLiteral("カレー😀"));
  click("cmdTouroku");
  EXPECT_TRUE(dialogs.messages()[0].text.contains(QStringLiteral("料理名")));
  EXPECT_EQ(book.bytes(kRecipeFile), before);
}

TEST_F(RegisterTest, FailedWriteIsReportedAndLeavesFileTableAndWindowAsTheyWere) {
  writeRecipes({simpleRecipe(QStringLiteral("カレー"))});
  const QByteArray before = book.bytes(kRecipeFile);
  open();
  // A folder where the recipe file stands makes every write fail, for root too.
  QFile::remove(book.path(kRecipeFile));
  QDir(book.folder()).mkdir(kRecipeFile);
  control<QLineEdit>("txtCal")->setText(QStringLiteral("500"));
  click("cmdTouroku");
  const auto messages = dialogs.messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1].icon, MessageBox::Icon::Critical);
  EXPECT_NE(messages[1].title, QStringLiteral("登録終了"));
  EXPECT_EQ(module->Recipes[1].CaloriesPerPerson, 100.0f);
  EXPECT_EQ(control<QLineEdit>("txtCal")->text(), QStringLiteral("500"));

  dialogs.clear();
  click("cmdDelete");
  EXPECT_EQ(dialogs.messages().back().icon, MessageBox::Icon::Critical);
  EXPECT_EQ(module->RecipeCount(), 1);
  QDir(book.folder()).rmdir(kRecipeFile);
  book.writeBytes(kRecipeFile, before);
}

class DeleteTest : public RegisterTest {
 protected:
  void SetUp() override {
    RegisterTest::SetUp();
    writeRecipes({simpleRecipe(QStringLiteral("一")), simpleRecipe(QStringLiteral("二")), simpleRecipe(QStringLiteral("三"))});
  }
  // The records left, as WriteRecipeFileWithout writes them: empty sections as one empty line.
  static QStringList written(const QString& name) {
    QStringList lines = simpleRecipe(name);
    for (const char* section : {"【材料】", "【作り方】", "【メモ】", "【調理実績】"})
      lines.insert(lines.indexOf(QString::fromUtf8(section)) + 1, QString());
    return lines;
  }
};

TEST_F(DeleteTest, DeletingTheFirstShowsTheRecordThatMovedUp) {
  open();
  click("cmdDelete");
  const auto box = dialogs.messages()[0];
  EXPECT_EQ(box.text, QStringLiteral("『 一 』の情報を削除します"));
  EXPECT_EQ(box.title, QStringLiteral("削除確認"));
  EXPECT_EQ(box.icon, MessageBox::Icon::Exclamation);
  EXPECT_EQ(box.buttons, MessageBox::Buttons::OkCancel);
  EXPECT_EQ(box.defaultButton, MessageBox::Answer::Cancel);
  EXPECT_EQ(book.lines(kRecipeFile), written(QStringLiteral("二")) + written(QStringLiteral("三")));
  EXPECT_EQ(control<QComboBox>("cboNamae")->currentText(), QStringLiteral("二"));
  EXPECT_EQ(text("lblKensu"), QStringLiteral("1 / 2"));
  EXPECT_EQ(dialogs.messages()[1].text, QStringLiteral("削除しました"));
  EXPECT_EQ(dialogs.messages()[1].title, QStringLiteral("削除終了"));
}

TEST_F(DeleteTest, DeletingAMiddleAndTheLastRecord) {
  open();
  control<QScrollBar>("hsbData")->setValue(2);
  click("cmdDelete");
  EXPECT_EQ(book.lines(kRecipeFile), written(QStringLiteral("一")) + written(QStringLiteral("三")));
  EXPECT_EQ(control<QComboBox>("cboNamae")->currentText(), QStringLiteral("三"));
  click("cmdDelete");
  EXPECT_EQ(book.lines(kRecipeFile), written(QStringLiteral("一")));
  EXPECT_EQ(control<QComboBox>("cboNamae")->currentText(), QStringLiteral("一"));
  EXPECT_EQ(text("lblKensu"), QStringLiteral("1 / 1"));
}

TEST_F(DeleteTest, DeletingTheOnlyRecordLeavesAnEmptyFileAndTheNewRecipeState) {
  writeRecipes({simpleRecipe(QStringLiteral("一"))});
  open();
  click("cmdDelete");
  EXPECT_TRUE(book.bytes(kRecipeFile).isEmpty());
  EXPECT_EQ(control<QComboBox>("cboNamae")->currentText(), QString());
  EXPECT_EQ(text("lblKensu"), QStringLiteral("1 / 1"));
  EXPECT_EQ(control<QComboBox>("cboNamae")->count(), 0);
}

TEST_F(DeleteTest, DeleteInTheNewRecipeStateDeletesNothing) {
  const QByteArray before = book.bytes(kRecipeFile);
  open();
  click("cmdNew");
  click("cmdDelete");
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("削除できません"));
  EXPECT_EQ(book.bytes(kRecipeFile), before);
}

TEST_F(DeleteTest, ConfirmationNamesTheStoredRecipeEvenWhenTheNameWasEdited) {
  open();
  typeName(QStringLiteral("書き換えた名前"));
  dialogs.answerCancel();
  click("cmdDelete");
  EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("『 一 』の情報を削除します"));
}

TEST_F(RegisterTest, NameTypedWithTheOtherWaveDashFindsTheStoredRecipe) {
  writeRecipes({simpleRecipe(QStringLiteral("2～3人分カレー"))});
  open();
  typeName(QStringLiteral("2〜3人分カレー"));  // U+301C, as other systems type it
  click("cmdTouroku");
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("変更登録確認"));
  EXPECT_EQ(module->RecipeCount(), 1);
}
