// SPDX-License-Identifier: GPL-3.0-or-later
// Text typed into the main window stays as typed: the editable combo boxes neither complete nor
// fold letter case, typing a stored name never moves to that recipe, and typed names become the
// stored names and picture file names in one way.
#include <QAbstractItemView>
#include <QApplication>

#include "main_extras/windows/picture_picker.h"

#include "support/main_window_fixture.h"
#include "support/typing.h"

namespace {

const QString kRecipeFile = QStringLiteral("レシピ.TXT");

QStringList recipeWithCalories(const QString& name, const QString& calories) {
  return recordLines({name, QStringLiteral("和食"), QStringLiteral("主菜"), QStringLiteral("煮る"), calories,
                      QStringLiteral("1.5"), QStringLiteral("20"), QStringLiteral("未"), QStringLiteral("未"),
                      QStringLiteral("0"), QString()});
}

}  // namespace

class TypedTextTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    writeRecipes({recipeWithCalories(QStringLiteral("カレーライス"), QStringLiteral("100")),
                  recipeWithCalories(QStringLiteral("肉じゃが"), QStringLiteral("300")),
                  recipeWithCalories(QStringLiteral("ABC"), QStringLiteral("50"))});
  }
  // Opens the book and makes the window active, so that focus moves as a user's clicks move it.
  void openActive() {
    open();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  void typeInto(const QString& name, const QString& text) {
    QWidget* box = control(name);
    QTest::mouseClick(box, Qt::LeftButton);
    box->setFocus();
    typeText(box, text);
  }
  // The record of that name in the recipe file, as lines.
  QStringList storedRecord(const QString& name) {
    const QStringList lines = book.lines(kRecipeFile);
    const qsizetype at = lines.indexOf(QStringLiteral("【料理名　】") + name);
    return at < 1 ? QStringList() : lines.mid(at - 1, 21);
  }
};

TEST_F(TypedTextTest, TypingAStoredNameAndMovingOnStaysOnTheNewRecipe) {
  openActive();
  click("cmdNew");
  typeInto("cboNamae", QStringLiteral("肉じゃが"));
  QTest::keyClick(control("cboNamae"), Qt::Key_Return);
  typeInto("txtCal", QStringLiteral("250"));
  EXPECT_EQ(control<QComboBox>("cboNamae")->currentText(), QStringLiteral("肉じゃが"));
  EXPECT_EQ(control<QLineEdit>("txtCal")->text(), QStringLiteral("250"));
  EXPECT_EQ(text("lblKensu"), QStringLiteral("4 / 4"));

  // Only a pick from the list moves to a recipe.
  auto* names = control<QComboBox>("cboNamae");
  names->showPopup();
  QTest::keyClick(names->view(), Qt::Key_Down);
  QTest::keyClick(names->view(), Qt::Key_Return);
  EXPECT_EQ(text("lblKensu"), QStringLiteral("2 / 3"));
  EXPECT_EQ(control<QLineEdit>("txtCal")->text(), QStringLiteral("300"));
}

TEST_F(TypedTextTest, APrefixOfAStoredNameIsANewRecipe) {
  openActive();
  click("cmdNew");
  typeInto("cboNamae", QStringLiteral("カレー"));
  typeInto("txtCal", QStringLiteral("555"));
  EXPECT_EQ(control<QComboBox>("cboNamae")->currentText(), QStringLiteral("カレー"));
  click("cmdTouroku");
  EXPECT_EQ(storedRecord(QStringLiteral("カレーライス")),
            recipeWithCalories(QStringLiteral("カレーライス"), QStringLiteral("100")));
  const QStringList added = storedRecord(QStringLiteral("カレー"));
  ASSERT_FALSE(added.isEmpty());
  EXPECT_EQ(added[5], QStringLiteral("【一人分㌍】555"));
  EXPECT_EQ(module->RecipeCount(), 4);
}

TEST_F(TypedTextTest, ANameDifferingInLetterCaseIsANewRecipe) {
  openActive();
  click("cmdNew");
  typeInto("cboNamae", QStringLiteral("abc"));
  typeInto("txtCal", QStringLiteral("7"));
  EXPECT_EQ(control<QComboBox>("cboNamae")->currentText(), QStringLiteral("abc"));
  click("cmdTouroku");
  EXPECT_EQ(storedRecord(QStringLiteral("ABC")), recipeWithCalories(QStringLiteral("ABC"), QStringLiteral("50")));
  EXPECT_FALSE(storedRecord(QStringLiteral("abc")).isEmpty());
}

TEST_F(TypedTextTest, CategoryAndReferenceBoxesStoreExactlyWhatWasTyped) {
  book.writeLines(QStringLiteral("参考資料.TXT"), {QStringLiteral("料理の本")});
  openActive();
  click("cmdNew");
  typeInto("cboNamae", QStringLiteral("新作"));
  for (const char* name : {"cboJyanru", "cboSyurui", "cboCyouri"}) control<QComboBox>(name)->clearEditText();
  typeInto("cboJyanru", QStringLiteral("和"));
  typeInto("cboSyurui", QStringLiteral("ご"));
  typeInto("cboCyouri", QStringLiteral("焼"));
  typeInto("cboSankou", QStringLiteral("料理"));
  typeInto("txtCal", QStringLiteral("1"));
  for (const char* name : {"cboJyanru", "cboSyurui", "cboCyouri", "cboSankou"})
    EXPECT_EQ(control<QComboBox>(name)->completer(), nullptr) << name;
  click("cmdTouroku");
  const QStringList added = storedRecord(QStringLiteral("新作"));
  ASSERT_EQ(added.size(), 21);
  EXPECT_EQ(added[2], QStringLiteral("【ジャンル】和"));
  EXPECT_EQ(added[3], QStringLiteral("【種類　　】ご"));
  EXPECT_EQ(added[4], QStringLiteral("【調理方法】焼"));
  EXPECT_EQ(added[11], QStringLiteral("【参考　　】料理"));
}

TEST_F(TypedTextTest, EnterInTheReferenceBoxAddsTheTextAsTyped) {
  book.writeLines(QStringLiteral("参考資料.TXT"), {QStringLiteral("料理の本")});
  openActive();
  auto* box = control<QComboBox>("cboSankou");
  box->clearEditText();
  typeInto("cboSankou", QStringLiteral("料理"));
  QTest::keyClick(box, Qt::Key_Return);
  ASSERT_FALSE(dialogs.messages().empty());
  EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("料理を新たに追加しますか？"));
  EXPECT_EQ(book.lines(QStringLiteral("参考資料.TXT")), QStringList({QStringLiteral("料理の本"), QStringLiteral("料理")}));
  EXPECT_EQ(box->currentText(), QStringLiteral("料理"));
}

TEST_F(TypedTextTest, APictureForAnUnregisteredNameWithAWaveDashIsFoundOnceItIsStored) {
  QTemporaryDir source;
  ASSERT_TRUE(source.isValid());
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(Qt::blue);
  ASSERT_TRUE(image.save(QDir(source.path()).filePath(QStringLiteral("dish.jpg")), "JPG"));
  openActive();
  click("cmdNew");
  typeInto("cboNamae", QStringLiteral("2\u301C3人分"));  // the wave dash as other systems type it
  QTest::mouseDClick(control<QLabel>("lblRyoriNm"), Qt::LeftButton);
  auto* picker = control<PicturePicker>("fraPicget");
  picker->dirZukei_Moto_Change(source.path());
  picker->filZukei_Moto_Click(QStringLiteral("dish.jpg"));
  click("cmdFileCopy");
  EXPECT_TRUE(book.exists(QStringLiteral("2\uFF5E3人分.jpg")));
  EXPECT_FALSE(book.exists(QStringLiteral("2\u301C3人分.jpg")));

  click("cmdTouroku");
  EXPECT_FALSE(storedRecord(QStringLiteral("2\uFF5E3人分")).isEmpty());
  EXPECT_EQ(text("lblKensu"), QStringLiteral("4 / 4"));
  EXPECT_FALSE(control<QLabel>("imgGazou")->pixmap().isNull());
}
