// SPDX-License-Identifier: GPL-3.0-or-later
// A screen reader reads what a sighted user sees, in every window the program builds.
#include <QAccessible>

#include "category_editor/windows/frm_hensyu.h"
#include "store/windows/frm_splash.h"
#include "support/accessible_names.h"
#include "support/main_window_fixture.h"

namespace {

QString readName(QWidget* control) { return accessible_names_detail::readName(control); }
QString readCaptions(QWidget* control) { return accessible_names_detail::readCaptions(control); }

void expectReadsWhatItShows(QWidget* window) {
  const QStringList faults = ShownTextsMissingFromNames(window);
  EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
}

}  // namespace

class AccessibilityTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    writeRecipes({simpleRecipe(QStringLiteral("肉じゃが"), QStringLiteral("優"), QStringLiteral("良"),
                               QStringLiteral("2024/05/01\n2024/05/03")),
                  simpleRecipe(QStringLiteral("カレー"))});
  }
};

TEST_F(AccessibilityTest, TheMainWindowReadsItsCaptionsAndValues) {
  open();
  expectReadsWhatItShows(window.get());
  // Values a sighted user reads off the window.
  EXPECT_TRUE(readName(control("lblKensu")).contains(QStringLiteral("1 / 2")));
  EXPECT_TRUE(readName(control("lblKaisu")).contains(QStringLiteral("2")));
  EXPECT_TRUE(readName(control("lblPoint1")).startsWith(QStringLiteral("Point ")));
  EXPECT_TRUE(readName(control("lblPoint")).startsWith(QStringLiteral("Point ")));
  EXPECT_EQ(readName(control("lblRyoriNm")), QStringLiteral("料理名"));
  // Entry boxes are named by their captions.
  EXPECT_EQ(readCaptions(control("cboNamae")), QStringLiteral("料理名"));
  EXPECT_EQ(readCaptions(control("cboJyanru")), QStringLiteral("ジャンル"));
  EXPECT_EQ(readName(control("txtCal")), QStringLiteral("一人分㌍"));
  EXPECT_EQ(readName(control("txtTukuri")), QStringLiteral("作り方"));
  EXPECT_EQ(readName(control("imgFace1(0)")), QStringLiteral("自己評価 優"));

  // The picture picker, once open, reads the same way.
  QTest::mouseDClick(control<QLabel>("lblRyoriNm"), Qt::LeftButton);
  ASSERT_TRUE(control("fraPicget")->isVisible());
  expectReadsWhatItShows(window.get());
}

TEST_F(AccessibilityTest, TheCategoryEditorAndTheSplashReadWhatTheyShow) {
  open();
  frmHensyu editor(*module, dialogs, [] {});
  editor.show();
  expectReadsWhatItShows(&editor);

  frmSplash splash;
  splash.show();
  splash.showCount(120);
  splash.showProgress(120, 120, QStringLiteral("肉じゃが"));
  expectReadsWhatItShows(&splash);
  EXPECT_TRUE(readName(splash.findChild<QWidget*>(QStringLiteral("lblKensu"))).contains(QStringLiteral("120 / 120件")));
}

// The check itself: a label whose name hides its text, and an entry box without a caption, fail.
TEST(AccessibleNames, FindLabelsThatHideTheirTextAndUnnamedEntryBoxes) {
  QWidget window;
  window.setObjectName(QStringLiteral("window"));
  auto* value = new QLabel(QStringLiteral("3 / 7"), &window);
  value->setObjectName(QStringLiteral("value"));
  auto* caption = new QLabel(QStringLiteral("塩分"), &window);
  auto* box = new QLineEdit(&window);
  box->setObjectName(QStringLiteral("box"));
  window.show();
  EXPECT_EQ(ShownTextsMissingFromNames(&window).size(), 1u);  // the box has no name
  caption->setBuddy(box);
  expectReadsWhatItShows(&window);
  value->setAccessibleName(QStringLiteral("表示中の番号"));
  EXPECT_EQ(ShownTextsMissingFromNames(&window).size(), 1u);
  value->setAccessibleName(QString());
  value->setAccessibleDescription(QStringLiteral("表示中の番号"));
  auto* face = new QLabel(&window);
  QPixmap picture(8, 8);
  picture.fill(Qt::red);
  face->setPixmap(picture);
  face->show();
  EXPECT_EQ(ShownTextsMissingFromNames(&window).size(), 1u);  // a picture that says nothing
  face->setAccessibleName(QStringLiteral("自己評価 優"));
  expectReadsWhatItShows(&window);
}
