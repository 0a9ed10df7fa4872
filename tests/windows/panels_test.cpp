// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's panels as they talk to it: the slideshow follows deletions, and the picture
// picker lists the volumes it is given.
#include <QComboBox>
#include <QTimer>

#include "main_extras/windows/picture_picker.h"
#include "main_extras/windows/slideshow_panel.h"
#include "support/main_window_fixture.h"

TEST_F(MainWindowTest, DeletingTheLastRecordMovesTheSlideshowToTheRecordShown) {
  writeRecipes({simpleRecipe(QStringLiteral("一")), simpleRecipe(QStringLiteral("二")), simpleRecipe(QStringLiteral("三"))});
  open();
  auto* slideshow = control<SlideshowPanel>("SlideshowPanel");
  control<QTimer>("tmrPlay")->stop();  // the test drives the ticks
  window->showRecord(3);
  click("cmdDelete");
  ASSERT_EQ(module->RecipeCount(), 2);
  EXPECT_EQ(text("lblKensu"), QStringLiteral("2 / 2"));
  EXPECT_EQ(slideshow->position(), 2);

  click("cmdSaisei");
  QStringList seen;
  for (int tick = 0; tick < 2; ++tick) {
    slideshow->tmrPlay_Timer();
    seen.append(control<QComboBox>("cboNamae")->currentText());
  }
  EXPECT_EQ(seen, QStringList({QStringLiteral("二"), QStringLiteral("一")}));
}

class PickerTest : public MainWindowTest {
 protected:
  PicturePicker* picker() { return control<PicturePicker>("fraPicget"); }
  QTemporaryDir drive;
};

TEST_F(PickerTest, ListsTheVolumesItIsGivenAndNamesTheOneHoldingTheFolder) {
  open();
  const QString missing = drive.filePath(QStringLiteral("取り外し済み"));
  picker()->setVolumeSource([&] {
    return QList<Volume>{{QStringLiteral("/"), QStringLiteral("/")},
                         {drive.path(), QStringLiteral("写真 [USB]")},
                         {missing, QStringLiteral("カード")}};
  });
  auto* drives = control<QComboBox>("drvZukei_Moto");
  ASSERT_EQ(drives->count(), 3);
  EXPECT_EQ(drives->itemText(1), QStringLiteral("写真 [USB]"));
  // The book's folder lies on "/" here, so "/" is the drive shown.
  EXPECT_EQ(drives->currentIndex(), 0);

  picker()->drvZukei_Moto_Change(1);
  EXPECT_EQ(picker()->pickerFolder(), drive.path());
  EXPECT_EQ(drives->currentIndex(), 1);

  // A drive that is not ready says so and leaves the folder as it was.
  picker()->drvZukei_Moto_Change(2);
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("ﾃﾞﾊﾞｲｽが準備されていません"));
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("ﾃﾞﾊﾞｲｽ未準備"));
  EXPECT_EQ(dialogs.messages()[0].icon, MessageBox::Icon::Critical);
  EXPECT_EQ(picker()->pickerFolder(), drive.path());
  EXPECT_EQ(drives->currentIndex(), 1);
}

TEST_F(MainWindowTest, TheDishNameCaptionSaysADoubleClickBringsAPictureIn) {
  open();
  EXPECT_EQ(control("lblRyoriNm")->toolTip(), QStringLiteral("ダブルクリックで画像を取り込みます"));
}
